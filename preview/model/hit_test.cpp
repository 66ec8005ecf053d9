// Hit test of the selection rectangle.
#include "preview/model/hit_test.h"

namespace trimlet {
namespace {

constexpr int kBand = 3;

bool inBand(int value, int line) { return value >= line - kBand && value <= line + kBand; }

}  // namespace

int hitTest(const ViewRect& s, ViewPoint p) {
  if (s.isNull()) return kHitOutside;
  const int l = s.left;
  const int t = s.top;
  const int r = s.right;
  const int b = s.bottom;
  const bool topBand = inBand(p.y, t);
  const bool bottomBand = inBand(p.y, b);
  const bool betweenBands = p.y > t + kBand && p.y < b - kBand;
  if (inBand(p.x, l)) {
    if (topBand) return kHitTopLeft;
    if (bottomBand) return kHitBottomLeft;
    return betweenBands ? kHitLeft : kHitOutside;
  }
  if (inBand(p.x, r)) {
    if (topBand) return kHitTopRight;
    if (bottomBand) return kHitBottomRight;
    return betweenBands ? kHitRight : kHitOutside;
  }
  const bool betweenSides = p.x > l - kBand && p.x < r + kBand;
  if (betweenSides && topBand) return kHitTop;
  if (betweenSides && bottomBand) return kHitBottom;
  return s.contains(p) ? kHitInside : kHitOutside;
}

CursorShape cursorForHitCode(int code) {
  switch (code) {
    case kHitTopLeft:
    case kHitBottomRight:
      return CursorShape::kDiagonalNwSe;
    case kHitTop:
    case kHitBottom:
      return CursorShape::kVertical;
    case kHitTopRight:
    case kHitBottomLeft:
      return CursorShape::kDiagonalNeSw;
    case kHitLeft:
    case kHitRight:
      return CursorShape::kHorizontal;
    case kHitInside:
      return CursorShape::kMove;
    default:
      return CursorShape::kCross;
  }
}

}  // namespace trimlet
