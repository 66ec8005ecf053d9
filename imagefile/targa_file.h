#pragma once
// Truevision Targa.
//
// Read: types 1, 2, 3 (colour-mapped, true-colour, grey) and 9, 10, 11 (the
// same run-length encoded); 8-bit indices or grey, 15/16-bit (x8 per field),
// 24- and 32-bit pixels; colour maps with 15-, 16-, 24- or 32-bit entries;
// descriptor bit 5 (top row first). 32-bit files give 4 channels, all others
// 3. Every read is bounded by the data: packets past a row or the end, map
// indices beyond the map, maps beyond index 255 and truncated data are
// refused with a reason.
// Write: type 2 or 10, 24 bits (3 channels) or 32 bits with descriptor 8
// (4 channels), bottom-left origin, no footer; run packets 128 + n - 1 of at
// most 128 pixels that never cross a row, raw packets of exactly one pixel.

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/image/image_buffer.h"
#include "engine/image/image_view.h"

namespace trimlet {

Result<ImageBuffer> readTarga(const std::string& path);
Result<ImageBuffer> decodeTarga(const uint8_t* data, size_t size);
Status writeTarga(const std::string& path, const ImageView& image, bool runLength);

}  // namespace trimlet
