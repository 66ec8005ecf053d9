// The frame's stored placement and its first pane sizes (see window_placement.h).
#include "app/window_placement.h"

#include <cstdint>

#include "engine/settings/settings_keys.h"

namespace trimlet {

namespace {
constexpr int64_t kLargestSide = 32767;
}

ViewMode readViewMode(ProfileStore& store) {
  const int mode = store.readInt(keys::kWindowInfo, keys::kViewMode, 0);
  return mode >= 0 && mode <= 3 ? static_cast<ViewMode>(mode) : ViewMode::kLargeIcon;
}

WindowInfo readWindowInfo(ProfileStore& store) {
  using namespace keys;
  WindowInfo info;
  info.maximized = store.readInt(kWindowInfo, kMaximized, 0);
  info.right = store.readInt(kWindowInfo, kWindowRight, 1024);
  info.left = store.readInt(kWindowInfo, kWindowLeft, 0);
  info.bottom = store.readInt(kWindowInfo, kWindowBottom, 768);
  info.top = store.readInt(kWindowInfo, kWindowTop, 0);
  return info;
}

void writeWindowInfo(ProfileStore& store, const QRect& normal, bool maximized, ViewMode viewMode) {
  using namespace keys;
  store.writeInt(kWindowInfo, kWindowTop, normal.top());
  store.writeInt(kWindowInfo, kWindowLeft, normal.left());
  store.writeInt(kWindowInfo, kWindowRight, normal.left() + normal.width());
  store.writeInt(kWindowInfo, kWindowBottom, normal.top() + normal.height());
  store.writeInt(kWindowInfo, kViewMode, static_cast<int>(viewMode));
  store.writeInt(kWindowInfo, kMaximized, maximized ? 1 : 0);
}

QRect creationRect(const WindowInfo& info) {
  // 64-bit differences: stored values near the int limits must not overflow.
  const int64_t width = int64_t{info.right} - info.left;
  const int64_t height = int64_t{info.bottom} - info.top;
  if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide) {
    return QRect(0, 0, 1024, 768);
  }
  // right = left + width fits in an int, so the rectangle's own arithmetic
  // cannot overflow.
  return QRect(info.left, info.top, static_cast<int>(width), static_cast<int>(height));
}

QRect keepOnScreens(const QRect& rect, const QList<QRect>& screens) {
  if (screens.isEmpty()) return rect;
  for (const QRect& screen : screens) {
    if (screen.intersects(rect)) return rect;
  }
  return QRect(screens.first().topLeft(), rect.size());
}

bool startMaximized(const WindowInfo& info, const QSize& screen) {
  const int64_t width = int64_t{info.right} - info.left;
  const int64_t height = int64_t{info.bottom} - info.top;
  if (screen == QSize(1024, 768) && width == 1024 && height == 768) return true;
  return info.maximized != 0;
}

PaneSizes firstPaneSizes(int width, int height) {
  const int w = width / 10;
  const int h = height / 12;
  PaneSizes sizes;
  sizes.tree = QSize(2 * w, h);
  sizes.list = QSize(3 * w, 3 * h);
  sizes.settings = QSize(3 * w, 2 * h);
  sizes.preview = QSize(3 * w, 7 * h);
  return sizes;
}

}  // namespace trimlet
