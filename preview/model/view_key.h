#pragma once
// The keys the image view understands. The preview pane turns the arrow keys
// into the letters before they reach the view.

namespace trimlet {

enum class ViewKey {
  kA,  // left: move left, with Shift narrower
  kW,  // up: move up, with Shift lower
  kD,  // right: move right, with Shift wider
  kS,  // down: move down, with Shift taller
  kLeft,
  kUp,
  kRight,
  kDown,
  kOther,
};

}  // namespace trimlet
