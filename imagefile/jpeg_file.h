#pragma once
// JPEG over libjpeg-turbo's 6b interface.
//
// Read: full size, the library's default output colour space; grey files give
// 1 channel, colour files 3. Four-component files (CMYK, YCCK, with or without
// the Adobe inversion) are converted to red-green-blue and given 3 channels.
// A fatal libjpeg error returns here through a saved jump point: no image and
// the library's message as the reason; warnings go to standard error.
// Write: 3 input components (a fourth byte is skipped), the library defaults,
// the given quality (0-100) with baseline forcing off, top row first.

#include <cstdio>
#include <string>

#include "engine/image/image_buffer.h"

namespace trimlet {

Result<ImageBuffer> readJpeg(const std::string& path);
Result<ImageBuffer> readJpegStream(FILE* stream);
Status writeJpeg(const std::string& path, const ImageBuffer& image, int quality);

}  // namespace trimlet
