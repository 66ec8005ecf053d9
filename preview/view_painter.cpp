// Painting of an image view (see view_painter.h).
#include "preview/view_painter.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>

#include "preview/preview_ids.h"

namespace trimlet {

namespace {

const QColor kGrey(preview::kViewGrey, preview::kViewGrey, preview::kViewGrey);

QRect toQRect(const ViewRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// Inverts the one-pixel border of a handle's square, every pixel once.
void invertSquareBorder(QPainter& painter, const ViewRect& square) {
  const int left = square.left;
  const int top = square.top;
  const int w = square.width();
  const int h = square.height();
  if (w <= 0 || h <= 0) return;
  painter.fillRect(left, top, w, 1, Qt::white);
  if (h > 1) painter.fillRect(left, top + h - 1, w, 1, Qt::white);
  if (h > 2) {
    painter.fillRect(left, top + 1, 1, h - 2, Qt::white);
    if (w > 1) painter.fillRect(left + w - 1, top + 1, 1, h - 2, Qt::white);
  }
}

}  // namespace

void paintSelection(QPainter& painter, const SelectionDrawing& drawing) {
  if (!drawing.visible) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const ViewRect& o = drawing.outline;
  if (o.width() > 0 || o.height() > 0) {
    // Black dots on white gaps: visible on dark and light pictures alike.
    QPen pen(Qt::black, 0, Qt::DotLine);
    painter.setPen(pen);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setBrush(Qt::NoBrush);
    if (o.width() > 0 && o.height() > 0) {
      // Pixels left .. right - 1 and top .. bottom - 1, like the rectangle's
      // own extent.
      painter.drawRect(o.left, o.top, o.width() - 1, o.height() - 1);
    } else {
      painter.drawLine(o.left, o.top, std::max(o.left, o.right - 1), std::max(o.top, o.bottom - 1));
    }
  }
  // White XOR the picture inverts it; drawn twice a pixel comes back.
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  for (const Handle& handle : drawing.handles) invertSquareBorder(painter, handle.square);
  painter.restore();
}

void paintImageView(QPainter& painter, const QRect& client, const QImage& rows,
                    const ImageViewModel& model, bool blank) {
  const ViewRect& d = model.imageRect();
  if (blank || !model.hasImage() || rows.isNull() || d.isEmpty()) {
    painter.fillRect(client, kGrey);
    return;
  }
  const QRect target = toQRect(d);
  for (const QRect& margin : QRegion(client).subtracted(QRegion(target))) {
    painter.fillRect(margin, kGrey);
  }
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  // The first line of `rows` is the picture's bottom: mirror D's rows.
  painter.translate(0, d.top + d.bottom);
  painter.scale(1, -1);
  painter.drawImage(target, rows);
  painter.restore();
  paintSelection(painter, model.drawing());
}

}  // namespace trimlet
