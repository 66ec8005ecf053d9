#pragma once
// Metadata blocks and JPEG files built for the tests without the code under
// test: a minimal ICC profile, EXIF as little-endian TIFF (orientation, a
// camera name, a date, sizes, a thumbnail), an XMP packet, JPEG files made
// with libjpeg at a chosen subsampling with any markers, a decoder that
// upsamples block by block, and a small EXIF tag reader to check results.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/image/image_buffer.h"

namespace trimlet::test {

using Bytes = std::vector<uint8_t>;

// A profile of `size` bytes (at least 168, a multiple of 4) for data of
// colour space `space` ("RGB ", "GRAY", "CMYK") with a white point tag and
// noise after it; the last byte is `seed` so profiles differ.
Bytes iccProfile(const char* space, size_t size = 400, uint8_t seed = 0);

// EXIF: IFD0 with Make "Trimlet test" and Orientation (left out when 0),
// the Exif IFD with DateTimeOriginal and PixelX/YDimension 640 x 480, and
// an IFD1 thumbnail of a few bytes.
Bytes exifBlock(int orientation);

// An XMP packet naming tiff:Orientation, exif:PixelXDimension and a title.
std::string xmpPacket(int orientation);

struct JpegMarker {
  int code;  // JPEG_APP0 + n
  Bytes data;
};
// APP1 markers of the usual headers around a block.
JpegMarker exifMarker(const Bytes& tiff);
JpegMarker xmpMarker(const std::string& packet);

// `image` (3 channels) as a baseline JPEG of quality 100 with luma sampling
// factors h x v (1x1 is 4:4:4, 2x1 4:2:2, 2x2 4:2:0; 0x0 writes grey), the
// markers after the JFIF marker and `profile` through jpeg_write_icc_profile.
Bytes jpegFile(const ImageBuffer& image, int h, int v, const std::vector<JpegMarker>& markers,
               const Bytes& profile = {}, bool progressive = false);

// Decodes with libjpeg block by block (no smoothed upsampling): RGB, bottom-up.
ImageBuffer decodeBlockwise(const Bytes& file);

// The value of a numeric tag in IFD0 (ifd 0), the Exif IFD (ifd 1) or IFD1
// (ifd 2) of little- or big-endian TIFF; nothing when absent.
std::optional<uint32_t> exifTag(const Bytes& tiff, int ifd, uint16_t tag);
// True when the TIFF has an IFD1 (a thumbnail directory).
bool hasThumbnailDirectory(const Bytes& tiff);

// The picture cut out of `image`: x, y from the top-left, rows bottom-up.
ImageBuffer cutOut(const ImageBuffer& image, int x, int y, int width, int height);

}  // namespace trimlet::test
