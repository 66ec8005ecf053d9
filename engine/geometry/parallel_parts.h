#pragma once
// Splitting the rows of one geometry step between at most two threads.
//
// Every output row of the rotation and of the quarter turns depends only on
// the input, never on another output row, so each part writes its own rows
// and the result is the same bytes whatever the split. Small images stay on
// the calling thread: starting a thread costs more than it saves there.
// Internal to the geometry code.

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <thread>

namespace trimlet::geometry_detail {

constexpr int kMaxWorkers = 2;
// Output sizes from about a megapixel up are split.
constexpr int64_t kParallelPixels = int64_t(1) << 20;

// The number of parts (1 or 2) for a step writing `pixels` output pixels,
// never more than `limit` nor than the machine's hardware threads.
inline int workersFor(int64_t pixels, int limit) {
  if (limit < 2 || pixels < kParallelPixels) return 1;
  const unsigned hardware = std::thread::hardware_concurrency();
  return hardware == 1 ? 1 : std::min(limit, kMaxWorkers);
}

// Runs part(index, begin, end) over [0, count) cut into `workers` (1 or 2)
// consecutive ranges: the first on the calling thread, the second on a new
// thread, or after the first when no thread can be started. Returns when all
// are done. `part` must not throw.
template <class Part>
void runInParts(int count, int workers, const Part& part) {
  if (workers < 2 || count < 2) {
    part(0, 0, count);
    return;
  }
  const int middle = count / 2;
  std::thread helper;
  try {
    helper = std::thread([&part, middle, count] { part(1, middle, count); });
  } catch (const std::system_error&) {
  }
  part(0, 0, middle);
  if (helper.joinable())
    helper.join();
  else
    part(1, middle, count);
}

}  // namespace trimlet::geometry_detail
