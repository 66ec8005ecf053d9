#pragma once
// Turning an image by a measured tilt, for straightening: the rotation engine
// (rotate.h) on the image widened to four bytes a pixel, the uncovered
// corners filled with `background` (alpha 0), and the result brought back to
// the image's channel count (3, or 4 keeping each pixel's alpha).
//
// Edge blending: the rotation engine blends the outermost pixels of every
// line with black, which is right over the black background the manual
// window uses but would draw a dark line around the turned image over any
// other background, a line detection would then take for foreground. So it
// is applied only when `background` is black; the outermost pixels of a scan
// are bed, not picture, so nothing visible is lost without it.
//
// maxWorkers: the threads the rotation may use (rotate_workers.h); 1 keeps
// it on the calling thread, as a batch running one job per core wants. The
// bytes are the same either way.
//
// Fails (with a reason) on an image of other than 3 or 4 channels, a
// non-finite angle, or when memory runs out; the image is left untouched.

#include "engine/detect/background_detector.h"
#include "engine/detect/min_area_rect.h"
#include "engine/image/color.h"
#include "engine/image/image_buffer.h"
#include "engine/result.h"

namespace trimlet {

Result<ImageBuffer> turnImage(const ImageBuffer& image, double degrees, Rgb background,
                              bool edgeBlending, int maxWorkers = 2);

// Where the point (x, y) of a width x height image (pixel-corner coordinates,
// min_area_rect.h) lands in the image that turnImage makes of it, for
// degrees in (-45, 45] (no quarter turn). The rotation's three shears move
// each line by an offset that is linear in its position; composed, they are a
// rotation plus a shift, which this follows to a small fraction of a pixel.
void turnedPosition(int width, int height, double degrees, double x, double y, double* outX,
                    double* outY);

// How far the detector's noise filter moves a long straight border outward:
// a pixel d pixels beyond it keeps about (r + 1/2 - d)(2r + 1) foreground
// neighbours in its window (r = filter size / 2), so the border grows by
// r + 1/2 - threshold / (2r + 1) (shrinks when that is negative). 0 without a
// filter.
double filterGrowth(const BackgroundDetector& parameters);

// The pixels of the turned image whose centres lie inside `border` (measured
// on the unturned width x height image) once turned by `degrees` (0: not
// turned) and shrunk by `inset` on every side; `degrees` should be the
// border's own angle, so that it comes out upright. Clipped to the turned
// image (turnedWidth x turnedHeight); an empty result has left > right or
// top > bottom.
DetectedRect turnedBorderBox(const RotatedRect& border, int width, int height, double degrees,
                             double inset, int turnedWidth, int turnedHeight);

// The detected box with each side that lies outside `border` moved onto it:
// detection on a turned image counts the pixels that the turn blends with
// the bed along the picture's border, the measured border does not. An empty
// border, or one that would leave nothing, leaves the box as it is.
DetectedRect clipToBorder(const DetectedRect& detected, const DetectedRect& border);

// The turn as the affine map it is: (x, y) goes to
// (xx x + xy y + x0, yx x + yy y + y0), as turnedPosition.
struct TurnMap {
  double xx = 1, xy = 0, x0 = 0, yx = 0, yy = 1, y0 = 0;
  void apply(double x, double y, double* outX, double* outY) const {
    *outX = xx * x + xy * y + x0;
    *outY = yx * x + yy * y + y0;
  }
};
TurnMap turnMap(int width, int height, double degrees);

// The pixels whose centres lie inside the box spanned by the turned points
// (minX .. maxX, minY .. maxY), clipped to a width x height image.
DetectedRect pixelsWithin(double minX, double minY, double maxX, double maxY, int width,
                          int height);
}  // namespace trimlet
