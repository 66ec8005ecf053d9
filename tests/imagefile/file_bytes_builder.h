#pragma once
// Hand-built Targa and bitmap files for the reader tests and the fuzz seeds:
// every field set explicitly, so a test states exactly the bytes it feeds in.
// Header-only and free of the test framework.

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace trimlet::filebytes {

using Bytes = std::vector<uint8_t>;

inline void append(Bytes* out, const Bytes& more) {
  out->insert(out->end(), more.begin(), more.end());
}
inline void append(Bytes* out, std::initializer_list<uint8_t> more) {
  out->insert(out->end(), more.begin(), more.end());
}
inline void put16(Bytes* out, uint32_t v) {
  out->push_back(static_cast<uint8_t>(v));
  out->push_back(static_cast<uint8_t>(v >> 8));
}
inline void put32(Bytes* out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

// ---- Targa ----

struct TargaFields {
  int idLength = 0;
  int mapType = 0;
  int type = 2;
  int mapFirst = 0;
  int mapLength = 0;
  int mapBits = 0;
  int width = 1;
  int height = 1;
  int bits = 24;
  int descriptor = 0;
};

// The 18-byte header, then `id` (idLength bytes of 'i'), `map` and `pixels`.
inline Bytes targaFile(const TargaFields& f, const Bytes& map, const Bytes& pixels) {
  Bytes out;
  out.push_back(static_cast<uint8_t>(f.idLength));
  out.push_back(static_cast<uint8_t>(f.mapType));
  out.push_back(static_cast<uint8_t>(f.type));
  put16(&out, f.mapFirst);
  put16(&out, f.mapLength);
  out.push_back(static_cast<uint8_t>(f.mapBits));
  put16(&out, 0);
  put16(&out, 0);
  put16(&out, f.width);
  put16(&out, f.height);
  out.push_back(static_cast<uint8_t>(f.bits));
  out.push_back(static_cast<uint8_t>(f.descriptor));
  out.insert(out.end(), static_cast<size_t>(f.idLength), 'i');
  append(&out, map);
  append(&out, pixels);
  return out;
}

// ---- Windows bitmap ----

struct BitmapFields {
  bool fileHeader = true;
  uint32_t headerSize = 40;  // 12 (core), 40, 52, 56, 108 or 124
  int32_t width = 1;
  int32_t height = 1;  // negative: top row first
  uint16_t planes = 1;
  uint16_t bits = 24;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
  int32_t xResolution = 2835;
  int32_t yResolution = 2835;
  uint32_t coloursUsed = 0;
  // Red, green, blue (and alpha) masks: inside headers of 52 bytes and more,
  // after a 40-byte header otherwise (only when non-empty).
  std::vector<uint32_t> masks;
  // Colour table as red, green, blue triples (written blue first).
  std::vector<std::vector<uint8_t>> palette;
  Bytes pixels;             // the stored pixel data, rows padded by the caller
  int64_t dataOffset = -1;  // the file header's offset field; -1 computes it
  int64_t fileSize = -1;    // the file header's size field; -1 computes it
};

inline Bytes bitmapFile(const BitmapFields& f) {
  Bytes info;
  put32(&info, f.headerSize);
  if (f.headerSize == 12) {
    put16(&info, static_cast<uint32_t>(f.width));
    put16(&info, static_cast<uint32_t>(f.height));
    put16(&info, f.planes);
    put16(&info, f.bits);
  } else {
    put32(&info, static_cast<uint32_t>(f.width));
    put32(&info, static_cast<uint32_t>(f.height));
    put16(&info, f.planes);
    put16(&info, f.bits);
    put32(&info, f.compression);
    put32(&info, f.imageSize);
    put32(&info, static_cast<uint32_t>(f.xResolution));
    put32(&info, static_cast<uint32_t>(f.yResolution));
    put32(&info, f.coloursUsed);
    put32(&info, 0);  // colours important
    if (f.headerSize > 40 && f.headerSize <= 124) {
      for (size_t i = 0; i < 4; ++i) put32(&info, i < f.masks.size() ? f.masks[i] : 0);
      info.resize(f.headerSize, 0);  // the later fields are not read
    } else if (f.headerSize > 124) {
      // A size no reader knows: only the field itself says so.
    } else {
      for (uint32_t m : f.masks) put32(&info, m);
    }
  }
  for (const auto& c : f.palette) {
    append(&info, {c[2], c[1], c[0]});
    if (f.headerSize != 12) info.push_back(0);
  }
  Bytes out;
  if (f.fileHeader) {
    const size_t offset = f.dataOffset >= 0 ? static_cast<size_t>(f.dataOffset) : 14 + info.size();
    out = {'B', 'M'};
    put32(&out, static_cast<uint32_t>(f.fileSize >= 0 ? static_cast<size_t>(f.fileSize)
                                                      : 14 + info.size() + f.pixels.size()));
    put32(&out, 0);
    put32(&out, static_cast<uint32_t>(offset));
    append(&out, info);
    if (offset > out.size()) out.resize(offset, 0);
  } else {
    out = info;
  }
  append(&out, f.pixels);
  return out;
}

// `row` padded with zeros to a multiple of four bytes.
inline Bytes paddedRow(Bytes row) {
  row.resize((row.size() + 3) / 4 * 4, 0);
  return row;
}

}  // namespace trimlet::filebytes
