#pragma once
// The small squares drawn on the selection outline to show where it can be
// grabbed.
//
// Each handle is a 5 x 5 pixel square outline, drawn inverting so it shows on
// any picture. With the normalized corners (x1, y1) - (x2, y2), mx, my their
// integer midpoints, and D the image rectangle:
//   none at all unless x1, y1, x2 and y2 are all above 0;
//   top, bottom       when x2 - x1 > 6; top when y1 > D.top + 3, bottom when
//                     y2 < D.bottom - 3;
//   left, right       when y2 - y1 > 6; left when x1 > D.left + 3, right
//                     when x2 < D.right - 3;
//   the four corners  once an image has been seen (ImageSeen), each when both
//                     of its coordinates keep 3 pixels inside D like the sides.
// The squares sit one pixel off centre on the top and left edges (y1 - 3 to
// y1 + 1) and centred on the bottom and right edges (y2 - 2 to y2 + 2).

#include <vector>

#include "preview/model/view_geometry.h"

namespace trimlet {

enum class HandleKind {
  kTop,
  kBottom,
  kLeft,
  kRight,
  kTopLeft,
  kTopRight,
  kBottomLeft,
  kBottomRight
};

struct Handle {
  HandleKind kind;
  ViewRect square;  // the 5 x 5 pixels covered (right and bottom exclusive)
  bool operator==(const Handle& o) const { return kind == o.kind && square == o.square; }
};

// The handles for the selection through corners a and b (in any order).
std::vector<Handle> selectionHandles(ViewPoint a, ViewPoint b, const ViewRect& d, bool imageSeen);

}  // namespace trimlet
