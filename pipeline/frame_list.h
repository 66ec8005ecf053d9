#pragma once
// The frame layers of "Additive" mode and their upkeep.
//
// Each layer is one edge added around the result: a side (0 All, 1 Left,
// 2 Right, 3 Top, 4 Bottom), an amount (pixels or percent by CutType) and a
// colour. Layers are applied in the order they were created. The list is
// kept up to date on every ApplySettings, from the previous settings copy and
// the newly gathered values, before the copy is replaced:
//   - Additive switched: empty the list; when switched on, append
//     (EdgeType, CutValue, fill colour).
//   - Additive on and unchanged:
//       * cut value and fill colour unchanged: go to the edge-type rule;
//       * else, edge type unchanged: with CutValue != 0 or EdgeType != All set
//         the last layer's amount and colour; otherwise (0 on All) empty the
//         list and append (All, 0, colour). Stop.
//       * edge type changed: append a layer with the new side, the colour,
//         and for All the cut value (emptying the list first when it is 0),
//         for a single side that side's amount.

#include <vector>

#include "engine/image/color.h"
#include "engine/settings/crop_settings.h"

namespace trimlet {

struct FrameLayer {
  EdgeType side = EdgeType::kAll;
  int amount = 0;
  Rgb color;
  bool operator==(const FrameLayer& o) const {
    return side == o.side && amount == o.amount && color == o.color;
  }
};

void updateFrameList(std::vector<FrameLayer>& layers, const GatheredSettings& previous,
                     const GatheredSettings& next);

}  // namespace trimlet
