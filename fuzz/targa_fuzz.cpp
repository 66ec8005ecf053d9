// Fuzz target: the Targa reader over arbitrary bytes. A decoded image must
// have the channel count and size the reader promises; a refusal must give a
// reason. Memory errors are the sanitizers' to find.
#include <cstdint>
#include <cstdlib>

#include "imagefile/targa_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto image = trimlet::decodeTarga(data, size);
  if (!image) {
    if (image.reason().empty()) std::abort();
    return 0;
  }
  if (image->channels() != 3 && image->channels() != 4) std::abort();
  if (image->width() < 1 || image->width() > 65535 || image->height() < 1 ||
      image->height() > 65535)
    std::abort();
  // Read every byte, so a pixel the decoder never wrote shows up under MSan
  // and a short buffer under ASan.
  unsigned sum = 0;
  for (size_t i = 0; i < image->byteCount(); ++i) sum += image->data()[i];
  volatile unsigned sink = sum;
  (void)sink;
  return 0;
}
