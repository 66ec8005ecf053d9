#include "manualcrop/rotation_dial.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initManualCropResources() { Q_INIT_RESOURCE(manualcrop); }

namespace trimlet {

CRotationDial::CRotationDial(QWidget* parent) : QWidget(parent) {
  static const bool resources = (initManualCropResources(), true);
  (void)resources;
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  const QPixmap hand(QStringLiteral(":/manualcrop/hand_141.png"));
  setCursor(hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, 9, 1));
  setMinimumSize(80, 80);
}

void CRotationDial::SetAngle(int degrees) {
  angle_ = degrees;
  update();
}

void CRotationDial::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const DialGeometry d = geometry();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRect(d.left, d.top, d.right - d.left - 1, d.bottom - d.top - 1));
  const DialPoint end = needleEnd(angle_, d);
  p.drawLine(d.cx, d.cy, end.x, end.y);
  if (hasFocus()) {
    p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void CRotationDial::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
}

void CRotationDial::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return;
  const DialGeometry d = geometry();
  const QPoint at = event->position().toPoint();
  angle_ = dragAngle(at.x() - d.cx, at.y() - d.cy);
  update();
  if (moved_) moved_(static_cast<float>(dialValue(angle_)));
}

void CRotationDial::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  angle_ = dialValue(angle_);
  update();
  if (released_) released_(static_cast<float>(angle_));
}

void CRotationDial::keyPressEvent(QKeyEvent* event) {
  const int step = event->key() == Qt::Key_Right ? 1 : event->key() == Qt::Key_Left ? -1 : 0;
  if (step == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  angle_ = ((angle_ + step) % 360 + 360) % 360;
  update();
  if (released_) released_(static_cast<float>(angle_));
}

}  // namespace trimlet
