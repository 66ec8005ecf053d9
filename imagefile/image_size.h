#pragma once
// A picture's size read from its file's header, without decoding a pixel:
// what a caller needs before the picture itself (fitting a rectangle to a
// newly chosen file, planning a reduced decode).
//
// readImageSize gives the width and height that readImageFile would give
// for the same file and options: a JPEG or PNG picture whose EXIF
// orientation swaps its sides (5-8) comes out turned when
// options.applyOrientation is set, and the orientation is decided exactly
// as the readers decide it (the first EXIF block, checked by
// inspectMetadata).
//   JPEG    the frame header through jpeg_read_header (the file is read up
//           to its first scan), the orientation from the first APP1 EXIF
//           marker
//   PNG     the IHDR chunk, the orientation from the first eXIf chunk before
//           or after the picture data: the chunks are walked by their
//           lengths, the picture data skipped, not read (a walk of more
//           than a million chunks stops there, orientation 1)
//   Targa   the 18-byte header (kTargaHeaderBytes)
//   bitmap  the file and info headers (at most kBitmapHeaderSpan bytes)
// Failure: no size and a reason, for a file that cannot be opened, and for
// every header the format's reader refuses before it decodes a pixel (a
// picture beyond imageSizeAllowed among them), mostly with the reader's own
// reason (libjpeg's and libpng's messages about the header, the size
// limit's, the Targa and bitmap reasons). A header that passes does not
// promise a picture: a file damaged in its picture data has a size here and
// fails to read. Damaged or hostile headers are bounded by the bytes
// actually read; nothing is allocated from a size the file claims.
// Threads: all state is per call.

#include <cstdint>
#include <string>

#include "engine/result.h"
#include "imagefile/image_format.h"

namespace trimlet {

struct ImageSize {
  int32_t width = 0;
  int32_t height = 0;
  // The file's EXIF orientation, 1-8 (1 for Targa and bitmap files).
  int orientation = kOrientationNormal;
};

Result<ImageSize> readImageSize(SourceFormat format, const std::string& path,
                                const ReadOptions& options = ReadOptions());

// Each format's size as stored in the file (never turned), with its
// orientation.
Result<ImageSize> readJpegSize(const std::string& path);
Result<ImageSize> readPngSize(const std::string& path);
Result<ImageSize> readTargaSize(const std::string& path);
Result<ImageSize> readBitmapSize(const std::string& path);

}  // namespace trimlet
