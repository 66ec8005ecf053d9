#pragma once
// MakeThumbnail: the 48 x 48 thumbnail of one image file.
//
// Decodes `path` with the reader of its ending, turns the pixels into 24-bit
// bitmap rows and scales them (ScaleToThumbnail). A JPEG file is decoded at
// the reduced scale ThumbnailEighths chooses for its size, by the library's
// own DCT scaling, turned upright as the reader turns it, and scaled with
// ScaleReducedToThumbnail: the same thumbnail within a level or two of each
// colour at a fraction of the cost (a picture too small for a reduction is
// decoded whole and scaled as the other formats are). A name without an
// image ending, a file the reader refuses or a picture too narrow for a
// thumbnail gives no thumbnail and the reason. Safe to call from any thread.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/result.h"

namespace trimlet {

Result<std::vector<uint8_t>> MakeThumbnail(const std::string& path);

// The thumbnail of a JPEG file whatever its name, by the reduced road above.
Result<std::vector<uint8_t>> MakeJpegThumbnail(const std::string& path);

}  // namespace trimlet
