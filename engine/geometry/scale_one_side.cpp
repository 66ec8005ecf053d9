// Scale one side: the long (selSide 0) or short (selSide 1) side becomes
// sidePixel long, the other keeps the proportion; never enlarging.

#include <algorithm>

#include "engine/geometry/fixed_size.h"
#include "engine/geometry/reduce.h"

namespace trimlet {

namespace {
constexpr int kSelSideLong = 0;

// trunc(other x sidePixel / side) in 64 bits; at least 1.
int proportional(int other, int sidePixel, int side) {
  return static_cast<int>(std::max<int64_t>(int64_t(other) * sidePixel / side, 1));
}
}  // namespace

Size scaleOneSideTarget(int width, int height, int selSide, int sidePixel) {
  if (width < 1 || height < 1 || sidePixel < 1) return {width, height};
  // A square sets its width either way.
  const bool setHeight = selSide == kSelSideLong ? width < height : height < width;
  if (setHeight) {
    if (height < sidePixel) return {width, height};
    return {proportional(width, sidePixel, height), sidePixel};
  }
  if (width < sidePixel) return {width, height};
  return {sidePixel, proportional(height, sidePixel, width)};
}

Result<ImageBuffer> scaleOneSide(const ImageBuffer& source, int selSide, int sidePixel) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to scale.");
  if (sidePixel < 1)
    return Result<ImageBuffer>::failure("The side length " + std::to_string(sidePixel) +
                                        " is not valid.");
  const Size target = scaleOneSideTarget(source.width(), source.height(), selSide, sidePixel);
  return reduceImage(source, target.width, target.height);
}

}  // namespace trimlet
