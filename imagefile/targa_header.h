#pragma once
// The Targa file header and the layout of what follows it.
//
// The 18-byte header, little-endian words:
//   0  1  identification field length (the field is skipped)
//   1  1  colour-map type: 0 none, 1 present
//   2  1  image type: 1 colour-mapped, 2 true-colour, 3 grey; 9, 10, 11 the
//         same run-length encoded
//   3  2  first colour-map entry index
//   5  2  colour-map length (entries)
//   7  1  colour-map entry size in bits
//   8  2  x origin, 10 2 y origin (not used)
//   12 2  width, 14 2 height
//   16 1  pixel depth in bits
//   17 1  image descriptor: bit 5 set = top row stored first; bits 0-3 the
//         attribute (alpha) bits; bit 4 (right to left) is not honoured
// Then the identification field, the colour map and the pixel data.
//
// Accepted combinations (anything else is refused with a reason):
//   types 1, 9   8-bit indices, a colour map of 15-, 16-, 24- or 32-bit
//                entries lying within indices 0-255
//   types 2, 10  15-, 16-, 24- or 32-bit pixels; a colour map, if present,
//                is skipped
//   types 3, 11  8-bit grey levels; a colour map, if present, is skipped
// parseTargaHeader also checks that the file is long enough for the colour
// map and for the smallest pixel data the image could have, so that a tiny
// file claiming a huge image is refused before any pixel memory is allocated.
// It reads only the first kTargaHeaderBytes bytes of `data`; `size` is the
// whole file's length (a header read passes the file's start alone).

#include <cstddef>
#include <cstdint>

#include "engine/result.h"

namespace trimlet {

constexpr size_t kTargaHeaderBytes = 18;

struct TargaHeader {
  int idLength = 0;
  int colourMapType = 0;
  int imageType = 0;
  int mapFirst = 0;
  int mapLength = 0;
  int mapEntryBits = 0;
  int width = 0;
  int height = 0;
  int pixelBits = 0;
  int descriptor = 0;

  // Positions in the file, set by parseTargaHeader.
  size_t mapOffset = 0;
  size_t pixelOffset = 0;

  bool runLength() const { return imageType >= 9; }
  bool colourMapped() const { return imageType == 1 || imageType == 9; }
  bool grey() const { return imageType == 3 || imageType == 11; }
  bool topRowFirst() const { return (descriptor & 0x20) != 0; }
  // Bytes of one pixel in the file: 1, 2, 3 or 4.
  int filePixelBytes() const { return (pixelBits + 7) / 8; }
  // Channels of the decoded image: 4 for 32-bit pixels, else 3.
  int outputChannels() const { return pixelBits == 32 ? 4 : 3; }
};

Result<TargaHeader> parseTargaHeader(const uint8_t* data, size_t size);

// Reasons shared by the Targa reader's parts.
extern const char kTargaTruncated[];

}  // namespace trimlet
