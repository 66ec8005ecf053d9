#include "engine/pipeline/frame_list.h"

namespace trimlet {

namespace {

int sideAmount(const GatheredSettings& s, int side) {
  switch (side) {
    case kEdgeLeft: return s.cutLeft;
    case kEdgeRight: return s.cutRight;
    case kEdgeTop: return s.cutTop;
    case kEdgeBottom: return s.cutBottom;
    default: return s.cutValue;
  }
}

void appendForNewSide(std::vector<FrameLayer>& layers, const GatheredSettings& next) {
  if (next.edgeType == kEdgeAll) {
    if (next.cutValue == 0) layers.clear();
    layers.push_back(FrameLayer{kEdgeAll, next.cutValue, next.fillColor});
  } else {
    layers.push_back(FrameLayer{next.edgeType, sideAmount(next, next.edgeType), next.fillColor});
  }
}

}  // namespace

void updateFrameList(std::vector<FrameLayer>& layers, const GatheredSettings& previous,
                     const GatheredSettings& next) {
  if (next.additive != previous.additive) {
    layers.clear();
    if (next.additive) layers.push_back(FrameLayer{next.edgeType, next.cutValue, next.fillColor});
    return;
  }
  if (!next.additive) return;

  const bool amountOrColourChanged =
      next.cutValue != previous.cutValue || next.fillColor != previous.fillColor;
  if (amountOrColourChanged && next.edgeType == previous.edgeType) {
    if (next.cutValue != 0 || next.edgeType != kEdgeAll) {
      if (layers.empty()) {
        // Nothing to adjust yet: the change starts the first layer.
        layers.push_back(FrameLayer{next.edgeType, next.cutValue, next.fillColor});
      } else {
        layers.back().amount = next.cutValue;
        layers.back().color = next.fillColor;
      }
    } else {
      layers.clear();
      layers.push_back(FrameLayer{kEdgeAll, 0, next.fillColor});
    }
    return;
  }
  if (next.edgeType != previous.edgeType) appendForNewSide(layers, next);
}

}  // namespace trimlet
