// Area-averaging reduction. Along one axis n source samples become k output
// samples, each covering r = n / k source samples: the first one in part
// (start weight a), then whole ones, then the next one in part (end weight e).
// The spans and weights depend only on n and k, so they are worked out once
// per axis; the rows (or columns) then only add bytes.

#include "engine/geometry/reduce.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>

namespace trimlet {

namespace {

// floor with the snap: a value within 0.0001 below an integer counts as it.
double floorSnap(double v) {
  const double f = std::floor(v);
  return v - f > 0.9999 ? f + 1 : f;
}

double fracSnap(double v) {
  const double d = v - floorSnap(v);
  return d >= 0 ? d : 0;
}

// What output sample i adds up: trunc(startWeight x sample first), the whole
// samples first + 1 .. fullEnd - 1, and trunc(endWeight x sample last) when
// last >= 0 (it lies inside the line).
struct SampleSpan {
  int first = 0;
  int fullEnd = 0;
  int last = -1;
  double startWeight = 1;
  double endWeight = 0;
  // The weights as multipliers (see partMultiplier), or -1.
  int32_t startMultiplier = -1;
  int32_t endMultiplier = -1;
};

// Produces the spans of samples 0, 1, ... in turn (each start weight depends
// on the previous end weight).
class SpanWalker {
 public:
  SpanWalker(int n, int k) : n_(n), r_(static_cast<double>(n) / k) {}
  double ratio() const { return r_; }

  SampleSpan next() {
    SampleSpan span;
    span.endWeight = fracSnap((i_ + 1) * r_);
    span.startWeight = i_ == 0 ? 1.0 : 1.0 - previousEnd_;
    previousEnd_ = span.endWeight;
    const int64_t first = static_cast<int64_t>(floorSnap(i_ * r_));
    const int64_t whole = static_cast<int64_t>(floorSnap(r_ - span.startWeight));
    span.first = static_cast<int>(std::clamp<int64_t>(first, 0, n_ - 1));
    // Never past the line's end, whatever rounding did.
    span.fullEnd = static_cast<int>(std::clamp<int64_t>(first + 1 + whole, span.first + 1, n_));
    const int64_t after = first + whole + 1;
    span.last = after < n_ ? static_cast<int>(after) : -1;
    ++i_;
    return span;
  }

 private:
  int n_;
  double r_;
  int64_t i_ = 0;
  double previousEnd_ = 0;
};

uint8_t averageByte(int64_t sum, double r) {
  const double value = std::trunc(static_cast<double>(sum) / r);
  return static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
}

int64_t partOf(double weight, uint8_t value) { return static_cast<int64_t>(weight * value); }

// An M <= 65536 with (v * M) >> 16 == partOf(weight, v) for every byte v, or
// -1 when neither candidate next to weight * 65536 gives every one of the 256
// parts (then the part is taken in double precision).
int32_t partMultiplier(double weight) {
  if (!(weight >= 0.0 && weight <= 1.0)) return -1;
  const auto guess = static_cast<int64_t>(std::floor(weight * 65536.0));
  for (int64_t m = guess; m <= guess + 1 && m <= 65536; ++m) {
    unsigned mismatches = 0;
    for (uint32_t v = 0; v < 256; ++v)
      mismatches += static_cast<int64_t>((v * m) >> 16) != partOf(weight, static_cast<uint8_t>(v));
    if (mismatches == 0) return static_cast<int32_t>(m);
  }
  return -1;
}

inline int64_t part(double weight, int32_t multiplier, uint8_t value) {
  return multiplier >= 0 ? (int64_t(value) * multiplier) >> 16 : partOf(weight, value);
}

// The spans of one axis, the samples the longest of them touches, and
// averageByte for every sum up to 255 times that many samples, looked up
// instead of divided when that saves work (the results are the same).
class AxisPlan {
 public:
  AxisPlan(int n, int k, size_t outputs) : r_(static_cast<double>(n) / k) {
    spans_.reset(new (std::nothrow) SampleSpan[static_cast<size_t>(k)]);
    if (!spans_) return;
    SpanWalker walker(n, k);
    int64_t widest = 0;
    allExact_ = true;
    for (int i = 0; i < k; ++i) {
      SampleSpan& span = spans_[i];
      span = walker.next();
      widest = std::max<int64_t>(widest, span.fullEnd - span.first + 1);
      span.startMultiplier = partMultiplier(span.startWeight);
      span.endMultiplier = partMultiplier(span.endWeight);
      allExact_ = allExact_ && span.startMultiplier >= 0 && span.endMultiplier >= 0;
    }
    const int64_t maxSum = 255 * widest;
    sumsFit16_ = maxSum < 65536;
    if (sumsFit16_) averageMultiplier_ = findAverageMultiplier(maxSum);
    if (static_cast<uint64_t>(maxSum) < outputs) {
      averages_.reset(new (std::nothrow) uint8_t[static_cast<size_t>(maxSum) + 1]);
      if (averages_) {
        for (int64_t sum = 0; sum <= maxSum; ++sum) averages_[sum] = averageByte(sum, r_);
        maxSum_ = maxSum;
      }
    }
  }
  bool ok() const { return spans_ != nullptr; }
  // Whether every part has a multiplier and every sum fits 16 bits: the
  // vector form.
  bool vectorForm() const { return allExact_ && sumsFit16_; }
  // Whether the average is min(255, (sum * averageMultiplier()) >> 16).
  bool averageByMultiplier() const { return averageMultiplier_ >= 0; }
  uint16_t averageMultiplier() const { return static_cast<uint16_t>(averageMultiplier_); }
  const SampleSpan& span(int i) const { return spans_[i]; }
  uint8_t average(int64_t sum) const {
    return sum <= maxSum_ ? averages_[sum] : averageByte(sum, r_);
  }

