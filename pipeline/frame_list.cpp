#include "pipeline/frame_list.h"

namespace trimlet {

namespace {

int sideAmount(const GatheredSettings& s, EdgeType side) {
  switch (side) {
    case EdgeType::kLeft: return s.cutLeft;
    case EdgeType::kRight: return s.cutRight;
    case EdgeType::kTop: return s.cutTop;
    case EdgeType::kBottom: return s.cutBottom;
    default: return s.cutValue;
  }
}

void appendForNewSide(std::vector<FrameLayer>& layers, const GatheredSettings& next) {
  if (next.edgeType == EdgeType::kAll) {
    if (next.cutValue == 0) layers.clear();
    layers.push_back(FrameLayer{EdgeType::kAll, next.cutValue, next.fillColor});
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
    if (next.cutValue != 0 || next.edgeType != EdgeType::kAll) {
      if (layers.empty()) {
        // Nothing to adjust yet: the change starts the first layer.
        layers.push_back(FrameLayer{next.edgeType, next.cutValue, next.fillColor});
      } else {
        layers.back().amount = next.cutValue;
        layers.back().color = next.fillColor;
      }
    } else {
      layers.clear();
      layers.push_back(FrameLayer{EdgeType::kAll, 0, next.fillColor});
    }
    return;
  }
  if (next.edgeType != previous.edgeType) appendForNewSide(layers, next);
}

}  // namespace trimlet
