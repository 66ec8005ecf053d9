#include "pipeline/region_copy.h"

#include <cstring>

namespace trimlet {

bool boxLiesInside(const ImageBuffer& source, const CropBox& box) {
  return box.left >= 0 && box.top >= 0 && box.right <= source.width() &&
         box.bottom <= source.height() && box.width() >= 1 && box.height() >= 1;
}

Result<ImageBuffer> copyRegion(const ImageBuffer& source, const CropBox& box, int channels) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to crop.");
  if (!boxLiesInside(source, box))
    return Result<ImageBuffer>::failure("The crop rectangle lies outside the image.");
  auto out = ImageBuffer::create(box.width(), box.height(), channels);
  if (!out) return out;
  const int inStep = source.channels();
  const int w = box.width();
  for (int y = 0; y < box.height(); ++y) {
    const uint8_t* in = source.at(box.left, box.top + y);
    uint8_t* o = out->row(y);
    if (inStep == channels) {
      std::memcpy(o, in, static_cast<size_t>(w) * channels);
      continue;
    }
    for (int x = 0; x < w; ++x, in += inStep, o += channels) {
      o[0] = in[0];
      o[1] = in[1];
      o[2] = in[2];
      if (channels == 4) o[3] = inStep == 4 ? in[3] : 0;
    }
  }
  return out;
}

}  // namespace trimlet
