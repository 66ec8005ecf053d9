#pragma once
// Windows bitmap.
//
// Read: with or without the 14-byte file header; 12-byte core headers and
// 40-byte info headers, and the 52-, 56-, 108- and 124-byte headers of current
// programs (their first 40 bytes are the info header); 1-, 4-, 8-bit palettes,
// 4- and 8-bit run-length encoding (end of line, end of bitmap, delta), 16 bits
// (5-5-5 or bit-field masks, each field scaled to 0-255), 24 bits, 32 bits
// (with or without masks); top-down bitmaps (negative height) come out the
// right way up. Always 3 channels. Failure reasons:
//   "Failed to open DIB file %s.\n"  (the path for %s)
//   "Unknown DIB file format."       (a header this reader does not know)
//   "Out of memory."
//   "Image file conversion error."   (pixel data that cannot be converted)
// Write: 24 bits, the 54-byte header, rows bottom-up padded with zeros to a
// multiple of four bytes; a fourth byte of the input is skipped.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/image/image_buffer.h"
#include "engine/image/image_view.h"

namespace trimlet {

Result<ImageBuffer> readBitmap(const std::string& path);
Result<ImageBuffer> decodeBitmap(const uint8_t* data, size_t size);
Status writeBitmap(const std::string& path, const ImageView& image);

}  // namespace trimlet
