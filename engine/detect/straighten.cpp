// Straightening one image's foreground (straighten.h).
#include "engine/detect/straighten.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <utility>
#include <vector>

#include "engine/detect/page_regions.h"
#include "engine/detect/turn.h"

namespace trimlet {
namespace {

// The regions of the first detection and the tilt of those that count.
struct Measured {
  PageRegions regions;
  TiltReading tilt;
  bool atEdge = false;  // the measured regions reach the image's edge
};

// Whether the outline reaches the edge of a width x height image: a picture
// running off the image is cut there by the edge, not by its own border.
bool reachesEdge(const RegionOutline& outline, int width, int height) {
  if (outline.rows.empty()) return false;
  if (outline.rows.front().y <= 0 || outline.rows.back().y >= height - 1) return true;
  for (const OutlineRow& row : outline.rows) {
    if (row.first <= 0 || row.last >= width - 1) return true;
  }
  return false;
}

Result<Measured> measure(const ImageBuffer& image, Rgb background,
                         const BackgroundDetector& parameters, const StraightenOptions& options) {
  auto regions = findPageRegions(image, background, parameters, options.minRegionPercent);
  if (!regions) return Result<Measured>::failure(regions.reason());
  auto joined = joinOutlines(regions->outlines);
  if (!joined) return Result<Measured>::failure(joined.reason());
  auto tilt = measureTilt(*joined, TiltOptions{options.minFill});
  if (!tilt) return Result<Measured>::failure(tilt.reason());
  const bool atEdge = reachesEdge(*joined, image.width(), image.height());
  return Measured{regions.take(), *tilt, atEdge};
}

// Where the turn puts the measured picture: its border drawn in by the
// filter's growth, or, when it runs off the image (where its edge was not
// grown), the pixels of its regions.
DetectedRect turnedPicture(const Measured& measured, const BackgroundDetector& parameters,
                           int width, int height, const ImageBuffer& turned) {
  const double degrees = measured.tilt.degrees;
  if (!measured.atEdge) {
    return turnedBorderBox(measured.tilt.border, width, height, degrees, filterGrowth(parameters),
                           turned.width(), turned.height());
  }
  const PageRegions& regions = measured.regions;
  std::vector<bool> counted(regions.labels.regions.size(), false);
  for (int id : regions.chosen) counted[size_t(id)] = true;
  double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
  // The turn is affine, so a run's turned pixels lie within its four turned
  // corners.
  const TurnMap map = turnMap(width, height, degrees);
  const ForegroundRuns& runs = regions.runs;
  for (int y = 0; y < runs.height; ++y) {
    for (int32_t r = runs.rowStart[size_t(y)]; r < runs.rowStart[size_t(y) + 1]; ++r) {
      if (!counted[size_t(regions.labels.regionOfRun[size_t(r)])]) continue;
      const ForegroundRun& run = runs.runs[size_t(r)];
      for (int corner = 0; corner < 4; ++corner) {
        double x = 0, turnedY = 0;
        map.apply(corner & 1 ? run.last + 1.0 : double(run.first), y + (corner & 2 ? 1.0 : 0.0), &x,
                  &turnedY);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, turnedY);
        maxY = std::max(maxY, turnedY);
      }
    }
  }
  if (minX > maxX) return DetectedRect{};
  return pixelsWithin(minX, minY, maxX, maxY, turned.width(), turned.height());
}

}  // namespace

Result<TiltReading> measureForegroundTilt(const ImageBuffer& image, Rgb background,
                                          const BackgroundDetector& parameters,
                                          const StraightenOptions& options) {
  auto measured = measure(image, background, parameters, options);
  if (!measured) return Result<TiltReading>::failure(measured.reason());
  return measured->tilt;
}

Result<Straightened> straightenForeground(const ImageBuffer& image, Rgb background,
                                          const BackgroundDetector& parameters,
                                          const StraightenOptions& options) {
  auto measured = measure(image, background, parameters, options);
  if (!measured) return Result<Straightened>::failure(measured.reason());
  Straightened out;
  out.tilt = measured->tilt;
  if (out.tilt.degrees == 0.0) {
    auto copy = image.clone();
    if (!copy) return Result<Straightened>::failure(copy.reason());
    out.image = copy.take();
    out.box = boundingBoxOf(measured->regions.runs);
    return out;
  }
  auto turned =
      turnImage(image, out.tilt.degrees, background, options.edgeBlending, options.rotationWorkers);
  if (!turned) return Result<Straightened>::failure(turned.reason());
  try {
    out.box = turnedPicture(*measured, parameters, image.width(), image.height(), *turned);
  } catch (const std::bad_alloc&) {
    return Result<Straightened>::failure("There is not enough memory to straighten the image.");
  }
  out.image = turned.take();
  return out;
}

}  // namespace trimlet
