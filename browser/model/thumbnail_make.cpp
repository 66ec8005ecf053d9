// The thumbnail of one image file.
#include "browser/model/thumbnail_make.h"

#include "browser/model/dib_rows.h"
#include "browser/model/thumbnail_scale.h"
#include "imagefile/image_format.h"

namespace trimlet {

Result<std::vector<uint8_t>> MakeThumbnail(const std::string& path) {
  using R = Result<std::vector<uint8_t>>;
  Result<ImageBuffer> image = readImageFile(sourceFormatOf(path), path);
  if (!image) return R::failure(image.reason());
  Result<DibRows> rows = ToDibRows(*image);
  image->reset();
  if (!rows) return R::failure(rows.reason());
  return ScaleToThumbnail(*rows);
}

}  // namespace trimlet
