#pragma once
// Metadata blocks and JPEG files for the tests: a minimal ICC profile, EXIF
// made with Exiv2 (orientation, camera, date, size, a thumbnail), an XMP
// packet, JPEG files made with libjpeg at a chosen subsampling with any
// markers, a decoder that upsamples block by block, and tag look-ups.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/image/image_buffer.h"

namespace trimlet::test {

using Bytes = std::vector<uint8_t>;

// A profile of `size` bytes (a multiple of 4, at least 168) for data of
// colour space `space` ("RGB ", "GRAY", "CMYK"): a white point tag, then
// noise ending in `seed` (libpng reads no iCCP chunk under 92 bytes).
Bytes iccProfile(const char* space, size_t size = 400, uint8_t seed = 0);

// Little-endian EXIF: Make "Trimlet test", Orientation (left out when 0),
// DateTimeOriginal, PixelX/YDimension 640 x 480 and a thumbnail.
Bytes exifBlock(int orientation);
// A numeric EXIF tag ("Exif.Photo.PixelXDimension"), nothing when absent.
std::optional<long> exifTag(const Bytes& tiff, const char* key);
bool hasThumbnail(const Bytes& tiff);

// An XMP packet with tiff:Orientation, exif:PixelXDimension 640 and a title.
std::string xmpPacket(int orientation);

struct JpegMarker {
  int code;  // 0xE1 for APP1 ...
  Bytes data;
};
JpegMarker exifMarker(const Bytes& tiff);
JpegMarker xmpMarker(const std::string& packet);

// `image` as a JPEG of quality 100 with luma sampling factors h x v (1x1
// 4:4:4, 2x1 4:2:2, 2x2 4:2:0; 0x0 grey from the red channel), the markers
// after the JFIF marker, then `profile` through jpeg_write_icc_profile.
Bytes jpegFile(const ImageBuffer& image, int h, int v, const std::vector<JpegMarker>& markers,
               const Bytes& profile = {}, bool progressive = false);

// Decodes to RGB without smoothed upsampling (block by block), bottom-up.
ImageBuffer decodeBlockwise(const Bytes& file);

// The part of `image` at x, y (from the top-left), width x height.
ImageBuffer cutOut(const ImageBuffer& image, int x, int y, int width, int height);

}  // namespace trimlet::test
