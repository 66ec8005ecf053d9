// Rotation by a small angle theta as three shears with linear sub-pixel
// blending (phi = theta in radians, t = tan(phi / 2), s = sin phi,
// c = cos phi, all double):
//   1. rows of W x H into W1 x H, W1 = trunc(|t| H) + W; row i is skewed by
//      v = t (k + 0.5) with k = i (t >= 0) or i - H (t < 0);
//   2. columns into W1 x H2, H2 = trunc(H c + W |s|) + 1; v starts at
//      s (W - 1) (s > 0) or -(s (W - W1)) and loses s per column;
//   3. rows into W2 x H2, W2 = trunc(H |s| + W c) + 1; v starts at
//      -(s t (W - 1)) (s >= 0) or t (1 - H2 - s (W - 1)) and gains t per row.
// Every line is skewed by floor(v) with weight v - floor(v) (skew_core.h).
// At most three buffers exist at once: the source, the previous pass and the
// one being written.

#include <cmath>

#include "engine/geometry/rotate.h"
#include "engine/geometry/shear_passes.h"
#include "engine/geometry/skew_core.h"

namespace trimlet {
namespace geometry_detail {

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
// Offsets beyond any possible line length act alike; clamping them keeps the
// integer arithmetic of the skew in range.
constexpr double kOffsetLimit = 1073741824.0;

// A side length computed in double precision, or false when it cannot be one.
bool sideLength(double value, int64_t* side) {
  if (!(value >= 1.0) || value > 2147483647.0) return false;
  *side = static_cast<int64_t>(value);
  return true;
}

int offsetOf(double floored) {
  return static_cast<int>(std::clamp(floored, -kOffsetLimit, kOffsetLimit));
}

// Skews one line with the offset and weight taken from v.
template <class Src>
void skewBy(double v, Src src, ptrdiff_t sourceStep, int n, uint8_t* destination,
            ptrdiff_t destinationStep, int m, uint32_t background, bool edgeBlending) {
  const double floored = std::floor(v);
  uint8_t table[256];
  buildLeftTable(v - floored, table);
  skewCore(src, sourceStep, n, BytePixels{destination}, destinationStep, m, offsetOf(floored),
           table, background, edgeBlending);
}

}  // namespace

Result<ImageBuffer> shearRotateView(const QuarterView& view, double theta, uint32_t background,
                                    bool edgeBlending, ImageBuffer* consumed) {
  if (!view.pixels || view.channels != 4 || view.width < 1 || view.height < 1)
    return Result<ImageBuffer>::failure("Only images with four bytes per pixel can be rotated.");
  if (!std::isfinite(theta)) return Result<ImageBuffer>::failure("The rotation angle is not a number.");

  const double phi = theta * kDegreesToRadians;
  const double t = std::tan(phi / 2);
  const double s = std::sin(phi);
  const double c = std::cos(phi);
  const int W = view.width;
  const int H = view.height;
  int64_t w1 = 0, h2 = 0, w2 = 0;
  if (!sideLength(std::trunc(std::fabs(t) * H) + W, &w1) ||
      !sideLength(std::trunc(H * c + W * std::fabs(s)) + 1, &h2) ||
      !sideLength(std::trunc(H * std::fabs(s) + W * c) + 1, &w2))
    return Result<ImageBuffer>::failure("The image cannot be rotated by " +
                                        std::to_string(theta) + " degrees.");
  const int W1 = static_cast<int>(w1), H2 = static_cast<int>(h2), W2 = static_cast<int>(w2);

  // 1. Horizontal shear, read through the view.
  auto first = ImageBuffer::create(W1, H, 4);
  if (!first) return first;
  for (int i = 0; i < H; ++i) {
    const int k = t >= 0 ? i : i - H;
    const double v = t * (k + 0.5);
    const ConstBytePixels row{view.pixels + (view.origin + i * view.rowStep) * 4};
    skewBy(v, row, view.pixelStep, W, first->row(i), 1, W1, background, edgeBlending);
  }

  if (consumed) consumed->reset();

  // 2. Vertical shear: column by column in effect, walked in blocks of
  // neighbouring columns along the rows.
  auto second = ImageBuffer::create(W1, H2, 4);
  if (!second) return second;
  {
    double v = s > 0 ? s * (W - 1) : -(s * (W - W1));
    ColumnSkew columns[kColumnBlock];
    for (int j0 = 0; j0 < W1; j0 += kColumnBlock) {
      const int count = std::min(kColumnBlock, W1 - j0);
      for (int c = 0; c < count; ++c) {
        const double floored = std::floor(v);
        columns[c].offset = offsetOf(floored);
        buildLeftTable(v - floored, columns[c].table);
        v = v - s;
      }
      skewColumnBlock(first->data() + static_cast<ptrdiff_t>(j0) * 4,
                      second->data() + static_cast<ptrdiff_t>(j0) * 4, W1, H, H2, columns,
                      count, background, edgeBlending);
    }
  }
  first->reset();

  // 3. Horizontal shear.
  auto out = ImageBuffer::create(W2, H2, 4);
  if (!out) return out;
  {
    double v = s >= 0 ? -(s * t * (W - 1)) : t * (1 - H2 - s * (W - 1));
    for (int i = 0; i < H2; ++i) {
      const ConstBytePixels row{second->row(i)};
      skewBy(v, row, 1, W1, out->row(i), 1, W2, background, edgeBlending);
      v = v + t;
    }
  }
  return out;
}

}  // namespace geometry_detail

Result<ImageBuffer> shearRotate(const ImageBuffer& source, double theta, uint32_t background,
                                bool edgeBlending) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to rotate.");
  return geometry_detail::shearRotateView(geometry_detail::quarterView(source, 0), theta,
                                          background, edgeBlending);
}

}  // namespace trimlet
