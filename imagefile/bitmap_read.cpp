// The bitmap reader: headers first, then the pixel data checked against the
// file before the image is allocated, then one of the pixel decoders.
#include <cstring>
#include <vector>

#include "engine/image/checked_size.h"
#include "imagefile/bitmap_decode.h"
#include "imagefile/bitmap_file.h"
#include "imagefile/bitmap_header.h"
#include "imagefile/whole_file.h"

namespace trimlet {

bool bitmapRowsInFile(const BitmapInfo& info, size_t size, size_t* rowBytes, size_t* stride) {
  size_t lastRow = 0, needed = 0;
  return bitmapRowLayout(info, rowBytes, stride) &&
         checkedMultiply(*stride, static_cast<size_t>(info.height - 1), &lastRow) &&
         checkedAdd(lastRow, *rowBytes, &needed) && info.pixelOffset <= size &&
         needed <= size - info.pixelOffset;
}

Result<ImageBuffer> decodeBitmap(const uint8_t* data, size_t size) {
  if (!data) size = 0;
  auto parsed = parseBitmapHeaders(data, size);
  if (!parsed) return Result<ImageBuffer>::failure(parsed.reason());
  const BitmapInfo& info = *parsed;

  const bool runLength = info.compression == kBitmapRle8 || info.compression == kBitmapRle4;
  size_t rowBytes = 0, stride = 0;
  if (runLength) {
    // A first pass without an image checks the whole encoding.
    const Status valid = decodeBitmapRle(info, data, size, nullptr);
    if (!valid) return Result<ImageBuffer>::failure(valid);
  } else if (!bitmapRowsInFile(info, size, &rowBytes, &stride)) {
    return Result<ImageBuffer>::failure(kDibConversionError);
  }

  auto image = ImageBuffer::create(info.width, info.height, 3);
  if (!image) return Result<ImageBuffer>::failure(kDibOutOfMemory);

  Status decoded = Status::success();
  const uint8_t* pixels = data + info.pixelOffset;
  if (runLength) {
    std::memset(image->data(), 0, image->byteCount());  // unset pixels are black
    decoded = decodeBitmapRle(info, data, size, &*image);
  } else if (info.bitsPerPixel <= 8) {
    decoded = decodeBitmapIndexed(info, pixels, stride, &*image);
  } else {
    decoded = decodeBitmapDirect(info, pixels, stride, &*image);
  }
  if (!decoded) return Result<ImageBuffer>::failure(decoded);
  return image;
}

Result<ImageBuffer> readBitmap(const std::string& path) {
  std::vector<uint8_t> bytes;
  switch (readWholeFile(path, &bytes)) {
    case WholeFileStatus::kRead: break;
    case WholeFileStatus::kCannotOpen: return Result<ImageBuffer>::failure(dibOpenFailure(path));
    case WholeFileStatus::kOutOfMemory: return Result<ImageBuffer>::failure(kDibOutOfMemory);
  }
  return decodeBitmap(bytes.data(), bytes.size());
}

}  // namespace trimlet
