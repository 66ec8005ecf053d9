#pragma once
// The names of the profile store: one section per group of values, and the
// value names inside each section. Every reader and writer of the store uses
// these constants, so a name is spelt in one place only. They are the names
// found in existing profiles and must not change.

namespace trimlet::keys {

// --- Crop settings held by the settings panel. ---------------------------
inline constexpr const char* kManualCropInfo = "Manual Crop Info";
inline constexpr const char* kCroppingMode = "Cropping Mode";
inline constexpr const char* kCropX = "CropX";
inline constexpr const char* kCropY = "CropY";
inline constexpr const char* kCropWidth = "CropWidth";
inline constexpr const char* kCropHeight = "CropHeight";
inline constexpr const char* kFixedRatio = "Fixed Ratio";
inline constexpr const char* kFixedRatioWidth = "FixedRatio Width";               // digit string
inline constexpr const char* kRatioWidthPoint = "Decimal Point of Ratio Width";   // int
inline constexpr const char* kFixedRatioHeight = "FixedRatio Height";             // digit string
inline constexpr const char* kRatioHeightPoint = "Decimal Point of Ratio Height"; // int
inline constexpr const char* kFlipHorizontal = "FlipHorizontal";
inline constexpr const char* kFlipVertical = "FlipVertical";
inline constexpr const char* kRotationDegree = "Rotation Degree";                 // digit string
inline constexpr const char* kRotationSign = "Sign of Rotation Degree";           // int
inline constexpr const char* kRotationPoint = "Decimal Point";                    // int

inline constexpr const char* kAutoCropInfo = "Auto Crop Info";
inline constexpr const char* kTolerance = "Tolerance";

inline constexpr const char* kCropEdgeInfo = "Crop Edge Info";
inline constexpr const char* kEdgeCheck = "Edge Check";
inline constexpr const char* kEdgeType = "Edge Type";
inline constexpr const char* kCutValue = "Cut Value";
inline constexpr const char* kCutType = "Cut Type";
inline constexpr const char* kCutDirection = "Cut Direction";

inline constexpr const char* kFixedSizeInfo = "Fixed Size Info";
inline constexpr const char* kFixedSize = "Fixed Size";
inline constexpr const char* kSizeMode = "Size Mode";
inline constexpr const char* kFixedWidth = "Fixed Width";
inline constexpr const char* kFixedHeight = "Fixed Height";
inline constexpr const char* kSelSide = "Sel Side";
inline constexpr const char* kSidePixel = "Side Pixel";
inline constexpr const char* kFillColorCheck = "FillColor Check";

inline constexpr const char* kNoiseFiltering = "Noise Filtering";
inline constexpr const char* kFilterSize = "Filter Size";
inline constexpr const char* kNoiseThreshold = "Noise Threshold";

// --- Output options and colours held by the preview pane. ----------------
inline constexpr const char* kImageOption = "Image Option";
inline constexpr const char* kOutputFormat = "Output Format";
inline constexpr const char* kJpegQuality = "Jpeg quality";
inline constexpr const char* kTargaRLE = "Targa RLE";
inline constexpr const char* kAutoRotate = "Auto Rotate";
inline constexpr const char* kRegularRectangle = "Regular Rectangle";

// Each colour section holds the three components under these names.
inline constexpr const char* kFillOption = "Fill Option";              // frame colour
inline constexpr const char* kBackgroundOption = "Background Option";  // crop colour
inline constexpr const char* kFixedColorOption = "FixedColor Option";  // fixed-size canvas
inline constexpr const char* kRed = "Red";
inline constexpr const char* kGreen = "Green";
inline constexpr const char* kBlue = "Blue";

// --- Main frame. ---------------------------------------------------------
inline constexpr const char* kWindowInfo = "Window Info";
inline constexpr const char* kWindowLeft = "left";
inline constexpr const char* kWindowTop = "top";
inline constexpr const char* kWindowRight = "right";
inline constexpr const char* kWindowBottom = "bottom";
inline constexpr const char* kMaximized = "Maximized";
inline constexpr const char* kViewMode = "ViewMode";

// --- File list. ----------------------------------------------------------
inline constexpr const char* kLastSelectedFile = "Last Selected File";
inline constexpr const char* kFilePath = "File Path";

// --- Image view controls. ------------------------------------------------
inline constexpr const char* kControls = "Controls";
inline constexpr const char* kKeyControll = "KeyControll";
inline constexpr const char* kWholeSelect = "WholeSelect";

}  // namespace trimlet::keys
