#pragma once
// The bitmap pixel decoders: stored rows to the 3-channel red-green-blue
// ImageBuffer (rows bottom-up), as the platform's conversion into a 24-bit
// section did.
//
//   decodeBitmapIndexed  1, 2, 4, 8 bits: colour-table indices, the leftmost
//                        pixel in the high bits of each byte
//   decodeBitmapDirect   16 bits and 32 bits through the masks of BitmapInfo
//                        (each field scaled to 0-255, so white stays white),
//                        24 bits as blue, green, red
//   decodeBitmapRle      8- and 4-bit run-length encoding: runs, absolute
//                        runs, end of line, end of bitmap, delta. Pixels the
//                        encoding never sets stay as the image holds them
//                        (the reader clears the image to black first, as a
//                        new section is). With image == nullptr it only
//                        checks the data, so a bitmap is refused before its
//                        pixels are allocated.
// Uncompressed rows are padded to a multiple of four bytes; the caller makes
// sure the file holds them (bitmapRowLayout). An index beyond the colour
// table, a run past the end of a row (and its padding) or the image, or
// encoded data that ends before the end of the bitmap gives "Image file
// conversion error.".

#include <cstddef>
#include <cstdint>

#include "engine/image/image_buffer.h"
#include "imagefile/bitmap_header.h"

namespace trimlet {

// Bytes of one stored row without padding, and with it (a multiple of four);
// false when they overflow.
bool bitmapRowLayout(const BitmapInfo& info, size_t* rowBytes, size_t* stride);
// Whether a file of `size` bytes holds every uncompressed row from
// info.pixelOffset on (only the last row's padding may be missing), with the
// row layout in *rowBytes and *stride.
bool bitmapRowsInFile(const BitmapInfo& info, size_t size, size_t* rowBytes, size_t* stride);

// Buffer row of stored row r (stored rows run bottom-up unless top-down).
inline int32_t bitmapBufferRow(const BitmapInfo& info, int64_t r) {
  return static_cast<int32_t>(info.topDown ? info.height - 1 - r : r);
}

Status decodeBitmapIndexed(const BitmapInfo& info, const uint8_t* pixels, size_t stride,
                           ImageBuffer* image);
Status decodeBitmapDirect(const BitmapInfo& info, const uint8_t* pixels, size_t stride,
                          ImageBuffer* image);
Status decodeBitmapRle(const BitmapInfo& info, const uint8_t* data, size_t size,
                       ImageBuffer* image);

}  // namespace trimlet
