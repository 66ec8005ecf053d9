// The normalisations that bring a crop setting back into its range, the
// distribution of the edge amount to the sides and the cut spin range.
#include <cstdint>

#include "engine/settings/crop_settings.h"

namespace trimlet {

int normaliseTolerance(int value) {
  if (value < 0) return 0;
  if (value > 100) return 100;
  return value;
}

int normaliseFilterSize(int value, int maxFilterSize) {
  if (value <= 0) return 1;
  if (value > maxFilterSize) return maxFilterSize;
  if (value % 2 == 0) return value + 1;
  return value;
}

int normaliseNoiseThreshold(int threshold, int filterSize) {
  // The square is taken in 64 bits: the filter size given may not be
  // normalised yet.
  const int64_t square = int64_t(filterSize) * filterSize;
  int result = threshold;
  if (threshold > square) result = static_cast<int>(square - 1);
  if (threshold < 0) result = 1;
  if (filterSize == 1) result = 1;
  return result;
}

int normaliseMinPhotoPercent(int value) {
  if (value < 0) return 0;
  if (value > 100) return 100;
  return value;
}

int normaliseInwardCutLimit(int limit) { return limit < 0 ? 0 : limit; }

int normaliseCutValue(int value, CutType cutType, CutDirection cutDirection, int inwardCutLimit) {
  if (value < 0) value = 0;
  if (cutType == CutType::kPixels) {
    const int limit = normaliseInwardCutLimit(inwardCutLimit);
    if (cutDirection == CutDirection::kInward && value > limit) value = limit;
  } else if (value > 100) {
    value = 100;
  }
  return value;
}

SideAmounts distributeCut(EdgeType edgeType, int cutValue) {
  SideAmounts sides;
  switch (edgeType) {
    case EdgeType::kAll: sides = {cutValue, cutValue, cutValue, cutValue}; break;
    case EdgeType::kLeft: sides.left = cutValue; break;
    case EdgeType::kRight: sides.right = cutValue; break;
    case EdgeType::kTop: sides.top = cutValue; break;
    case EdgeType::kBottom: sides.bottom = cutValue; break;
    default:  // an edge type out of range names no side
      break;
  }
  return sides;
}

void applyCutDistribution(CropSettings& settings) {
  const SideAmounts sides = distributeCut(settings.edgeType, settings.cutValue);
  settings.cutLeft = sides.left;
  settings.cutRight = sides.right;
  settings.cutTop = sides.top;
  settings.cutBottom = sides.bottom;
}

SpinRange cutSpinRange(CutType cutType, CutDirection cutDirection, int inwardCutLimit) {
  if (cutType != CutType::kPixels) return {0, 100};
  if (cutDirection == CutDirection::kInward) {
    // The spin control holds 16-bit bounds.
    return {0, normaliseInwardCutLimit(inwardCutLimit) & 0xFFFF};
  }
  return {0, 1000};
}

}  // namespace trimlet
