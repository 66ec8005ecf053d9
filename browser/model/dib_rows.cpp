// An image's pixels as 24-bit bitmap rows.
#include "browser/model/dib_rows.h"

#include <string>

#include "engine/image/checked_size.h"

namespace trimlet {

Result<DibRows> ToDibRows(int width, int height, const uint8_t* pixels, int bytesPerPixel) {
  if (bytesPerPixel != 1 && bytesPerPixel != 3 && bytesPerPixel != 4)
    return Result<DibRows>::failure("An image with " + std::to_string(bytesPerPixel) +
                                    " bytes per pixel cannot be shown as a thumbnail.");
  std::string reason;
  if (!imageSizeAllowed(width, height, &reason)) return Result<DibRows>::failure(reason);
  if (pixels == nullptr) return Result<DibRows>::failure("The image has no pixels.");

  DibRows out;
  out.width = width;
  out.height = height;
  const size_t pixelBytes = static_cast<size_t>(width) * 3;
  out.padding = static_cast<int>((4 - pixelBytes % 4) % 4);
  size_t total = 0;
  if (!checkedMultiply(out.stride(), static_cast<size_t>(height), &total))
    return Result<DibRows>::failure("The image is too large for a thumbnail.");
  out.bytes.assign(total, 0);

  const size_t inStride = static_cast<size_t>(width) * static_cast<size_t>(bytesPerPixel);
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = pixels + inStride * static_cast<size_t>(y);
    uint8_t* o = out.bytes.data() + out.stride() * static_cast<size_t>(y);
    for (int x = 0; x < width; ++x, in += bytesPerPixel, o += 3) {
      if (bytesPerPixel == 1) {
        o[0] = o[1] = o[2] = in[0];
      } else {
        o[0] = in[2];
        o[1] = in[1];
        o[2] = in[0];
      }
    }
  }
  return out;
}

Result<DibRows> ToDibRows(const ImageBuffer& image) {
  return ToDibRows(image.width(), image.height(), image.data(), image.channels());
}

}  // namespace trimlet
