#pragma once
// The filtered foreground mask of the background detector, held as runs: for
// each buffer row, the stretches of consecutive foreground pixels, left to
// right. Region labelling, outlines and tilt work on runs rather than on a
// whole mask; a scanned page is mostly background, so runs are small.
//
// Layout: row y (buffer row, 0 = the picture's bottom row) owns the runs
// runs[rowStart[y]] .. runs[rowStart[y + 1] - 1]; rowStart has height + 1
// entries. A run's columns are inclusive and runs of a row never touch.
// Limits: as ImageBuffer (width x height x 4 below 2^31), so run indices fit
// in 32 bits. Failure: an invalid size, a buffer of other than 3 or 4
// channels, or memory running out give a reason; nothing is kept.

#include <cstdint>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/image/color.h"
#include "engine/image/image_buffer.h"
#include "engine/result.h"

namespace trimlet {

struct ForegroundRun {
  int32_t first = 0;  // first foreground column
  int32_t last = 0;   // last foreground column
};

struct ForegroundRuns {
  int width = 0;
  int height = 0;
  std::vector<ForegroundRun> runs;
  std::vector<int32_t> rowStart;
};

// The runs of the mask that `parameters` (tolerance, filter size, noise
// threshold, whole select) would build for `image` against `background`; the
// detector itself is only read. With whole select on, every pixel counts as
// foreground, as the detector's rectangle is then the whole image.
Result<ForegroundRuns> findForegroundRuns(const ImageBuffer& image, Rgb background,
                                          const BackgroundDetector& parameters);

// The runs of a plain width x height mask (1 foreground, 0 background).
Result<ForegroundRuns> runsOfMask(const uint8_t* mask, int width, int height);

// The smallest rectangle holding every run, in the detector's convention
// (top the smallest row index, inclusive); (0, 0, 0, 0) without runs. It
// equals the detector's rectangle for the same mask.
DetectedRect boundingBoxOf(const ForegroundRuns& runs);

}  // namespace trimlet
