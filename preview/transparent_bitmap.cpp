// The keyed picture control (see transparent_bitmap.h).
#include "preview/transparent_bitmap.h"

#include <QPainter>

namespace trimlet {

CTransparentBitmap::CTransparentBitmap(QWidget* parent) : QWidget(parent) {
  // The pane's background shows through the key colour.
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
}

void CTransparentBitmap::SetPicture(const QImage& picture, unsigned keyColour) {
  if (picture.isNull()) {
    picture_ = QPixmap();
    update();
    return;
  }
  // Opaque everywhere but on the key colour, which becomes fully transparent.
  QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb key =
      qRgb(static_cast<int>(keyColour & 0xFF), static_cast<int>((keyColour >> 8) & 0xFF),
           static_cast<int>((keyColour >> 16) & 0xFF));
  for (int y = 0; y < keyed.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
    for (int x = 0; x < keyed.width(); ++x) {
      line[x] = (line[x] | 0xFF000000u) == key ? 0u : (line[x] | 0xFF000000u);
    }
  }
  picture_ = QPixmap::fromImage(keyed);
  update();
}

void CTransparentBitmap::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace trimlet
