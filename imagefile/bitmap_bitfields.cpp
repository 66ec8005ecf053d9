// Direct-colour bitmaps: 16 and 32 bits through channel masks, 24 bits as
// blue, green, red.
#include "imagefile/bitmap_decode.h"

namespace trimlet {

namespace {

// One mask's field scaled to 0-255 with rounding: a full field is 255.
class FieldScale {
 public:
  explicit FieldScale(uint32_t mask) : mask_(mask) {
    while (((mask >> shift_) & 1) == 0) ++shift_;
    max_ = mask >> shift_;
  }
  uint8_t operator()(uint32_t pixel) const {
    const uint64_t v = (pixel & mask_) >> shift_;
    if (max_ == 255) return static_cast<uint8_t>(v);
    return static_cast<uint8_t>((v * 255 + max_ / 2) / max_);
  }

 private:
  uint32_t mask_;
  int shift_ = 0;
  uint64_t max_ = 1;
};

}  // namespace

Status decodeBitmapDirect(const BitmapInfo& info, const uint8_t* pixels, size_t stride,
                          ImageBuffer* image) {
  const FieldScale red(info.masks[0] ? info.masks[0] : 1);
  const FieldScale green(info.masks[1] ? info.masks[1] : 1);
  const FieldScale blue(info.masks[2] ? info.masks[2] : 1);
  const int bytes = info.bitsPerPixel / 8;
  for (int64_t r = 0; r < info.height; ++r) {
    const uint8_t* in = pixels + stride * static_cast<size_t>(r);
    uint8_t* out = image->row(bitmapBufferRow(info, r));
    for (int64_t x = 0; x < info.width; ++x, in += bytes, out += 3) {
      if (bytes == 3) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
        continue;
      }
      uint32_t pixel = in[0] | (static_cast<uint32_t>(in[1]) << 8);
      if (bytes == 4)
        pixel |= (static_cast<uint32_t>(in[2]) << 16) | (static_cast<uint32_t>(in[3]) << 24);
      out[0] = red(pixel);
      out[1] = green(pixel);
      out[2] = blue(pixel);
    }
  }
  return Status::success();
}

}  // namespace trimlet
