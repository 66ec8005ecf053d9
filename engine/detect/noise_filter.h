#pragma once
// The noise filter row by row, for callers that need each filtered row only
// once (the detector keeps just where each row's foreground starts and ends,
// instead of a whole filtered mask). filterNoise() in background_detector.h is
// this with every row copied into an output mask.

#include <cstdint>

#include "engine/result.h"

namespace trimlet::detail {

// Receives the filtered rows. Rows of different bands arrive from different
// threads, each band's rows in increasing order; a sink must only touch state
// of its row or of its band.
class FilteredRowSink {
 public:
  virtual ~FilteredRowSink() = default;
  // Where the filter may write row y (width bytes); used for filter sizes
  // other than 1.
  virtual uint8_t* rowBuffer(int band, int y) = 0;
  // Row y is complete: `row` holds its width bytes, 1 foreground, 0 not.
  virtual void rowDone(int band, int y, const uint8_t* row) = 0;
};

// Filters the width x height mask (filter size 1 hands the mask rows over
// unchanged). Fails on an invalid size or when scratch memory runs out.
Status filterRows(const uint8_t* mask, int width, int height, int filterSize, int threshold,
                  FilteredRowSink& sink);

}  // namespace trimlet::detail
