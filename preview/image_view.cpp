// The image view control (see image_view.h).
#include "preview/image_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include "preview/model/view_controls_store.h"
#include "preview/preview_pictures.h"
#include "preview/qt_view_key.h"
#include "preview/view_painter.h"

namespace trimlet {

namespace {

ViewPoint toViewPoint(QPoint p) { return {p.x(), p.y()}; }

}  // namespace

CImageView::CImageView(ImageViewHost& host, bool hideSelection, ProfileStore* store,
                       QWidget* parent)
    : QWidget(parent),
      model_(host, hideSelection),
      store_(store),
      cursorTarget_(this),
      pickCursor_(loadPickCursor()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  if (store_ != nullptr) {
    const ViewControlFlags flags = readViewControls(*store_);
    model_.restoreFlags(flags.keyControll, flags.wholeSelect);
  }
  relayout();
}

CImageView::~CImageView() {
  if (store_ != nullptr) writeViewControls(*store_, {model_.keyControll(), model_.wholeSelect()});
}

bool CImageView::SetImage(int width, int height, const uint8_t* pixels, int bytesPerPixel) {
  Result<DisplayRows> made = makeDisplayRows(pixels, width, height, bytesPerPixel);
  if (!made) return false;
  ensureLaidOut();
  rows_ = made.take();
  // The QImage only looks at the rows; they stay in rows_ until the next image.
  image_ = QImage(rows_.bytes.data(), rows_.width, rows_.height,
                  static_cast<qsizetype>(rows_.stride), QImage::Format_BGR888);
  model_.setImage(rows_.width, rows_.height);
  update();
  return true;
}

void CImageView::ClearView() {
  model_.clearView();
  update();
}

bool CImageView::SetPickMode(int mode) {
  if (!model_.setPickMode(mode)) return false;
  update();
  return true;
}

void CImageView::SetSelectionFromCrop(int x, int y, int width, int height) {
  respond(model_.setSelectionFromCrop(x, y, width, height));
}

void CImageView::relayout() {
  laidOutSize_ = size();
  respond(model_.resize(width(), height()));
}

void CImageView::ensureLaidOut() {
  if (size() != laidOutSize_) relayout();
}

void CImageView::mouseMoveAt(QPoint p) { respond(model_.mouseMove(toViewPoint(p))); }
void CImageView::leftButtonDownAt(QPoint p) { respond(model_.leftButtonDown(toViewPoint(p))); }
void CImageView::leftButtonUpAt(QPoint p) { respond(model_.leftButtonUp(toViewPoint(p))); }
void CImageView::rightButtonDownAt(QPoint p) { respond(model_.rightButtonDown(toViewPoint(p))); }
void CImageView::keyDown(ViewKey key, bool shift) { respond(model_.keyDown(key, shift)); }

void CImageView::respond(const ViewResponse& response) {
  if (response.repaint) update();
  if (response.cursor && cursorTarget_ != nullptr) {
    cursorTarget_->setCursor(cursorFor(*response.cursor));
  }
}

QCursor CImageView::cursorFor(CursorShape shape) const {
  switch (shape) {
    case CursorShape::kDiagonalNwSe: return QCursor(Qt::SizeFDiagCursor);
    case CursorShape::kVertical: return QCursor(Qt::SizeVerCursor);
    case CursorShape::kDiagonalNeSw: return QCursor(Qt::SizeBDiagCursor);
    case CursorShape::kHorizontal: return QCursor(Qt::SizeHorCursor);
    case CursorShape::kMove: return QCursor(Qt::SizeAllCursor);
    case CursorShape::kPick: return pickCursor_;
    case CursorShape::kCross: break;
  }
  return QCursor(Qt::CrossCursor);
}

void CImageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintImageView(painter, rect(), image_, model_, blank_ && blank_());
  if (outlines_.empty() || !model_.hasImage() || model_.imageWidth() <= 0) return;
  // The photos a split found, scaled like the image.
  const ViewRect& d = model_.imageRect();
  const double s = static_cast<double>(d.width()) / model_.imageWidth();
  painter.setPen(QPen(QColor(220, 40, 40), 2));
  for (const auto& corners : outlines_) {
    QPolygonF shape;
    for (const QPointF& c : corners) shape << QPointF(d.left + c.x() * s, d.top + c.y() * s);
    painter.drawPolygon(shape);
  }
}

void CImageView::resizeEvent(QResizeEvent*) { relayout(); }

void CImageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    leftButtonDownAt(event->position().toPoint());
  } else if (event->button() == Qt::RightButton) {
    rightButtonDownAt(event->position().toPoint());
  }
}

void CImageView::mouseMoveEvent(QMouseEvent* event) { mouseMoveAt(event->position().toPoint()); }

void CImageView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) leftButtonUpAt(event->position().toPoint());
}

void CImageView::keyPressEvent(QKeyEvent* event) {
  const ViewKey key = viewKeyOf(event->key());
  if (!isSelectionKey(key)) {
    QWidget::keyPressEvent(event);
    return;
  }
  keyDown(key, (event->modifiers() & Qt::ShiftModifier) != 0);
}

}  // namespace trimlet
