#pragma once
// Small helpers every window shares.
//
//   WaitCursor       the wait cursor for as long as it lives.
//   userMovedFocus   whether a FocusOut event is the user's move to another
//                    control (Tab, a click), not a message box or another
//                    window taking the keyboard for a while: only the former
//                    makes a field that was left check its value.

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>

namespace trimlet {

class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

inline bool userMovedFocus(const QEvent* event) {
  const auto reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace trimlet
