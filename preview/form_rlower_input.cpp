// The preview pane: layout, and how the mouse and the keys reach the source
// view (see form_rlower.h).
#include <QKeyEvent>
#include <QMouseEvent>

#include "preview/form_rlower.h"
#include "preview/image_view.h"
#include "preview/model/preview_pane_layout.h"
#include "preview/qt_view_key.h"
#include "preview/transparent_bitmap.h"

namespace trimlet {

namespace {

QRect toQRect(const ViewRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// Where the source view sits in the pane; a view that holds the mouse gets
// every position relative to it.
constexpr int kSourceOffset = 5;

}  // namespace

void CFormRLower::Layout() {
  const PaneLayout layout = layoutPreviewPane(width(), height(), arrowWidth_, arrowHeight_);
  if (source_ != nullptr) {
    source_->setGeometry(toQRect(layout.sourceView));
    source_->ensureLaidOut();
  }
  if (result_ != nullptr) {
    result_->setGeometry(toQRect(layout.resultView));
    result_->ensureLaidOut();
  }
  if (arrow_ != nullptr) arrow_->setGeometry(toQRect(layout.arrow));
  reportStatus();
}

void CFormRLower::reportStatus() { updateStatus(pipeline_.statusSizes()); }

void CFormRLower::resizeEvent(QResizeEvent*) { Layout(); }

std::optional<QPoint> CFormRLower::sourcePoint(QPoint p) const {
  const std::optional<ViewPoint> q =
      forwardToSourceView({p.x(), p.y()}, source_->width(), source_->height());
  if (!q) return std::nullopt;
  return QPoint(q->x, q->y);
}

void CFormRLower::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (sourceHoldsMouse_) {
    source_->mouseMoveAt(p - QPoint(kSourceOffset, kSourceOffset));
  } else if (const std::optional<QPoint> q = sourcePoint(p)) {
    source_->mouseMoveAt(*q);
  } else {
    unsetCursor();
  }
}

void CFormRLower::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const std::optional<QPoint> q = sourcePoint(p);
  if (event->button() == Qt::LeftButton) {
    if (q) {
      sourceHoldsMouse_ = true;
      source_->leftButtonDownAt(*q);
    }
    return;
  }
  if (event->button() == Qt::RightButton && q) source_->rightButtonDownAt(*q);
  QWidget::mousePressEvent(event);
}

void CFormRLower::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QWidget::mouseReleaseEvent(event);
    return;
  }
  const QPoint p = event->position().toPoint();
  if (sourceHoldsMouse_) {
    sourceHoldsMouse_ = false;
    source_->leftButtonUpAt(p - QPoint(kSourceOffset, kSourceOffset));
  } else if (const std::optional<QPoint> q = sourcePoint(p)) {
    source_->leftButtonUpAt(*q);
  }
}

void CFormRLower::keyPressEvent(QKeyEvent* event) {
  const ViewKey key = translateArrowKey(viewKeyOf(event->key()));
  if (!isSelectionKey(key)) {
    QWidget::keyPressEvent(event);
    return;
  }
  source_->keyDown(key, (event->modifiers() & Qt::ShiftModifier) != 0);
}

}  // namespace trimlet
