// Source pixel of a crop-colour pick.
#include "preview/model/colour_pick.h"

#include <algorithm>

namespace trimlet {

std::optional<PickedPixel> pickedPixel(const ViewRect& d, int imageWidth, int imageHeight,
                                       ViewPoint p) {
  if (imageWidth <= 0 || imageHeight <= 0 || d.isEmpty()) return std::nullopt;
  if (!(d.left < p.x && p.x <= d.right && d.top < p.y && p.y <= d.bottom)) return std::nullopt;
  int px = p.x - d.left - 1;
  int py = p.y - d.top - 1;
  const int dw = d.width();
  if (int64_t(dw) + 5 < imageWidth) {
    const double f = static_cast<double>(imageWidth) / dw;
    px = truncToInt(px * f);
    py = truncToInt(py * f);
  }
  PickedPixel picked;
  picked.column = std::clamp(px, 0, imageWidth - 1);
  picked.topRow = std::clamp(py, 0, imageHeight - 1);
  picked.bufferRow = imageHeight - picked.topRow - 1;
  return picked;
}

}  // namespace trimlet
