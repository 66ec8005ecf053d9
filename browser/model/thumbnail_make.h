#pragma once
// MakeThumbnail: the 48 x 48 thumbnail of one image file.
//
// Decodes `path` with the reader of its ending, turns the pixels into 24-bit
// bitmap rows and scales them (ScaleToThumbnail). A name without an image
// ending, a file the reader refuses or a picture too narrow for a thumbnail
// gives no thumbnail and the reason. Safe to call from any thread.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/result.h"

namespace trimlet {

Result<std::vector<uint8_t>> MakeThumbnail(const std::string& path);

}  // namespace trimlet
