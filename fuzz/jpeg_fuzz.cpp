// Fuzz target of the JPEG reader: the bytes are opened as a stream and go
// through readJpegStream, the road every JPEG file takes.
#include <cstdint>
#include <cstdio>

#include "imagefile/jpeg_file.h"

namespace {

// An arithmetic-coded frame may legally be a few bytes long whatever size
// it claims (the decoder supplies zeros once the data end), so a 200-byte
// input can make the reader decode a quarter of a gigapixel: correct, within
// the image limit, and minutes under the sanitizers. Inputs with such a
// frame header (any FF C9-CB or CD-CF pair, wherever it sits) claiming more
// than 16 megapixels are skipped, so the time goes to other inputs.
bool claimsHugeArithmeticFrame(const uint8_t* data, size_t size) {
  for (size_t i = 0; i + 9 <= size; ++i) {
    if (data[i] != 0xFF) continue;
    const uint8_t marker = data[i + 1];
    if (marker < 0xC9 || marker > 0xCF || marker == 0xCC) continue;
    const uint32_t height = (uint32_t(data[i + 5]) << 8) | data[i + 6];
    const uint32_t width = (uint32_t(data[i + 7]) << 8) | data[i + 8];
    if (uint64_t(width) * height > (uint64_t(1) << 24)) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;  // fmemopen refuses an empty buffer
  if (claimsHugeArithmeticFrame(data, size)) return 0;
  FILE* stream = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!stream) return 0;
  auto image = trimlet::readJpegStream(stream);
  std::fclose(stream);
  if (image) {
    // Touch every byte, so a buffer that is too short is noticed.
    volatile uint8_t sum = 0;
    for (size_t i = 0; i < image->byteCount(); ++i)
      sum = static_cast<uint8_t>(sum + image->data()[i]);
  }
  return 0;
}
