#pragma once
// The header of a JPEG file held in memory, read through libjpeg without
// decoding any picture data: size, components, coding and the metadata
// markers (see jpeg_metadata.h; checked by inspectMetadata).
//
// coefficientBytes is what the whole picture's DCT coefficients take in
// memory (a transform holds them all): 128 bytes per 8 x 8 block of every
// component. A fatal libjpeg error or a picture beyond imageSizeAllowed
// gives no header and a reason.

#include <cstddef>
#include <cstdint>

#include "engine/result.h"
#include "imagefile/image_metadata.h"

namespace trimlet {

struct JpegHeader {
  int32_t width = 0;
  int32_t height = 0;
  int components = 0;
  bool progressive = false;
  uint64_t coefficientBytes = 0;
  ImageMetadata metadata;
};

Result<JpegHeader> readJpegHeader(const uint8_t* bytes, size_t size);

}  // namespace trimlet
