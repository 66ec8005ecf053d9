#pragma once
// The keys of the image view as Qt names them.

#include <Qt>

#include "preview/model/view_key.h"

namespace trimlet {

inline ViewKey viewKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_A: return ViewKey::kA;
    case Qt::Key_W: return ViewKey::kW;
    case Qt::Key_D: return ViewKey::kD;
    case Qt::Key_S: return ViewKey::kS;
    case Qt::Key_Left: return ViewKey::kLeft;
    case Qt::Key_Up: return ViewKey::kUp;
    case Qt::Key_Right: return ViewKey::kRight;
    case Qt::Key_Down: return ViewKey::kDown;
    default: return ViewKey::kOther;
  }
}

inline bool isSelectionKey(ViewKey key) {
  return key == ViewKey::kA || key == ViewKey::kW || key == ViewKey::kD || key == ViewKey::kS;
}

}  // namespace trimlet
