// The bitmap writer: a 14-byte file header, a 40-byte info header, then the
// rows bottom-up as blue, green, red, each padded with zeros to a multiple of
// four bytes; written through AtomicFile so a failed write leaves nothing.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/image/checked_size.h"
#include "imagefile/atomic_file.h"
#include "imagefile/bitmap_file.h"

namespace trimlet {

namespace {

constexpr uint32_t kHeaderBytes = 54;

void put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void put32(uint8_t* p, uint32_t v) {
  put16(p, v & 0xFFFF);
  put16(p + 2, v >> 16);
}

}  // namespace

Status writeBitmap(const std::string& path, const ImageView& image) {
  const int channels = image.channels();
  if (image.empty() || (channels != 3 && channels != 4))
    return Status::failure("The bitmap writer takes images of three or four channels.");
  const size_t width = static_cast<size_t>(image.width());
  const size_t padding = (4 - (3 * width) % 4) % 4;
  const size_t stride = 3 * width + padding;
  size_t imageBytes = 0, fileBytes = 0;
  if (!checkedMultiply(stride, static_cast<size_t>(image.height()), &imageBytes) ||
      !checkedAdd(imageBytes, kHeaderBytes, &fileBytes) || fileBytes > UINT32_MAX)
    return Status::failure("The image is too large for a bitmap file.");

  uint8_t header[kHeaderBytes] = {'B', 'M'};
  put32(header + 2, static_cast<uint32_t>(fileBytes));
  put32(header + 10, kHeaderBytes);
  put32(header + 14, 40);
  put32(header + 18, static_cast<uint32_t>(image.width()));
  put32(header + 22, static_cast<uint32_t>(image.height()));
  put16(header + 26, 1);
  put16(header + 28, 24);
  put32(header + 34, static_cast<uint32_t>(imageBytes));
  // Compression, resolutions and colour counts stay 0.

  auto file = AtomicFile::open(path);
  if (!file) return file.status();
  FILE* out = file->stream();
  const Status writeFailed = Status::failure("The bitmap file " + path + " cannot be written.");
  if (std::fwrite(header, 1, sizeof header, out) != sizeof header) return writeFailed;

  std::vector<uint8_t> row(stride, 0);  // the padding bytes stay zero
  for (int y = 0; y < image.height(); ++y) {
    const uint8_t* in = image.row(y);
    uint8_t* p = row.data();
    for (size_t x = 0; x < width; ++x, in += channels, p += 3) {
      p[0] = in[2];
      p[1] = in[1];
      p[2] = in[0];
    }
    if (std::fwrite(row.data(), 1, stride, out) != stride) return writeFailed;
  }
  return file->commit();
}

}  // namespace trimlet
