#pragma once
// CRotationDial: a circle with a needle from its centre (rotation_dial_math.h
// holds its arithmetic). Dragging with the left button turns the needle
// towards the mouse and reports the value (0..359) while dragging and once
// more on release; a press and release without a move reports the stored
// angle + 360. The Left and Right keys turn it by one degree and report as a
// release does, so the dial also works from the keyboard. The hand cursor
// shows over it.

#include <QWidget>

#include <functional>

#include "manualcrop/model/rotation_dial_math.h"

namespace trimlet {

class CRotationDial : public QWidget {
 public:
  explicit CRotationDial(QWidget* parent);
  void SetAngle(int degrees);
  int angle() const { return angle_; }
  DialPoint needle() const { return needleEnd(angle_, geometry()); }
  void onMoved(std::function<void(float)> moved) { moved_ = std::move(moved); }
  void onReleased(std::function<void(float)> released) { released_ = std::move(released); }
  QSize sizeHint() const override { return {100, 100}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  DialGeometry geometry() const { return dialGeometry(width(), height()); }

  int angle_ = 0;
  bool dragging_ = false;
  std::function<void(float)> moved_;
  std::function<void(float)> released_;
};

}  // namespace trimlet
