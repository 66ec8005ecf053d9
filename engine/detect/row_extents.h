#pragma once
// Where the foreground of each filtered row starts and ends, and the detected
// rectangle with its hit points found from those extents.
//
// The rectangle follows the four scans of the detector: top is the first row
// from 0 upward holding foreground, its first foreground column the top hit
// column; bottom the first such row from height - 1 down to top; left the first
// column from 0 upward holding foreground in rows top..bottom, its lowest such
// row the left hit row; right likewise from width - 1 down to left, giving the
// right hit row. Rows outside top..bottom hold no foreground, so the smallest
// first column over all rows is that left column, and the lowest row reaching
// it is the left hit row (the same for right). A scan that finds nothing sets
// its side to 0 and leaves its hit point as it was.

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/detect/noise_filter.h"
#include "engine/detect/row_split.h"

namespace trimlet::detail {

struct RowExtent {
  int first = -1;  // first foreground column, -1 for a row without foreground
  int last = -1;   // last foreground column
};

// A filter sink that keeps each row's extent and a row buffer per band.
class RowExtentSink : public FilteredRowSink {
 public:
  // Fails (ok() false) when memory runs out.
  RowExtentSink(int width, int height);
  bool ok() const { return ok_; }

  uint8_t* rowBuffer(int band, int y) override;
  void rowDone(int band, int y, const uint8_t* row) override;
  const std::vector<RowExtent>& extents() const { return extents_; }

 private:
  int width_;
  bool ok_ = false;
  std::vector<RowExtent> extents_;
  std::unique_ptr<uint8_t[]> rows_[kMaxRowBands];
};

struct ScanOutcome {
  DetectedRect rect;
  int topHitColumn = 0;
  int leftHitRow = 0;
  int rightHitRow = 0;
};

// `outcome` holds the previous hit points on entry.
void rectangleFromExtents(const std::vector<RowExtent>& extents, ScanOutcome& outcome);

}  // namespace trimlet::detail
