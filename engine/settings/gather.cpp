// The gather: the panel's values normalised in place and handed over as the
// pipeline's settings copy.
#include "engine/settings/crop_settings.h"

namespace trimlet {

bool GatheredSettings::operator==(const GatheredSettings& o) const {
  return tolerance == o.tolerance && filterSize == o.filterSize &&
         noiseThreshold == o.noiseThreshold && cutValue == o.cutValue && cutLeft == o.cutLeft &&
         cutRight == o.cutRight && cutTop == o.cutTop && cutBottom == o.cutBottom &&
         edgeType == o.edgeType && cutType == o.cutType && cutDirection == o.cutDirection &&
         fillColor == o.fillColor && additive == o.additive &&
         backgroundColor == o.backgroundColor && fixedColor == o.fixedColor &&
         autoRotate == o.autoRotate && regularRectangle == o.regularRectangle &&
         splitPhotos == o.splitPhotos && minPhotoPercent == o.minPhotoPercent &&
         honourOrientation == o.honourOrientation;
}

GatheredSettings gatherSettings(CropSettings& s) {
  // The order matters: the threshold is normalised against the filter size
  // already brought into range.
  s.tolerance = normaliseTolerance(s.tolerance);
  s.filterSize = normaliseFilterSize(s.filterSize, s.maxFilterSize);
  s.noiseThreshold = normaliseNoiseThreshold(s.noiseThreshold, s.filterSize);
  s.cutValue = normaliseCutValue(s.cutValue, s.cutType, s.cutDirection, s.inwardCutLimit);
  applyCutDistribution(s);
  s.minPhotoPercent = normaliseMinPhotoPercent(s.minPhotoPercent);

  GatheredSettings g;
  g.tolerance = s.tolerance;
  g.filterSize = s.filterSize;
  g.noiseThreshold = s.noiseThreshold;
  g.cutValue = s.cutValue;
  g.cutLeft = s.cutLeft;
  g.cutRight = s.cutRight;
  g.cutTop = s.cutTop;
  g.cutBottom = s.cutBottom;
  g.edgeType = s.edgeType;
  g.cutType = s.cutType;
  g.cutDirection = s.cutDirection;
  g.fillColor = s.fillColor;
  g.additive = s.additive;
  g.backgroundColor = s.backgroundColor;
  g.fixedColor = s.fixedColor;
  g.autoRotate = s.autoRotate;
  g.regularRectangle = s.regularRectangle;
  g.splitPhotos = s.splitPhotos;
  g.minPhotoPercent = s.minPhotoPercent;
  g.honourOrientation = s.honourOrientation;
  return g;
}

}  // namespace trimlet
