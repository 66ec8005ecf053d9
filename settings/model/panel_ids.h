#pragma once
// The control ids of the crop settings panel (form 133). Each control carries
// its id as its object name, so tests and the other panes find it by id.

namespace trimlet::panel {

inline constexpr int kFormId = 133;

// Manual group (titled by the "Manual Crop" radio).
inline constexpr int kManualCropRadio = 1047;  // CroppingMode = 1
inline constexpr int kCropXEdit = 1018;
inline constexpr int kCropYEdit = 1019;
inline constexpr int kCropWidthEdit = 1024;
inline constexpr int kCropHeightEdit = 1025;
inline constexpr int kFixedRatioCheck = 1045;
inline constexpr int kRatioWidthEdit = 1042;
inline constexpr int kRatioHeightEdit = 1043;
inline constexpr int kMakeSquareCheck = 1010;    // not visible
inline constexpr int kAutoRotationCheck = 1008;  // not visible
inline constexpr int kFlipHorizontalCheck = 1040;
inline constexpr int kFlipVerticalCheck = 1035;
inline constexpr int kRotationEdit = 1036;

// Auto group (titled by the "Auto Crop" radio).
inline constexpr int kAutoCropRadio = 1046;  // CroppingMode = 0
inline constexpr int kCropColorButton = 1063;
inline constexpr int kToleranceEdit = 1011;
inline constexpr int kToleranceSpin = 1020;
inline constexpr int kNoiseFilteringButton = 1057;
// The photo options of Auto Crop: "Auto Rotation" (kAutoRotationCheck, shown
// in this group) and "Split Photos".
inline constexpr int kSplitPhotosCheck = 1080;

// "Crop / Add Edge" frame.
inline constexpr int kEdgeCheck = 1048;
inline constexpr int kEdgeSideList = 1013;
inline constexpr int kCutValueEdit = 1017;
inline constexpr int kCutValueSpin = 1023;
inline constexpr int kCutUnitList = 1009;
inline constexpr int kAdditiveButton = 1072;
inline constexpr int kFrameColorButton = 1062;
inline constexpr int kInwardRadio = 1059;
inline constexpr int kOutwardRadio = 1060;

// "Fixed Size" frame.
inline constexpr int kFixedSizeCheck = 1055;
inline constexpr int kSizeWidthHeightRadio = 1075;
inline constexpr int kFixedWidthEdit = 1038;
inline constexpr int kFixedHeightEdit = 1039;
inline constexpr int kSideLengthRadio = 1076;
inline constexpr int kSideList = 1074;
inline constexpr int kSidePixelEdit = 1049;
inline constexpr int kFillColorButton = 1056;

}  // namespace trimlet::panel
