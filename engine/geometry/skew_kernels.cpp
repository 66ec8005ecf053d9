// The vector loops of the shear rotation. Each output byte depends only on
// two source bytes and the line's multiplier, so the loops have no carried
// state and vectorise; the pixels at the ends of a line, which follow other
// rules, are done one at a time.

#include "engine/geometry/skew_kernels.h"

#include <algorithm>
#include <cstring>

#include "engine/geometry/skew_core.h"

namespace trimlet::geometry_detail {

namespace {

constexpr double kOffsetLimit = 1073741824.0;

inline uint8_t highPart(uint8_t x, uint16_t multiplier) {
  return static_cast<uint8_t>((uint32_t(uint16_t(x)) * multiplier) >> 16);
}

}  // namespace

int offsetOf(double floored) {
  return static_cast<int>(std::clamp(floored, -kOffsetLimit, kOffsetLimit));
}

void blendAlongRow(const uint8_t* __restrict a, uint8_t* __restrict out, size_t bytes,
                   uint16_t multiplier) {
  for (size_t j = 0; j < bytes; ++j)
    out[j] =
        static_cast<uint8_t>(a[j] - highPart(a[j], multiplier) + highPart(a[j - 4], multiplier));
}

void blendAcrossRows(uint8_t* __restrict row, uint8_t* __restrict leftBelow,
                     const uint16_t* __restrict multipliers, size_t bytes) {
  for (size_t j = 0; j < bytes; ++j) {
    const uint8_t left = highPart(row[j], multipliers[j]);
    row[j] = static_cast<uint8_t>(row[j] - left + leftBelow[j]);
    leftBelow[j] = left;
  }
}

void fillPixels(uint8_t* destination, int64_t count, uint32_t pixel) {
  const uint8_t bytes[4] = {uint8_t(pixel), uint8_t(pixel >> 8), uint8_t(pixel >> 16),
                            uint8_t(pixel >> 24)};
  uint32_t word;
  std::memcpy(&word, bytes, 4);
  for (int64_t i = 0; i < count; ++i) std::memcpy(destination + i * 4, &word, 4);
}

void skewWindow(const uint8_t* source, int64_t first, int n, const LineWeight& weight,
                int64_t begin, int64_t end, uint8_t* out, uint32_t background, bool edgeBlending) {
  if (n <= 0 || begin >= end) return;
  const int64_t o = weight.offset;
  if (!weight.table && begin > o && end <= o + n) {
    // Only source pixels 1 .. n - 1: the usual window inside a line.
    blendAlongRow(source + (begin - o - first) * 4, out, static_cast<size_t>(end - begin) * 4,
                  weight.multiplier);
    return;
  }
  const ConstBytePixels in{source};
  const BytePixels to{out};
  auto at = [&](int64_t x) { return in.load(x - first); };
  auto left = [&](uint32_t p) {
    return weight.table ? leftPart(p, weight.table) : leftByMultiplier(p, weight.multiplier);
  };
  // The output of source index x, 0 <= x <= n (x = n: the pixel after the
  // last, which repeats the last output or, with edge blending, holds the
  // last pixel's left part).
  auto value = [&](int64_t x) {
    if (x == n) {
      if (edgeBlending) return left(at(n - 1));
      x = n - 1;
    }
    const uint32_t p = at(x);
    if (x > 0) return addBytes(p - left(p), left(at(x - 1)));
    return edgeBlending ? addBytes(p - left(p), background) : p;
  };
  // Background before the line.
  const int64_t lead = std::clamp(o, begin, end);
  fillPixels(out, lead - begin, background);
  if (o >= begin && o < end) to.store(o - begin, value(0));
  // Source indices 1 .. n - 1: the bulk.
  const int64_t from = std::max(begin, o + 1), upTo = std::min(end, o + n);
  if (from < upTo) {
    if (weight.table) {
      for (int64_t p = from; p < upTo; ++p) to.store(p - begin, value(p - o));
    } else {
      blendAlongRow(source + (from - o - first) * 4, out + (from - begin) * 4,
                    static_cast<size_t>(upTo - from) * 4, weight.multiplier);
    }
  }
  const int64_t tail = o + n;
  if (tail >= begin && tail < end) to.store(tail - begin, value(n));
  const int64_t rest = std::clamp(tail + 1, begin, end);
  fillPixels(out + (rest - begin) * 4, end - rest, background);
}

}  // namespace trimlet::geometry_detail
