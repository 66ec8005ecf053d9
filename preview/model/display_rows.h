#pragma once
// The rows an image view paints from: 24-bit blue, green, red pixels, each
// row padded to a multiple of 4 bytes, bottom row first (the order of the
// ImageBuffer rows, which stays). A fourth byte per pixel is dropped.
//
//   pixels         width x height x bytesPerPixel bytes, red first, packed
//   bytesPerPixel  3 or 4; fewer is refused
//   width, height  at least 1, within the image size limit (checked_size.h)
// A refusal or a failed allocation returns a reason and nothing else: the
// view then keeps what it showed.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/result.h"

namespace trimlet {

struct DisplayRows {
  int width = 0;
  int height = 0;
  size_t stride = 0;           // bytes per row, a multiple of 4
  std::vector<uint8_t> bytes;  // stride x height; padding bytes are 0
};

Result<DisplayRows> makeDisplayRows(const uint8_t* pixels, int width, int height,
                                    int bytesPerPixel);

}  // namespace trimlet
