#pragma once
// Straightening the foreground of one image: measure its tilt, turn the image
// by it and find where the foreground went, so that cutting out the box gives
// the picture straight and cut tight.
//
// measureForegroundTilt
//   The tilt (region_tilt.h) of the regions of the detector's filtered mask
//   that hold at least `minRegionPercent` percent of the image, taken
//   together; smaller regions (dust, specks) are left out. Without such a
//   region the verdict is "nothing to measure" and the angle 0.
// straightenForeground
//   With a tilt of 0 the image is left as it is: `image` is a copy of the
//   source and `box` the detector's rectangle on it, exactly what detection
//   alone gives. Otherwise the image is turned by the tilt (turn.h: the
//   uncovered corners `background`, alpha 0, edge blending over a black
//   background only) and `box` is where the turn puts the measured picture:
//   its border turned upright and drawn in by the noise filter's growth
//   (turn.h), or, for a picture running off the image, its pixels. Like a
//   split, a turned picture leaves out the regions too small to count
//   (specks the filter kept, small marks); it is the picture that is
//   straightened and cut.
//   The box is not found by detecting again on the turned image: the turn
//   spreads every one- or two-pixel speck of the bed into a blot of nine
//   that the noise filter keeps, and blends the picture's border with the
//   bed, so such a box would reach out to specks all over the page.
//   The detector supplies the parameters (tolerance, filter size, noise
//   threshold, whole select) and is only read.
// Failures (bad image, impossible setting, memory) give a reason; the source
// is never changed.

#include "engine/detect/background_detector.h"
#include "engine/detect/region_tilt.h"
#include "engine/image/color.h"
#include "engine/image/image_buffer.h"
#include "engine/result.h"

namespace trimlet {

struct StraightenOptions {
  double minRegionPercent = 2.0;  // 0 .. 100
  double minFill = 0.85;          // 0 .. 1
  bool edgeBlending = true;
  int rotationWorkers = 2;  // threads the turn may use (turn.h)
};

struct Straightened {
  ImageBuffer image;  // the image `box` refers to, channels as the source
  DetectedRect box;   // detector convention: buffer rows, inclusive
  TiltReading tilt;   // tilt.degrees is the turn applied
};

Result<TiltReading> measureForegroundTilt(const ImageBuffer& image, Rgb background,
                                          const BackgroundDetector& parameters,
                                          const StraightenOptions& options);

Result<Straightened> straightenForeground(const ImageBuffer& image, Rgb background,
                                          const BackgroundDetector& parameters,
                                          const StraightenOptions& options);

}  // namespace trimlet
