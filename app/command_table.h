#pragma once
// The frame's command table: every command with its menu text, prompt and
// tooltip, and the layouts of the menu bar, the toolbar and the accelerators.
// The frame builds its actions, menus, toolbar and shortcuts from these
// tables and nothing else, so the tests can hold the window against them.
//
// Texts: "&" marks the mnemonic; a menu text may carry the accelerator it
// shows after a tab ("&Save Image\tCtrl+S"). The prompt is shown in the
// status bar while the pointer is on the item or button, the tip as the
// button's tooltip. kSeparator in a layout stands for a separator.

#include <optional>
#include <vector>

#include "app/base/kivo_app.h"

namespace trimlet {

struct CommandInfo {
  int id;
  const char* text;    // menu text; for commands without a menu entry, the tip
  const char* prompt;  // status-bar prompt ("" when the command has none)
  const char* tip;     // tooltip ("" when the command has none)
  const char* icon;    // toolbar button picture in the resources, or nullptr
  bool checkable;      // the four view modes
  bool available;      // false: shown in the menu and toolbar but disabled
};

inline constexpr int kSeparator = 0;

struct MenuPopup {
  const char* title;
  std::vector<int> items;  // command ids and separators, top to bottom
};

struct Accelerator {
  const char* keys;  // QKeySequence portable text, "Ctrl+1"
  int id;
};

// Every command of the frame, in id order.
const std::vector<CommandInfo>& commandTable();
// The command with this id, or nullptr.
const CommandInfo* findCommand(int id);

const std::vector<MenuPopup>& menuLayout();
// Left to right.
const std::vector<int>& toolBarLayout();
const std::vector<Accelerator>& acceleratorTable();

// The text of the message pane when no prompt is shown.
inline constexpr const char* kIdleText = "Ready";

}  // namespace trimlet

namespace trimlet {

// The view mode a view command sets, or nothing for any other command.
std::optional<ViewMode> viewModeOf(int id);
// The view command of a mode.
int viewCommandOf(ViewMode mode);

}  // namespace trimlet
