#pragma once
// The skew of one line pixel by pixel, for any step between pixels (used by
// skewLine on 32-bit pixel arrays), and the pixel and weight helpers the
// shear passes share with it. Internal to the geometry code.
//
// A pixel is one 32-bit value, red in the low byte, alpha in the high byte.
// Every byte of a pixel is treated alike and independently: the sums are done
// per byte in 8-bit arithmetic, never with a carry from one byte into the next.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace trimlet::geometry_detail {

// Pixels of a uint32_t array.
struct WordPixels {
  uint32_t* base;
  uint32_t load(ptrdiff_t i) const { return base[i]; }
  void store(ptrdiff_t i, uint32_t v) const { base[i] = v; }
};
struct ConstWordPixels {
  const uint32_t* base;
  uint32_t load(ptrdiff_t i) const { return base[i]; }
};

// Pixels of a byte buffer with four bytes per pixel (red first). Composed
// byte by byte, so the packing does not depend on the machine's byte order.
struct BytePixels {
  uint8_t* base;
  uint32_t load(ptrdiff_t i) const {
    const uint8_t* p = base + i * 4;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
  }
  void store(ptrdiff_t i, uint32_t v) const {
    uint8_t* p = base + i * 4;
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
  }
};
struct ConstBytePixels {
  const uint8_t* base;
  uint32_t load(ptrdiff_t i) const {
    const uint8_t* p = base + i * 4;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
  }
};

// The weight as the skew uses it: inside [0, 1]. A weight of exactly 1 does
// occur (v - floor(v) of a tiny negative v rounds to 1) and is kept; anything
// outside, or not a number, would give left parts larger than the byte.
inline double usableWeight(double weight) {
  if (!(weight > 0.0)) return 0.0;
  return weight > 1.0 ? 1.0 : weight;
}

// table[b] = trunc(weight * b): the left part of one byte.
inline void buildLeftTable(double weight, uint8_t table[256]) {
  const double w = usableWeight(weight);
  for (int b = 0; b < 256; ++b) table[b] = static_cast<uint8_t>(static_cast<int>(w * b));
}

inline uint32_t leftPart(uint32_t p, const uint8_t table[256]) {
  return uint32_t(table[p & 0xFF]) | (uint32_t(table[(p >> 8) & 0xFF]) << 8) |
         (uint32_t(table[(p >> 16) & 0xFF]) << 16) | (uint32_t(table[p >> 24]) << 24);
}

// Per-byte a + b modulo 256.
inline uint32_t addBytes(uint32_t a, uint32_t b) {
  return ((a & 0x7F7F7F7Fu) + (b & 0x7F7F7F7Fu)) ^ ((a ^ b) & 0x80808080u);
}

// Skews n source pixels into a destination line of m pixels at offset o
// (any integer; positions outside 0..m-1 are not written). The left table
// holds trunc(f * b). Each left part is at most its byte, so p - left(p)
// never borrows across bytes.
template <class Src, class Dst>
void skewCore(Src src, ptrdiff_t sourceStep, int n, Dst dst, ptrdiff_t destinationStep, int m,
              int o, const uint8_t table[256], uint32_t background, bool edgeBlending) {
  if (n <= 0 || m <= 0) return;
  // Leading background: positions 0 .. o - 1.
  const int lead = std::clamp(o, 0, m);
  for (int pos = 0; pos < lead; ++pos) dst.store(pos * destinationStep, background);

  // Source pixels i in [firstVisible, end) land inside the line.
  const int64_t firstVisible = std::max<int64_t>(0, -int64_t(o));
  const int64_t end = std::min<int64_t>(n, int64_t(m) - o);
  uint32_t prevLeft = background;
  uint32_t out = background;
  int64_t i = firstVisible;
  if (firstVisible == 0) {
    if (end > 0) {
      // The first pixel: itself, or with edge blending blended with the
      // background.
      const uint32_t p = src.load(0);
      prevLeft = leftPart(p, table);
      out = edgeBlending ? addBytes(p - prevLeft, background) : p;
      dst.store(int64_t(o) * destinationStep, out);
      i = 1;
    }
  } else if (firstVisible <= n) {
    // The line starts left of position 0: bring the running state up to the
    // pixel before the first visible one (for o = -n that pixel gives the
    // repeated last output).
    const int64_t before = firstVisible - 1;
    const uint32_t p = src.load(before * sourceStep);
    const uint32_t left = leftPart(p, table);
    if (before == 0) {
      out = edgeBlending ? addBytes(p - left, background) : p;
    } else {
      out = addBytes(p - left, leftPart(src.load((before - 1) * sourceStep), table));
    }
    prevLeft = left;
  }
  for (; i < end; ++i) {
    const uint32_t p = src.load(i * sourceStep);
    const uint32_t left = leftPart(p, table);
    out = addBytes(p - left, prevLeft);
    prevLeft = left;
    dst.store((i + o) * destinationStep, out);
  }
  // Position n + o gets the last output pixel once more (with edge blending
  // the last pixel's left part); everything after it is background.
  const int64_t tail = int64_t(n) + o;
  if (tail >= 0 && tail < m) dst.store(tail * destinationStep, edgeBlending ? prevLeft : out);
  for (int64_t pos = std::max<int64_t>(tail + 1, lead); pos < m; ++pos)
    dst.store(pos * destinationStep, background);
}

}  // namespace trimlet::geometry_detail
