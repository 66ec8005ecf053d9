#pragma once
// The frame's actions, menu bar, toolbar and accelerators, built from the
// command table (command_table.h).
//
// Every command is a QAction, child of the frame, whose object name is its
// id ("32776"); the menu and the toolbar share the actions, so the check mark
// of a view mode shows on its menu item and its button alike. Accelerators
// are shortcuts of the frame's window that trigger their action: a disabled
// action ignores its key. The menu shows each accelerator as its text names
// it, "E&xit" none although Alt+X ends the program.

#include <QString>
#include <map>

#include "app/base/kivo_app.h"

class QAction;
class QMainWindow;
class QShortcut;
class QToolBar;

namespace trimlet {

class FrameCommands {
 public:
  explicit FrameCommands(QMainWindow* frame);

  QAction* action(int id) const;
  QToolBar* toolBar() const { return toolBar_; }
  // The shortcut of an accelerator by its key text ("Ctrl+4"), or nullptr.
  QShortcut* accelerator(const QString& keys) const;
  // Marks the view command of `viewMode` and clears the other three.
  void updateViewChecks(ViewMode viewMode);

 private:
  std::map<int, QAction*> actions_;
  std::map<QString, QShortcut*> accelerators_;
  QToolBar* toolBar_ = nullptr;
};

}  // namespace trimlet
