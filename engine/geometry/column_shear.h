#pragma once
// The second (vertical) shear of the three-shear rotation, one output row of
// one block of columns at a time. Internal to the geometry code.
//
// Column j of the first shear's W1 x H result is skewed by its own offset o_j
// and weight: output row r of that column blends source rows i = r - o_j and
// i - 1 (with the rules of skew_core.h at i = 0 and i = n). The offsets change
// monotonically with j, by at most one per column, so in one output row:
//   - the columns with 0 <= i < n form one range, made of runs of columns
//     sharing an offset; each run is a contiguous piece of one source row,
//     copied as such, and the whole range is then blended in one vector loop
//     with a multiplier per byte. The left parts of the row below are kept in
//     a buffer (`leftBelow`, W1 pixels), so each source byte is multiplied
//     once; rows must therefore be made in order, starting one row early;
//   - the few columns at i = 0 or i = n, and the rare columns whose weight
//     has no multiplier, are then done one pixel at a time;
//   - the columns outside 0 <= i <= n are background.
// The columns are cut into blocks whose offsets span little, so that a band
// of output rows of one block reads a small tile of the first shear.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/geometry/shear_passes.h"
#include "engine/geometry/skew_weight.h"

namespace trimlet::geometry_detail {

// Runs are copied in pieces of eight pixels, so the tile and the rows made
// from it need this many bytes after their last pixel.
constexpr size_t kPixelSlack = 32;

// Pixels of the first shear, rows [firstRow, ...) and columns
// [firstColumn, ...), `stride` bytes from row to row; kPixelSlack bytes
// readable after the last.
struct Tile {
  const uint8_t* pixels = nullptr;
  int64_t firstRow = 0;
  int firstColumn = 0;
  size_t stride = 0;
};

class ColumnPlan {
 public:
  // Columns [begin, end), made of runs [runBegin, runEnd) whose offsets
  // rise (or fall) by one from run to run; they lie in
  // [lowestOffset, highestOffset].
  struct Block {
    int begin = 0, end = 0;
    size_t runBegin = 0, runEnd = 0;
    int lowestOffset = 0, highestOffset = 0;
  };

  // Throws std::bad_alloc when memory runs out.
  explicit ColumnPlan(const ShearPlan& plan);

  const std::vector<Block>& blocks() const { return blocks_; }
  // Whether the offsets rise along the columns (else they fall).
  bool rising() const { return rising_; }
  int widestBlock() const { return widestBlock_; }
  // The tiles' row stride in bytes: tiles must be laid out with it.
  size_t tileStride() const { return size_t(widestBlock_) * 4; }
  int widestSpan() const { return widestSpan_; }  // of highest - lowest offset

  // The source rows a band of output rows [r0, r1) of a block reads:
  // [*low, *high), possibly empty.
  void sourceRows(const Block& block, int64_t r0, int64_t r1, int64_t* low, int64_t* high) const;

  // Makes the block's columns of output row r in `row` (W1 pixels, then
  // kPixelSlack bytes, which may be overwritten) from the tile, which must hold the block's columns
  // of the source rows sourceRows() names for a band holding r.
  void makeRow(int64_t r, const Block& block, const Tile& tile, uint8_t* row,
               uint8_t* leftBelow) const;

 private:
  struct Run {
    int begin, end, offset;
  };
  using RunIterator = std::vector<Run>::const_iterator;
  std::pair<RunIterator, RunIterator> runsWithOffsetIn(const Block& block, int64_t low,
                                                       int64_t high) const;
  uint32_t pixel(const Tile& tile, int64_t i, int j) const;

  int64_t n_;
  int width_;
  uint32_t background_;
  bool edgeBlending_;
  bool rising_;
  LineSkews columns_;
  std::vector<uint16_t> multipliers_;  // one per byte
  std::vector<Run> runs_;
  std::vector<Block> blocks_;
  // With short runs, column j's pixel of output row r is fetched alone, at
  // byte (r - tile.firstRow) * tileStride() + fetchOffset_[j] of the tile.
  bool shortRuns_ = false;
  std::vector<int64_t> fetchOffset_;
  int widestBlock_ = 0;
  int widestSpan_ = 0;
};

}  // namespace trimlet::geometry_detail
