#pragma once
// Which part of the selection lies under the mouse, and the cursor shown for it.
//
// Codes follow a numeric keypad with screen y growing downwards:
//   7 8 9     top-left, top, top-right
//   4 5 6     left, inside, right
//   1 2 3     bottom-left, bottom, bottom-right
//   0         outside (a new selection starts here)
// Each edge line has a band of +-3 pixels, bounds included. Priority: the
// left band, then the right band, then the top band, then the bottom band,
// then the inside.

#include "preview/model/view_geometry.h"

namespace trimlet {

enum class HitCode {
  kOutside = 0,
  kBottomLeft = 1,
  kBottom = 2,
  kBottomRight = 3,
  kLeft = 4,
  kInside = 5,
  kRight = 6,
  kTopLeft = 7,
  kTop = 8,
  kTopRight = 9,
};

enum class CursorShape {
  kDiagonalNwSe,  // 7 and 3
  kVertical,      // 8 and 2
  kDiagonalNeSw,  // 9 and 1
  kHorizontal,    // 4 and 6
  kMove,          // 5
  kCross,         // 0
  kPick,          // the eyedropper of pick mode
};

// The code of point p against the normalized selection s. A selection that
// does not exist (all four values 0) has no edges to grab: always 0.
HitCode hitTest(const ViewRect& s, ViewPoint p);

// The cursor for a hit code; unknown codes show the cross-hair.
CursorShape cursorForHitCode(HitCode code);

}  // namespace trimlet
