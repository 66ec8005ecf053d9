// Geometry of the preview pane.
#include "preview/model/preview_pane_layout.h"

#include <algorithm>

namespace trimlet {

PaneLayout layoutPreviewPane(int clientWidth, int clientHeight, int arrowWidth, int arrowHeight) {
  const int w = clientWidth;
  const int h = clientHeight;
  const int aw = arrowWidth;
  const int ah = arrowHeight;
  const int viewWidth = std::max(0, w / 2 - aw / 2 - 10);
  const int viewHeight = std::max(0, h - 10);
  PaneLayout layout;
  layout.sourceView = {5, 5, 5 + viewWidth, 5 + viewHeight};
  const int resultLeft = aw + w / 2 - aw / 2 + 5;
  layout.resultView = {resultLeft, 5, resultLeft + viewWidth, 5 + viewHeight};
  const int arrowLeft = w / 2 - aw / 2;
  const int arrowTop = h / 2 - ah / 2;
  layout.arrow = {arrowLeft, arrowTop, arrowLeft + aw, arrowTop + ah};
  return layout;
}

std::optional<ViewPoint> forwardToSourceView(ViewPoint p, int sourceViewWidth,
                                             int sourceViewHeight) {
  if (p.x < 5 || p.x > sourceViewWidth + 5 || p.y < 5 || p.y > sourceViewHeight + 5) {
    return std::nullopt;
  }
  return ViewPoint{p.x - 5, p.y - 5};
}

ViewKey translateArrowKey(ViewKey key) {
  switch (key) {
    case ViewKey::kLeft: return ViewKey::kA;
    case ViewKey::kUp: return ViewKey::kW;
    case ViewKey::kRight: return ViewKey::kD;
    case ViewKey::kDown: return ViewKey::kS;
    default: return key;
  }
}

StatusScales previewStatusScales(bool holdsSourcePixels, int sourceDisplayWidth,
                                 int sourceImageWidth, int resultDisplayWidth,
                                 int resultImageWidth) {
  if (!holdsSourcePixels) return {};
  return {displayScale(sourceDisplayWidth, sourceImageWidth),
          displayScale(resultDisplayWidth, resultImageWidth)};
}

}  // namespace trimlet
