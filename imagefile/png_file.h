#pragma once
// PNG over libpng 1.6.
//
// Read: every colour type and depth normalised to 8-bit RGB or RGBA by the
// library's transformations (strip 16, expand palette / low-bit grey / tRNS,
// grey to RGB, composite on a bKGD colour, gamma with screen gamma 2.2 when
// a gAMA chunk is present); rows bottom-up. All library state lives in the
// call, so two reads may run at once. Errors print "libpng error: %s\n" on
// standard error and return no image with that message as the reason.
// Metadata (optional out-parameter): iCCP, eXIf and the XMP text chunk,
// before or after the picture data, checked by inspectMetadata (a block
// that cannot be read is left out with a warning; it never fails the read).
// Write: colour type 6 for 4 channels, else 2; bit depth 8; Adam7 only when
// asked; a gAMA chunk only when gamma differs from 1.0; top row first. The
// blocks of `metadata` are written as they are, before the picture data
// (iCCP, eXIf, iTXt "XML:com.adobe.xmp"); metadataForResult prepares them.

#include <cstdio>
#include <string>

#include "engine/image/image_buffer.h"
#include "engine/image/image_view.h"
#include "imagefile/image_metadata.h"

namespace trimlet {

Result<ImageBuffer> readPng(const std::string& path, ImageMetadata* metadata = nullptr);
Result<ImageBuffer> readPngStream(FILE* stream, ImageMetadata* metadata = nullptr);
Status writePng(const std::string& path, const ImageView& image, bool interlace = false,
                double gamma = 1.0, const ImageMetadata* metadata = nullptr);

}  // namespace trimlet
