#pragma once
// Straightforward, slow versions of the geometry rules, written literally
// (per byte, in double precision, one value at a time) for the tests to hold
// the fast code against.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/image/image_buffer.h"

namespace trimlet::test {

inline int byteOf(uint32_t pixel, int b) { return static_cast<int>((pixel >> (8 * b)) & 0xFF); }

inline uint32_t pixelFromBytes(const int bytes[4]) {
  uint32_t p = 0;
  for (int b = 0; b < 4; ++b) p |= static_cast<uint32_t>(bytes[b] & 0xFF) << (8 * b);
  return p;
}

// Marks positions nobody wrote; the fast code must write every position.
constexpr uint32_t kUnwritten = 0xA5A5A5A5u;

// One line skewed: positions 0..o-1 background; source pixel i at i + o,
// blended with the left part trunc(f * byte) of the previous one; position
// n + o the last output pixel again (edge blending: the last left part);
// background after it.
inline std::vector<uint32_t> referenceSkew(const std::vector<uint32_t>& source, int m, int o,
                                           double f, uint32_t background, bool edgeBlending) {
  const int n = static_cast<int>(source.size());
  std::vector<uint32_t> out(m, kUnwritten);
  auto left = [f](uint32_t p, int b) { return static_cast<int>(std::trunc(f * byteOf(p, b))); };
  auto leftPixel = [&](uint32_t p) {
    int bytes[4];
    for (int b = 0; b < 4; ++b) bytes[b] = left(p, b);
    return pixelFromBytes(bytes);
  };
  for (int pos = 0; pos < o && pos < m; ++pos) out[pos] = background;
  uint32_t last = 0;
  for (int i = 0; i < n; ++i) {
    const uint32_t p = source[i];
    if (i == 0 && !edgeBlending) {
      last = p;
    } else {
      int bytes[4];
      for (int b = 0; b < 4; ++b) {
        const int previous = i == 0 ? byteOf(background, b) : left(source[i - 1], b);
        bytes[b] = (byteOf(p, b) - left(p, b) + previous) % 256;
      }
      last = pixelFromBytes(bytes);
    }
    const int64_t pos = int64_t(i) + o;
    if (pos >= 0 && pos < m) out[pos] = last;
  }
  const int64_t tail = int64_t(n) + o;
  if (tail >= 0 && tail < m) out[tail] = edgeBlending ? leftPixel(source[n - 1]) : last;
  for (int64_t pos = std::max<int64_t>(tail + 1, 0); pos < m; ++pos) out[pos] = background;
  return out;
}

// The three shears, pass by pass, on plain 2D arrays [row][column].
inline ImageBuffer referenceShearRotate(const ImageBuffer& source, double theta,
                                        uint32_t background, bool edgeBlending) {
  using Grid = std::vector<std::vector<uint32_t>>;
  const int W = source.width(), H = source.height();
  Grid in(H, std::vector<uint32_t>(W));
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const uint8_t* p = source.at(x, y);
      const int bytes[4] = {p[0], p[1], p[2], p[3]};
      in[y][x] = pixelFromBytes(bytes);
    }
  const double phi = theta * 0.017453292519943295;
  const double t = std::tan(phi / 2), s = std::sin(phi), c = std::cos(phi);
  const int W1 = static_cast<int>(std::trunc(std::fabs(t) * H) + W);
  const int H2 = static_cast<int>(std::trunc(H * c + W * std::fabs(s)) + 1);
  const int W2 = static_cast<int>(std::trunc(H * std::fabs(s) + W * c) + 1);
  auto skew = [&](const std::vector<uint32_t>& line, int m, double v) {
    const double fl = std::floor(v);
    return referenceSkew(line, m, static_cast<int>(fl), v - fl, background, edgeBlending);
  };

  Grid first(H);
  for (int i = 0; i < H; ++i) {
    const int k = t >= 0 ? i : i - H;
    first[i] = skew(in[i], W1, t * (k + 0.5));
  }
  Grid second(H2, std::vector<uint32_t>(W1));
  double v = s > 0 ? s * (W - 1) : -(s * (W - W1));
  for (int j = 0; j < W1; ++j) {
    std::vector<uint32_t> column(H);
    for (int i = 0; i < H; ++i) column[i] = first[i][j];
    const std::vector<uint32_t> skewed = skew(column, H2, v);
    for (int i = 0; i < H2; ++i) second[i][j] = skewed[i];
    v = v - s;
  }
  Grid third(H2);
  v = s >= 0 ? -(s * t * (W - 1)) : t * (1 - H2 - s * (W - 1));
  for (int i = 0; i < H2; ++i) {
    third[i] = skew(second[i], W2, v);
    v = v + t;
  }

