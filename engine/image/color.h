#pragma once
// Colours given by the user: three components 0-255.
//
// Packed form (colour dialogs, swatches, the rotation background): red in the
// low byte, then green, then blue, the high byte 0 (0x00BBGGRR). Read as a
// four-byte pixel (red, green, blue, alpha) that is the colour with alpha 0,
// which is how user colours are written into four-channel pixels.

#include <cstdint>

namespace trimlet {

struct Rgb {
  int red = 255;
  int green = 255;
  int blue = 255;

  uint32_t packed() const {
    return static_cast<uint32_t>(red & 0xFF) | (static_cast<uint32_t>(green & 0xFF) << 8) |
           (static_cast<uint32_t>(blue & 0xFF) << 16);
  }
  static Rgb fromPacked(uint32_t value) {
    return Rgb{static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
               static_cast<int>((value >> 16) & 0xFF)};
  }
  // The colour as pixel bytes: red, green, blue and, for four channels, alpha 0.
  void toPixel(uint8_t* out, int channels) const {
    out[0] = static_cast<uint8_t>(red);
    out[1] = static_cast<uint8_t>(green);
    out[2] = static_cast<uint8_t>(blue);
    if (channels == 4) out[3] = 0;
  }
  bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};

}  // namespace trimlet
