// The manual cropping window's image work (see manual_crop_image.h).
#include "manualcrop/model/manual_crop_image.h"

#include <algorithm>
#include <utility>

#include "engine/geometry/rotate.h"
#include "engine/image/pixel_layout.h"
#include "imagefile/image_format.h"
#include "pipeline/crop_box.h"
#include "pipeline/region_copy.h"

namespace trimlet {

const char* const kSelectedAreaNotInImage = "Selected area is not part of an image.";

Result<ManualSource> loadManualSource(const std::string& path, bool upright) {
  const SourceFormat format = sourceFormatOf(path);
  ReadOptions options;
  options.applyOrientation = upright;
  ManualSource source;
  auto read = readImageFileWithMetadata(format, path, &source.metadata, options);
  if (!read) return Result<ManualSource>::failure(read.reason());
  source.fourChannel = read->channels() == 4;
  if (read->channels() == 1) {
    auto rgb = expandGrey(*read);
    if (!rgb) return Result<ManualSource>::failure(rgb.reason());
    source.pixels = rgb.take();
  } else {
    source.pixels = read.take();
  }
  auto four = widenToFour(source.pixels, source.fourChannel);
  if (!four) return Result<ManualSource>::failure(four.reason());
  source.four = four.take();
  return source;
}

Result<ImageBuffer> turnManualSource(const ManualSource& source, float degrees) {
  if (source.four.empty()) {
    auto four = widenToFour(source.pixels, source.fourChannel);
    if (!four) return four;
    return rotateImage(*four, static_cast<double>(degrees), 0, true);
  }
  return rotateImage(source.four, static_cast<double>(degrees), 0, true);
}

CutPlace cutPlace(int w, int h, int pw, int ph) {
  CutPlace place;
  if (pw - 2 < w && pw > 2) place.k = static_cast<float>(w) / static_cast<float>(pw - 2);
  if (ph - 2 < h && ph > 2) {
    const float kh = static_cast<float>(h) / static_cast<float>(ph - 2);
    if (kh > place.k) place.k = kh;
  }
  const int cx = pw / 2;
  const int cy = ph / 2;
  const int halfW = static_cast<int>(static_cast<float>(w) / place.k * 0.5f);
  const int halfH = static_cast<int>(static_cast<float>(h) / place.k * 0.5f);
  place.image = PictureRect{cx - halfW, cy - halfH, cx + halfW, cy + halfH};
  return place;
}

std::optional<PictureRect> cutRectangle(int w, int h, int pw, int ph, const PictureRect& s) {
  const CutPlace place = cutPlace(w, h, pw, ph);
  PictureRect cut = place.image;
  if (s.width() != 0 && s.height() != 0) {
    cut.left = std::max(s.left, place.image.left);
    cut.top = std::max(s.top, place.image.top);
    cut.right = std::min(s.right, place.image.right);
    cut.bottom = std::min(s.bottom, place.image.bottom);
  }
  if (cut.width() <= 0 || cut.height() <= 0) return std::nullopt;
  auto pixels = [&](int edge, int origin, int limit) {
    return std::clamp(static_cast<int>(static_cast<float>(edge - origin) * place.k), 0, limit);
  };
  PictureRect inImage{pixels(cut.left, place.image.left, w), pixels(cut.top, place.image.top, h),
                      pixels(cut.right, place.image.left, w),
                      pixels(cut.bottom, place.image.top, h)};
  if (inImage.width() <= 0 || inImage.height() <= 0) return std::nullopt;
  return inImage;
}

Result<ImageBuffer> cutOut(const ImageBuffer& turned, const PictureRect& cut, bool fourChannel) {
  const int h = turned.height();
  return copyRegion(turned, CropBox{cut.left, h - cut.bottom, cut.right, h - cut.top},
                    fourChannel && turned.channels() == 4 ? 4 : 3);
}

}  // namespace trimlet
