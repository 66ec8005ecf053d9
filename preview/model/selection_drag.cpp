// Drag steps of the selection rectangle: new, move, resize.
//
// Coordinates are widened to 64 bits inside: with an extreme ratio a
// ratio-derived length can be far larger than any control, and it is only
// clamped back into D a few steps later.
#include "preview/model/selection_drag.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "preview/model/hit_test.h"

namespace trimlet {
namespace {

using Wide = int64_t;

Wide trunc64(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLimit = 4611686018427387904.0;  // 2^62
  if (value >= kLimit) return Wide(1) << 62;
  if (value <= -kLimit) return -(Wide(1) << 62);
  return static_cast<Wide>(value);
}

Wide clampWide(Wide v, Wide low, Wide high) { return std::max(low, std::min(v, high)); }
Wide absWide(Wide v) { return v < 0 ? -v : v; }

// r times a control length, as the single-precision product it is.
Wide ratioTimes(float r, Wide length) { return trunc64(r * static_cast<float>(length)); }
// A control length divided by r, single precision.
Wide ratioDivide(Wide length, float r) { return trunc64(static_cast<float>(length) / r); }

Wide toImage(double k, Wide control, Wide origin) {
  return trunc64(k * static_cast<double>(control - origin));
}

struct WideCorners {
  Wide x1, y1, x2, y2;
};

WideCorners widen(const Corners& c) { return {c.p1.x, c.p1.y, c.p2.x, c.p2.y}; }
Corners narrow(const WideCorners& c) {
  return {{clampToInt(c.x1), clampToInt(c.y1)}, {clampToInt(c.x2), clampToInt(c.y2)}};
}

}  // namespace

CropRect cropFromCorners(const DragFrame& f, const Corners& c) {
  const WideCorners q = widen(c);
  return {clampToInt(toImage(f.k, q.x1, f.d.left)), clampToInt(toImage(f.k, q.y1, f.d.top)),
          clampToInt(toImage(f.k, q.x2, q.x1)), clampToInt(toImage(f.k, q.y2, q.y1))};
}

NewSelectionStep dragNewSelection(const DragFrame& f, ViewPoint anchor, ViewPoint mouse) {
  const ViewRect& d = f.d;
  const Wide x1 = anchor.x;
  const Wide y1 = anchor.y;
  Wide c = clampWide(mouse.x, d.left, d.right);
  Wide y = 0;
  if (f.r > 0) {
    const Wide span = ratioTimes(f.r, absWide(c - x1));
    y = mouse.y >= y1 ? y1 + span : y1 - span;
    if (y < d.top || y > d.bottom) {
      const Wide edge = y < d.top ? d.top : d.bottom;
      y = edge;
      const Wide back = ratioDivide(absWide(edge - y1), f.r);
      c = c - x1 > 0 ? x1 + back : x1 - back;
    }
  } else {
    y = clampWide(mouse.y, d.top, d.bottom);
  }

  const double k = f.k;
  const Wide x = toImage(k, std::min(c, x1), d.left);
  Wide width = absWide(toImage(k, c, x1));
  const Wide top = toImage(k, std::min(y, y1), d.top);
  Wide height = absWide(toImage(k, y, y1));
  if (x + width > f.imageWidth) {
    // Never below 0: at the very right of D, k * Dw can pass the image width.
    width = std::max<Wide>(0, f.imageWidth - x);
    const double back = static_cast<double>(width) / k;
    c = c > x1 ? trunc64(static_cast<double>(x1) + back) : trunc64(static_cast<double>(x1) - back);
  }
  if (top + height > f.imageHeight) {
    height = std::max<Wide>(0, f.imageHeight - top);
    const double back = static_cast<double>(height) / k;
    y = y > y1 ? trunc64(static_cast<double>(y1) + back) : trunc64(static_cast<double>(y1) - back);
  }
  NewSelectionStep step;
  step.corner = {clampToInt(c), clampToInt(y)};
  step.crop = {clampToInt(x), clampToInt(top), clampToInt(width), clampToInt(height)};
  return step;
}

std::optional<Corners> moveSelection(const DragFrame& f, const Corners& c, int dx, int dy) {
  const ViewRect& d = f.d;
  WideCorners q = widen(c);
  if (q.x2 + dx > d.right || q.x1 + dx < d.left || q.y2 + dy > d.bottom || q.y1 + dy < d.top) {
    return std::nullopt;
  }
  if (toImage(f.k, q.x1 + dx, d.left) + toImage(f.k, q.x2, q.x1) > f.imageWidth ||
      toImage(f.k, q.y1 + dy, d.top) + toImage(f.k, q.y2, q.y1) > f.imageHeight) {
    return std::nullopt;
  }
  q.x1 += dx;
  q.x2 += dx;
  q.y1 += dy;
  q.y2 += dy;
  return narrow(q);
}

Corners resizeSelection(const DragFrame& f, HitCode hitCode, const Corners& c, ViewPoint mouse,
                        ViewPoint last) {
  const ViewRect& d = f.d;
  const float r = f.r;
  WideCorners q = widen(c);
  Wide& x1 = q.x1;
  Wide& y1 = q.y1;
  Wide& x2 = q.x2;
  Wide& y2 = q.y2;

  // 1. The grabbed edges follow the mouse unless they would meet or cross.
  const Wide dx = Wide(mouse.x) - last.x;
  const Wide dy = Wide(mouse.y) - last.y;
  const Wide nx1 = x1 + dx;
  const Wide nx2 = x2 + dx;
  const Wide ny1 = y1 + dy;
  const Wide ny2 = y2 + dy;
  const bool okX1 = nx1 < x2;
  const bool okX2 = nx2 > x1;
  const bool okY1 = ny1 < y2;
  const bool okY2 = ny2 > y1;
  switch (hitCode) {
    case HitCode::kLeft:
      if (okX1) x1 = nx1;
      break;
    case HitCode::kRight:
      if (okX2) x2 = nx2;
      break;
    case HitCode::kTop:
      if (okY1) y1 = ny1;
      break;
    case HitCode::kBottom:
      if (okY2) y2 = ny2;
      break;
    case HitCode::kTopLeft:
      if (okX1 && okY1) x1 = nx1, y1 = ny1;
      break;
    case HitCode::kTopRight:
      if (okY1 && okX2) y1 = ny1, x2 = nx2;
      break;
    case HitCode::kBottomLeft:
      if (okX1 && okY2) x1 = nx1, y2 = ny2;
      break;
    case HitCode::kBottomRight:
      if (okX2 && okY2) x2 = nx2, y2 = ny2;
      break;
    default: break;
  }

  // 2. With a ratio the other dimension follows.
  if (r > 0) {
    switch (hitCode) {
      case HitCode::kBottomLeft:
      case HitCode::kLeft:
      case HitCode::kRight: y2 = y1 + ratioTimes(r, x2 - x1); break;
      case HitCode::kTopLeft: x1 = x2 - ratioDivide(y2 - y1, r); break;
      case HitCode::kBottom:
      case HitCode::kBottomRight:
      case HitCode::kTop:
      case HitCode::kTopRight: x2 = x1 + ratioDivide(y2 - y1, r); break;
      default: break;
    }
  }

  // 3. (The caller takes the mouse point as the new last point.)
  // 4. Keep inside D: right, bottom, left, top. The right edge pulls the
  // height back with it too: left as it was, the bottom clamp below would
  // widen the selection again, out past D's right edge.
  if (x2 > d.right) {
    x2 = d.right;
    if (r > 0) {
      if (hitCode == HitCode::kBottom || hitCode == HitCode::kBottomRight ||
          hitCode == HitCode::kRight) {
        y2 = y1 + ratioTimes(r, d.right - x1);
      } else if (hitCode == HitCode::kTop || hitCode == HitCode::kTopRight) {
        y1 = y2 - ratioTimes(r, d.right - x1);
      }
    }
  }
  if (y2 > d.bottom) {
    y2 = d.bottom;
    if (r > 0) {
      if (hitCode == HitCode::kBottomLeft || hitCode == HitCode::kLeft) {
        x1 = x2 - ratioDivide(d.bottom - y1, r);
      } else if (hitCode == HitCode::kRight) {
        x2 = x1 + ratioDivide(d.bottom - y1, r);
      }
    }
  }
  if (x1 < d.left) {
    x1 = d.left;
    if (r > 0) {
      if (hitCode == HitCode::kTopLeft) {
        y1 = y2 - ratioTimes(r, x2 - d.left);
      } else {
        y2 = y1 + ratioTimes(r, x2 - d.left);
      }
    }
  }
  if (y1 < d.top) {
    y1 = d.top;
    if (r > 0) {
      if (hitCode == HitCode::kTopLeft) {
        x1 = x2 - ratioDivide(y2 - d.top, r);
      } else {
        x2 = x1 + ratioDivide(y2 - d.top, r);
      }
    }
  }

  // 5. A size past the image in image pixels gives up one control pixel.
  if (toImage(f.k, x1, d.left) + toImage(f.k, x2, x1) > f.imageWidth) x2 -= 1;
  if (toImage(f.k, y1, d.top) + toImage(f.k, y2, y1) > f.imageHeight) y2 -= 1;
  return narrow(q);
}

}  // namespace trimlet
