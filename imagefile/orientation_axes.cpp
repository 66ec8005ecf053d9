// The axes of each EXIF orientation. See orientation_axes.h.
#include "imagefile/orientation_axes.h"

namespace trimlet {

OrientedAxes uprightAxes(int orientation) {
  switch (orientation) {
    case 2: return {false, true, false};  // mirrored left-right
    case 3: return {false, true, true};   // turned 180 degrees
    case 4: return {false, false, true};  // mirrored top-bottom
    case 5: return {true, false, false};  // mirrored along the main diagonal
    case 6: return {true, true, false};   // turned 90 degrees clockwise
    case 7: return {true, true, true};    // mirrored along the other diagonal
    case 8: return {true, false, true};   // turned 90 degrees anticlockwise
    default: return {};
  }
}

}  // namespace trimlet
