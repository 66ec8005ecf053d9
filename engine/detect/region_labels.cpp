// Two-pass labelling of foreground runs with a union-find over run indices.
//
// The forest keeps every root the smallest index of its set (a union hangs
// the larger root under the smaller), so parent[i] <= i throughout. That lets
// the second pass flatten and number the sets in one sweep of increasing
// indices, reusing the parent array for the region numbers.
#include "engine/detect/region_labels.h"

#include <algorithm>
#include <climits>
#include <new>

namespace trimlet {
namespace {

const char kNoMemory[] = "There is not enough memory to separate the regions.";

int32_t findRoot(std::vector<int32_t>& parent, int32_t i) {
  while (parent[size_t(i)] != i) {
    // Path halving: each visited index skips to its grandparent.
    parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
    i = parent[size_t(i)];
  }
  return i;
}

void join(std::vector<int32_t>& parent, int32_t a, int32_t b) {
  const int32_t ra = findRoot(parent, a);
  const int32_t rb = findRoot(parent, b);
  if (ra < rb) {
    parent[size_t(rb)] = ra;
  } else if (rb < ra) {
    parent[size_t(ra)] = rb;
  }
}

// Joins the runs of row y to the runs of row y - 1 that touch them: with
// eight neighbours, columns first - 1 .. last + 1 of the row below count.
void joinRow(const ForegroundRuns& runs, int y, std::vector<int32_t>& parent) {
  int32_t below = runs.rowStart[size_t(y) - 1];
  const int32_t belowEnd = runs.rowStart[size_t(y)];
  const int32_t end = runs.rowStart[size_t(y) + 1];
  for (int32_t r = runs.rowStart[size_t(y)]; r < end; ++r) {
    const ForegroundRun& run = runs.runs[size_t(r)];
    // Runs below that end left of this run's reach end left of every later
    // run's reach too: skip them for good.
    while (below < belowEnd && runs.runs[size_t(below)].last < run.first - 1) ++below;
    for (int32_t b = below; b < belowEnd && runs.runs[size_t(b)].first <= run.last + 1; ++b) {
      join(parent, r, b);
    }
  }
}

}  // namespace

Result<RegionLabels> labelRegions(const ForegroundRuns& runs) {
  const size_t count = runs.runs.size();
  RegionLabels out;
  try {
    out.regionOfRun.resize(count);
  } catch (const std::bad_alloc&) {
    return Result<RegionLabels>::failure(kNoMemory);
  }
  std::vector<int32_t>& parent = out.regionOfRun;
  for (size_t i = 0; i < count; ++i) parent[i] = static_cast<int32_t>(i);
  for (int y = 1; y < runs.height; ++y) joinRow(runs, y, parent);

  // Number the sets in one sweep: a root becomes the next region; any other
  // index takes the number already written at its parent, a smaller index of
  // the same set visited before it.
  int32_t regions = 0;
  for (size_t i = 0; i < count; ++i) {
    const int32_t up = parent[i];
    parent[i] = up == int32_t(i) ? regions++ : parent[size_t(up)];
  }

  std::vector<bool> seen;
  try {
    out.regions.resize(size_t(regions));
    seen.assign(size_t(regions), false);
  } catch (const std::bad_alloc&) {
    return Result<RegionLabels>::failure(kNoMemory);
  }
  for (int y = 0; y < runs.height; ++y) {
    for (int32_t r = runs.rowStart[size_t(y)]; r < runs.rowStart[size_t(y) + 1]; ++r) {
      const ForegroundRun& run = runs.runs[size_t(r)];
      const size_t id = size_t(parent[size_t(r)]);
      ForegroundRegion& region = out.regions[id];
      region.pixels += run.last - run.first + 1;
      if (!seen[id]) {
        seen[id] = true;
        region.box = DetectedRect{run.first, y, run.last, y};
      }
      region.box.left = std::min(region.box.left, run.first);
      region.box.right = std::max(region.box.right, run.last);
      region.box.bottom = y;
    }
  }
  return out;
}

Result<std::vector<RegionOutline>> outlinesOf(const ForegroundRuns& runs,
                                              const RegionLabels& labels,
                                              const std::vector<int>& chosen) {
  std::vector<RegionOutline> outlines;
  std::vector<int32_t> slotOf;
  try {
    slotOf.assign(labels.regions.size(), -1);
    outlines.resize(chosen.size());
    for (size_t slot = 0; slot < chosen.size(); ++slot) {
      const int id = chosen[slot];
      if (id < 0 || size_t(id) >= labels.regions.size()) {
        return Result<std::vector<RegionOutline>>::failure("There is no such region.");
      }
      slotOf[size_t(id)] = static_cast<int32_t>(slot);
      const DetectedRect& box = labels.regions[size_t(id)].box;
      auto& rows = outlines[slot].rows;
      rows.resize(size_t(box.bottom - box.top + 1));
      for (size_t i = 0; i < rows.size(); ++i) {
        rows[i] = OutlineRow{box.top + int32_t(i), INT32_MAX, -1};
      }
    }
  } catch (const std::bad_alloc&) {
    return Result<std::vector<RegionOutline>>::failure(kNoMemory);
  }
  for (int y = 0; y < runs.height; ++y) {
    for (int32_t r = runs.rowStart[size_t(y)]; r < runs.rowStart[size_t(y) + 1]; ++r) {
      const int32_t slot = slotOf[size_t(labels.regionOfRun[size_t(r)])];
      if (slot < 0) continue;
      const int id = chosen[size_t(slot)];
      OutlineRow& row = outlines[size_t(slot)].rows[size_t(y - labels.regions[size_t(id)].box.top)];
      row.first = std::min(row.first, runs.runs[size_t(r)].first);
      row.last = std::max(row.last, runs.runs[size_t(r)].last);
    }
  }
  // A connected region has foreground in every row of its box, so no row is
  // left empty; the span area follows from the rows.
  for (RegionOutline& outline : outlines) {
    for (const OutlineRow& row : outline.rows) outline.spanArea += row.last - row.first + 1;
  }
  return outlines;
}

Result<RegionOutline> joinOutlines(const std::vector<RegionOutline>& outlines) {
  RegionOutline joined;
  try {
    for (const RegionOutline& outline : outlines) {
      joined.spanArea += outline.spanArea;
      joined.rows.insert(joined.rows.end(), outline.rows.begin(), outline.rows.end());
    }
  } catch (const std::bad_alloc&) {
    return Result<RegionOutline>::failure(kNoMemory);
  }
  std::vector<OutlineRow>& rows = joined.rows;
  std::sort(rows.begin(), rows.end(),
            [](const OutlineRow& a, const OutlineRow& b) { return a.y < b.y; });
  size_t kept = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (kept > 0 && rows[kept - 1].y == rows[i].y) {
      rows[kept - 1].first = std::min(rows[kept - 1].first, rows[i].first);
      rows[kept - 1].last = std::max(rows[kept - 1].last, rows[i].last);
    } else {
      rows[kept++] = rows[i];
    }
  }
  rows.resize(kept);
  return joined;
}

}  // namespace trimlet
