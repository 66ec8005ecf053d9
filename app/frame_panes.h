#pragma once
// The four panes the frame builds, as makers, so that a test can build the
// frame around panes of its own. Each maker constructs its pane with the
// given parent; the pane stores itself in its slot of the application
// object. The default makers build the program's real panes.

#include <functional>

class QWidget;

namespace trimlet {

struct PaneMakers {
  std::function<QWidget*(QWidget*)> tree;      // CFormLeft
  std::function<QWidget*(QWidget*)> list;      // CFormRUpper
  std::function<QWidget*(QWidget*)> settings;  // CFormRMiddle
  std::function<QWidget*(QWidget*)> preview;   // CFormRLower
};

PaneMakers defaultPaneMakers();

}  // namespace trimlet
