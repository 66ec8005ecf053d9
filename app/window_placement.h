#pragma once
// Where the main frame opens and what it stores about itself: the section
// "Window Info" of the profile store, and the first sizes of its panes.
//
//   value        default  meaning
//   "left"       0        normal (restored) rectangle of the frame, screen
//   "top"        0        pixels; right and bottom are exclusive, so the
//   "right"      1024     width is right - left
//   "bottom"     768
//   "Maximized"  0        1 when the frame was maximised
//   "ViewMode"   0        the file list's view mode, 0-3
//
// All values are written when the frame is destroyed, none while it runs.
// The rectangle is the window's own (client) rectangle, without the window
// manager's frame, so that what is written is what is restored.

#include <QList>
#include <QRect>
#include <QSize>

#include "app/base/kivo_app.h"
#include "engine/settings/profile_store.h"

namespace trimlet {

struct WindowInfo {
  int left = 0;
  int top = 0;
  int right = 1024;
  int bottom = 768;
  int maximized = 0;
};

// "Window Info"/"ViewMode"; a value outside 0-3 reads as 0 (large icons),
// which is also how the file list treats it.
ViewMode readViewMode(ProfileStore& store);
// Reads "Maximized", "right", "left", "bottom", "top" in that order.
WindowInfo readWindowInfo(ProfileStore& store);
// Writes "top", "left", "right", "bottom", "ViewMode", "Maximized".
void writeWindowInfo(ProfileStore& store, const QRect& normal, bool maximized, ViewMode viewMode);

// The creation rectangle: x = left, y = top, width = right - left, height =
// bottom - top. A stored rectangle with no area, or one too large for a
// window (over 32767 pixels a side), gives the default 0, 0, 1024 x 768.
QRect creationRect(const WindowInfo& info);
// A rectangle that meets none of the screens (a monitor that has gone) moves
// to the top-left corner of the first screen, keeping its size.
QRect keepOnScreens(const QRect& rect, const QList<QRect>& screens);

// Maximised when the screen is exactly 1024 x 768 and the stored rectangle is
// exactly 1024 wide and 768 high; otherwise when "Maximized" is non-zero.
bool startMaximized(const WindowInfo& info, const QSize& screen);

// The first sizes of the four panes for a frame of W x H: with w = W / 10 and
// h = H / 12, the tree 2w x h, the list 3w x 3h, the settings 3w x 2h and the
// preview 3w x 7h.
struct PaneSizes {
  QSize tree;
  QSize list;
  QSize settings;
  QSize preview;
};
PaneSizes firstPaneSizes(int width, int height);

}  // namespace trimlet
