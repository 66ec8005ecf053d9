#pragma once
// The front half of straightening and splitting: the filtered foreground of a
// page as runs, its separate regions, those large enough to count and their
// outlines.
//
// A region counts when it holds at least `minPercent` percent of the page's
// pixels (rounded up to whole pixels; 0 keeps every region). The percentage
// must be a number from 0 to 100; anything else is refused with a reason, as
// are the failures of findForegroundRuns (bad image, memory) and a page on
// which more than 10000 regions count (noise let through by a minimum of
// nearly 0, not photographs).

#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/detect/foreground_runs.h"
#include "engine/detect/region_labels.h"
#include "engine/image/color.h"
#include "engine/image/image_buffer.h"
#include "engine/result.h"

namespace trimlet {

struct PageRegions {
  ForegroundRuns runs;
  RegionLabels labels;
  std::vector<int> chosen;              // indices into labels.regions, numbering order
  std::vector<RegionOutline> outlines;  // one per chosen region
};

Result<PageRegions> findPageRegions(const ImageBuffer& page, Rgb background,
                                    const BackgroundDetector& parameters, double minPercent);

// The smallest pixel count of a region that counts, or a failure for a
// percentage outside 0 .. 100.
Result<int64_t> minimumRegionPixels(int width, int height, double percent);

// A copy of the inclusive box of `image`, same channels. Fails when the box
// does not lie inside the image or memory runs out.
Result<ImageBuffer> copyBox(const ImageBuffer& image, const DetectedRect& box);

}  // namespace trimlet