  auto out = ImageBuffer::create(W2, H2, 4);
  for (int y = 0; y < H2; ++y)
    for (int x = 0; x < W2; ++x)
      for (int b = 0; b < 4; ++b) out->at(x, y)[b] = static_cast<uint8_t>(byteOf(third[y][x], b));
  return out.take();
}

// A quarter turn by the mapping, pixel by pixel (rows counted upward):
// 90: (x, y) -> (y, W - 1 - x); 180: -> (W - 1 - x, H - 1 - y);
// 270: -> (H - 1 - y, x). Any channel count.
inline ImageBuffer referenceQuarterTurn(const ImageBuffer& source, int quarters) {
  const int W = source.width(), H = source.height(), C = source.channels();
  const int q = ((quarters % 4) + 4) % 4;
  auto out = ImageBuffer::create(q % 2 ? H : W, q % 2 ? W : H, C);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      int tx = x, ty = y;
      if (q == 1) tx = y, ty = W - 1 - x;
      if (q == 2) tx = W - 1 - x, ty = H - 1 - y;
      if (q == 3) tx = H - 1 - y, ty = x;
      for (int c = 0; c < C; ++c) out->at(tx, ty)[c] = source.at(x, y)[c];
    }
  return out.take();
}

// The whole rotation as the rule reads, for angles of ordinary size: the
// angle brought into [0, 360) by whole turns, a quarter turn for the ranges
// (45, 135], (135, 225], (225, 315], the shears by what remains (an angle
// above 315 acting as a - 360); exactly 0 left gives the turned copy.
inline ImageBuffer referenceRotate(const ImageBuffer& source, double degrees, uint32_t background,
                                   bool edgeBlending) {
  double a = degrees;
  while (a >= 360) a -= 360;
  while (a < 0) a += 360;
  int quarters = 0;
  double remaining = a;
  if (a > 45 && a <= 135) quarters = 1, remaining = a - 90;
  if (a > 135 && a <= 225) quarters = 2, remaining = a - 180;
  if (a > 225 && a <= 315) quarters = 3, remaining = a - 270;
  if (a > 315) remaining = a - 360;
  const ImageBuffer turned = referenceQuarterTurn(source, quarters);
  if (remaining == 0) return referenceQuarterTurn(turned, 0);
  return referenceShearRotate(turned, remaining, background, edgeBlending);
}

// Area averaging of one line of n values into k, literally as the rule reads.
// Sets *inside to false when the rule would read past the line's end.
inline std::vector<int> referenceReduce(const std::vector<int>& line, int k, bool* inside) {
  const int n = static_cast<int>(line.size());
  const double r = static_cast<double>(n) / k;
  auto floorSnap = [](double v) {
    const double f = std::floor(v);
    return v - f > 0.9999 ? f + 1 : f;
  };
  auto fracSnap = [&](double v) {
    const double d = v - floorSnap(v);
    return d >= 0 ? d : 0.0;
  };
  std::vector<int> out(k);
  double previousEnd = 0;
  for (int i = 0; i < k; ++i) {
    const double e = fracSnap((i + 1) * r);
    const double a = i == 0 ? 1.0 : 1.0 - previousEnd;
    previousEnd = e;
    const long s = static_cast<long>(floorSnap(i * r));
    double sum = 0;
    if (s < n)
      sum += std::trunc(a * line[s]);
    else
      *inside = false;
    const long whole = static_cast<long>(floorSnap(r - a));
    for (long j = s + 1; j <= s + whole; ++j) {
      if (j < n)
        sum += line[j];
      else
        *inside = false;
    }
    if (s + whole + 1 < n) sum += std::trunc(e * line[s + whole + 1]);
    out[i] = static_cast<int>(std::clamp(std::trunc(sum / r), 0.0, 255.0));
  }
  return out;
}

}  // namespace trimlet::test
