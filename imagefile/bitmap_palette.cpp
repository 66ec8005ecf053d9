// Palette bitmaps: 1, 2, 4 and 8 bits per pixel, uncompressed.
#include "engine/image/checked_size.h"
#include "imagefile/bitmap_decode.h"

namespace trimlet {

bool bitmapRowLayout(const BitmapInfo& info, size_t* rowBytes, size_t* stride) {
  size_t bits = 0;
  if (!checkedMultiply(static_cast<size_t>(info.width), static_cast<size_t>(info.bitsPerPixel),
                       &bits) ||
      bits > SIZE_MAX - 31)
    return false;
  *rowBytes = (bits + 7) / 8;
  *stride = (bits + 31) / 32 * 4;
  return true;
}

Status decodeBitmapIndexed(const BitmapInfo& info, const uint8_t* pixels, size_t stride,
                           ImageBuffer* image) {
  const int bits = info.bitsPerPixel;
  const unsigned mask = (1u << bits) - 1;
  const int perByte = 8 / bits;
  const size_t entries = info.palette.size();
  for (int64_t r = 0; r < info.height; ++r) {
    const uint8_t* in = pixels + stride * static_cast<size_t>(r);
    uint8_t* out = image->row(bitmapBufferRow(info, r));
    for (int64_t x = 0; x < info.width; ++x, out += 3) {
      const int slot = static_cast<int>(x % perByte);
      const unsigned index = (in[x / perByte] >> (8 - bits * (slot + 1))) & mask;
      if (index >= entries) return Status::failure(kDibConversionError);
      const BitmapRgb& c = info.palette[index];
      out[0] = c.red;
      out[1] = c.green;
      out[2] = c.blue;
    }
  }
  return Status::success();
}

}  // namespace trimlet
