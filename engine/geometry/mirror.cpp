// Left-right and top-bottom mirrors; every byte of a pixel moves with it.

#include "engine/geometry/mirror.h"

#include <cstring>

namespace trimlet {

namespace {

template <int C>
void reverseRow(const uint8_t* in, uint8_t* out, int width) {
  const uint8_t* p = in + static_cast<size_t>(width - 1) * C;
  for (int x = 0; x < width; ++x, p -= C, out += C) std::memcpy(out, p, C);
}

}  // namespace

Result<ImageBuffer> mirrorLeftRight(const ImageBuffer& source) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to mirror.");
  auto out = ImageBuffer::create(source.width(), source.height(), source.channels());
  if (!out) return out;
  for (int32_t y = 0; y < source.height(); ++y) {
    const uint8_t* in = source.row(y);
    uint8_t* o = out->row(y);
    switch (source.channels()) {
      case 1: reverseRow<1>(in, o, source.width()); break;
      case 2: reverseRow<2>(in, o, source.width()); break;
      case 3: reverseRow<3>(in, o, source.width()); break;
      default: reverseRow<4>(in, o, source.width()); break;
    }
  }
  return out;
}

Result<ImageBuffer> mirrorTopBottom(const ImageBuffer& source) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to mirror.");
  auto out = ImageBuffer::create(source.width(), source.height(), source.channels());
  if (!out) return out;
  const int32_t h = source.height();
  for (int32_t y = 0; y < h; ++y) std::memcpy(out->row(h - 1 - y), source.row(y), source.stride());
  return out;
}

}  // namespace trimlet
