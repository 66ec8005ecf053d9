#pragma once
// What a result carries of its source's metadata, made ready for the
// writers (which embed the blocks they are given as they are).
//
// The EXIF is decoded and encoded again through Exiv2 with the result's
// width and height in PixelXDimension / PixelYDimension, Orientation 1 (the
// pixels are written upright, or as the user chose to handle them) and no
// thumbnail (it would show the uncut picture); the tags Exiv2 leaves out of
// compressed pictures are left out. The XMP keeps its own text unless it
// names an orientation or a size (tiff:Orientation, tiff:ImageWidth,
// tiff:ImageLength, exif:PixelXDimension, exif:PixelYDimension): those are
// set the same way and the packet is encoded again.
// The ICC profile is kept when it describes the result's pixels: a profile
// for red-green-blue data for results decoded and encoded again (the
// readers give RGB or grey pixels, the writers write RGB), any profile for
// the lossless cut (its pixels keep the source's colour space). Profiles
// whose header is not that of an ICC profile are left out.
// A JPEG marker holds 65533 bytes: EXIF larger than 65527 bytes, XMP larger
// than 65504 bytes and a profile of more than 255 markers' worth do not fit
// a JPEG result and are left out.
// Every block left out adds a warning to the returned record's warnings
// (the source's warnings are not repeated); orientation is 1.

#include <cstdint>

#include "imagefile/image_metadata.h"

namespace trimlet {

enum class MetadataTarget { kJpeg, kPng, kLosslessJpeg };

// Largest EXIF and XMP blocks one JPEG APP1 marker can hold.
constexpr size_t kJpegExifLimit = 65527;
constexpr size_t kJpegXmpLimit = 65504;
// Largest profile the 255 numbered APP2 chunks of a JPEG file can hold.
constexpr size_t kJpegIccLimit = size_t(255) * 65519;

ImageMetadata metadataForResult(const ImageMetadata& source, int32_t width, int32_t height,
                                MetadataTarget target);

}  // namespace trimlet
