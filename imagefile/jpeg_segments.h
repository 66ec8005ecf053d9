#pragma once
// Metadata markers as bytes, for JPEG data that exists only as bytes (the
// lossless cut's): the same markers jpeg_metadata.h writes through libjpeg
// (APP1 "Exif\0\0" + EXIF, APP1 XMP header + packet, then the profile in
// APP2 chunks "ICC_PROFILE\0", sequence number, count, at most 65519 bytes
// each), and the place they go: after the start of image and the JFIF
// (APP0) markers that must come first.
//
// Blocks larger than one marker holds are skipped, as writeJpegMetadata
// does. An insertion point of 0 means the bytes do not start like a JPEG
// file.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "imagefile/image_metadata.h"

namespace trimlet {

std::vector<uint8_t> jpegMetadataSegments(const ImageMetadata& metadata);
size_t jpegMetadataInsertionPoint(const uint8_t* jpeg, size_t size);

}  // namespace trimlet
