#include "pipeline/edges.h"

#include <algorithm>
#include <cstring>

#include "pipeline/percent.h"

namespace trimlet {

SideAmounts limitInwardSides(const SideAmounts& sides, int inwardCutLimit) {
  const int limit = std::max(0, inwardCutLimit);
  return SideAmounts{std::min(sides.left, limit), std::min(sides.right, limit),
                     std::min(sides.top, limit), std::min(sides.bottom, limit)};
}

namespace {

// [low, size - high) with at least one sample kept, inside [0, size).
void keepSpan(int size, int low, int high, int* start, int* end) {
  low = std::clamp(low, 0, size - 1);
  high = std::max(0, high);
  *start = low;
  *end = std::max(low + 1, size - high);
  *end = std::min(*end, size);
}

}  // namespace

CropBox inwardCutBox(int width, int height, const SideAmounts& sides, bool percent) {
  SideAmounts px = sides;
  if (percent) {
    px.left = percentOf(sides.left, width);
    px.right = percentOf(sides.right, width);
    px.top = percentOf(sides.top, height);
    px.bottom = percentOf(sides.bottom, height);
  }
  CropBox box;
  keepSpan(width, px.left, px.right, &box.left, &box.right);
  // Buffer rows count from the picture's bottom: the bottom amount is cut
  // from the low rows, the top amount from the high rows.
  keepSpan(height, px.bottom, px.top, &box.top, &box.bottom);
  return box;
}

Result<ImageBuffer> addEdge(const ImageBuffer& image, int left, int right, int top, int bottom,
                            Rgb color) {
  if (image.empty()) return Result<ImageBuffer>::failure("There is no image to frame.");
  left = std::max(0, left);
  right = std::max(0, right);
  top = std::max(0, top);
  bottom = std::max(0, bottom);
  const int channels = image.channels();
  uint8_t fill[4] = {0, 0, 0, 0};
  color.toPixel(fill, channels);
  auto out = ImageBuffer::filled(int64_t(image.width()) + left + right,
                                 int64_t(image.height()) + top + bottom, channels, fill);
  if (!out) return out;
  // The old top row lands `top` rows below the new top, so the old bottom
  // row sits `bottom` rows above the new bottom.
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(out->at(left, y + bottom), image.row(y), image.stride());
  return out;
}

}  // namespace trimlet
