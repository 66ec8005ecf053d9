// The foreground mask: 1 where a pixel differs from the background colour by
// at least the tolerance, 0 where it is background.
//
// A pixel is background when D = dR^2 + dG^2 + dB^2 (integer) is below
// T = 9 x (1.275 x tolerance)^2 (double). Because D is an integer, D < T is
// the same as D < ceil(T), so the loop compares integers only.
#include <cmath>
#include <cstdint>

#include "engine/detect/background_detector.h"
#include "engine/detect/mask_kernel.h"
#include "engine/detect/row_split.h"

namespace trimlet {
namespace {

bool isComponent(int value) { return value >= 0 && value <= 255; }

double thresholdT(int tolerance) {
  const double scaled = 1.275 * tolerance;
  return 9.0 * scaled * scaled;
}

// ceil(T), capped just above the largest D of components 0..255 (3 x 255^2).
int integerLimit(int tolerance) {
  constexpr double kAboveLargest = 3.0 * 255 * 255 + 1;
  const double t = thresholdT(tolerance);
  return t >= kAboveLargest ? static_cast<int>(kAboveLargest) : static_cast<int>(std::ceil(t));
}

// Int is int for background components 0..255 (D at most 3 x 255^2). A colour
// out of that range (a damaged profile) uses double, whose squares cannot
// overflow and are exact up to 2^53.
template <int kStep, typename Int>
void maskRows(const uint8_t* pixels, size_t first, size_t end, Int red, Int green, Int blue,
              Int limit, uint8_t* mask) {
  // Indexed rather than a moving pointer: the compiler vectorises this form.
  const uint8_t* p = pixels + first * kStep;
  uint8_t* m = mask + first;
  const size_t n = end - first;
  for (size_t i = 0; i < n; ++i) {
    const Int dr = red - p[i * kStep];
    const Int dg = green - p[i * kStep + 1];
    const Int db = blue - p[i * kStep + 2];
    m[i] = (dr * dr + dg * dg + db * db) < limit ? 0 : 1;
  }
}

// Three channels with components 0..255: squares from tables, one per
// channel, which beats the arithmetic on three-byte pixels (it does not
// vectorise at that stride).
void maskRowsTable3(const uint8_t* pixels, size_t first, size_t end, const Rgb& background,
                    int limit, uint8_t* mask) {
  int squares[3][256];
  const int components[3] = {background.red, background.green, background.blue};
  for (int c = 0; c < 3; ++c) {
    for (int v = 0; v < 256; ++v) squares[c][v] = (components[c] - v) * (components[c] - v);
  }
  const uint8_t* p = pixels + first * 3;
  uint8_t* m = mask + first;
  const size_t n = end - first;
  for (size_t i = 0; i < n; ++i, p += 3) {
    m[i] = squares[0][p[0]] + squares[1][p[1]] + squares[2][p[2]] < limit ? 0 : 1;
  }
}

template <typename Int>
void maskBand(const uint8_t* pixels, size_t first, size_t end, int bytesPerPixel,
              const Rgb& background, Int limit, uint8_t* mask) {
  const Int red = background.red;
  const Int green = background.green;
  const Int blue = background.blue;
  if (bytesPerPixel == 4) {
    maskRows<4, Int>(pixels, first, end, red, green, blue, limit, mask);
  } else {
    maskRows<3, Int>(pixels, first, end, red, green, blue, limit, mask);
  }
}

}  // namespace

void computeForegroundMask(const uint8_t* pixels, int width, int height, int bytesPerPixel,
                           Rgb background, int tolerance, uint8_t* mask) {
  if (width <= 0 || height <= 0) return;
  const bool narrow =
      isComponent(background.red) && isComponent(background.green) && isComponent(background.blue);
  const int narrowLimit = integerLimit(tolerance);
  const double wideLimit = thresholdT(tolerance);
  detail::forRowBands(height, width, [&](int, int firstRow, int endRow) {
    const size_t first = size_t(firstRow) * size_t(width);
    const size_t end = size_t(endRow) * size_t(width);
    if (narrow && bytesPerPixel != 4) {
      if (!detail::maskRowsVector3(pixels, first, end, background, narrowLimit, mask))
        maskRowsTable3(pixels, first, end, background, narrowLimit, mask);
    } else if (narrow) {
      maskBand<int>(pixels, first, end, bytesPerPixel, background, narrowLimit, mask);
    } else {
      maskBand<double>(pixels, first, end, bytesPerPixel, background, wideLimit, mask);
    }
  });
}

}  // namespace trimlet
