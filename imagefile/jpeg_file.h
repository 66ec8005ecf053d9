#pragma once
// JPEG over libjpeg-turbo's 6b interface.
//
// Read: full size, the library's default output colour space; grey files give
// 1 channel, colour files 3. Four-component files (CMYK, YCCK, with or without
// the Adobe inversion) are converted to red-green-blue and given 3 channels.
// A fatal libjpeg error returns here through a saved jump point: no image and
// the library's message as the reason; warnings go to standard error.
// A file whose picture data run out before the picture is complete is
// refused with the library's message ("Premature end of JPEG file" when the
// file ends there, "Corrupt JPEG data: premature end of data segment" when
// a marker cuts them short): the library would invent a grey rest of the
// picture. A file that lacks only its end marker is read.
// Hostile files are bounded: the size is checked against the 2^31-byte limit
// before anything is allocated, libjpeg's own memory (the whole-image
// coefficient buffer of progressive and multi-scan files) is capped at
// kJpegMemoryLimit, and a file of more than kJpegScanLimit scans is refused.
// Metadata (optional out-parameter): the APP1 EXIF and XMP markers and the
// ICC profile of the APP2 chunks, checked by inspectMetadata (a block that
// cannot be read is left out with a warning; it never fails the read). The
// pixels are returned as stored, whatever the EXIF orientation says.
// Reduced read: libjpeg's own DCT scaling decodes the picture at n/8 of its
// size, n from 1 to 8 (8 is the whole picture), each side
// ceil(side * n / 8), for a fraction of a full decode's work. `eighths` is
// asked for n once, after the header, with the stored size (it must not
// throw: it runs between the library's calls); its answer is clamped to
// 1-8. Pixel j along a side stands for the stored pixels from 8j/n up to
// 8(j + 1)/n (the last one for what is left of the side), from the left and
// from the top. Everything else is as for readJpeg: the size limit applies
// to the whole picture, the same files are refused, the pixels come as
// stored, the metadata are the same.
// Write: from any ImageView, rows read in place; 3 colour components (a
// fourth byte is skipped by the library itself), the library defaults,
// the given quality (0-100, default 75) with baseline forcing off, top row
// first, through AtomicFile (an existing target is replaced only on success).
// The blocks of `metadata` are written as they are (APP1 EXIF, APP1 XMP,
// APP2 ICC chunks); metadataForResult prepares them from a source's.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "engine/image/image_buffer.h"
#include "engine/image/image_view.h"
#include "imagefile/image_metadata.h"

namespace trimlet {

// libjpeg's working memory per read: enough for a progressive 4:4:4 picture
// of some 170 megapixels.
constexpr long kJpegMemoryLimit = 1L << 30;
// Real progressive files have about ten scans; thousands of empty ones are
// only a way to make a small file decode for minutes.
constexpr int kJpegScanLimit = 500;

Result<ImageBuffer> readJpeg(const std::string& path, ImageMetadata* metadata = nullptr);
Result<ImageBuffer> readJpegStream(FILE* stream, ImageMetadata* metadata = nullptr);
using JpegScaleChoice = std::function<int(int32_t storedWidth, int32_t storedHeight)>;
Result<ImageBuffer> readJpegReduced(const std::string& path, const JpegScaleChoice& eighths,
                                    ImageMetadata* metadata = nullptr);
Status writeJpeg(const std::string& path, const ImageView& image, int quality,
                 const ImageMetadata* metadata = nullptr);

}  // namespace trimlet
