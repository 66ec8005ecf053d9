#pragma once
// ToDibRows: an image's pixels as the rows of a 24-bit bottom-up bitmap.
//
//   input    width, height >= 1; bytes per pixel 1 (grey), 3 (red, green,
//            blue) or 4 (red, green, blue, alpha); rows packed, bottom-up
//   output   rows of width x 3 bytes blue, green, red (a grey byte three
//            times, a fourth byte dropped), each padded with zeros to a
//            multiple of 4 bytes, in the same (bottom-up) row order
// Any other bytes per pixel, or a size the overflow-checked helpers refuse,
// gives no rows and a reason.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/image/image_buffer.h"
#include "engine/result.h"

namespace trimlet {

struct DibRows {
  int width = 0;
  int height = 0;
  int padding = 0;  // bytes after the width x 3 pixel bytes of each row
  std::vector<uint8_t> bytes;
  size_t stride() const { return static_cast<size_t>(width) * 3 + static_cast<size_t>(padding); }
};

Result<DibRows> ToDibRows(int width, int height, const uint8_t* pixels, int bytesPerPixel);
Result<DibRows> ToDibRows(const ImageBuffer& image);

}  // namespace trimlet
