#include "imagefile/targa_pixels.h"

#include <cstring>
#include <string>

namespace trimlet {

void decodeTargaPixel(const uint8_t* in, int bits, uint8_t* out) {
  switch (bits) {
    case 15:
    case 16: {
      const unsigned w = in[0] | (in[1] << 8);
      out[0] = static_cast<uint8_t>(((w >> 10) & 31) * 8);
      out[1] = static_cast<uint8_t>(((w >> 5) & 31) * 8);
      out[2] = static_cast<uint8_t>((w & 31) * 8);
      break;
    }
    case 24:
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
      break;
    case 32:
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
      out[3] = in[3];
      break;
    default: break;
  }
}

TargaColourMap buildTargaColourMap(const TargaHeader& h, const uint8_t* data) {
  TargaColourMap map;
  if (h.grey()) {
    for (int i = 0; i < 256; ++i) {
      map.rgb[i][0] = map.rgb[i][1] = map.rgb[i][2] = static_cast<uint8_t>(i);
      map.present[i] = true;
    }
  } else if (h.colourMapped()) {
    const int entryBytes = (h.mapEntryBits + 7) / 8;
    const uint8_t* entry = data + h.mapOffset;
    for (int i = 0; i < h.mapLength; ++i, entry += entryBytes) {
      uint8_t rgba[4];
      decodeTargaPixel(entry, h.mapEntryBits, rgba);
      std::memcpy(map.rgb[h.mapFirst + i], rgba, 3);
      map.present[h.mapFirst + i] = true;
    }
  }
  return map;
}

namespace {

const char kPacketPastRow[] = "A Targa run-length packet runs past the end of a row.";

// Converts file pixels to image pixels for one image.
class PixelConverter {
 public:
  PixelConverter(const TargaHeader& h, const TargaColourMap& map)
      : bits_(h.pixelBits), map_(map), indexed_(h.pixelBits == 8) {}

  // Converts `count` file pixels from `in` to `out`; false (with *reason)
  // when an index is not in the map.
  bool convert(const uint8_t* in, size_t count, int inBytes, int outBytes, uint8_t* out,
               std::string* reason) const {
    for (size_t i = 0; i < count; ++i, in += inBytes, out += outBytes) {
      if (indexed_) {
        if (!map_.present[*in]) {
          *reason = "A Targa pixel refers to colour-map entry " + std::to_string(*in) +
                    ", which the colour map does not hold.";
          return false;
        }
        std::memcpy(out, map_.rgb[*in], 3);
      } else {
        decodeTargaPixel(in, bits_, out);
      }
    }
    return true;
  }

 private:
  int bits_;
  const TargaColourMap& map_;
  bool indexed_;
};

}  // namespace

Status decodeTargaPixels(const TargaHeader& h, const TargaColourMap& map, const uint8_t* data,
                         size_t size, ImageBuffer* image) {
  const PixelConverter converter(h, map);
  const int inBytes = h.filePixelBytes();
  const int outBytes = h.outputChannels();
  const size_t width = static_cast<size_t>(h.width);
  size_t pos = h.pixelOffset;
  std::string reason;

  for (int i = 0; i < h.height; ++i) {
    uint8_t* row = image->row(h.topRowFirst() ? h.height - 1 - i : i);
    if (!h.runLength()) {
      // parseTargaHeader checked that the file holds every uncompressed row.
      if (!converter.convert(data + pos, width, inBytes, outBytes, row, &reason))
        return Status::failure(reason);
      pos += width * inBytes;
      continue;
    }
    size_t x = 0;
    while (x < width) {
      if (pos >= size) return Status::failure(kTargaTruncated);
      const int packet = data[pos++];
      const size_t count = static_cast<size_t>(packet & 0x7F) + 1;
      if (count > width - x) return Status::failure(kPacketPastRow);
      uint8_t* out = row + x * outBytes;
      if (packet & 0x80) {
        if (size - pos < static_cast<size_t>(inBytes)) return Status::failure(kTargaTruncated);
        if (!converter.convert(data + pos, 1, inBytes, outBytes, out, &reason))
          return Status::failure(reason);
        for (size_t k = 1; k < count; ++k) std::memcpy(out + k * outBytes, out, outBytes);
        pos += inBytes;
      } else {
        if ((size - pos) / inBytes < count) return Status::failure(kTargaTruncated);
        if (!converter.convert(data + pos, count, inBytes, outBytes, out, &reason))
          return Status::failure(reason);
        pos += count * inBytes;
      }
      x += count;
    }
  }
  return Status::success();
}

}  // namespace trimlet
