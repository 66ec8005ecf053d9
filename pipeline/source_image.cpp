#include "pipeline/source_image.h"

#include <utility>

#include "engine/image/pixel_layout.h"

namespace trimlet {

Result<SourceImage> readSourceImage(SourceFormat format, const std::string& path,
                                    const ReadOptions& options) {
  SourceImage source;
  auto read = readImageFileWithMetadata(format, path, &source.metadata, options);
  if (!read) return Result<SourceImage>::failure(read.reason());
  source.pixels = read.take();
  source.readerChannels = source.pixels.channels();
  if (source.readerChannels == 1) {
    auto rgb = expandGrey(source.pixels);
    if (!rgb) return Result<SourceImage>::failure(rgb.reason());
    source.pixels = rgb.take();
  }
  return source;
}

}  // namespace trimlet
