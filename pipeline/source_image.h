#pragma once
// Reading the image a road starts from: the reader of its format, grey
// widened to three bytes a pixel. The number of channels the reader gave
// travels beside it (it decides whether the result keeps its alpha).

#include <string>

#include "engine/image/image_buffer.h"
#include "engine/result.h"
#include "imagefile/image_format.h"

namespace trimlet {

struct SourceImage {
  ImageBuffer pixels;     // 3 or 4 channels
  int readerChannels = 0;  // 1, 3 or 4
};

Result<SourceImage> readSourceImage(SourceFormat format, const std::string& path);

}  // namespace trimlet
