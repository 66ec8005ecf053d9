// Conversion of an image's pixels into the padded blue-first rows a view paints.
#include "preview/model/display_rows.h"

#include <new>
#include <string>

#include "engine/image/checked_size.h"

namespace trimlet {

Result<DisplayRows> makeDisplayRows(const uint8_t* pixels, int width, int height,
                                    int bytesPerPixel) {
  if (bytesPerPixel != 3 && bytesPerPixel != 4) {
    return Result<DisplayRows>::failure("The image has too few bytes per pixel to be shown.");
  }
  if (pixels == nullptr) return Result<DisplayRows>::failure("The image has no pixels.");
  std::string reason;
  size_t sourceBytes = 0;
  if (!imageByteCount(width, height, bytesPerPixel, &sourceBytes, &reason)) {
    return Result<DisplayRows>::failure(reason);
  }
  // The limit on width * height * 4 keeps width * 3 + 3 and its product with
  // the height far inside size_t.
  DisplayRows rows;
  rows.width = width;
  rows.height = height;
  rows.stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
  size_t total = 0;
  if (!checkedMultiply(rows.stride, static_cast<size_t>(height), &total)) {
    return Result<DisplayRows>::failure("The image is too large to be shown.");
  }
  try {
    rows.bytes.assign(total, 0);
  } catch (const std::bad_alloc&) {
    return Result<DisplayRows>::failure("There is not enough memory to show the image.");
  }
  const size_t sourceStride = static_cast<size_t>(width) * bytesPerPixel;
  for (int y = 0; y < height; ++y) {
    const uint8_t* in = pixels + sourceStride * static_cast<size_t>(y);
    uint8_t* out = rows.bytes.data() + rows.stride * static_cast<size_t>(y);
    for (int x = 0; x < width; ++x, in += bytesPerPixel, out += 3) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
  return rows;
}

}  // namespace trimlet
