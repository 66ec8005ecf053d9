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
// All three are done together in bands of rows (shear_bands.cpp), so the
// source and the result are the only whole images.

#include <cmath>
#include <new>
#include <string>

#include "engine/geometry/parallel_parts.h"
#include "engine/geometry/rotate.h"
#include "engine/geometry/shear_passes.h"

namespace trimlet {
namespace geometry_detail {

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;

// A side length computed in double precision, or false when it cannot be one.
bool sideLength(double value, int* side) {
  if (!(value >= 1.0) || value > 2147483647.0) return false;
  *side = static_cast<int>(value);
  return true;
}

}  // namespace

Result<ShearPlan> planShears(int width, int height, double theta, uint32_t background,
                             bool edgeBlending) {
  const double phi = theta * kDegreesToRadians;
  ShearPlan plan;
  plan.t = std::tan(phi / 2);
  plan.s = std::sin(phi);
  const double c = std::cos(phi);
  const int W = width, H = height;
  plan.width = W;
  plan.height = H;
  plan.background = background;
  plan.edgeBlending = edgeBlending;
  if (!sideLength(std::trunc(std::fabs(plan.t) * H) + W, &plan.firstWidth) ||
      !sideLength(std::trunc(H * c + W * std::fabs(plan.s)) + 1, &plan.height2) ||
      !sideLength(std::trunc(H * std::fabs(plan.s) + W * c) + 1, &plan.width2))
    return Result<ShearPlan>::failure("The image cannot be rotated by " + std::to_string(theta) +
                                      " degrees.");
  return plan;
}

Result<ImageBuffer> shearRotateView(const QuarterView& view, double theta, uint32_t background,
                                    bool edgeBlending, int workers) {
  if (!view.pixels || view.channels != 4 || view.width < 1 || view.height < 1)
    return Result<ImageBuffer>::failure("Only images with four bytes per pixel can be rotated.");
  if (!std::isfinite(theta))
    return Result<ImageBuffer>::failure("The rotation angle is not a number.");
  auto plan = planShears(view.width, view.height, theta, background, edgeBlending);
  if (!plan) return Result<ImageBuffer>::failure(plan.status());

  auto out = ImageBuffer::create(plan->width2, plan->height2, 4);
  if (!out) return out;
  try {
    shearInBands(view, *plan, &*out, workers);
  } catch (const std::bad_alloc&) {
    return Result<ImageBuffer>::failure("Out of memory.");
  }
  return out;
}

}  // namespace geometry_detail

Result<ImageBuffer> shearRotate(const ImageBuffer& source, double theta, uint32_t background,
                                bool edgeBlending) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to rotate.");
  const geometry_detail::QuarterView view = geometry_detail::quarterView(source, 0);
  const int64_t pixels = int64_t(source.width()) * source.height();
  return geometry_detail::shearRotateView(
      view, theta, background, edgeBlending,
      geometry_detail::workersFor(pixels, geometry_detail::kMaxWorkers));
}

}  // namespace trimlet
