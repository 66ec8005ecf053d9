// The rotation entry: the angle normalised into [0, 360), split into exact
// quarter turns and a remaining angle of at most 45 degrees either way, the
// remainder done by three shears (a copy when it is exactly 0). The shears
// read the quarter-turned picture through a view of the source.

#include <cmath>

#include "engine/geometry/parallel_parts.h"
#include "engine/geometry/quarter_view.h"
#include "engine/geometry/rotate.h"
#include "engine/geometry/rotate_workers.h"
#include "engine/geometry/shear_passes.h"

namespace trimlet {

namespace {
// Above this the angle is first reduced with fmod: subtracting 360 from a
// huge value changes nothing and would never end. Below it the repeated
// subtraction stands, so ordinary angles keep their exact values.
constexpr double kStepwiseLimit = 360.0 * 4096.0;
}  // namespace

RotationPlan planRotation(double degrees) {
  double a = degrees;
  if (std::isfinite(a) && std::fabs(a) > kStepwiseLimit) a = std::fmod(a, 360.0);
  while (a >= 360) a -= 360;
  while (a < 0) a += 360;
  if (a > 45 && a <= 135) return {1, a - 90};
  if (a > 135 && a <= 225) return {2, a - 180};
  if (a > 225 && a <= 315) return {3, a - 270};
  if (a > 315) return {0, a - 360};  // acts as the negative angle
  return {0, a};
}

Result<ImageBuffer> rotateImageWithWorkers(const ImageBuffer& source, double degrees,
                                           uint32_t background, bool edgeBlending, int maxWorkers) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to rotate.");
  if (source.channels() != 4)
    return Result<ImageBuffer>::failure("Only images with four bytes per pixel can be rotated.");
  if (!std::isfinite(degrees))
    return Result<ImageBuffer>::failure("The rotation angle is not a number.");
  const RotationPlan plan = planRotation(degrees);
  if (plan.remaining == 0.0)
    return plan.quarterTurns == 0 ? source.clone()
                                  : quarterTurnWithWorkers(source, plan.quarterTurns, maxWorkers);
  // The shears read the quarter turn through a view: no turned copy is made.
  const int64_t pixels = int64_t(source.width()) * source.height();
  return geometry_detail::shearRotateView(geometry_detail::quarterView(source, plan.quarterTurns),
                                          plan.remaining, background, edgeBlending,
                                          geometry_detail::workersFor(pixels, maxWorkers));
}

Result<ImageBuffer> rotateImage(const ImageBuffer& source, double degrees, uint32_t background,
                                bool edgeBlending) {
  return rotateImageWithWorkers(source, degrees, background, edgeBlending,
                                geometry_detail::kMaxWorkers);
}

}  // namespace trimlet
