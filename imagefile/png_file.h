#pragma once
// PNG over libpng 1.6.
//
// Read: every colour type and depth normalised to 8-bit RGB or RGBA by the
// library's transformations (strip 16, expand palette / low-bit grey / tRNS,
// grey to RGB, composite on a bKGD colour, gamma with screen gamma 2.2 when
// a gAMA chunk is present); rows bottom-up. All library state lives in the
// call, so two reads may run at once. Errors print "libpng error: %s\n" on
// standard error and return no image with that message as the reason.
// Write: colour type 6 for 4 channels, else 2; bit depth 8; Adam7 only when
// asked; a gAMA chunk only when gamma differs from 1.0; top row first.

#include <cstdio>
#include <string>

#include "engine/image/image_buffer.h"

namespace trimlet {

Result<ImageBuffer> readPng(const std::string& path);
Result<ImageBuffer> readPngStream(FILE* stream);
Status writePng(const std::string& path, const ImageBuffer& image, bool interlace = false,
                double gamma = 1.0);

}  // namespace trimlet
