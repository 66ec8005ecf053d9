// The Targa reader: the whole file in memory, the header checked against the
// file's length before the pixels are allocated, then the rows decoded.
#include <vector>

#include "imagefile/targa_file.h"
#include "imagefile/targa_header.h"
#include "imagefile/targa_pixels.h"
#include "imagefile/whole_file.h"

namespace trimlet {

Result<ImageBuffer> decodeTarga(const uint8_t* data, size_t size) {
  if (!data) size = 0;
  auto header = parseTargaHeader(data, size);
  if (!header) return Result<ImageBuffer>::failure(header.reason());
  const TargaHeader& h = *header;

  auto image = ImageBuffer::create(h.width, h.height, h.outputChannels());
  if (!image) return image;
  const TargaColourMap map = buildTargaColourMap(h, data);
  const Status decoded = decodeTargaPixels(h, map, data, size, &*image);
  if (!decoded) return Result<ImageBuffer>::failure(decoded);
  return image;
}

Result<ImageBuffer> readTarga(const std::string& path) {
  std::vector<uint8_t> bytes;
  switch (readWholeFile(path, &bytes)) {
    case WholeFileStatus::kRead: break;
    case WholeFileStatus::kCannotOpen:
      return Result<ImageBuffer>::failure("The file " + path + " cannot be opened.");
    case WholeFileStatus::kOutOfMemory: return Result<ImageBuffer>::failure("Out of memory.");
  }
  return decodeTarga(bytes.data(), bytes.size());
}

}  // namespace trimlet
