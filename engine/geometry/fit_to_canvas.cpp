// Fit to canvas: reduce the image so that it fits fixedWidth x fixedHeight
// (never enlarging), then pad it onto the canvas when fillColorCheck is on.

#include <algorithm>

#include "engine/geometry/fixed_size.h"
#include "engine/geometry/reduce.h"

namespace trimlet {

namespace {

// trunc(side x f), one more when the canvas would have a positive odd rest,
// so that the padding divides evenly. At least 1: a side cannot vanish.
int fittedSide(int side, double f, int canvas) {
  int fitted = static_cast<int>(side * f);
  const int rest = canvas - fitted;
  if (rest > 0 && rest % 2 == 1) ++fitted;
  return std::max(fitted, 1);
}

}  // namespace

Size fitToCanvasTarget(int width, int height, int fixedWidth, int fixedHeight) {
  if (width < 1 || height < 1 || fixedWidth < 1 || fixedHeight < 1) return {width, height};
  const double fx = static_cast<double>(fixedWidth) / width;
  const double fy = static_cast<double>(fixedHeight) / height;
  if (fx >= 1 && fy >= 1) return {width, height};
  const double f = std::min(fx, fy);
  return {fittedSide(width, f, fixedWidth), fittedSide(height, f, fixedHeight)};
}

Result<ImageBuffer> fitToCanvas(const ImageBuffer& source, int fixedWidth, int fixedHeight,
                                bool fillColorCheck, Rgb fixedColor) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to fit.");
  if (fixedWidth < 1 || fixedHeight < 1)
    return Result<ImageBuffer>::failure("The fixed size " + std::to_string(fixedWidth) + " x " +
                                        std::to_string(fixedHeight) + " is not valid.");
  const Size target = fitToCanvasTarget(source.width(), source.height(), fixedWidth, fixedHeight);
  auto reduced = reduceImage(source, target.width, target.height);
  if (!reduced || !fillColorCheck) return reduced;
  return padToCanvas(*reduced, fixedWidth - reduced->width(), fixedHeight - reduced->height(),
                     fixedColor);
}

}  // namespace trimlet
