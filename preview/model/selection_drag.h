#pragma once
// One mouse step of a drag on the selection: drawing a new selection from
// its anchor, moving it, or resizing it by an edge or a corner.
//
// Inputs shared by all three (DragFrame):
//   d        the image rectangle D in control pixels (not empty)
//   k        control to image scale (view_geometry.h)
//   r        height per width while a fixed ratio holds, single precision;
//            0 for a free selection
//   w, h     the image size in pixels
// Corners are the working corners P1, P2 in control pixels; during a drag P1
// is the fixed one. Results are truncated toward zero at the end of each
// expression; r-products are single precision.

#include <optional>

#include "engine/settings/crop_settings.h"
#include "preview/model/hit_test.h"
#include "preview/model/view_geometry.h"

namespace trimlet {

struct DragFrame {
  ViewRect d;
  double k = 1.0;
  float r = 0.0f;
  int imageWidth = 0;
  int imageHeight = 0;
};

struct Corners {
  ViewPoint p1;
  ViewPoint p2;
  bool operator==(const Corners& o) const { return p1 == o.p1 && p2 == o.p2; }
};

// The crop in image pixels for corners with x1 <= x2 and y1 <= y2:
// X = trunc(k (x1 - D.left)), Y likewise, W = trunc(k (x2 - x1)), H likewise.
CropRect cropFromCorners(const DragFrame& f, const Corners& c);

struct NewSelectionStep {
  ViewPoint corner;  // the new P2
  CropRect crop;     // the values for CropX, CropY, CropWidth, CropHeight
};
// Hit code 0: the free corner follows the mouse, clamped into D. With a ratio
// the height follows the width (down or up as the mouse lies below or above
// the anchor), and when that leaves D the height stops at D's edge and the
// width is taken back to match. A selection reaching past the image's right
// or bottom edge in image pixels is cut back to it.
NewSelectionStep dragNewSelection(const DragFrame& f, ViewPoint anchor, ViewPoint mouse);

// Hit code 5: the corners moved by (dx, dy), or nothing when the move would
// leave D or reach past the image in image pixels (the move is refused).
std::optional<Corners> moveSelection(const DragFrame& f, const Corners& c, int dx, int dy);

// Any edge or corner code: the grabbed edges follow the mouse's movement from
// `last`; a step that would make the left edge reach the right one, or the
// top edge the bottom one, is refused (for a corner, both of its edges
// together). With a ratio the other dimension follows. Then the corners are
// kept inside D (right, bottom, left, top, in this order, each keeping the
// ratio; the right edge's own handle included, so that the selection cannot
// end up past D's right edge), and a size reaching past the image in image
// pixels loses one control pixel at the right or bottom.
Corners resizeSelection(const DragFrame& f, HitCode hitCode, const Corners& c, ViewPoint mouse,
                        ViewPoint last);

}  // namespace trimlet
