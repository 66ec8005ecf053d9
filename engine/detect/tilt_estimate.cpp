// The tilt of a scanned picture from the last detection: the angles of the
// lines from the top hit point to the left and right hit points, reduced to
// the one nearer the horizontal. All in single precision, as the manual
// cropping window has always computed it.
#include <cmath>

#include "engine/detect/background_detector.h"

namespace trimlet {

float BackgroundDetector::estimateTilt() const {
  const int topColumn = topHitColumn_ < 0 ? 0 : topHitColumn_;
  const int leftRow = leftHitRow_ < 0 ? 0 : leftHitRow_;
  const int rightRow = rightHitRow_ < 0 ? 0 : rightHitRow_;
  if (leftRow == rightRow) return 0.0f;

  constexpr float kDegreesPerRadian = 57.29578f;
  const float ax = static_cast<float>(rect_.left - topColumn);
  const float ay = static_cast<float>(leftRow - rect_.top);
  const float bx = static_cast<float>(rect_.right - topColumn);
  const float by = static_cast<float>(rightRow - rect_.top);
  const float a = std::atan2(ay, ax) * kDegreesPerRadian;
  const float b = std::atan2(by, bx) * kDegreesPerRadian;
  return std::fabs(b) < std::fabs(a - 180.0f) ? b : a - 180.0f;
}

}  // namespace trimlet
