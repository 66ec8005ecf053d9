// Keyboard steps of the selection and placing it from crop values.
#include "preview/model/selection_keys.h"

#include <algorithm>

namespace trimlet {

Corners cornersFromCrop(const CropRect& crop, const ViewRect& d, double s) {
  const int64_t x1 = int64_t(truncToInt(s * crop.x)) + d.left;
  const int64_t y1 = int64_t(truncToInt(s * crop.y)) + d.top;
  const int64_t x2 = x1 + truncToInt(s * crop.width);
  const int64_t y2 = y1 + truncToInt(s * crop.height);
  return {{clampToInt(x1), clampToInt(y1)}, {clampToInt(x2), clampToInt(y2)}};
}

Corners cornersFromCropInside(const CropRect& crop, const ViewRect& d, double s) {
  Corners c = cornersFromCrop(crop, d, s);
  if (c.p2.x >= d.right) {
    c.p2.x = d.right;
    c.p1.x = clampToInt(int64_t(d.right) - truncToInt(s * crop.width));
  }
  if (c.p2.y >= d.bottom) {
    c.p2.y = d.bottom;
    c.p1.y = clampToInt(int64_t(d.bottom) - truncToInt(s * crop.height));
  }
  return c;
}

std::optional<CropRect> applySelectionKey(const CropRect& crop, ViewKey key, bool shift,
                                          const Corners& placed, const ViewRect& d, int imageWidth,
                                          int imageHeight) {
  CropRect out = crop;
  const int64_t right = int64_t(crop.x) + crop.width;
  const int64_t bottom = int64_t(crop.y) + crop.height;
  switch (key) {
    case ViewKey::kA:
      if (shift) {
        if (out.width > 1) out.width -= 1;
      } else if (out.x > 0) {
        out.x -= 1;
      }
      return out;
    case ViewKey::kW:
      if (shift) {
        if (out.height > 1) out.height -= 1;
      } else if (out.y > 0) {
        out.y -= 1;
      }
      return out;
    case ViewKey::kD:
      if (placed.p2.x < d.right && right < imageWidth) {
        if (shift) {
          out.width += 1;
        } else {
          out.x += 1;
        }
      }
      return out;
    case ViewKey::kS:
      if (placed.p2.y < d.bottom && bottom < imageHeight) {
        if (shift) {
          out.height += 1;
        } else {
          out.y += 1;
        }
      }
      return out;
    default: return std::nullopt;
  }
}

}  // namespace trimlet
