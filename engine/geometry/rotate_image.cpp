// The rotation entry: the angle normalised into [0, 360), split into exact
// quarter turns and a remaining angle of at most 45 degrees either way, the
// remainder done by three shears (a copy when it is exactly 0).

#include <cmath>

#include "engine/geometry/quarter_view.h"
#include "engine/geometry/rotate.h"
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

Result<ImageBuffer> rotateImage(const ImageBuffer& source, double degrees, uint32_t background,
                                bool edgeBlending) {
  if (source.empty()) return Result<ImageBuffer>::failure("There is no image to rotate.");
  if (source.channels() != 4)
    return Result<ImageBuffer>::failure("Only images with four bytes per pixel can be rotated.");
  if (!std::isfinite(degrees))
    return Result<ImageBuffer>::failure("The rotation angle is not a number.");
  const RotationPlan plan = planRotation(degrees);
  if (plan.remaining == 0.0)
    return plan.quarterTurns == 0 ? source.clone() : quarterTurn(source, plan.quarterTurns);
  if (plan.quarterTurns == 0)
    return geometry_detail::shearRotateView(geometry_detail::quarterView(source, 0),
                                            plan.remaining, background, edgeBlending);
  // The turned copy (made in cache-friendly tiles) lets the first shear read
  // along rows; it goes as soon as that shear is done.
  auto turned = quarterTurn(source, plan.quarterTurns);
  if (!turned) return turned;
  return geometry_detail::shearRotateView(geometry_detail::quarterView(*turned, 0),
                                          plan.remaining, background, edgeBlending, &*turned);
}

}  // namespace trimlet
