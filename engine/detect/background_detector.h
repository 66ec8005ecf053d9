#pragma once
// BackgroundDetector: which pixels differ from a background colour, a square
// noise filter over that decision, and the smallest rectangle holding every
// remaining foreground pixel, with the extreme points on its top, left and
// right sides (for the tilt estimate).
//
// Inputs and defaults
//   tolerance        0..100, default 20. A pixel is background when
//                    dR^2 + dG^2 + dB^2 < T, T = 9 x (1.275 x tolerance)^2 in
//                    double precision; tolerance 0 makes every pixel foreground.
//   filter size      odd, 1..49 (enforced by the callers), default 5. 1 = no filter.
//   noise threshold  default 7: a pixel stays foreground when at least this
//                    many mask pixels of its (size x size) window, clipped to
//                    the image, are foreground.
//   whole select     default off: the rectangle is the whole image, no scans.
// Coordinates are buffer coordinates (rows counted from the picture's bottom
// row); "top" is the smallest row index. The rectangle is inclusive. An image
// without foreground gives (0, 0, 0, 0). A scan that finds nothing leaves the
// hit point it would have set at its previous value.
//
// The filter counts with running sums, so its cost does not depend on the
// filter size; its result equals counting the whole window at every pixel.

#include <cstdint>
#include <vector>

#include "engine/image/color.h"
#include "engine/image/image_buffer.h"
#include "engine/result.h"

namespace trimlet {

struct DetectedRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const DetectedRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

class BackgroundDetector {
 public:
  void setTolerance(int tolerance) { tolerance_ = tolerance; }
  void setNoiseThreshold(int threshold) { noiseThreshold_ = threshold; }
  void setFilterSize(int size) { filterSize_ = size; }
  void setWholeSelect(bool on) { wholeSelect_ = on; }
  int tolerance() const { return tolerance_; }
  int noiseThreshold() const { return noiseThreshold_; }
  int filterSize() const { return filterSize_; }
  bool wholeSelect() const { return wholeSelect_; }

  // Examines the image (bytesPerPixel 4, or anything else meaning 3) and
  // stores the rectangle and hit points. Fails only when the masks cannot be
  // allocated or the size is not valid; the previous results then stay.
  Status detect(const uint8_t* pixels, int width, int height, int bytesPerPixel, Rgb background);
  // The same for a buffer, which must have three or four channels (a grey
  // buffer would be read past its end at three bytes a pixel).
  Status detect(const ImageBuffer& image, Rgb background);

  DetectedRect rectangle() const { return rect_; }
  int topHitColumn() const { return topHitColumn_; }
  int leftHitRow() const { return leftHitRow_; }
  int rightHitRow() const { return rightHitRow_; }

  // The tilt of the picture in degrees, from the last detection's rectangle
  // and hit points.
  float estimateTilt() const;

 private:
  int width_ = 0;
  int height_ = 0;
  int bytesPerPixel_ = 0;
  DetectedRect rect_;
  int topHitColumn_ = 0;
  int leftHitRow_ = 0;
  int rightHitRow_ = 0;
  int tolerance_ = 20;
  int noiseThreshold_ = 7;
  int filterSize_ = 5;
  bool wholeSelect_ = false;
};

// The building blocks, exposed for the tests and the benchmark.

// mask[i] = 1 (foreground) or 0 for each of the width x height pixels.
void computeForegroundMask(const uint8_t* pixels, int width, int height, int bytesPerPixel,
                           Rgb background, int tolerance, uint8_t* mask);
// out[i] = 1 when the window of filterSize around pixel i (clipped to the
// image) holds at least `threshold` foreground mask pixels. filterSize 1
// copies the mask.
Status filterNoise(const uint8_t* mask, int width, int height, int filterSize, int threshold,
                   uint8_t* out);

}  // namespace trimlet
