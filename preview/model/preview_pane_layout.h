#pragma once
// The preview pane as geometry: where the source view, the result view and
// the arrow between them go, which mouse positions reach the source view,
// how the arrow keys reach it, and the display scales for the status bar.
//
// Layout for a client area W x H and an arrow of aw x ah (integer division):
//   source view  left 5, top 5, width W/2 - aw/2 - 10, height H - 10
//   result view  left aw + W/2 - aw/2 + 5, top 5, the same size
//   arrow        left W/2 - aw/2, top H/2 - ah/2, aw x ah
// Sizes that would come out negative in a tiny pane are 0.

#include <optional>

#include "preview/model/view_geometry.h"
#include "preview/model/view_key.h"

namespace trimlet {

struct PaneLayout {
  ViewRect sourceView;
  ViewRect resultView;
  ViewRect arrow;
};

PaneLayout layoutPreviewPane(int clientWidth, int clientHeight, int arrowWidth, int arrowHeight);

// The views let the mouse fall through to the pane. A pane position reaches
// the source view when 5 <= x <= vw + 5 and 5 <= y <= vh + 5 (vw x vh the
// source view's client size), at (x - 5, y - 5); elsewhere it is dropped.
std::optional<ViewPoint> forwardToSourceView(ViewPoint panePosition, int sourceViewWidth,
                                             int sourceViewHeight);

// Left becomes A, Up W, Right D, Down S; every other key stays as it is.
ViewKey translateArrowKey(ViewKey key);

struct StatusScales {
  int source = 0;  // trunc(100 * Dw / w) of the source view
  int result = 0;  // and of the result view
};
// Both 0 while the pipeline holds no source pixels.
StatusScales previewStatusScales(bool holdsSourcePixels, int sourceDisplayWidth,
                                 int sourceImageWidth, int resultDisplayWidth,
                                 int resultImageWidth);

}  // namespace trimlet