 private:
  // An M < 65536 with min(255, (sum * M) >> 16) == averageByte(sum) for
  // every sum up to maxSum, or -1.
  int32_t findAverageMultiplier(int64_t maxSum) const {
    const auto guess = static_cast<int64_t>(std::floor(65536.0 / r_));
    for (int64_t m = guess; m <= guess + 1 && m < 65536; ++m) {
      bool fits = m >= 0;
      for (int64_t sum = 0; fits && sum <= maxSum; ++sum)
        fits = std::min<int64_t>(255, (sum * m) >> 16) == averageByte(sum, r_);
      if (fits) return static_cast<int32_t>(m);
    }
    return -1;
  }

  double r_;
  bool allExact_ = false;
  bool sumsFit16_ = false;
  int32_t averageMultiplier_ = -1;
  std::unique_ptr<SampleSpan[]> spans_;
  std::unique_ptr<uint8_t[]> averages_;
  int64_t maxSum_ = -1;
};

template <int C>
void reduceRow(const uint8_t* in, uint8_t* out, int k, const AxisPlan& plan) {
  for (int i = 0; i < k; ++i) {
    const SampleSpan& span = plan.span(i);
    const uint8_t* p = in + static_cast<size_t>(span.first) * C;
    int64_t sum[C];
    for (int c = 0; c < C; ++c) sum[c] = part(span.startWeight, span.startMultiplier, p[c]);
    for (int j = span.first + 1; j < span.fullEnd; ++j) {
      p += C;
      for (int c = 0; c < C; ++c) sum[c] += p[c];
    }
    if (span.last >= 0 && span.endMultiplier != 0) {
      p = in + static_cast<size_t>(span.last) * C;
      for (int c = 0; c < C; ++c) sum[c] += part(span.endWeight, span.endMultiplier, p[c]);
    }
    for (int c = 0; c < C; ++c) *out++ = plan.average(sum[c]);
  }
}

// Each row of `source` (width n) reduced to width k.
Result<ImageBuffer> reduceRows(const ImageBuffer& source, int k) {
  auto out = ImageBuffer::create(k, source.height(), source.channels());
  if (!out) return out;
  const AxisPlan plan(source.width(), k, out->byteCount());
  if (!plan.ok()) return Result<ImageBuffer>::failure("Out of memory.");
  for (int32_t y = 0; y < source.height(); ++y) {
    switch (source.channels()) {
      case 1: reduceRow<1>(source.row(y), out->row(y), k, plan); break;
      case 2: reduceRow<2>(source.row(y), out->row(y), k, plan); break;
      case 3: reduceRow<3>(source.row(y), out->row(y), k, plan); break;
      default: reduceRow<4>(source.row(y), out->row(y), k, plan); break;
    }
  }
  return out;
}

// The vector form of one output row: 16-bit sums of the parts and whole
// bytes, the average by a multiply where one fits.
void sumRowsShort(const ImageBuffer& source, const AxisPlan& plan, const SampleSpan& span,
                  uint16_t* sums, uint8_t* out) {
  const size_t stride = source.stride();
  const uint8_t* in = source.row(span.first);
  if (span.startMultiplier == 65536) {
    for (size_t x = 0; x < stride; ++x) sums[x] = in[x];
  } else {
    const uint16_t m = static_cast<uint16_t>(span.startMultiplier);
    for (size_t x = 0; x < stride; ++x)
      sums[x] = static_cast<uint16_t>((uint32_t(in[x]) * m) >> 16);
  }
  for (int j = span.first + 1; j < span.fullEnd; ++j) {
    in = source.row(j);
    for (size_t x = 0; x < stride; ++x) sums[x] = static_cast<uint16_t>(sums[x] + in[x]);
  }
  // An end weight of 0 adds nothing (most spans of a whole ratio).
  if (span.last >= 0 && span.endMultiplier != 0) {
    in = source.row(span.last);
    const uint16_t m = static_cast<uint16_t>(span.endMultiplier);
    for (size_t x = 0; x < stride; ++x)
      sums[x] = static_cast<uint16_t>(sums[x] + ((uint32_t(in[x]) * m) >> 16));
  }
  if (!plan.averageByMultiplier()) {
    for (size_t x = 0; x < stride; ++x) out[x] = plan.average(sums[x]);
    return;
  }
  const uint16_t average = plan.averageMultiplier();
  for (size_t x = 0; x < stride; ++x)
    out[x] = static_cast<uint8_t>(std::min<uint32_t>(255, (uint32_t(sums[x]) * average) >> 16));
}

// The rows of `source` (height n) reduced to k rows, row by row.
Result<ImageBuffer> reduceColumns(const ImageBuffer& source, int k) {
  const size_t stride = source.stride();
  auto out = ImageBuffer::create(source.width(), k, source.channels());
  if (!out) return out;
  const AxisPlan plan(source.height(), k, out->byteCount());
  if (!plan.ok()) return Result<ImageBuffer>::failure("Out of memory.");
  if (plan.vectorForm()) {
    std::unique_ptr<uint16_t[]> sums(new (std::nothrow) uint16_t[stride]);
    if (!sums) return Result<ImageBuffer>::failure("Out of memory.");
    for (int i = 0; i < k; ++i) sumRowsShort(source, plan, plan.span(i), sums.get(), out->row(i));
    return out;
  }
  std::unique_ptr<int64_t[]> sums(new (std::nothrow) int64_t[stride]);
  if (!sums) return Result<ImageBuffer>::failure("Out of memory.");
  for (int i = 0; i < k; ++i) {
    const SampleSpan& span = plan.span(i);
    const uint8_t* in = source.row(span.first);
    for (size_t x = 0; x < stride; ++x) sums[x] = partOf(span.startWeight, in[x]);
    for (int j = span.first + 1; j < span.fullEnd; ++j) {
      in = source.row(j);
      for (size_t x = 0; x < stride; ++x) sums[x] += in[x];
    }
    if (span.last >= 0) {
      in = source.row(span.last);
      for (size_t x = 0; x < stride; ++x) sums[x] += partOf(span.endWeight, in[x]);
    }
    uint8_t* o = out->row(i);
    for (size_t x = 0; x < stride; ++x) o[x] = plan.average(sums[x]);
  }
  return out;
}

}  // namespace

void reduceLine(const uint8_t* source, int n, int sourceStep, uint8_t* destination, int k,
                int destinationStep) {
  if (!source || !destination || n < 1 || k < 1 || k > n) return;
  SpanWalker walker(n, k);
  const ptrdiff_t in = sourceStep;
  for (int i = 0; i < k; ++i) {
    const SampleSpan span = walker.next();
    int64_t sum = partOf(span.startWeight, source[span.first * in]);
    for (int j = span.first + 1; j < span.fullEnd; ++j) sum += source[j * in];
    if (span.last >= 0) sum += partOf(span.endWeight, source[span.last * in]);
    destination[static_cast<ptrdiff_t>(i) * destinationStep] = averageByte(sum, walker.ratio());
  }
}

Result<ImageBuffer> reduceImage(const ImageBuffer& source, int targetWidth, int targetHeight) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to reduce.");
  if (targetWidth < 1 || targetHeight < 1)
    return Result<ImageBuffer>::failure("The image cannot be reduced to " +
                                        std::to_string(targetWidth) + " x " +
                                        std::to_string(targetHeight) + " pixels.");
  const bool narrower = targetWidth < source.width();
  const bool lower = targetHeight < source.height();
  if (!narrower && !lower) return source.clone();
  if (!lower) return reduceRows(source, targetWidth);
  if (!narrower) return reduceColumns(source, targetHeight);
  auto rows = reduceRows(source, targetWidth);
  if (!rows) return rows;
  return reduceColumns(*rows, targetHeight);
}

}  // namespace trimlet
