#pragma once
// Reading the image a road starts from: the reader of its format, grey
// widened to three bytes a pixel, turned upright by its EXIF orientation
// unless `options` says otherwise. The number of channels the reader gave
// travels beside it (it decides whether the result keeps its alpha), and so
// does the file's metadata (image_metadata.h: colour profile, EXIF, XMP,
// the stored orientation, warnings for blocks that could not be read), which
// a JPEG or PNG result carries on.

#include <string>

#include "engine/image/image_buffer.h"
#include "engine/result.h"
#include "imagefile/image_format.h"

namespace trimlet {

struct SourceImage {
  ImageBuffer pixels;      // 3 or 4 channels
  int readerChannels = 0;  // 1, 3 or 4
  ImageMetadata metadata;
};

Result<SourceImage> readSourceImage(SourceFormat format, const std::string& path,
                                    const ReadOptions& options = ReadOptions());

}  // namespace trimlet
