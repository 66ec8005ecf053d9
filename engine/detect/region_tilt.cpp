// The tilt reading of region_tilt.h: hull, minimum-area rectangle, fill test,
// side fit, and the half-pixel rule.
#include "engine/detect/region_tilt.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "engine/detect/side_fit.h"

namespace trimlet {

const char* tiltVerdictText(TiltVerdict verdict) {
  switch (verdict) {
    case TiltVerdict::kTurned: return "tilted";
    case TiltVerdict::kStraight: return "already straight";
    case TiltVerdict::kNotRectangular: return "not rectangular enough";
    case TiltVerdict::kNothingToMeasure: return "nothing to measure";
  }
  return "nothing to measure";
}

Result<TiltReading> measureTilt(const RegionOutline& outline, const TiltOptions& options) {
  if (!(options.minFill >= 0.0 && options.minFill <= 1.0)) {
    return Result<TiltReading>::failure("The minimum fill must lie between 0 and 1.");
  }
  TiltReading reading;
  if (outline.rows.empty() || outline.spanArea <= 0) return reading;
  try {
    const std::vector<CornerPoint> hull = convexHull(outlineCorners(outline));
    const RotatedRect start = minimumAreaRect(hull);
    reading.rect = start;
    reading.border = start;
    reading.fill = start.area() > 0 ? std::min(1.0, double(outline.spanArea) / start.area()) : 0;
    if (reading.fill < options.minFill) {
      reading.verdict = TiltVerdict::kNotRectangular;
      return reading;
    }
    const SideFit fit = fitSides(outline, hull, start);
    reading.rect = fit.enclosing;
    reading.border = fit.border;
  } catch (const std::bad_alloc&) {
    return Result<TiltReading>::failure("There is not enough memory to measure the tilt.");
  }
  const RotatedRect& rect = reading.rect;
  const double drift =
      std::fabs(std::tan(rect.degrees / kDegreesPerRadian)) * std::max(rect.width, rect.height);
  if (drift < 0.5) {
    reading.verdict = TiltVerdict::kStraight;
    return reading;
  }
  reading.verdict = TiltVerdict::kTurned;
  reading.degrees = rect.degrees;
  return reading;
}

}  // namespace trimlet
