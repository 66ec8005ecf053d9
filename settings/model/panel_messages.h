#pragma once
// The sentences the crop settings panel and the noise filtering dialog show
// in their message boxes.

namespace trimlet::panel {

inline constexpr const char* kEnterInteger = "Please enter an integer.";
inline constexpr const char* kEnterNumber = "Please enter a number.";

inline constexpr const char* kSelectionInside = "The selection should be inside the image.";
inline constexpr const char* kCropWidthZero = "The width of a cropped area must be larger than 0.";
inline constexpr const char* kCropHeightZero =
    "The height of a cropped area must be larger than 0.";
inline constexpr const char* kRatioWidthZero = "The width of a fixed ratio must be larger than 0.";
inline constexpr const char* kRatioHeightZero =
    "The height of a fixed ratio must be larger than 0.";
inline constexpr const char* kRotationRange = "The degree of rotation must be -10000 up to 10000.";
inline constexpr const char* kFixedWidthZero = "The width of a fixed area must be larger than 0.";
inline constexpr const char* kFixedHeightZero = "The height of a fixed area must be larger than 0.";
inline constexpr const char* kFixedWidthLarge =
    "The width of a fixed area must be smaller than 10000.";
inline constexpr const char* kFixedHeightLarge =
    "The height of a fixed area must be smaller than 10000.";
inline constexpr const char* kFixedWidthLargeEnter =
    "The width of a fixed area must be smaller than 4000.";
inline constexpr const char* kFixedHeightLargeEnter =
    "The height of a fixed area must be smaller than 4000.";
inline constexpr const char* kPixelsZero = "The pixels must be larger than 0.";
inline constexpr const char* kPixelsLarge = "The pixels must be smaller than 4000.";
inline constexpr const char* kPixelZeroEnter = "The pixel must be larger than 0.";
inline constexpr const char* kPixelLargeEnter = "The pixel must be smaller than 4000.";

inline constexpr const char* kFilterSizeZero = "A filter size must be larger than 0.";
inline constexpr const char* kFilterSizeLarge = "A filter size must be smaller than 100.";
inline constexpr const char* kFilterSizeOdd = "A filter size must be an odd number.";
inline constexpr const char* kThresholdNegative = "A threshold must be a positive number or zero.";
inline constexpr const char* kThresholdLarge =
    "A threshold must be smaller than the square of a filter size.";

}  // namespace trimlet::panel
