// The vertical shear, one output row of one block of columns at a time
// (see column_shear.h).

#include "engine/geometry/column_shear.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/geometry/skew_core.h"
#include "engine/geometry/skew_kernels.h"

namespace trimlet::geometry_detail {

namespace {

// A block holds about this many runs (so a band of output rows reads about
// that many source rows beyond its own height), within these widths.
constexpr double kRunsPerBlock = 32;
constexpr int kMinBlockColumns = 128;
constexpr int kMaxBlockColumns = 512;
// Runs shorter than this on average are fetched pixel by pixel.
constexpr size_t kShortRun = 4;

// Copies a run of pixels in pieces of eight, so that runs of one length or
// another take the same path: up to seven pixels more are read after the
// run and written after it, where the next run, or the pixels made after the
// runs, or the next block, will write (see kPixelSlack).
inline void copyPixels(uint8_t* to, const uint8_t* from, int count) {
  for (int k = 0; k < count; k += 8) std::memcpy(to + k * 4, from + k * 4, 32);
}

inline const uint8_t* tileAt(const Tile& tile, int64_t i, int j) {
  return tile.pixels + (i - tile.firstRow) * int64_t(tile.stride) +
         int64_t(j - tile.firstColumn) * 4;
}

}  // namespace

ColumnPlan::ColumnPlan(const ShearPlan& plan)
    : n_(plan.height),
      width_(plan.firstWidth),
      background_(plan.background),
      edgeBlending_(plan.edgeBlending),
      rising_(!(plan.s > 0)),
      columns_(plan.firstWidth) {
  const int W = plan.width, W1 = plan.firstWidth;
  const double s = plan.s;
  const double perRun = std::fabs(s) > 0 ? kRunsPerBlock / std::fabs(s) : kMaxBlockColumns;
  const int blockColumns =
      static_cast<int>(std::clamp<double>(perRun, kMinBlockColumns, kMaxBlockColumns));
  multipliers_.resize(static_cast<size_t>(W1) * 4);
  double v = s > 0 ? s * (W - 1) : -(s * (W - W1));
  for (int j = 0; j < W1; ++j) {
    columns_.add(v);
    v = v - s;
  }
  fetchOffset_.resize(W1);
  const int step = rising_ ? 1 : -1;
  for (int j = 0; j < W1; ++j) {
    const LineWeight weight = columns_[j];
    std::fill_n(&multipliers_[static_cast<size_t>(j) * 4], 4, weight.multiplier);
    // A new block when this one is wide enough, or (never with |s| <= 1)
    // when the offset does not move by one step.
    const int previous = j > 0 ? columns_[j - 1].offset : 0;
    if (j == 0 || j - blocks_.back().begin >= blockColumns ||
        (weight.offset != previous && weight.offset != previous + step)) {
      Block block;
      block.begin = block.end = j;
      block.runBegin = block.runEnd = runs_.size();
      block.lowestOffset = block.highestOffset = weight.offset;
      blocks_.push_back(block);
    }
    Block& block = blocks_.back();
    if (runs_.size() == block.runBegin || runs_.back().offset != weight.offset)
      runs_.push_back({j, j + 1, weight.offset});
    else
      runs_.back().end = j + 1;
    block.end = j + 1;
    block.runEnd = runs_.size();
    block.lowestOffset = std::min(block.lowestOffset, weight.offset);
    block.highestOffset = std::max(block.highestOffset, weight.offset);
    widestBlock_ = std::max(widestBlock_, block.end - block.begin);
    widestSpan_ = std::max(widestSpan_, block.highestOffset - block.lowestOffset);
  }
  shortRuns_ = runs_.size() * kShortRun > size_t(W1);
  for (const Block& block : blocks_)
    for (int j = block.begin; j < block.end; ++j)
      fetchOffset_[j] =
          int64_t(j - block.begin) * 4 - int64_t(columns_[j].offset) * int64_t(tileStride());
}

void ColumnPlan::sourceRows(const Block& block, int64_t r0, int64_t r1, int64_t* low,
                            int64_t* high) const {
  // Row r reads i = r - o and i - 1; at i = n it reads n - 1 and n - 2.
  *low = std::max<int64_t>(0, r0 - block.highestOffset - 2);
  *high = std::min<int64_t>(n_, r1 - block.lowestOffset);
  if (*high < *low) *high = *low;
}

void ColumnPlan::makeRow(int64_t r, const Block& block, const Tile& tile, uint8_t* row,
                         uint8_t* leftBelow) const {
  // Runs whose source row i = r - offset lies in [0, n).
  const auto [gatherBegin, gatherEnd] = runsWithOffsetIn(block, r - n_ + 1, r);
  if (shortRuns_ && gatherBegin != gatherEnd) {
    const uint8_t* base = tile.pixels + (r - tile.firstRow) * int64_t(tile.stride);
    const int64_t* fetch = fetchOffset_.data();
    for (int j = gatherBegin->begin, end = (gatherEnd - 1)->end; j < end; ++j)
      std::memcpy(row + size_t(j) * 4, base + fetch[j], 4);
  } else {
    for (auto run = gatherBegin; run != gatherEnd; ++run)
      copyPixels(row + size_t(run->begin) * 4, tileAt(tile, r - run->offset, run->begin),
                 run->end - run->begin);
  }
  if (gatherBegin != gatherEnd) {
    const size_t from = size_t(gatherBegin->begin) * 4;
    blendAcrossRows(row + from, leftBelow + from, &multipliers_[from],
                    size_t((gatherEnd - 1)->end) * 4 - from);
  }
  const BytePixels out{row};
  // The first pixel of a column (i = 0) and the one after its last (i = n).
  for (const int64_t i : {int64_t(0), n_}) {
    const auto [begin, end] = runsWithOffsetIn(block, r - i, r - i);
    for (auto run = begin; run != end; ++run)
      for (int j = run->begin; j < run->end; ++j) out.store(j, pixel(tile, i, j));
  }
  // Columns without a multiplier: their pixel and left part by the table.
  const std::vector<int>& tableColumns = columns_.tableLines();
  for (auto at = std::lower_bound(tableColumns.begin(), tableColumns.end(), block.begin);
       at != tableColumns.end() && *at < block.end; ++at) {
    const int j = *at;
    const int64_t i = r - columns_[j].offset;
    if (i < 0 || i > n_) continue;
    out.store(j, pixel(tile, i, j));
    if (i < n_)
      BytePixels{leftBelow}.store(
          j, leftPart(ConstBytePixels{tileAt(tile, i, j)}.load(0), columns_[j].table));
  }
  // Background outside 0 <= i <= n.
  const auto [insideBegin, insideEnd] = runsWithOffsetIn(block, r - n_, r);
  const int lead = insideBegin == insideEnd ? block.end : insideBegin->begin;
  const int tail = insideBegin == insideEnd ? block.end : (insideEnd - 1)->end;
  fillPixels(row + size_t(block.begin) * 4, lead - block.begin, background_);
  fillPixels(row + size_t(tail) * 4, block.end - tail, background_);
}

// The runs of the block whose offset lies in [low, high]: consecutive, and
// as neighbouring runs' offsets differ by one step (a column's v differs from
// the next one's by |s| <= 1; the blocks are cut where that would not hold),
// found by arithmetic.
std::pair<ColumnPlan::RunIterator, ColumnPlan::RunIterator> ColumnPlan::runsWithOffsetIn(
    const Block& block, int64_t low, int64_t high) const {
  const RunIterator first = runs_.begin() + block.runBegin;
  const int64_t count = int64_t(block.runEnd - block.runBegin);
  const int64_t o = first->offset;
  const int64_t from = std::clamp<int64_t>(rising_ ? low - o : o - high, 0, count);
  const int64_t to = std::clamp<int64_t>(rising_ ? high - o + 1 : o - low + 1, from, count);
  return {first + from, first + to};
}

// The vertical shear's pixel of column j at source index i (0 <= i <= n).
uint32_t ColumnPlan::pixel(const Tile& tile, int64_t i, int j) const {
  const LineWeight weight = columns_[j];
  auto source = [&](int64_t row) { return ConstBytePixels{tileAt(tile, row, j)}.load(0); };
  auto left = [&](uint32_t p) {
    return weight.table ? leftPart(p, weight.table) : leftByMultiplier(p, weight.multiplier);
  };
  if (i == n_) {
    if (edgeBlending_) return left(source(n_ - 1));
    i = n_ - 1;
  }
  const uint32_t p = source(i);
  if (i > 0) return addBytes(p - left(p), left(source(i - 1)));
  return edgeBlending_ ? addBytes(p - left(p), background_) : p;
}

}  // namespace trimlet::geometry_detail
