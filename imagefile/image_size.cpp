// Header reads: the dispatch by format, and the Targa and bitmap sizes
// from the start of the file. See image_size.h.
#include "imagefile/image_size.h"

#include <utility>
#include <vector>

#include "engine/image/checked_size.h"
#include "imagefile/bitmap_decode.h"
#include "imagefile/bitmap_header.h"
#include "imagefile/orientation.h"
#include "imagefile/targa_header.h"
#include "imagefile/whole_file.h"

namespace trimlet {

Result<ImageSize> readTargaSize(const std::string& path) {
  std::vector<uint8_t> start;
  size_t length = 0;
  switch (readFileStart(path, kTargaHeaderBytes, &start, &length)) {
    case WholeFileStatus::kRead: break;
    case WholeFileStatus::kCannotOpen:
      return Result<ImageSize>::failure("The file " + path + " cannot be opened.");
    case WholeFileStatus::kOutOfMemory: return Result<ImageSize>::failure("Out of memory.");
  }
  auto header = parseTargaHeader(start.data(), length);
  if (!header) return Result<ImageSize>::failure(header.reason());
  ImageSize size;
  size.width = header->width;
  size.height = header->height;
  return size;
}

Result<ImageSize> readBitmapSize(const std::string& path) {
  std::vector<uint8_t> start;
  size_t length = 0;
  switch (readFileStart(path, kBitmapHeaderSpan, &start, &length)) {
    case WholeFileStatus::kRead: break;
    case WholeFileStatus::kCannotOpen: return Result<ImageSize>::failure(dibOpenFailure(path));
    case WholeFileStatus::kOutOfMemory: return Result<ImageSize>::failure(kDibOutOfMemory);
  }
  auto info = parseBitmapHeaders(start.data(), length);
  if (!info) return Result<ImageSize>::failure(info.reason());
  // Uncompressed rows are checked against the file's length as the reader
  // checks them; run-length data can only be checked by decoding it.
  const bool runLength = info->compression == kBitmapRle8 || info->compression == kBitmapRle4;
  size_t rowBytes = 0, stride = 0;
  if (!runLength && !bitmapRowsInFile(*info, length, &rowBytes, &stride))
    return Result<ImageSize>::failure(kDibConversionError);
  std::string reason;
  if (!imageSizeAllowed(info->width, info->height, &reason))
    return Result<ImageSize>::failure(kDibOutOfMemory);
  ImageSize size;
  size.width = static_cast<int32_t>(info->width);
  size.height = static_cast<int32_t>(info->height);
  return size;
}

Result<ImageSize> readImageSize(SourceFormat format, const std::string& path,
                                const ReadOptions& options) {
  Result<ImageSize> size = Result<ImageSize>::failure("");
  switch (format) {
    case SourceFormat::kJpeg: size = readJpegSize(path); break;
    case SourceFormat::kTarga: return readTargaSize(path);
    case SourceFormat::kBitmap: return readBitmapSize(path);
    case SourceFormat::kPng: size = readPngSize(path); break;
    default: return Result<ImageSize>::failure("The file " + path + " is not an image file.");
  }
  if (size && options.applyOrientation && orientationSwapsSides(size->orientation))
    std::swap(size->width, size->height);
  return size;
}

}  // namespace trimlet
