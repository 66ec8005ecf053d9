#pragma once
// Where the stored picture's axes go when applyExifOrientation turns it
// upright (orientation.h), for code that maps positions rather than pixels
// (a reduced decode whose pixels cover blocks of the stored picture).
//
//   swapped          the upright columns run along the stored rows and the
//                    upright rows along the stored columns (5-8)
//   columnsReversed  the upright picture's left-to-right runs against the
//                    stored axis it comes from (stored right-to-left, or
//                    bottom-to-top when swapped)
//   rowsReversed     the upright picture's top-to-bottom runs against the
//                    stored axis it comes from (stored bottom-to-top, or
//                    right-to-left when swapped)
// An orientation outside 1-8 gives the stored axes, as a picture of such an
// orientation is taken as stored.

namespace trimlet {

struct OrientedAxes {
  bool swapped = false;
  bool columnsReversed = false;
  bool rowsReversed = false;
};

OrientedAxes uprightAxes(int orientation);

}  // namespace trimlet
