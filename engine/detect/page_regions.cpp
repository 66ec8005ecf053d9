// Regions of a page that count (page_regions.h).
#include "engine/detect/page_regions.h"

#include <cmath>
#include <cstring>
#include <new>
#include <string>

namespace trimlet {
namespace {

// More regions than this that count is not a page of photographs but noise
// let through by a minimum of (nearly) 0; refusing keeps time and memory in
// bounds.
constexpr size_t kMaxCountedRegions = 10000;

}  // namespace

Result<int64_t> minimumRegionPixels(int width, int height, double percent) {
  if (!(percent >= 0.0 && percent <= 100.0)) {
    return Result<int64_t>::failure("The minimum photo size must be a percentage from 0 to 100.");
  }
  const double pixels = double(width) * double(height) * percent / 100.0;
  return static_cast<int64_t>(std::ceil(pixels));
}

Result<PageRegions> findPageRegions(const ImageBuffer& page, Rgb background,
                                    const BackgroundDetector& parameters, double minPercent) {
  auto minimum = minimumRegionPixels(page.width(), page.height(), minPercent);
  if (!minimum) return Result<PageRegions>::failure(minimum.reason());
  auto runs = findForegroundRuns(page, background, parameters);
  if (!runs) return Result<PageRegions>::failure(runs.reason());
  auto labels = labelRegions(*runs);
  if (!labels) return Result<PageRegions>::failure(labels.reason());

  PageRegions out;
  try {
    for (size_t i = 0; i < labels->regions.size(); ++i) {
      if (labels->regions[i].pixels >= *minimum) out.chosen.push_back(int(i));
    }
  } catch (const std::bad_alloc&) {
    return Result<PageRegions>::failure("There is not enough memory to separate the regions.");
  }
  if (out.chosen.size() > kMaxCountedRegions) {
    return Result<PageRegions>::failure("More than " + std::to_string(kMaxCountedRegions) +
                                        " separate regions are large enough to count; raise the "
                                        "minimum size.");
  }
  auto outlines = outlinesOf(*runs, *labels, out.chosen);
  if (!outlines) return Result<PageRegions>::failure(outlines.reason());
  out.runs = runs.take();
  out.labels = labels.take();
  out.outlines = outlines.take();
  return out;
}

Result<ImageBuffer> copyBox(const ImageBuffer& image, const DetectedRect& box) {
  if (image.empty() || box.left < 0 || box.top < 0 || box.left > box.right ||
      box.top > box.bottom || box.right >= image.width() || box.bottom >= image.height()) {
    return Result<ImageBuffer>::failure("The region to cut out does not lie inside the image.");
  }
  auto out = ImageBuffer::create(int64_t(box.right) - box.left + 1,
                                 int64_t(box.bottom) - box.top + 1, image.channels());
  if (!out) return out;
  const size_t rowBytes = out->stride();
  for (int y = 0; y < out->height(); ++y) {
    std::memcpy(out->row(y), image.at(box.left, box.top + y), rowBytes);
  }
  return out;
}

}  // namespace trimlet
