// Upright from an EXIF orientation, with the engine's mirrors and exact
// quarter turns. See orientation.h.
#include "imagefile/orientation.h"

#include <string>

#include "engine/geometry/mirror.h"
#include "engine/geometry/rotate.h"

namespace trimlet {

Result<ImageBuffer> applyExifOrientation(const ImageBuffer& stored, int orientation) {
  if (stored.empty()) return Result<ImageBuffer>::failure("There is no image to turn upright.");
  switch (orientation) {
    case 1: return stored.clone();
    case 2: return mirrorLeftRight(stored);
    case 3: return quarterTurn(stored, 2);
    case 4: return mirrorTopBottom(stored);
    case 6: return quarterTurn(stored, 1);
    case 8: return quarterTurn(stored, 3);
    case 5:
    case 7: {
      // The diagonal mirrors: a quarter turn clockwise, then mirrored
      // left-right (5, the main diagonal) or top-bottom (7).
      auto turned = quarterTurn(stored, 1);
      if (!turned) return turned;
      return orientation == 5 ? mirrorLeftRight(*turned) : mirrorTopBottom(*turned);
    }
    default:
      return Result<ImageBuffer>::failure("The EXIF orientation " + std::to_string(orientation) +
                                          " is not one of 1 to 8.");
  }
}

}  // namespace trimlet
