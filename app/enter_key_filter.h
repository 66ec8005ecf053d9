#pragma once
// The frame's Enter rule: every press and every release of Enter (either
// Return or the keypad's Enter) anywhere in the frame makes the preview pane
// run ApplySettings, so a setting typed into the panel takes effect at once.
// The key is not consumed: it goes on to the widget that has the focus.
//
// The filter watches the frame's own window, where every key of the frame
// arrives once before it reaches a widget; keys of other windows (dialogs,
// an open menu) are not the frame's.

#include <QObject>

class QWidget;

namespace trimlet {

class EnterKeyFilter : public QObject {
 public:
  // Installs itself on the application; `frame` is its parent.
  explicit EnterKeyFilter(QWidget* frame);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* frame_;
};

}  // namespace trimlet
