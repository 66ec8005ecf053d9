// The three shears done together, in bands of output rows of the vertical
// shear.
//
// For one band and one block of columns (column_shear.h), the first shear is
// made only where the vertical shear reads it: a tile of the block's columns
// of the few dozen source rows the band needs, each row a window of one
// horizontal skew. The vertical shear then makes the band's rows of that
// block from the tile, which stays in the cache. Once every block is done,
// each row of the band goes through the third shear into the result.
// Neighbouring bands need a few rows of the first shear both; those are made
// twice, which costs less than writing and reading back a whole image.
//
// Threads take halves of the output rows. Each begins one row early to fill
// its buffer of left parts, so every row gets the same bytes whichever thread
// makes it.

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/geometry/column_shear.h"
#include "engine/geometry/parallel_parts.h"
#include "engine/geometry/shear_passes.h"
#include "engine/geometry/skew_kernels.h"

namespace trimlet::geometry_detail {

namespace {

constexpr int kBandRows = 128;

// A view whose rows run across the source (a quarter turn either way) has
// neighbouring rows side by side in memory. Its rows are fetched this many
// at a time, each source cache line then read once for all of them instead
// of once per row.
constexpr int kRowsAtOnce = 16;

// Per block: the view rows [first, first + count) of the block's window,
// fetched together, each a line of its own starting at view column `from`.
struct RowGroup {
  int64_t first = -1;
  int count = 0;
  int64_t from = 0;
  uint8_t* lines = nullptr;  // `count` lines of groupLineBytes() bytes
};

// One thread's working memory.
struct Scratch {
  Scratch(size_t bandBytes, size_t tileBytes, size_t lineBytes, size_t blocks, size_t groupBytes)
      : band(new uint8_t[bandBytes]()),
        tile(new uint8_t[tileBytes]()),
        line(new uint8_t[lineBytes]),
        rows(new int64_t[3 * blocks]),
        groupLines(new uint8_t[groupBytes]),
        groups(blocks) {
    for (size_t b = 0; b < blocks && groupBytes > 0; ++b)
      groups[b].lines = groupLines.get() + b * (groupBytes / blocks);
  }
  std::unique_ptr<uint8_t[]> band;  // kBandRows rows of W1 pixels, then the left parts
  std::unique_ptr<uint8_t[]> tile;
  std::unique_ptr<uint8_t[]> line;  // a window of a quarter-turned source row
  std::unique_ptr<int64_t[]> rows;  // three numbers per block (see shearInBands)
  std::unique_ptr<uint8_t[]> groupLines;
  std::vector<RowGroup> groups;  // per block, for views across the source
};

// Whether the view's rows lie side by side in the source (|rowStep| = 1).
bool rowsSideBySide(const QuarterView& view) { return view.rowStep == 1 || view.rowStep == -1; }

// The bytes of one fetched line: the block's window, widened by how far the
// offsets of kRowsAtOnce rows can move apart (|t| <= 1 per row) and by the
// two pixels the skew reads before it.
size_t groupLineBytes(int widestBlock) { return (size_t(widestBlock) + kRowsAtOnce + 4) * 4; }

// Fetches view rows [i, i + kRowsAtOnce) (fewer at the end) of one block's
// window [begin, end) into `group`: for every view column the rows' pixels
// lie side by side in the source, so each is one short contiguous read.
void fetchRowGroup(const QuarterView& view, const LineSkews& firstRows, int64_t i, int begin,
                   int end, size_t lineBytes, RowGroup* group) {
  const int n = view.width;
  const int count = int(std::min<int64_t>(kRowsAtOnce, view.height - i));
  int64_t lowOffset = INT64_MAX, highOffset = INT64_MIN;
  for (int k = 0; k < count; ++k) {
    const int64_t o = firstRows[int(i + k)].offset;
    lowOffset = std::min(lowOffset, o);
    highOffset = std::max(highOffset, o);
  }
  const int64_t from = std::max<int64_t>(0, int64_t(begin) - highOffset - 2);
  const int64_t to = std::min<int64_t>(n, int64_t(end) - lowOffset);
  group->first = i;
  group->count = count;
  group->from = from;
  const ptrdiff_t rowStep = view.rowStep;
  // Each view column is another source row: ask for the ones ahead early,
  // as no prefetcher follows steps that long.
  constexpr int kAhead = 16;
  for (int64_t x = from; x < to; ++x) {
    const uint8_t* at = view.pixels + (view.origin + i * rowStep + x * view.pixelStep) * 4;
    if (x + kAhead < to) __builtin_prefetch(at + kAhead * view.pixelStep * 4);
    uint8_t* out = group->lines + (x - from) * 4;
    for (int k = 0; k < count; ++k, at += rowStep * 4, out += lineBytes) std::memcpy(out, at, 4);
  }
}

// Positions [begin, end) of the first shear's row i into `out`.
void firstShearWindow(const QuarterView& view, const ShearPlan& plan, const LineWeight& weight,
                      int64_t i, int begin, int end, uint8_t* out, uint8_t* line) {
  const int n = view.width;
  const uint8_t* row = view.pixels + (view.origin + i * view.rowStep) * 4;
  int64_t first = 0;
  if (view.pixelStep != 1) {
    // The row runs across the source: fetch the pixels the window reads.
    first = std::max<int64_t>(0, int64_t(begin) - weight.offset - 2);
    const int64_t last = std::min<int64_t>(n, int64_t(end) - weight.offset);
    const ptrdiff_t step = view.pixelStep * 4;  // a local: the stores could alias the view
    for (int64_t x = first; x < last; ++x) std::memcpy(line + (x - first) * 4, row + x * step, 4);
    row = line;
  }
  skewWindow(row, first, n, weight, begin, end, out, plan.background, plan.edgeBlending);
}

// The blocks with lows[b] <= i < highs[b]: consecutive, as both move one
// way along the blocks (upward when the offsets fall along the columns).
std::pair<size_t, size_t> blocksReading(int64_t i, const int64_t* lows, const int64_t* highs,
                                        size_t count, bool rising) {
  auto firstWhere = [count](auto&& holds) {
    size_t a = 0, z = count;
    while (a < z) {
      const size_t middle = (a + z) / 2;
      if (holds(middle))
        z = middle;
      else
        a = middle + 1;
    }
    return a;
  };
  if (rising)
    return {firstWhere([&](size_t b) { return lows[b] <= i; }),
            firstWhere([&](size_t b) { return highs[b] <= i; })};
  return {firstWhere([&](size_t b) { return highs[b] > i; }),
          firstWhere([&](size_t b) { return lows[b] > i; })};
}

}  // namespace

void shearInBands(const QuarterView& view, const ShearPlan& plan, ImageBuffer* out, int workers) {
  const int H = plan.height, W1 = plan.firstWidth, H2 = plan.height2, W2 = plan.width2;
  const double t = plan.t, s = plan.s;
  LineSkews firstRows(H);
  for (int i = 0; i < H; ++i) {
    const int k = t >= 0 ? i : i - H;
    firstRows.add(t * (k + 0.5));
  }
  const ColumnPlan columns(plan);
  LineSkews lastRows(H2);
  {
    const int W = plan.width;
    double v = s >= 0 ? -(s * t * (W - 1)) : t * (1 - H2 - s * (W - 1));
    for (int i = 0; i < H2; ++i) {
      lastRows.add(v);
      v = v + t;
    }
  }

  const size_t rowBytes = static_cast<size_t>(W1) * 4 + kPixelSlack;
  const size_t tileStride = columns.tileStride();
  const size_t tileRows = static_cast<size_t>(kBandRows) + columns.widestSpan() + 3;
  const size_t tileBytes = tileRows * tileStride;
  const size_t blockCount = columns.blocks().size();
  const int parts = std::clamp(workers, 1, kMaxWorkers);
  const bool grouped = rowsSideBySide(view);
  const size_t groupLine = groupLineBytes(columns.widestBlock());
  std::vector<Scratch> scratch;
  scratch.reserve(parts);
  for (int p = 0; p < parts; ++p)
    scratch.emplace_back((kBandRows + 1) * rowBytes, blockCount * tileBytes + kPixelSlack,
                         tileStride + 8, blockCount,
                         grouped ? blockCount * kRowsAtOnce * groupLine : 0);

  runInParts(H2, parts, [&](int part, int begin, int end) {
    uint8_t* band = scratch[part].band.get();
    uint8_t* leftBelow = band + kBandRows * rowBytes;
    uint8_t* tiles = scratch[part].tile.get();
    // Per block: the source rows its tile holds, [lows, highs), and the
    // first one not carried over from the band before, fresh.
    int64_t* lows = scratch[part].rows.get();
    int64_t* highs = lows + blockCount;
    int64_t* fresh = highs + blockCount;
    std::fill_n(lows, 2 * blockCount, int64_t(0));
    std::fill_n(leftBelow, rowBytes, uint8_t(0));
    // The first band starts one row early; that row only fills leftBelow.
    for (int64_t r0 = int64_t(begin) - 1; r0 < end;) {
      const int64_t r1 = std::min<int64_t>(r0 + kBandRows, end);
      int64_t lowest = INT64_MAX, highest = INT64_MIN;
      for (size_t b = 0; b < blockCount; ++b) {
        const int64_t keptLow = lows[b], keptHigh = highs[b];
        columns.sourceRows(columns.blocks()[b], r0, r1, &lows[b], &highs[b]);
        // The rows this band shares with the one before move to the top of
        // the tile rather than being made again.
        fresh[b] = lows[b];
        if (r0 >= begin && lows[b] < keptHigh && lows[b] >= keptLow) {
          uint8_t* tile = tiles + b * tileBytes;
          std::memmove(tile, tile + (lows[b] - keptLow) * tileStride,
                       size_t(keptHigh - lows[b]) * tileStride);
          fresh[b] = keptHigh;
        }
        if (fresh[b] < highs[b])
          lowest = std::min(lowest, fresh[b]), highest = std::max(highest, highs[b]);
      }
      // The new source rows in order, each across the blocks that need it.
      for (int64_t i = lowest; i < highest; ++i) {
        const auto [from, to] = blocksReading(i, fresh, highs, blockCount, columns.rising());
        for (size_t b = from; b < to; ++b) {
          const ColumnPlan::Block& block = columns.blocks()[b];
          uint8_t* tileRow = tiles + b * tileBytes + (i - lows[b]) * tileStride;
          if (!grouped) {
            firstShearWindow(view, plan, firstRows[int(i)], i, block.begin, block.end, tileRow,
                             scratch[part].line.get());
            continue;
          }
          RowGroup& group = scratch[part].groups[b];
          if (i < group.first || i >= group.first + group.count)
            fetchRowGroup(view, firstRows, i, block.begin, block.end, groupLine, &group);
          skewWindow(group.lines + (i - group.first) * groupLine, group.from, view.width,
                     firstRows[int(i)], block.begin, block.end, tileRow, plan.background,
                     plan.edgeBlending);
        }
      }
      for (size_t b = 0; b < blockCount; ++b) {
        const ColumnPlan::Block& block = columns.blocks()[b];
        const Tile source{tiles + b * tileBytes, lows[b], block.begin, tileStride};
        for (int64_t r = r0; r < r1; ++r)
          columns.makeRow(r, block, source, band + (r - r0) * rowBytes, leftBelow);
      }
      for (int64_t r = std::max<int64_t>(r0, begin); r < r1; ++r)
        skewWindow(band + (r - r0) * rowBytes, 0, W1, lastRows[int(r)], 0, W2, out->row(int32_t(r)),
                   plan.background, plan.edgeBlending);
      r0 = r1;
    }
  });
}

}  // namespace trimlet::geometry_detail
