#pragma once
// The ids of the preview pane and its controls, kept as the widgets' object
// names so that tests and other panes find a control by its id, and the ids
// of the pictures it shows.

namespace trimlet::preview {

inline constexpr int kFormId = 131;         // the pane (CFormRLower)
inline constexpr int kSourceViewId = 1003;  // CImageView, the chosen image
inline constexpr int kResultViewId = 1004;  // CImageView, the result
inline constexpr int kArrowId = 1005;       // the arrow between the views

inline constexpr int kArrowBitmapId = 26601;  // resources/arrow_26601.png
inline constexpr int kPickCursorId = 168;     // resources/eyedropper_168.png

// The arrow's key colour, packed red-low: red 0, green 128, blue 128.
inline constexpr unsigned kArrowKeyColour = 0x808000;

// The pick cursor's hot spot: the tip of the eyedropper, lower left.
inline constexpr int kPickHotX = 0;
inline constexpr int kPickHotY = 15;

// The grey the views paint around and instead of the picture.
inline constexpr int kViewGrey = 128;

}  // namespace trimlet::preview

namespace trimlet::preview {

// The arrow control's size: 13 x 15 dialog units of the form's template,
// which its 8-point font makes 20 x 24 pixels (the arrow picture's size).
inline constexpr int kArrowWidth = 20;
inline constexpr int kArrowHeight = 24;

}  // namespace trimlet::preview
