// Row bands on two threads (see row_split.h).
#include "engine/detect/row_split.h"

#include <cstdint>
#include <system_error>
#include <thread>

namespace trimlet {

namespace {
thread_local bool oneThread = false;
}  // namespace

DetectOnOneThread::DetectOnOneThread() : previous_(oneThread) { oneThread = true; }
DetectOnOneThread::~DetectOnOneThread() { oneThread = previous_; }

}  // namespace trimlet

namespace trimlet::detail {

namespace {
// Below this many pixels a thread costs more than it saves.
constexpr int64_t kMinPixelsToSplit = int64_t(1) << 18;
}  // namespace

void forRowBands(int rows, int pixelsPerRow, const std::function<void(int, int, int)>& work) {
  if (rows <= 0) return;
  if (oneThread || rows < 2 || int64_t(rows) * pixelsPerRow < kMinPixelsToSplit) {
    work(0, 0, rows);
    return;
  }
  const int middle = rows / 2;
  std::thread helper;
  try {
    helper = std::thread([&work, middle, rows] { work(1, middle, rows); });
  } catch (const std::system_error&) {
    work(0, 0, rows);  // no second thread: do it all here
    return;
  }
  work(0, 0, middle);
  helper.join();
}

}  // namespace trimlet::detail
