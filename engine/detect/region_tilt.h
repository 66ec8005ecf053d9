#pragma once
// The tilt of a foreground region, for straightening scanned photographs.
//
// Unlike the corner-point estimate of BackgroundDetector::estimateTilt (kept
// for the manual window), this looks at the whole outline: the minimum-area
// rectangle of its convex hull (min_area_rect.h), sharpened by fitting the
// four sides (side_fit.h). Dust that is not part of the region and soft or
// ragged borders barely move it.
//
// The result `degrees` is the turn that straightens the region when given to
// rotateImage (rotate.h): positive when the region leans counter-clockwise as
// displayed, in (-45, 45]. It is 0, with the reason in `verdict`, when
//   - the outline is empty (nothing to measure);
//   - the region fills less than `minFill` of its rectangle (fill = the area
//     inside the outline along the rows / the rectangle's area): a round,
//     triangular or ragged shape has no tilt to speak of;
//   - turning would move the far end of the rectangle's longer side by less
//     than half a pixel (already straight), so an upright picture is never
//     resampled for nothing.

#include <string>

#include "engine/detect/min_area_rect.h"
#include "engine/detect/region_labels.h"
#include "engine/result.h"

namespace trimlet {

enum class TiltVerdict { kTurned, kStraight, kNotRectangular, kNothingToMeasure };

// A short English phrase for reports and help: "tilted", "already straight",
// "not rectangular enough", "nothing to measure".
const char* tiltVerdictText(TiltVerdict verdict);

struct TiltOptions {
  double minFill = 0.85;  // 0 .. 1
};

struct TiltReading {
  double degrees = 0;  // the straightening turn; 0 unless verdict is kTurned
  double fill = 0;     // 0 .. 1
  // The rectangle holding the whole outline, at the measured angle even when
  // `degrees` is 0; pixel-corner coordinates (min_area_rect.h).
  RotatedRect rect;
  // The same angle, its sides on the fitted border lines (side_fit.h): where
  // the picture's border runs in the filtered mask. Equals `rect` when the
  // region is not rectangular enough.
  RotatedRect border;
  TiltVerdict verdict = TiltVerdict::kNothingToMeasure;
};

// Fails on a minimum fill outside 0 .. 1 or when memory runs out.
Result<TiltReading> measureTilt(const RegionOutline& outline, const TiltOptions& options);

}  // namespace trimlet
