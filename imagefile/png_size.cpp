// A PNG file's size and orientation from its chunks. See image_size.h.
//
// The chunks are walked by hand: libpng would have to inflate the whole
// picture to reach an eXIf chunk that follows it. The IHDR chunk is checked
// as libpng checks it (the reader refuses what fails here), and an eXIf
// chunk counts when libpng would keep it: the first one of at least two
// bytes that starts "II" or "MM" and whose checksum is right.
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/image/checked_size.h"
#include "imagefile/image_size.h"

namespace trimlet {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint32_t kLargestLength = 0x7FFFFFFFu;  // chunk lengths and sides
// libpng's limit for an ancillary chunk it holds in memory.
constexpr uint32_t kExifLimit = 8000000;
// Real files have a few dozen chunks besides their picture data, which
// encoders cut into pieces of 8 KiB or more; a walk this long is a file of
// empty chunks made to be slow, and ends with the orientation as stored.
constexpr int kChunkLimit = 1 << 20;

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

uint32_t bigEndian(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

bool readBytes(FILE* file, uint8_t* out, size_t count) {
  return std::fread(out, 1, count, file) == count;
}

// The checksum of a chunk's type and data against the four bytes after it.
bool checksumRight(const uint8_t* type, const uint8_t* data, size_t length, const uint8_t* crc) {
  uLong sum = crc32(0L, type, 4);
  sum = crc32(sum, data, static_cast<uInt>(length));
  return sum == bigEndian(crc);
}

bool depthAllowed(int colourType, int depth) {
  switch (colourType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6: return depth == 8 || depth == 16;
    default: return false;
  }
}

// The IHDR chunk, which must come first. Empty reason: *size is set.
std::string readHeaderChunk(FILE* file, ImageSize* size) {
  uint8_t chunk[8 + 13 + 4];
  if (!readBytes(file, chunk, sizeof chunk)) return "The PNG file is truncated.";
  if (bigEndian(chunk) != 13 || std::memcmp(chunk + 4, "IHDR", 4) != 0)
    return "The PNG file does not start with its IHDR chunk.";
  const uint8_t* data = chunk + 8;
  if (!checksumRight(chunk + 4, data, 13, data + 13)) return "IHDR: CRC error";
  const uint32_t width = bigEndian(data), height = bigEndian(data + 4);
  const int depth = data[8], colourType = data[9];
  // The library's own reason for any field it refuses.
  if (width == 0 || height == 0 || width > kLargestLength || height > kLargestLength ||
      !depthAllowed(colourType, depth) || data[10] != 0 || data[11] != 0 || data[12] > 1)
    return "Invalid IHDR data";
  std::string reason;
  if (!imageSizeAllowed(width, height, &reason)) return reason;
  size->width = static_cast<int32_t>(width);
  size->height = static_cast<int32_t>(height);
  return std::string();
}

// The first eXIf chunk libpng would keep, from the chunks after IHDR up to
// IEND. A chunk that claims more bytes than the file has left ends the walk
// (the reader fails on such a file; the size stands), as does kChunkLimit.
std::vector<uint8_t> findExif(FILE* file, long fileSize) {
  uint8_t head[8];
  for (int chunks = 0; chunks < kChunkLimit && readBytes(file, head, sizeof head); ++chunks) {
    const uint32_t length = bigEndian(head);
    const long position = std::ftell(file);
    if (length > kLargestLength || position < 0 || long(length) + 4 > fileSize - position) break;
    if (std::memcmp(head + 4, "IEND", 4) == 0) break;
    if (std::memcmp(head + 4, "eXIf", 4) == 0 && length >= 2 && length <= kExifLimit) {
      std::vector<uint8_t> data(size_t(length) + 4);
      if (!readBytes(file, data.data(), data.size())) break;
      const bool byteOrder = (data[0] == 'I' || data[0] == 'M') && data[1] == data[0];
      if (byteOrder && checksumRight(head + 4, data.data(), length, data.data() + length)) {
        data.resize(length);
        return data;
      }
      continue;
    }
    if (std::fseek(file, long(length) + 4, SEEK_CUR) != 0) break;
  }
  return {};
}

}  // namespace

Result<ImageSize> readPngSize(const std::string& path) {
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return Result<ImageSize>::failure("Cannot open the file " + path + ".");
  // Every read below is a few bytes followed by a jump: a small buffer keeps
  // a jump over a long chunk cheap and a run of short chunks in memory.
  std::setvbuf(file.get(), nullptr, _IOFBF, 1024);
  long fileSize = -1;
  if (std::fseek(file.get(), 0, SEEK_END) == 0) fileSize = std::ftell(file.get());
  if (fileSize < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0)
    return Result<ImageSize>::failure("Cannot open the file " + path + ".");

  uint8_t signature[sizeof kSignature];
  if (!readBytes(file.get(), signature, sizeof signature) ||
      std::memcmp(signature, kSignature, sizeof signature) != 0)
    return Result<ImageSize>::failure("The file is not a PNG file.");
  ImageSize size;
  const std::string reason = readHeaderChunk(file.get(), &size);
  if (!reason.empty()) return Result<ImageSize>::failure(reason);

  ImageMetadata metadata;
  metadata.exif = findExif(file.get(), fileSize);
  inspectMetadata(&metadata);
  size.orientation = metadata.orientation;
  return size;
}

}  // namespace trimlet
