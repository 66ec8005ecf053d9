#include "manualcrop/crop_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace trimlet {

namespace {

QImage toQImage(const ImageBuffer& image, bool alpha) {
  const int w = image.width();
  const int h = image.height();
  const QImage::Format format = image.channels() == 3 ? QImage::Format_RGB888
                                : alpha               ? QImage::Format_RGBA8888
                                                      : QImage::Format_RGBX8888;
  QImage out(w, h, format);
  for (int y = 0; y < h; ++y) {
    // Rows are stored bottom-up.
    const uint8_t* row = image.at(0, h - 1 - y);
    std::copy(row, row + static_cast<size_t>(w) * image.channels(), out.scanLine(y));
  }
  return out;
}

// The cursor of a hit code: the grabbed edges' direction, a move, a cross.
Qt::CursorShape cursorOf(HitCode code) {
  switch (cursorForHitCode(code)) {
    case CursorShape::kDiagonalNwSe: return Qt::SizeFDiagCursor;
    case CursorShape::kVertical: return Qt::SizeVerCursor;
    case CursorShape::kDiagonalNeSw: return Qt::SizeBDiagCursor;
    case CursorShape::kHorizontal: return Qt::SizeHorCursor;
    case CursorShape::kMove: return Qt::SizeAllCursor;
    default: return Qt::CrossCursor;
  }
}

}  // namespace

CCropPicture::CCropPicture(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(240, 240);
  setAutoFillBackground(false);
}

void CCropPicture::SetImage(const ImageBuffer& image, bool alpha) {
  if (image.empty() || image.channels() < 3) return;
  picture_ = toQImage(image, alpha);
  imageWidth_ = image.width();
  imageHeight_ = image.height();
  update();
}

void CCropPicture::ClearSelection() {
  p1_ = p2_ = QPoint();
  selection_ = PictureRect();
  update();
}

PictureRect CCropPicture::band() const {
  return PictureRect{std::min(p1_.x(), p2_.x()), std::min(p1_.y(), p2_.y()),
                     std::max(p1_.x(), p2_.x()), std::max(p1_.y(), p2_.y())};
}

QPoint CCropPicture::clampedInside(QPoint p) const {
  // The inner rectangle: the control less its one-pixel border.
  return QPoint(std::clamp(p.x(), 1, width() - 2), std::clamp(p.y(), 1, height() - 2));
}

void CCropPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(128, 128, 128));
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!picture_.isNull()) {
    const PictureRect r = place().image;
    p.drawImage(QRect(r.left, r.top, r.width(), r.height()), picture_);
  }
  const PictureRect b = band();
  if (b.width() > 0 || b.height() > 0) {
    // The band inverts what lies under it, so it shows on any picture.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(b.left, b.top, b.width(), b.height());
  }
}

void CCropPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  hit_ = hitTest(ViewRect{selection_.left, selection_.top, selection_.right, selection_.bottom},
                 ViewPoint{at.x(), at.y()});
  last_ = at;
  dragging_ = true;
  setCursor(cursorOf(hit_));
  if (hit_ == HitCode::kOutside) {
    p1_ = p2_ = clampedInside(at);
    update();
  }
}

void CCropPicture::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) {
    const QPoint at = event->position().toPoint();
    setCursor(cursorOf(
        hitTest(ViewRect{selection_.left, selection_.top, selection_.right, selection_.bottom},
                ViewPoint{at.x(), at.y()})));
    return;
  }
  moved_ = true;
  const QPoint at = event->position().toPoint();
  const int dx = at.x() - last_.x();
  const int dy = at.y() - last_.y();
  last_ = at;
  PictureRect b = band();
  switch (hit_) {
    case HitCode::kOutside: p2_ = clampedInside(at); break;
    case HitCode::kInside:
      if (b.right + dx < width() - 1 && b.left + dx >= 1 && b.bottom + dy < height() - 1 &&
          b.top + dy >= 1) {
        p1_ = QPoint(b.left + dx, b.top + dy);
        p2_ = QPoint(b.right + dx, b.bottom + dy);
      }
      break;
    default: {
      const HitCode h = hit_;
      if (h == HitCode::kLeft || h == HitCode::kTopLeft || h == HitCode::kBottomLeft) b.left += dx;
      if (h == HitCode::kRight || h == HitCode::kTopRight || h == HitCode::kBottomRight)
        b.right += dx;
      if (h == HitCode::kTop || h == HitCode::kTopLeft || h == HitCode::kTopRight) b.top += dy;
      if (h == HitCode::kBottom || h == HitCode::kBottomLeft || h == HitCode::kBottomRight)
        b.bottom += dy;
      b.right = std::min(b.right, width() - 2);
      b.left = std::max(b.left, 1);
      b.bottom = std::min(b.bottom, height() - 2);
      b.top = std::max(b.top, 1);
      p1_ = QPoint(b.left, b.top);
      p2_ = QPoint(b.right, b.bottom);
      break;
    }
  }
  update();
}

void CCropPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  selection_ = moved_ ? band() : PictureRect();
  if (!moved_) p1_ = p2_ = QPoint();
  moved_ = false;
  update();
}

}  // namespace trimlet
