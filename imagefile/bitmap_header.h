#pragma once
// Windows bitmap headers: what the pixel decoders need to know, read from the
// optional 14-byte file header and the info header that follows.
//
// File header (optional, when the file starts with "BM"):
//   0 "BM", 2 file size, 6 reserved, 10 offset of the pixel data.
// Info headers, by their size (the first 4 bytes):
//   12        core header: 16-bit width and height, planes, bits per pixel;
//             colour table of 3-byte blue-green-red entries, 2^bits entries
//             (fewer when the pixel data starts sooner)
//   40        info header: 32-bit width, height (negative: top row first),
//             planes, bits, compression, image size, resolutions, colours
//             used; 4-byte blue-green-red-reserved colour-table entries
//   52, 56,   the info header followed by the red, green, blue (and alpha)
//   108, 124  masks and fields this reader does not use
// Without a file header the pixel data follows the header, the masks (a
// 40-byte header with bit fields) and the colour table.
//
// Accepted: planes 1; bits 1, 2, 4, 8, 24 (core) and also 16, 32 (info);
// compression 0 (none), 1 (8-bit run-length), 2 (4-bit run-length), 3 and 6
// (bit fields, 16 and 32 bits; alpha is not kept). Colour-table length: the
// colours-used field when non-zero, else 2^bits for up to 8 bits, else 0; at
// most 256 entries are used. parseBitmapHeaders also refuses headers that
// contradict the file: a colour table, image size or file size that reaches
// beyond its end, and nonsensical resolutions.
// It reads no byte of `data` at or past kBitmapHeaderSpan (the file header,
// the largest info header, then 256 four-byte colour-table entries; masks
// after a 40-byte header end well before); `size` is the whole file's
// length (a header read passes the file's start alone).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/result.h"

namespace trimlet {

constexpr size_t kBitmapHeaderSpan = 14 + 124 + 256 * 4;

// The reader's failure reasons.
extern const char kDibUnknownFormat[];    // "Unknown DIB file format."
extern const char kDibOutOfMemory[];      // "Out of memory."
extern const char kDibConversionError[];  // "Image file conversion error."
// "Failed to open DIB file %s.\n" with the path for %s.
std::string dibOpenFailure(const std::string& path);

enum BitmapCompression : uint32_t {
  kBitmapUncompressed = 0,
  kBitmapRle8 = 1,
  kBitmapRle4 = 2,
  kBitmapBitFields = 3,
  kBitmapAlphaBitFields = 6,
};

struct BitmapRgb {
  uint8_t red, green, blue;
};

struct BitmapInfo {
  int64_t width = 0;
  int64_t height = 0;    // always positive
  bool topDown = false;  // the first stored row is the top row
  int bitsPerPixel = 0;
  uint32_t compression = kBitmapUncompressed;
  // Red, green, blue masks of 16- and 32-bit pixels (defaults filled in for
  // uncompressed files: 5-5-5 and 8-8-8).
  uint32_t masks[3] = {0, 0, 0};
  std::vector<BitmapRgb> palette;  // at most 256 entries
  size_t pixelOffset = 0;          // first byte of the pixel data in the file
};

Result<BitmapInfo> parseBitmapHeaders(const uint8_t* data, size_t size);

}  // namespace trimlet
