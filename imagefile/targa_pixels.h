#pragma once
// Decoding Targa pixel data into an ImageBuffer.
//
// File pixels (little-endian words):
//   8 bits      an index into the colour map (types 1, 9) or a grey level
//               (types 3, 11, through the grey map: entry i = (i, i, i))
//   15, 16 bits blue = (w & 31) * 8, green = ((w >> 5) & 31) * 8,
//               red = ((w >> 10) & 31) * 8; the attribute bit is dropped
//   24 bits     blue, green, red
//   32 bits     blue, green, red, alpha
// Colour-map entries use the same rules; an index expands to its entry's
// red, green and blue.
//
// Run-length packets: header h; h >= 128 is a run of h - 127 copies of the
// one pixel that follows, else a raw packet of h + 1 pixels. Every row starts
// with a new packet.
//
// decodeTargaPixels places file row i at buffer row i (bottom row stored
// first) or height - 1 - i (descriptor bit 5: top row first). It refuses,
// with a reason, packets that run past a row, data that ends early and
// indices the colour map does not hold; it never reads outside
// data[0, size) nor writes outside the image.

#include <cstddef>
#include <cstdint>

#include "engine/image/image_buffer.h"
#include "imagefile/targa_header.h"

namespace trimlet {

// Red, green, blue of the 256 possible indices; `present` marks the entries
// the map holds.
struct TargaColourMap {
  uint8_t rgb[256][3] = {};
  bool present[256] = {};
};

// One file pixel of `bits` bits to red, green, blue (and alpha for 32 bits).
void decodeTargaPixel(const uint8_t* in, int bits, uint8_t* out);

// The colour map of a colour-mapped image (read from the file) or the grey
// map of a grey image. `h` comes from parseTargaHeader, which checked that
// the map lies within the file.
TargaColourMap buildTargaColourMap(const TargaHeader& h, const uint8_t* data);

// `image` is h.width × h.height with h.outputChannels() channels; `map` is
// used for 8-bit images and ignored otherwise.
Status decodeTargaPixels(const TargaHeader& h, const TargaColourMap& map, const uint8_t* data,
                         size_t size, ImageBuffer* image);

}  // namespace trimlet
