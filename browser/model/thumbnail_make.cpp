// The thumbnail of one image file.
#include "browser/model/thumbnail_make.h"

#include "browser/model/dib_rows.h"
#include "browser/model/thumbnail_reduced.h"
#include "browser/model/thumbnail_scale.h"
#include "imagefile/image_format.h"
#include "imagefile/jpeg_file.h"
#include "imagefile/orientation.h"

namespace trimlet {

Result<std::vector<uint8_t>> MakeJpegThumbnail(const std::string& path) {
  using R = Result<std::vector<uint8_t>>;
  int64_t storedWidth = 0, storedHeight = 0;
  int eighths = 8;
  ImageMetadata metadata;
  Result<ImageBuffer> image = readJpegReduced(
      path,
      [&](int32_t width, int32_t height) {
        storedWidth = width;
        storedHeight = height;
        eighths = ThumbnailEighths(width, height);
        return eighths;
      },
      &metadata);
  if (!image) return R::failure(image.reason());
  // Upright as readImageFile turns it.
  const int orientation =
      pixelsTurnedUpright(metadata, ReadOptions()) ? metadata.orientation : kOrientationNormal;
  if (orientation != kOrientationNormal) {
    Result<ImageBuffer> upright = applyExifOrientation(*image, orientation);
    if (!upright) return R::failure(upright.reason());
    *image = upright.take();
  }
  Result<DibRows> rows = ToDibRows(*image);
  image->reset();
  if (!rows) return R::failure(rows.reason());
  if (eighths == 8) return ScaleToThumbnail(*rows);

  const ReducedPicture picture = ReducedPictureOf(storedWidth, storedHeight, eighths, orientation);
  return ScaleReducedToThumbnail(*rows, picture);
}

Result<std::vector<uint8_t>> MakeThumbnail(const std::string& path) {
  using R = Result<std::vector<uint8_t>>;
  const SourceFormat format = sourceFormatOf(path);
  if (format == SourceFormat::kJpeg) return MakeJpegThumbnail(path);
  Result<ImageBuffer> image = readImageFile(format, path);
  if (!image) return R::failure(image.reason());
  Result<DibRows> rows = ToDibRows(*image);
  image->reset();
  if (!rows) return R::failure(rows.reason());
  return ScaleToThumbnail(*rows);
}

}  // namespace trimlet
