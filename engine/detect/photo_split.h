#pragma once
// Splitting a scanned page that holds several photographs: every separate
// foreground region of the filtered mask that is large enough becomes a photo
// of its own, with its own tilt, numbered in reading order.
//
// findPhotos
//   The mask is the background detector's (its tolerance, filter size, noise
//   threshold and whole select, against `background`); regions are its
//   8-connected components (region_labels.h); a region counts when it holds at
//   least `minPhotoPercent` percent of the page's pixels (page_regions.h).
//   Photos are numbered 1, 2, ... in reading order (reading_order.h). Each
//   carries its bounding box on the page (buffer coordinates, `top` the
//   smallest row index, inclusive) and its tilt reading (region_tilt.h);
//   tilt.degrees is the turn that straightens it. A page without such a
//   region gives an empty list.
// cutPhoto
//   The photo straightened and cut tight, with the page's channel count: the
//   photo's box, widened by a margin, is copied with everything outside its
//   rectangle (plus the margin) set to `background`, so that neighbours
//   reaching into the box are left out; it is turned by tilt.degrees
//   (turn.h: background `background`, alpha 0, edge blending over a black
//   background only; a tilt of 0 is not resampled) and cut to the rectangle
//   the detector finds on it. For a rectangular photo (verdict turned or
//   already straight) that rectangle is kept within the measured border
//   (tilt.border), turned upright and drawn in by the noise filter's growth
//   (turn.h), so the piece is the photo itself: neither the pixels the turn
//   blends with the bed nor the filter's extra pixel around the border. A
//   photo whose box reaches the page's edge is cut to what detection finds.
//   `pageBox`, when given, receives the box that was cut: on the page for a
//   photo that is not turned (tilt.degrees 0), so that the same box can be
//   cut from the file; for a turned photo the box on the turned piece.
// Failures (bad image, impossible setting, memory) give a reason and leave
// the page untouched; the detector is only read.

#include <cstdint>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/detect/region_tilt.h"
#include "engine/image/color.h"
#include "engine/image/image_buffer.h"
#include "engine/result.h"

namespace trimlet {

struct SplitOptions {
  double minPhotoPercent = 2.0;  // 0 .. 100
  double minFill = 0.85;         // 0 .. 1, see region_tilt.h
};

struct FoundPhoto {
  int number = 0;      // 1, 2, ... in reading order
  DetectedRect box;    // on the page
  int64_t pixels = 0;  // foreground pixels of the region
  TiltReading tilt;
};

Result<std::vector<FoundPhoto>> findPhotos(const ImageBuffer& page, Rgb background,
                                           const BackgroundDetector& parameters,
                                           const SplitOptions& options);

Result<ImageBuffer> cutPhoto(const ImageBuffer& page, const FoundPhoto& photo, Rgb background,
                             const BackgroundDetector& parameters, bool edgeBlending = true,
                             DetectedRect* pageBox = nullptr, int rotationWorkers = 2);

}  // namespace trimlet
