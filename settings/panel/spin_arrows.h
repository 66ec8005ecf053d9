#pragma once
// CSpinArrows: the up-down arrows beside an edit field (its buddy). A click
// on an arrow, or the Up and Down keys while it has the focus, moves the
// buddy's integer one step within the range (a buddy that holds no integer
// counts as the low end), writes it into the buddy and reports it.

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

namespace trimlet {

class CSpinArrows : public QWidget {
 public:
  CSpinArrows(QLineEdit* buddy, QWidget* parent);
  void setRange(int low, int high);
  int low() const { return low_; }
  int high() const { return high_; }
  // Called with the new value after the buddy took it.
  void onMoved(std::function<void(int)> moved) { moved_ = std::move(moved); }
  // One step up (+1) or down (-1).
  void step(int direction);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLineEdit* buddy_;
  QToolButton* up_;
  QToolButton* down_;
  int low_ = 0;
  int high_ = 100;
  std::function<void(int)> moved_;
};

}  // namespace trimlet
