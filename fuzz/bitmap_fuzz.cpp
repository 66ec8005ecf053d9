// Fuzz target: the bitmap reader over arbitrary bytes. A decoded image is
// always three channels; a refusal gives one of the reader's reasons. Memory
// errors are the sanitizers' to find.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "imagefile/bitmap_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto image = trimlet::decodeBitmap(data, size);
  if (!image) {
    const std::string& reason = image.reason();
    if (reason != "Unknown DIB file format." && reason != "Image file conversion error." &&
        reason != "Out of memory.")
      std::abort();
    return 0;
  }
  if (image->channels() != 3 || image->width() < 1 || image->height() < 1) std::abort();
  unsigned sum = 0;
  for (size_t i = 0; i < image->byteCount(); ++i) sum += image->data()[i];
  volatile unsigned sink = sum;
  (void)sink;
  return 0;
}
