// The square noise filter: a pixel stays foreground when its window of
// (2r + 1) x (2r + 1) mask pixels, r = filterSize / 2, clipped to the image,
// holds at least `threshold` foreground pixels.
//
// Counting every window would cost (2r + 1)^2 per pixel. Instead each band of
// rows keeps, per column, the count of foreground pixels in the rows of the
// current window (added and dropped one row at a time), and each row takes its
// horizontal window sums of those column counts as differences of their
// running sum. Both are exact counts, so the result equals the full count at
// every pixel, borders included: the column counts are padded with zeros
// where the window leaves the image.
#include "engine/detect/noise_filter.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "engine/detect/background_detector.h"
#include "engine/detect/row_split.h"
#include "engine/image/checked_size.h"

namespace trimlet {
namespace detail {
namespace {

using Count = int32_t;  // at most width x height < 2^29

void addRow(const uint8_t* maskRow, int width, Count* counts) {
  for (int x = 0; x < width; ++x) counts[x] += maskRow[x];
}
void removeRow(const uint8_t* maskRow, int width, Count* counts) {
  for (int x = 0; x < width; ++x) counts[x] -= maskRow[x];
}

// prefix[i + 1] = padded[0] + ... + padded[i], prefix[0] staying 0. Four
// columns at a time, so that each step waits on one addition instead of four.
void runningSum(const Count* padded, int n, Count* prefix) {
  Count total = 0;
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    const Count pair = padded[i] + padded[i + 1];
    const Count pairs = pair + padded[i + 2] + padded[i + 3];
    prefix[i + 1] = total + padded[i];
    prefix[i + 2] = total + pair;
    prefix[i + 3] = total + pair + padded[i + 2];
    prefix[i + 4] = total + pairs;
    total += pairs;
  }
  for (; i < n; ++i) {
    total += padded[i];
    prefix[i + 1] = total;
  }
}

struct Window {
  int rx;  // horizontal and vertical radius, each at most the image side
  int ry;
  int threshold;
};

// One band of output rows [firstRow, endRow). `padded` holds width + 2 rx
// zeroed counts, the rx on each side staying 0; `prefix` has room for one
// more than that, its first element 0.
void filterBand(const uint8_t* mask, int width, int height, const Window& window, int band,
                int firstRow, int endRow, Count* padded, Count* prefix, FilteredRowSink& sink) {
  const int rx = window.rx;
  const int ry = window.ry;
  Count* counts = padded + rx;
  const size_t stride = size_t(width);
  auto maskRow = [&](int y) { return mask + size_t(y) * stride; };
  const int windowLast = std::min(height - 1, firstRow + ry);
  for (int y = std::max(0, firstRow - ry); y <= windowLast; ++y) {
    addRow(maskRow(y), width, counts);
  }

  const int span = 2 * rx + 1;
  const int paddedWidth = width + 2 * rx;
  for (int y = firstRow; y < endRow; ++y) {
    // prefix[i] is the sum of padded[0 .. i - 1]; the horizontal window at
    // column x covers padded[x .. x + 2 rx]. The prefix is one add per
    // column and the differences vectorise.
    runningSum(padded, paddedWidth, prefix);
    uint8_t* out = sink.rowBuffer(band, y);
    const Count threshold = window.threshold;
    for (int x = 0; x < width; ++x) out[x] = prefix[x + span] - prefix[x] >= threshold ? 1 : 0;
    sink.rowDone(band, y, out);
    // Move the vertical window on to row y + 1.
    if (y + 1 < endRow) {
      if (y - ry >= 0) removeRow(maskRow(y - ry), width, counts);
      if (y + 1 + ry < height) addRow(maskRow(y + 1 + ry), width, counts);
    }
  }
}

// Small windows (radius at most kDirectRadius): a column count is at most
// 2r + 1 <= 7 and a window sum at most 49, so both fit a byte, and the
// window sum is added up directly, 2r + 1 bytes a pixel, which the compiler
// turns into vector code sixteen pixels at a time. The same exact counts as
// filterBand.
constexpr int kDirectRadius = 3;

template <int kSpan>
void sumAndCompare(const uint8_t* padded, int width, uint8_t threshold, uint8_t* out) {
  for (int x = 0; x < width; ++x) {
    uint8_t sum = 0;
    for (int k = 0; k < kSpan; ++k) sum = static_cast<uint8_t>(sum + padded[x + k]);
    out[x] = sum >= threshold ? 1 : 0;
  }
}

void addRowBytes(const uint8_t* maskRow, int width, uint8_t* counts) {
  for (int x = 0; x < width; ++x) counts[x] = static_cast<uint8_t>(counts[x] + maskRow[x]);
}
void removeRowBytes(const uint8_t* maskRow, int width, uint8_t* counts) {
  for (int x = 0; x < width; ++x) counts[x] = static_cast<uint8_t>(counts[x] - maskRow[x]);
}

// As filterBand, for rx, ry <= kDirectRadius; `padded` holds width + 2 rx
// zeroed bytes.
void filterBandSmall(const uint8_t* mask, int width, int height, const Window& window, int band,
                     int firstRow, int endRow, uint8_t* padded, FilteredRowSink& sink) {
  const int rx = window.rx;
  const int ry = window.ry;
  uint8_t* counts = padded + rx;
  const size_t stride = size_t(width);
  auto maskRow = [&](int y) { return mask + size_t(y) * stride; };
  const int windowLast = std::min(height - 1, firstRow + ry);
  for (int y = std::max(0, firstRow - ry); y <= windowLast; ++y)
    addRowBytes(maskRow(y), width, counts);
  // Thresholds outside 0..255 compare like their nearest byte value, as no
  // window sum exceeds 49.
  const uint8_t threshold = static_cast<uint8_t>(std::clamp(window.threshold, 0, 255));
  for (int y = firstRow; y < endRow; ++y) {
    uint8_t* out = sink.rowBuffer(band, y);
    switch (2 * rx + 1) {
      case 1: sumAndCompare<1>(padded, width, threshold, out); break;
      case 3: sumAndCompare<3>(padded, width, threshold, out); break;
      case 5: sumAndCompare<5>(padded, width, threshold, out); break;
      default: sumAndCompare<7>(padded, width, threshold, out); break;
    }
    sink.rowDone(band, y, out);
    if (y + 1 < endRow) {
      if (y - ry >= 0) removeRowBytes(maskRow(y - ry), width, counts);
      if (y + 1 + ry < height) addRowBytes(maskRow(y + 1 + ry), width, counts);
    }
  }
}

}  // namespace

Status filterRows(const uint8_t* mask, int width, int height, int filterSize, int threshold,
                  FilteredRowSink& sink) {
  std::string reason;
  size_t pixels = 0;
  if (!imageByteCount(width, height, 1, &pixels, &reason)) return Status::failure(reason);
  const size_t stride = size_t(width);
  if (filterSize == 1) {
    forRowBands(height, width, [&](int band, int firstRow, int endRow) {
      for (int y = firstRow; y < endRow; ++y) sink.rowDone(band, y, mask + size_t(y) * stride);
    });
    return Status::success();
  }
  const int r = filterSize / 2;
  if (r < 0) {
    // An empty window counts nothing.
    for (int y = 0; y < height; ++y) {
      uint8_t* out = sink.rowBuffer(0, y);
      std::memset(out, 0 >= threshold ? 1 : 0, stride);
      sink.rowDone(0, y, out);
    }
    return Status::success();
  }
  // A window reaching past every border counts the same as one that just
  // reaches them, so the radius never needs to exceed the image.
  const Window window{std::min(r, width), std::min(r, height), threshold};

  if (r <= kDirectRadius) {
    const size_t paddedBytes = stride + 2 * size_t(window.rx);
    std::unique_ptr<uint8_t[]> bytes[kMaxRowBands];
    for (auto& band : bytes) {
      band.reset(new (std::nothrow) uint8_t[paddedBytes]());
      if (!band) return Status::failure("There is not enough memory to filter the image.");
    }
    forRowBands(height, width, [&](int band, int firstRow, int endRow) {
      filterBandSmall(mask, width, height, window, band, firstRow, endRow, bytes[band].get(), sink);
    });
    return Status::success();
  }

  const size_t paddedCount = stride + 2 * size_t(window.rx);  // below 2^31
  std::unique_ptr<Count[]> counts[kMaxRowBands];
  std::unique_ptr<Count[]> prefixes[kMaxRowBands];
  for (int band = 0; band < kMaxRowBands; ++band) {
    counts[band].reset(new (std::nothrow) Count[paddedCount]());
    prefixes[band].reset(new (std::nothrow) Count[paddedCount + 1]());
    if (!counts[band] || !prefixes[band]) {
      return Status::failure("There is not enough memory to filter the image.");
    }
  }
  forRowBands(height, width, [&](int band, int firstRow, int endRow) {
    filterBand(mask, width, height, window, band, firstRow, endRow, counts[band].get(),
               prefixes[band].get(), sink);
  });
  return Status::success();
}

}  // namespace detail

namespace {

// Writes every filtered row into the output mask.
class MaskSink : public detail::FilteredRowSink {
 public:
  MaskSink(uint8_t* out, int width) : out_(out), width_(width) {}
  uint8_t* rowBuffer(int, int y) override { return out_ + size_t(y) * size_t(width_); }
  void rowDone(int, int y, const uint8_t* row) override {
    uint8_t* target = rowBuffer(0, y);
    if (row != target) std::memcpy(target, row, size_t(width_));
  }

 private:
  uint8_t* out_;
  int width_;
};

}  // namespace

Status filterNoise(const uint8_t* mask, int width, int height, int filterSize, int threshold,
                   uint8_t* out) {
  MaskSink sink(out, width);
  return detail::filterRows(mask, width, height, filterSize, threshold, sink);
}

}  // namespace trimlet
