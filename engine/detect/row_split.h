#pragma once
// Splitting a row-by-row job over the two cores. The work of each band must
// depend only on its own rows, so the result is the same however the rows are
// split; a job too small to be worth a thread, or a thread that cannot be
// started, runs on the calling thread. The work must not throw.

#include <functional>

namespace trimlet::detail {

// At most this many bands; band numbers run 0 .. kMaxRowBands - 1, so a job
// can prepare per-band scratch space before it starts.
constexpr int kMaxRowBands = 2;

// Calls work(band, firstRow, endRow) for bands that together cover rows
// 0 .. rows - 1. pixelsPerRow sizes the job; small jobs run as one band.
void forRowBands(int rows, int pixelsPerRow, const std::function<void(int, int, int)>& work);

}  // namespace trimlet::detail
