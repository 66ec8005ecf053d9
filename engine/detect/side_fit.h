#pragma once
// Sharpening a rectangle's angle by fitting its four sides to the outline.
//
// The minimum-area rectangle rests on a single hull edge, so its angle is
// good to about one pixel over the picture's length. Each outline row gives
// two samples of the picture's border: the left edge of its first pixel and
// the right edge of its last, at the row's middle. Samples near one of the
// rectangle's sides (away from its corners, which may be rounded or torn) are
// fitted by least squares with one angle shared by all four sides, opposite
// sides parallel and neighbours at right angles; samples more than 1.5 pixels
// off their side (dust on the border, a notch) are dropped and the fit done
// again. A few rounds converge to a small fraction of a pixel over the length.
// A nearly upright border (drifting by less than four pixels over the longer
// side) is a staircase of a few steps, to which a line fits poorly; its angle
// stays that of the minimum-area rectangle.
//
// The fitted sides also say where the border runs: on average through the
// samples, where the hull's rectangle rests on the outermost pixel corners
// (about half a pixel farther out on a slanting side). A side with too few
// samples of its own (the short sides of an upright picture have none, since
// no row ends on them) keeps the hull's position.
//
// Coordinates and angles as in min_area_rect.h. With too few samples the
// starting angle is kept.

#include <vector>

#include "engine/detect/min_area_rect.h"
#include "engine/detect/region_labels.h"

namespace trimlet {

struct SideFit {
  RotatedRect enclosing;  // the hull's enclosing rectangle at the fitted angle
  RotatedRect border;     // the same angle, its sides on the fitted border
};

// The angle is kept in (-45, 45].
SideFit fitSides(const RegionOutline& outline, const std::vector<CornerPoint>& hull,
                 const RotatedRect& start);

}  // namespace trimlet
