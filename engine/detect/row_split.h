#pragma once
// Splitting a row-by-row job over the two cores. The work of each band must
// depend only on its own rows, so the result is the same however the rows are
// split; a job too small to be worth a thread, or a thread that cannot be
// started, runs on the calling thread. The work must not throw.
// While a DetectOnOneThread scope lives on a thread, every job that thread
// starts runs as one band on it (for callers that keep each core busy with a
// job of their own, such as a batch with one job per core).

#include <functional>

namespace trimlet {

class DetectOnOneThread {
 public:
  DetectOnOneThread();
  ~DetectOnOneThread();
  DetectOnOneThread(const DetectOnOneThread&) = delete;
  DetectOnOneThread& operator=(const DetectOnOneThread&) = delete;

 private:
  bool previous_;
};

}  // namespace trimlet

namespace trimlet::detail {

// At most this many bands; band numbers run 0 .. kMaxRowBands - 1, so a job
// can prepare per-band scratch space before it starts.
constexpr int kMaxRowBands = 2;

// Calls work(band, firstRow, endRow) for bands that together cover rows
// 0 .. rows - 1. pixelsPerRow sizes the job; small jobs run as one band.
void forRowBands(int rows, int pixelsPerRow, const std::function<void(int, int, int)>& work);

}  // namespace trimlet::detail
