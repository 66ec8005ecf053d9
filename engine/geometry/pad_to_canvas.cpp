// Padding onto a canvas of one colour: the image keeps its pixels, with its
// left edge at column dx / 2 and its bottom row at row dy / 2, so an odd
// extra column lands on the right and an odd extra row at the picture's top
// (the higher buffer rows).

#include <algorithm>
#include <cstring>

#include "engine/geometry/fixed_size.h"

namespace trimlet {

Result<ImageBuffer> padToCanvas(const ImageBuffer& source, int dx, int dy, Rgb color) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to pad.");
  const int channels = source.channels();
  if (channels != 3 && channels != 4)
    return Result<ImageBuffer>::failure("Only three- or four-channel images can be padded.");
  const int64_t padX = std::max(dx, 0);
  const int64_t padY = std::max(dy, 0);
  uint8_t pixel[4];
  color.toPixel(pixel, channels);
  auto out = ImageBuffer::filled(source.width() + padX, source.height() + padY, channels, pixel);
  if (!out) return out;
  const int32_t left = static_cast<int32_t>(padX / 2);
  const int32_t bottom = static_cast<int32_t>(padY / 2);
  for (int32_t y = 0; y < source.height(); ++y)
    std::memcpy(out->at(left, bottom + y), source.row(y), source.stride());
  return out;
}

}  // namespace trimlet
