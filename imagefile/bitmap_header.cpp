#include "imagefile/bitmap_header.h"

#include <algorithm>
#include <string>

namespace trimlet {

const char kDibUnknownFormat[] = "Unknown DIB file format.";
const char kDibOutOfMemory[] = "Out of memory.";
const char kDibConversionError[] = "Image file conversion error.";

std::string dibOpenFailure(const std::string& path) {
  return "Failed to open DIB file " + path + ".\n";
}

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kCoreHeaderBytes = 12;
constexpr size_t kInfoHeaderBytes = 40;
// Resolutions whose ratio exceeds this describe no real device; such a header
// is taken as corrupt rather than handed on to whatever computes an aspect.
constexpr int64_t kMaxResolutionRatio = 1000;

uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t u32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
int32_t s32(const uint8_t* p) { return static_cast<int32_t>(u32(p)); }

bool knownHeaderSize(uint32_t size) {
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// A mask is usable when it is one contiguous run of bits within the pixel.
bool usableMask(uint32_t mask, int bitsPerPixel) {
  if (mask == 0) return false;
  if (bitsPerPixel == 16 && mask > 0xFFFF) return false;
  while ((mask & 1) == 0) mask >>= 1;
  return (mask & (mask + 1)) == 0;
}

bool depthAllowed(int bits, bool core) {
  switch (bits) {
    case 1:
    case 4:
    case 8:
    case 24: return true;
    case 2:
    case 16:
    case 32: return !core;
    default: return false;
  }
}

bool compressionAllowed(const BitmapInfo& info) {
  switch (info.compression) {
    case kBitmapUncompressed: return true;
    case kBitmapRle8: return info.bitsPerPixel == 8 && !info.topDown;
    case kBitmapRle4: return info.bitsPerPixel == 4 && !info.topDown;
    case kBitmapBitFields:
    case kBitmapAlphaBitFields: return info.bitsPerPixel == 16 || info.bitsPerPixel == 32;
    default: return false;
  }
}

Result<BitmapInfo> fail(const char* reason) { return Result<BitmapInfo>::failure(reason); }

}  // namespace

Result<BitmapInfo> parseBitmapHeaders(const uint8_t* data, size_t size) {
  size_t base = 0;
  bool fileHeader = false;
  uint32_t fileSize = 0;
  uint32_t dataOffset = 0;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    if (size < kFileHeaderBytes) return fail(kDibUnknownFormat);
    fileHeader = true;
    fileSize = u32(data + 2);
    dataOffset = u32(data + 10);
    base = kFileHeaderBytes;
  }
  if (size - base < 4) return fail(kDibUnknownFormat);
  const uint32_t headerSize = u32(data + base);
  if (!knownHeaderSize(headerSize) || size - base < headerSize) return fail(kDibUnknownFormat);
  const uint8_t* h = data + base;
  const bool core = headerSize == kCoreHeaderBytes;

  BitmapInfo info;
  int planes = 0;
  int64_t height = 0;
  uint32_t imageSize = 0, coloursUsed = 0;
  int32_t xResolution = 0, yResolution = 0;
  if (core) {
    info.width = u16(h + 4);
    height = u16(h + 6);
    planes = u16(h + 8);
    info.bitsPerPixel = u16(h + 10);
  } else {
    info.width = s32(h + 4);
    height = s32(h + 8);
    planes = u16(h + 12);
    info.bitsPerPixel = u16(h + 14);
    info.compression = u32(h + 16);
    imageSize = u32(h + 20);
    xResolution = s32(h + 24);
    yResolution = s32(h + 28);
    coloursUsed = u32(h + 32);
  }
  info.topDown = height < 0;
  info.height = height < 0 ? -height : height;
  if (planes != 1 || info.width < 1 || info.height < 1 || !depthAllowed(info.bitsPerPixel, core) ||
      !compressionAllowed(info))
    return fail(kDibUnknownFormat);
  if (xResolution > 0 && yResolution > 0 &&
      std::max(xResolution, yResolution) / std::min(xResolution, yResolution) > kMaxResolutionRatio)
    return fail(kDibUnknownFormat);

  // Masks: in the header from 52 bytes on, after a 40-byte header otherwise.
  size_t tableStart = base + headerSize;
  const bool bitFields =
      info.compression == kBitmapBitFields || info.compression == kBitmapAlphaBitFields;
  if (bitFields) {
    const uint8_t* m = h + kInfoHeaderBytes;
    if (headerSize == kInfoHeaderBytes) {
      const size_t maskBytes = info.compression == kBitmapAlphaBitFields ? 16 : 12;
      if (size - tableStart < maskBytes) return fail(kDibUnknownFormat);
      m = data + tableStart;
      tableStart += maskBytes;
    }
    for (int c = 0; c < 3; ++c) info.masks[c] = u32(m + 4 * c);
    for (uint32_t mask : info.masks)
      if (!usableMask(mask, info.bitsPerPixel)) return fail(kDibUnknownFormat);
  } else if (info.bitsPerPixel == 16) {
    info.masks[0] = 0x7C00;
    info.masks[1] = 0x03E0;
    info.masks[2] = 0x001F;
  } else if (info.bitsPerPixel == 32) {
    info.masks[0] = 0xFF0000;
    info.masks[1] = 0x00FF00;
    info.masks[2] = 0x0000FF;
  }

  // The colour table as declared must lie within the file.
  const size_t entryBytes = core ? 3 : 4;
  const size_t depthEntries = info.bitsPerPixel <= 8 ? size_t(1) << info.bitsPerPixel : 0;
  const size_t declared = (!core && coloursUsed != 0) ? coloursUsed : depthEntries;
  if (declared > (size - tableStart) / entryBytes) return fail(kDibUnknownFormat);

  info.pixelOffset = fileHeader ? dataOffset : tableStart + declared * entryBytes;
  if (info.pixelOffset > size) return fail(kDibConversionError);
  // Header fields that claim more bytes than the file has: it was cut short.
  if (fileHeader && fileSize > size) return fail(kDibConversionError);
  if (imageSize > size - info.pixelOffset) return fail(kDibConversionError);

  // The entries used: no more than the depth can index (and at most 256),
  // and none that would lie in the pixel data.
  size_t used = std::min(declared, depthEntries);
  if (fileHeader && info.pixelOffset > tableStart)
    used = std::min(used, (info.pixelOffset - tableStart) / entryBytes);
  info.palette.resize(used);
  const uint8_t* entry = data + tableStart;
  for (size_t i = 0; i < used; ++i, entry += entryBytes)
    info.palette[i] = BitmapRgb{entry[2], entry[1], entry[0]};
  return info;
}

}  // namespace trimlet
