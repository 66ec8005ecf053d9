// Fuzz target of the PNG reader: the bytes are opened as a stream and go
// through readPngStream, the road every PNG file takes.
#include <cstdint>
#include <cstdio>

#include "imagefile/png_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!stream) return 0;
  auto image = trimlet::readPngStream(stream);
  std::fclose(stream);
  if (image) {
    // Touch every byte, so a buffer that is too short is noticed.
    volatile uint8_t sum = 0;
    for (size_t i = 0; i < image->byteCount(); ++i)
      sum = static_cast<uint8_t>(sum + image->data()[i]);
  }
  return 0;
}
