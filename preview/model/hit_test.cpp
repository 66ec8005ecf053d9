// Hit test of the selection rectangle.
#include "preview/model/hit_test.h"

namespace trimlet {
namespace {

constexpr int kBand = 3;

bool inBand(int value, int line) { return value >= line - kBand && value <= line + kBand; }

}  // namespace

HitCode hitTest(const ViewRect& s, ViewPoint p) {
  if (s.isNull()) return HitCode::kOutside;
  const int l = s.left;
  const int t = s.top;
  const int r = s.right;
  const int b = s.bottom;
  const bool topBand = inBand(p.y, t);
  const bool bottomBand = inBand(p.y, b);
  const bool betweenBands = p.y > t + kBand && p.y < b - kBand;
  if (inBand(p.x, l)) {
    if (topBand) return HitCode::kTopLeft;
    if (bottomBand) return HitCode::kBottomLeft;
    return betweenBands ? HitCode::kLeft : HitCode::kOutside;
  }
  if (inBand(p.x, r)) {
    if (topBand) return HitCode::kTopRight;
    if (bottomBand) return HitCode::kBottomRight;
    return betweenBands ? HitCode::kRight : HitCode::kOutside;
  }
  const bool betweenSides = p.x > l - kBand && p.x < r + kBand;
  if (betweenSides && topBand) return HitCode::kTop;
  if (betweenSides && bottomBand) return HitCode::kBottom;
  return s.contains(p) ? HitCode::kInside : HitCode::kOutside;
}

CursorShape cursorForHitCode(HitCode code) {
  switch (code) {
    case HitCode::kTopLeft:
    case HitCode::kBottomRight: return CursorShape::kDiagonalNwSe;
    case HitCode::kTop:
    case HitCode::kBottom: return CursorShape::kVertical;
    case HitCode::kTopRight:
    case HitCode::kBottomLeft: return CursorShape::kDiagonalNeSw;
    case HitCode::kLeft:
    case HitCode::kRight: return CursorShape::kHorizontal;
    case HitCode::kInside: return CursorShape::kMove;
    default: return CursorShape::kCross;
  }
}

}  // namespace trimlet
