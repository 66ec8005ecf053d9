// The Targa writer: type 2 (uncompressed) or 10 (run-length), 24 bits from
// three channels or 32 bits with descriptor 8 from four, bottom-left origin,
// no footer; written through AtomicFile so a failed write leaves nothing.
#include <cstring>
#include <string>
#include <vector>

#include "imagefile/atomic_file.h"
#include "imagefile/targa_file.h"
#include "imagefile/targa_header.h"

namespace trimlet {

namespace {

constexpr int kMaxTargaSide = 65535;  // the header's width and height are 16-bit words
constexpr int kMaxRun = 128;

void putWord(uint8_t* p, int value) {
  p[0] = static_cast<uint8_t>(value & 0xFF);
  p[1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

void appendPixel(const uint8_t* rgb, int channels, std::vector<uint8_t>* out) {
  out->push_back(rgb[2]);
  out->push_back(rgb[1]);
  out->push_back(rgb[0]);
  if (channels == 4) out->push_back(rgb[3]);
}

// One row as run packets of up to 128 equal pixels (header 128 + n - 1) and
// single-pixel raw packets (header 0). Packets never cross the row's end.
void appendRunLengthRow(const uint8_t* row, int width, int channels, std::vector<uint8_t>* out) {
  int x = 0;
  while (x < width) {
    const uint8_t* value = row + static_cast<size_t>(x) * channels;
    int n = 1;
    while (x + n < width && n < kMaxRun &&
           std::memcmp(value, row + static_cast<size_t>(x + n) * channels, channels) == 0)
      ++n;
    out->push_back(static_cast<uint8_t>(n == 1 ? 0 : 128 + n - 1));
    appendPixel(value, channels, out);
    x += n;
  }
}

}  // namespace

Status writeTarga(const std::string& path, const ImageView& image, bool runLength) {
  const int channels = image.channels();
  if (image.empty() || (channels != 3 && channels != 4))
    return Status::failure("The Targa writer takes images of three or four channels.");
  if (image.width() > kMaxTargaSide || image.height() > kMaxTargaSide)
    return Status::failure("A Targa file cannot hold an image of " + std::to_string(image.width()) +
                           " x " + std::to_string(image.height()) +
                           " pixels: width and height are limited to 65535.");

  uint8_t header[kTargaHeaderBytes] = {};
  header[2] = runLength ? 10 : 2;
  putWord(header + 12, image.width());
  putWord(header + 14, image.height());
  header[16] = channels == 4 ? 32 : 24;
  header[17] = channels == 4 ? 8 : 0;

  auto file = AtomicFile::open(path);
  if (!file) return file.status();
  FILE* out = file->stream();
  const Status writeFailed = Status::failure("The Targa file " + path + " cannot be written.");
  if (std::fwrite(header, 1, sizeof header, out) != sizeof header) return writeFailed;

  // Rows in buffer order: the bottom row first, matching the bottom-left origin.
  std::vector<uint8_t> bytes;
  bytes.reserve(image.rowBytes() + image.rowBytes() / 3 + 1);
  for (int y = 0; y < image.height(); ++y) {
    bytes.clear();
    const uint8_t* row = image.row(y);
    if (runLength) {
      appendRunLengthRow(row, image.width(), channels, &bytes);
    } else {
      for (int x = 0; x < image.width(); ++x)
        appendPixel(row + static_cast<size_t>(x) * channels, channels, &bytes);
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) return writeFailed;
  }
  return file->commit();
}

}  // namespace trimlet
