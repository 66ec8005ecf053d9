#include "output/dialogs/bitmap_button.h"

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace trimlet {

namespace {

QPixmap withKeyReplaced(const QImage& source, QRgb key, QColor by) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) row[x] = by.rgba();
  }
  return QPixmap::fromImage(image);
}

}  // namespace

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
}

void CBitmapButton::setPicture(const QString& resource, int width, int height, QRgb key) {
  source_ = QImage(resource).scaled(width, height);
  size_ = QSize(width, height);
  key_ = key;
  makePictures();
  update();
}

int CBitmapButton::focusInset(QSize size) {
  const int side = std::min(size.width(), size.height());
  return side <= 15 ? side / 4 : 3;
}

void CBitmapButton::makePictures() {
  if (source_.isNull()) return;
  normal_ = withKeyReplaced(source_, key_, palette().color(QPalette::Button));
  disabled_ = withKeyReplaced(source_, key_, Qt::white);
}

void CBitmapButton::changeEvent(QEvent* event) {
  // The system colours changed: the pictures are made again.
  if (event->type() == QEvent::PaletteChange) makePictures();
  QAbstractButton::changeEvent(event);
}

void CBitmapButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionButton frame;
  frame.initFrom(this);
  frame.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
  style()->drawControl(QStyle::CE_PushButtonBevel, &frame, &p, this);
  const int shift = isDown() ? 1 : 0;
  const QPoint at((width() - size_.width()) / 2 + shift, (height() - size_.height()) / 2 + shift);
  if (isEnabled()) {
    p.drawPixmap(at, normal_);
  } else {
    p.drawPixmap(at, QIcon(disabled_).pixmap(size_, QIcon::Disabled));
  }
  if (hasFocus() && isEnabled()) {
    const int inset = focusInset(size());
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(inset, inset, -inset, -inset);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
  }
}

}  // namespace trimlet
