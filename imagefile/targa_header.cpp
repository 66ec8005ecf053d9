#include "imagefile/targa_header.h"

#include <string>

#include "engine/image/checked_size.h"

namespace trimlet {

const char kTargaTruncated[] = "The Targa file is truncated.";

namespace {

int word(const uint8_t* p) { return p[0] | (p[1] << 8); }

bool validMapEntryBits(int bits) { return bits == 15 || bits == 16 || bits == 24 || bits == 32; }

Result<TargaHeader> fail(const std::string& reason) { return Result<TargaHeader>::failure(reason); }

// The fewest bytes the pixel data of `h` can occupy. Uncompressed rows hold
// every pixel. A run-length packet never crosses a row and yields at most
// 128 pixels, and the smallest packet is a header byte plus one pixel, so
// each row needs at least ceil(width / 128) packets of that size.
bool minimumPixelBytes(const TargaHeader& h, size_t* bytes) {
  const size_t pixel = static_cast<size_t>(h.filePixelBytes());
  const size_t width = static_cast<size_t>(h.width);
  const size_t height = static_cast<size_t>(h.height);
  size_t perRow = 0;
  if (h.runLength()) {
    if (!checkedMultiply((width + 127) / 128, pixel + 1, &perRow)) return false;
  } else if (!checkedMultiply(width, pixel, &perRow)) {
    return false;
  }
  return checkedMultiply(perRow, height, bytes);
}

}  // namespace

Result<TargaHeader> parseTargaHeader(const uint8_t* data, size_t size) {
  if (size < kTargaHeaderBytes) return fail(kTargaTruncated);
  TargaHeader h;
  h.idLength = data[0];
  h.colourMapType = data[1];
  h.imageType = data[2];
  h.mapFirst = word(data + 3);
  h.mapLength = word(data + 5);
  h.mapEntryBits = data[7];
  h.width = word(data + 12);
  h.height = word(data + 14);
  h.pixelBits = data[16];
  h.descriptor = data[17];

  switch (h.imageType) {
    case 1:
    case 2:
    case 3:
    case 9:
    case 10:
    case 11: break;
    default: return fail("Targa image type " + std::to_string(h.imageType) + " is not supported.");
  }
  if (h.colourMapType > 1)
    return fail("Targa colour-map type " + std::to_string(h.colourMapType) + " is not supported.");

  const bool trueColour = h.imageType == 2 || h.imageType == 10;
  const bool depthOk = trueColour ? (h.pixelBits == 15 || h.pixelBits == 16 || h.pixelBits == 24 ||
                                     h.pixelBits == 32)
                                  : h.pixelBits == 8;
  if (!depthOk)
    return fail("Targa images of type " + std::to_string(h.imageType) + " with " +
                std::to_string(h.pixelBits) + "-bit pixels are not supported.");

  if (h.colourMapped()) {
    if (h.colourMapType != 1 || h.mapLength == 0)
      return fail("The colour-mapped Targa image has no colour map.");
    if (!validMapEntryBits(h.mapEntryBits))
      return fail("Targa colour maps with " + std::to_string(h.mapEntryBits) +
                  "-bit entries are not supported.");
    if (h.mapFirst + h.mapLength > 256)
      return fail("The Targa colour map reaches beyond index 255.");
  }

  if (h.width == 0 || h.height == 0)
    return fail("The Targa image has no pixels (" + std::to_string(h.width) + " x " +
                std::to_string(h.height) + ").");

  // Every offset below is a sum of small 16-bit quantities: no overflow.
  const size_t mapBytes =
      h.colourMapType == 1 ? static_cast<size_t>(h.mapLength) * ((h.mapEntryBits + 7) / 8) : 0;
  h.mapOffset = kTargaHeaderBytes + static_cast<size_t>(h.idLength);
  h.pixelOffset = h.mapOffset + mapBytes;
  if (h.pixelOffset > size) return fail(kTargaTruncated);

  size_t needed = 0;
  if (!minimumPixelBytes(h, &needed) || needed > size - h.pixelOffset) return fail(kTargaTruncated);
  return h;
}

}  // namespace trimlet
