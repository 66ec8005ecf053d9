// Runs of the filtered foreground mask. The noise filter hands its rows to a
// sink on two threads (noise_filter.h); each band keeps its runs in its own
// list, and the lists are joined in row order once the filter is done, so the
// filtered mask is never held whole.
#include "engine/detect/foreground_runs.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "engine/detect/noise_filter.h"
#include "engine/detect/row_split.h"
#include "engine/image/checked_size.h"

namespace trimlet {
namespace {

const char kNoMemory[] = "There is not enough memory to examine the image.";

// Index of the first byte of p[from .. n) equal to `value` (0 or 1), or n.
// Background stretches are skipped eight bytes at a time.
int findByte(const uint8_t* p, int from, int n, uint8_t value) {
  int i = from;
  if (value == 1) {
    for (; i + 8 <= n; i += 8) {
      uint64_t word;
      std::memcpy(&word, p + i, 8);
      if (word != 0) break;
    }
  }
  for (; i < n; ++i) {
    if ((p[i] != 0) == (value != 0)) return i;
  }
  return n;
}

// Keeps the runs of each filtered row: per band a list of runs, per row its
// band's list position and run count.
class RunSink : public detail::FilteredRowSink {
 public:
  RunSink(int width, int height) : width_(width) {
    try {
      rowFirst_.resize(size_t(height));
      rowCount_.resize(size_t(height));
      rowBand_.resize(size_t(height));
    } catch (const std::bad_alloc&) {
      return;
    }
    for (auto& row : rows_) {
      row.reset(new (std::nothrow) uint8_t[size_t(width)]);
      if (!row) return;
    }
    ok_ = true;
  }
  bool ok() const {
    for (bool failed : failed_) {
      if (failed) return false;
    }
    return ok_;
  }

  uint8_t* rowBuffer(int band, int) override { return rows_[band].get(); }

  void rowDone(int band, int y, const uint8_t* row) override {
    std::vector<ForegroundRun>& list = runs_[band];
    rowFirst_[size_t(y)] = list.size();
    rowBand_[size_t(y)] = static_cast<uint8_t>(band);
    size_t count = 0;
    int x = 0;
    while ((x = findByte(row, x, width_, 1)) < width_) {
      const int end = findByte(row, x, width_, 0);
      try {
        list.push_back(ForegroundRun{x, end - 1});
      } catch (const std::bad_alloc&) {
        failed_[band] = true;  // the band goes on; its result is thrown away
        break;
      }
      ++count;
      x = end;
    }
    rowCount_[size_t(y)] = count;
  }

  // Joins the bands' lists in row order into `out`.
  Status collect(ForegroundRuns& out) {
    if (!ok()) return Status::failure(kNoMemory);
    const size_t height = rowCount_.size();
    size_t total = 0;
    for (const auto& list : runs_) total += list.size();
    try {
      out.runs.resize(total);
      out.rowStart.resize(height + 1);
    } catch (const std::bad_alloc&) {
      return Status::failure(kNoMemory);
    }
    size_t next = 0;
    for (size_t y = 0; y < height; ++y) {
      out.rowStart[y] = static_cast<int32_t>(next);
      const ForegroundRun* source = runs_[rowBand_[y]].data() + rowFirst_[y];
      std::copy(source, source + rowCount_[y], out.runs.begin() + ptrdiff_t(next));
      next += rowCount_[y];
    }
    out.rowStart[height] = static_cast<int32_t>(next);
    return Status::success();
  }

 private:
  int width_;
  bool ok_ = false;
  bool failed_[detail::kMaxRowBands] = {};
  std::vector<ForegroundRun> runs_[detail::kMaxRowBands];
  std::vector<size_t> rowFirst_;
  std::vector<size_t> rowCount_;
  std::vector<uint8_t> rowBand_;
  std::unique_ptr<uint8_t[]> rows_[detail::kMaxRowBands];
};

// One run per row spanning the whole width.
Result<ForegroundRuns> wholeImageRuns(int width, int height) {
  ForegroundRuns out;
  out.width = width;
  out.height = height;
  try {
    out.runs.assign(size_t(height), ForegroundRun{0, width - 1});
    out.rowStart.resize(size_t(height) + 1);
  } catch (const std::bad_alloc&) {
    return Result<ForegroundRuns>::failure(kNoMemory);
  }
  for (int y = 0; y <= height; ++y) out.rowStart[size_t(y)] = y;
  return out;
}

// Filters the mask (filter size 1 leaves it as it is) and keeps the runs.
Result<ForegroundRuns> filteredRuns(const uint8_t* mask, int width, int height, int filterSize,
                                    int threshold) {
  RunSink sink(width, height);
  if (!sink.ok()) return Result<ForegroundRuns>::failure(kNoMemory);
  Status filtered = detail::filterRows(mask, width, height, filterSize, threshold, sink);
  if (!filtered) return Result<ForegroundRuns>::failure(filtered);
  ForegroundRuns out;
  out.width = width;
  out.height = height;
  Status collected = sink.collect(out);
  if (!collected) return Result<ForegroundRuns>::failure(collected);
  return out;
}

}  // namespace

Result<ForegroundRuns> findForegroundRuns(const ImageBuffer& image, Rgb background,
                                          const BackgroundDetector& parameters) {
  if (image.empty()) return Result<ForegroundRuns>::failure("There is no image to examine.");
  if (image.channels() != 3 && image.channels() != 4) {
    return Result<ForegroundRuns>::failure(
        "The image to examine must have three or four channels.");
  }
  const int width = image.width();
  const int height = image.height();
  if (parameters.wholeSelect()) return wholeImageRuns(width, height);

  std::string reason;
  size_t count = 0;
  if (!imageByteCount(width, height, 1, &count, &reason)) {
    return Result<ForegroundRuns>::failure(reason);
  }
  std::unique_ptr<uint8_t[]> mask(new (std::nothrow) uint8_t[count]);
  if (!mask) return Result<ForegroundRuns>::failure(kNoMemory);
  computeForegroundMask(image.data(), width, height, image.channels(), background,
                        parameters.tolerance(), mask.get());
  return filteredRuns(mask.get(), width, height, parameters.filterSize(),
                      parameters.noiseThreshold());
}

Result<ForegroundRuns> runsOfMask(const uint8_t* mask, int width, int height) {
  std::string reason;
  size_t count = 0;
  if (!imageByteCount(width, height, 1, &count, &reason)) {
    return Result<ForegroundRuns>::failure(reason);
  }
  if (mask == nullptr) return Result<ForegroundRuns>::failure("There is no mask to examine.");
  return filteredRuns(mask, width, height, 1, 1);
}

DetectedRect boundingBoxOf(const ForegroundRuns& runs) {
  DetectedRect box;
  bool found = false;
  for (int y = 0; y < runs.height; ++y) {
    const int32_t begin = runs.rowStart[size_t(y)];
    const int32_t end = runs.rowStart[size_t(y) + 1];
    if (begin == end) continue;
    const int first = runs.runs[size_t(begin)].first;
    const int last = runs.runs[size_t(end) - 1].last;
    if (!found) {
      box = DetectedRect{first, y, last, y};
      found = true;
    }
    box.left = std::min(box.left, first);
    box.right = std::max(box.right, last);
    box.bottom = y;
  }
  return box;
}

}  // namespace trimlet
