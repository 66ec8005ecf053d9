// Finding and cutting out the photographs of a page (photo_split.h).
#include "engine/detect/photo_split.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>

#include "engine/detect/page_regions.h"
#include "engine/detect/reading_order.h"
#include "engine/detect/turn.h"

namespace trimlet {
namespace {

// Room around the photo, so that the detector's noise filter sees the same
// neighbourhood of the photo's own pixels as on the page.
int marginFor(const BackgroundDetector& parameters) {
  return std::clamp(parameters.filterSize(), 1, 49) / 2 + 2;
}

// The photo's box widened by `margin`, kept inside the page.
DetectedRect widened(const DetectedRect& box, int margin, int width, int height) {
  return DetectedRect{std::max(0, box.left - margin), std::max(0, box.top - margin),
                      std::min(width - 1, box.right + margin),
                      std::min(height - 1, box.bottom + margin)};
}

// A copy of the area with the pixels whose centre lies outside the photo's
// rectangle grown by `margin` set to the background (alpha 0).
Result<ImageBuffer> isolate(const ImageBuffer& page, const DetectedRect& area,
                            const RotatedRect& rect, int margin, Rgb background) {
  auto piece = copyBox(page, area);
  if (!piece) return piece;
  if (!(rect.width > 0 && rect.height > 0)) return piece;  // no rectangle: keep all
  const int channels = piece->channels();
  const double radians = rect.degrees / kDegreesPerRadian;
  const double c = std::cos(radians), s = std::sin(radians);
  const double halfWidth = rect.width / 2 + margin, halfHeight = rect.height / 2 + margin;
  uint8_t fill[4];
  background.toPixel(fill, channels);
  for (int y = 0; y < piece->height(); ++y) {
    const double dy = area.top + y + 0.5 - rect.centerY;
    uint8_t* p = piece->row(y);
    for (int x = 0; x < piece->width(); ++x, p += channels) {
      const double dx = area.left + x + 0.5 - rect.centerX;
      const double u = dx * c + dy * s, v = -dx * s + dy * c;
      if (std::fabs(u) > halfWidth || std::fabs(v) > halfHeight) {
        std::copy(fill, fill + channels, p);
      }
    }
  }
  return piece;
}

// A photo running off the page is cut there by the page's edge, not by its
// own border, and the noise filter does not grow it at that edge.
bool touchesEdge(const DetectedRect& box, int width, int height) {
  return box.left <= 0 || box.top <= 0 || box.right >= width - 1 || box.bottom >= height - 1;
}

}  // namespace

Result<std::vector<FoundPhoto>> findPhotos(const ImageBuffer& page, Rgb background,
                                           const BackgroundDetector& parameters,
                                           const SplitOptions& options) {
  if (!(options.minFill >= 0.0 && options.minFill <= 1.0)) {
    return Result<std::vector<FoundPhoto>>::failure("The minimum fill must lie between 0 and 1.");
  }
  auto regions = findPageRegions(page, background, parameters, options.minPhotoPercent);
  if (!regions) return Result<std::vector<FoundPhoto>>::failure(regions.reason());
  const TiltOptions tiltOptions{options.minFill};
  std::vector<FoundPhoto> photos;
  std::vector<DetectedRect> boxes;
  try {
    for (size_t i = 0; i < regions->chosen.size(); ++i) {
      const ForegroundRegion& region = regions->labels.regions[size_t(regions->chosen[i])];
      auto tilt = measureTilt(regions->outlines[i], tiltOptions);
      if (!tilt) return Result<std::vector<FoundPhoto>>::failure(tilt.reason());
      FoundPhoto photo;
      photo.box = region.box;
      photo.pixels = region.pixels;
      photo.tilt = *tilt;
      photos.push_back(photo);
      boxes.push_back(region.box);
    }
    std::vector<FoundPhoto> ordered;
    ordered.reserve(photos.size());
    for (int index : readingOrder(boxes)) {
      ordered.push_back(photos[size_t(index)]);
      ordered.back().number = int(ordered.size());
    }
    return ordered;
  } catch (const std::bad_alloc&) {
    return Result<std::vector<FoundPhoto>>::failure(
        "There is not enough memory to separate the photos.");
  }
}

Result<ImageBuffer> cutPhoto(const ImageBuffer& page, const FoundPhoto& photo, Rgb background,
                             const BackgroundDetector& parameters, bool edgeBlending,
                             DetectedRect* pageBox, int rotationWorkers) {
  if (page.empty()) return Result<ImageBuffer>::failure("There is no image to cut from.");
  if (page.channels() != 3 && page.channels() != 4) {
    return Result<ImageBuffer>::failure("The image to cut from must have three or four channels.");
  }
  const int margin = marginFor(parameters);
  const DetectedRect area = widened(photo.box, margin, page.width(), page.height());
  auto isolated = isolate(page, area, photo.tilt.rect, margin, background);
  if (!isolated) return isolated;
  auto back = photo.tilt.degrees != 0.0 ? turnImage(*isolated, photo.tilt.degrees, background,
                                                    edgeBlending, rotationWorkers)
                                        : std::move(isolated);
  if (!back) return back;
  BackgroundDetector detector = parameters;
  Status found = detector.detect(*back, background);
  if (!found) return Result<ImageBuffer>::failure(found);
  DetectedRect box = detector.rectangle();
  const TiltVerdict verdict = photo.tilt.verdict;
  const bool measured = verdict == TiltVerdict::kTurned || verdict == TiltVerdict::kStraight;
  if (measured && !touchesEdge(photo.box, page.width(), page.height())) {
    // The measured border, in the piece's coordinates, where the turn put it.
    RotatedRect border = photo.tilt.border;
    border.centerX -= area.left;
    border.centerY -= area.top;
    const DetectedRect measured = turnedBorderBox(
        border, area.right - area.left + 1, area.bottom - area.top + 1, photo.tilt.degrees,
        filterGrowth(parameters), back->width(), back->height());
    box = clipToBorder(box, measured);
  }
  if (pageBox) {
    *pageBox = box;
    if (photo.tilt.degrees == 0.0) {
      *pageBox = DetectedRect{box.left + area.left, box.top + area.top, box.right + area.left,
                              box.bottom + area.top};
    }
  }
  return copyBox(*back, box);
}

}  // namespace trimlet
