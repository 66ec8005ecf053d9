#pragma once
// Bringing images with one, three or four channels to the two widths the
// pipeline works with.
//
//   expandGrey      1 channel -> 3 (each grey byte written three times); a
//                   3- or 4-channel image is returned as a copy.
//   keepAlphaFor    whether the alpha byte survives for one image: only when
//                   the reader returned 4 channels and the output format is
//                   Targa (1) or PNG (4). With any other format, 3 ("same as
//                   source") included, the alpha byte is dropped at the first
//                   copy of the pipeline.
//   widenToFour     3 or 4 channels -> 4: red, green, blue and the pixel's own
//                   alpha when keepAlpha is set and it has one, else 0. The
//                   rotation engine works on such pixels only.
//   narrowFromFour  4 channels -> 4 (keepAlpha) or 3 (the fourth byte dropped).
// Row order never changes. Every function allocates a new buffer and leaves
// its input untouched; a failure (no input, allocation) gives a reason.

#include "engine/image/image_buffer.h"
#include "engine/settings/setting_codes.h"

namespace trimlet {

Result<ImageBuffer> expandGrey(const ImageBuffer& source);

bool keepAlphaFor(int readerChannels, OutputFormat outputFormat);

Result<ImageBuffer> widenToFour(const ImageBuffer& source, bool keepAlpha);

Result<ImageBuffer> narrowFromFour(const ImageBuffer& source, bool keepAlpha);

}  // namespace trimlet
