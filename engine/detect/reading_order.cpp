// Reading order (reading_order.h).
#include "engine/detect/reading_order.h"

#include <algorithm>
#include <numeric>

namespace trimlet {

std::vector<int> readingOrder(const std::vector<DetectedRect>& boxes) {
  std::vector<int> order(boxes.size());
  std::iota(order.begin(), order.end(), 0);
  // Highest pixel row first (the largest row index is the highest on screen).
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return boxes[size_t(a)].bottom > boxes[size_t(b)].bottom; });

  std::vector<int> result;
  result.reserve(order.size());
  size_t rowBegin = 0;
  while (rowBegin < order.size()) {
    // The row spans buffer rows lowest .. highest; boxes come by falling
    // highest row, so a box overlaps it when its highest row is not below
    // the row's lowest.
    int lowest = boxes[size_t(order[rowBegin])].top;
    size_t rowEnd = rowBegin + 1;
    while (rowEnd < order.size() && boxes[size_t(order[rowEnd])].bottom >= lowest) {
      lowest = std::min(lowest, boxes[size_t(order[rowEnd])].top);
      ++rowEnd;
    }
    std::vector<int> row(order.begin() + ptrdiff_t(rowBegin), order.begin() + ptrdiff_t(rowEnd));
    std::stable_sort(row.begin(), row.end(), [&](int a, int b) {
      const DetectedRect& ra = boxes[size_t(a)];
      const DetectedRect& rb = boxes[size_t(b)];
      return ra.left != rb.left ? ra.left < rb.left : ra.bottom > rb.bottom;
    });
    result.insert(result.end(), row.begin(), row.end());
    rowBegin = rowEnd;
  }
  return result;
}

}  // namespace trimlet
