#pragma once
// Separate foreground regions: the 8-connected components of the filtered
// mask, found on its runs (foreground_runs.h) in two passes. The first joins
// each run to the runs of the row below that touch it (overlap, or meet at a
// corner) with a union-find over run indices; the second numbers the sets.
// No recursion and no per-pixel label map, so a 12-megapixel page costs a
// walk over its runs.
//
// Numbering: regions are numbered 0, 1, ... in the order of their first run
// (lowest buffer row first, then leftmost), which is deterministic.
// Boxes follow the detector's convention: buffer coordinates, top the
// smallest row index, all bounds inclusive.
// Failure: memory running out gives a reason.

#include <cstdint>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/detect/foreground_runs.h"
#include "engine/result.h"

namespace trimlet {

struct ForegroundRegion {
  int64_t pixels = 0;  // foreground pixels of the region
  DetectedRect box;
};

struct RegionLabels {
  std::vector<int32_t> regionOfRun;  // one entry per run
  std::vector<ForegroundRegion> regions;
};

Result<RegionLabels> labelRegions(const ForegroundRuns& runs);

// A region's outline row by row: each row's first and last foreground column.
struct OutlineRow {
  int32_t y = 0;
  int32_t first = 0;
  int32_t last = 0;
};
struct RegionOutline {
  std::vector<OutlineRow> rows;  // increasing y, each row once
  // The pixels from first to last column of every row, holes included: the
  // area inside the outline as seen along the rows.
  int64_t spanArea = 0;
};

// The outlines of the regions named in `chosen` (indices into
// labels.regions), in that order, from one walk over the runs.
Result<std::vector<RegionOutline>> outlinesOf(const ForegroundRuns& runs,
                                              const RegionLabels& labels,
                                              const std::vector<int>& chosen);

// One outline for several regions together: per row the smallest first and
// the largest last column; the span areas add up. Fails only when memory runs
// out.
Result<RegionOutline> joinOutlines(const std::vector<RegionOutline>& outlines);

}  // namespace trimlet
