// Handles of the selection outline.
#include "preview/model/selection_handles.h"

#include <algorithm>

namespace trimlet {
namespace {

// The square whose top-left pixel is (x, y).
ViewRect square(int x, int y) { return {x, y, x + 5, y + 5}; }

}  // namespace

std::vector<Handle> selectionHandles(ViewPoint a, ViewPoint b, const ViewRect& d, bool imageSeen) {
  std::vector<Handle> handles;
  const int x1 = std::min(a.x, b.x);
  const int y1 = std::min(a.y, b.y);
  const int x2 = std::max(a.x, b.x);
  const int y2 = std::max(a.y, b.y);
  if (x1 <= 0 || y1 <= 0 || x2 <= 0 || y2 <= 0) return handles;

  const int mx = (x1 + x2) / 2;
  const int my = (y1 + y2) / 2;
  const bool topInside = y1 > d.top + 3;
  const bool bottomInside = y2 < d.bottom - 3;
  const bool leftInside = x1 > d.left + 3;
  const bool rightInside = x2 < d.right - 3;

  if (x2 - x1 > 6) {
    if (topInside) handles.push_back({HandleKind::kTop, square(mx - 2, y1 - 3)});
    if (bottomInside) handles.push_back({HandleKind::kBottom, square(mx - 2, y2 - 2)});
  }
  if (y2 - y1 > 6) {
    if (leftInside) handles.push_back({HandleKind::kLeft, square(x1 - 3, my - 2)});
    if (rightInside) handles.push_back({HandleKind::kRight, square(x2 - 2, my - 2)});
  }
  if (imageSeen) {
    if (leftInside && topInside) handles.push_back({HandleKind::kTopLeft, square(x1 - 3, y1 - 3)});
    if (rightInside && topInside) {
      handles.push_back({HandleKind::kTopRight, square(x2 - 2, y1 - 3)});
    }
    if (leftInside && bottomInside) {
      handles.push_back({HandleKind::kBottomLeft, square(x1 - 3, y2 - 2)});
    }
    if (rightInside && bottomInside) {
      handles.push_back({HandleKind::kBottomRight, square(x2 - 2, y2 - 2)});
    }
  }
  return handles;
}

}  // namespace trimlet
