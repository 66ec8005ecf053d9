// Fuzz target: the bitmap reader over arbitrary bytes. A decoded image is
// always three channels; a refusal gives one of the reader's reasons. Memory
// errors are the sanitizers' to find.
//
// A run-length bitmap may validly claim a picture far larger than its data
// (an early end of bitmap leaves the rest unset), up to the buffer limit of
// about 1.6 GB. Allocating and clearing that for every such input would slow
// the search to a crawl, so above 2^18 pixels only the check of the encoding
// runs (no picture is allocated); the full decode of large claims is covered
// by the tests.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "imagefile/bitmap_decode.h"
#include "imagefile/bitmap_file.h"
#include "imagefile/bitmap_header.h"

namespace {
constexpr int64_t kLargestDecodedRunLengthPicture = int64_t(1) << 18;

bool readerReason(const std::string& reason) {
  return reason == "Unknown DIB file format." || reason == "Image file conversion error." ||
         reason == "Out of memory.";
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trimlet;
  auto info = parseBitmapHeaders(data, size);
  if (info && (info->compression == kBitmapRle8 || info->compression == kBitmapRle4) &&
      info->width * info->height > kLargestDecodedRunLengthPicture) {
    const Status valid = decodeBitmapRle(*info, data, size, nullptr);
    if (!valid && !readerReason(valid.reason())) std::abort();
    return 0;
  }

  auto image = decodeBitmap(data, size);
  if (!image) {
    if (!readerReason(image.reason())) std::abort();
    return 0;
  }
  if (image->channels() != 3 || image->width() < 1 || image->height() < 1) std::abort();
  unsigned sum = 0;
  for (size_t i = 0; i < image->byteCount(); ++i) sum += image->data()[i];
  volatile unsigned sink = sum;
  (void)sink;
  return 0;
}
