// Row extents of the filtered mask and the rectangle scans over them.
#include "engine/detect/row_extents.h"

#include <cstring>
#include <new>

namespace trimlet::detail {
namespace {

// Index of the first non-zero byte of p[0 .. n), or -1.
int firstNonZero(const uint8_t* p, int n) {
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t word;
    std::memcpy(&word, p + i, 8);
    if (word != 0) break;
  }
  for (; i < n; ++i) {
    if (p[i] != 0) return i;
  }
  return -1;
}

// Index of the last non-zero byte of p[from .. n), or -1.
int lastNonZero(const uint8_t* p, int from, int n) {
  int i = n;
  for (; i - 8 >= from; i -= 8) {
    uint64_t word;
    std::memcpy(&word, p + i - 8, 8);
    if (word != 0) break;
  }
  for (; i > from; --i) {
    if (p[i - 1] != 0) return i - 1;
  }
  return -1;
}

}  // namespace

RowExtentSink::RowExtentSink(int width, int height) : width_(width) {
  try {
    extents_.resize(size_t(height));
  } catch (const std::bad_alloc&) {
    return;
  }
  for (auto& row : rows_) {
    row.reset(new (std::nothrow) uint8_t[size_t(width)]);
    if (!row) return;
  }
  ok_ = true;
}

uint8_t* RowExtentSink::rowBuffer(int band, int) { return rows_[band].get(); }

void RowExtentSink::rowDone(int, int y, const uint8_t* row) {
  RowExtent& extent = extents_[size_t(y)];
  extent.first = firstNonZero(row, width_);
  extent.last = extent.first < 0 ? -1 : lastNonZero(row, extent.first, width_);
}

void rectangleFromExtents(const std::vector<RowExtent>& extents, ScanOutcome& outcome) {
  const int height = static_cast<int>(extents.size());
  DetectedRect& rect = outcome.rect;
  rect = DetectedRect{};

  int top = -1;
  for (int y = 0; y < height; ++y) {
    if (extents[size_t(y)].first >= 0) {
      top = y;
      break;
    }
  }
  if (top < 0) return;  // no foreground: (0, 0, 0, 0), hit points kept
  rect.top = top;
  outcome.topHitColumn = extents[size_t(top)].first;

  int bottom = height - 1;
  while (extents[size_t(bottom)].first < 0) --bottom;
  rect.bottom = bottom;

  // Strict comparisons keep the lowest row on a tie.
  int left = extents[size_t(top)].first;
  int right = extents[size_t(top)].last;
  outcome.leftHitRow = top;
  outcome.rightHitRow = top;
  for (int y = top + 1; y <= bottom; ++y) {
    const RowExtent& extent = extents[size_t(y)];
    if (extent.first < 0) continue;
    if (extent.first < left) {
      left = extent.first;
      outcome.leftHitRow = y;
    }
    if (extent.last > right) {
      right = extent.last;
      outcome.rightHitRow = y;
    }
  }
  rect.left = left;
  rect.right = right;
}

}  // namespace trimlet::detail
