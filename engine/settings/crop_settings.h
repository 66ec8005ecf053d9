#pragma once
// CropSettings: every parameter of cropping, transforming and output.
//
// One shared record holds the fields of the settings panel and those of the
// preview pane. Each stored field's section, value name, kind, default and
// range are declared once, in the settings table (setting_table.h), which
// drives reading and writing the profile store. Not stored: cutLeft ..
// cutBottom, additive, inwardCutLimit, maxFilterSize (49), imageSeen.
//
// Modes and codes are enum classes; their numbers are the stored ones and a
// value read from a damaged profile keeps its number until the next gather
// or check brings it back into range.

#include "engine/image/color.h"
#include "engine/settings/setting_codes.h"

namespace trimlet {

constexpr int kMaxFilterSize = 49;

struct CropSettings {
  // Held by the settings panel and stored by it.
  CroppingMode croppingMode = CroppingMode::kAuto;
  int tolerance = 0;
  int cropX = 1;
  int cropY = 1;
  int cropWidth = 1;
  int cropHeight = 1;
  int fixedRatio = 0;
  float fixedRatioWidth = 1.0f;
  float fixedRatioHeight = 1.0f;
  int flipHorizontal = 0;
  int flipVertical = 0;
  float rotationDegree = 0.0f;
  int edgeCheck = 0;
  EdgeType edgeType = EdgeType::kAll;
  int cutValue = 0;
  CutType cutType = CutType::kPixels;
  CutDirection cutDirection = CutDirection::kOutward;
  int fixedSize = 0;
  SizeMode sizeMode = SizeMode::kWidthHeight;
  int fixedWidth = 0;
  int fixedHeight = 0;
  SelSide selSide = SelSide::kLong;
  int sidePixel = 100;
  int fillColorCheck = 1;
  int filterSize = 3;
  int noiseThreshold = 6;

  // Held by the settings panel, never stored.
  int cutLeft = 0;
  int cutRight = 0;
  int cutTop = 0;
  int cutBottom = 0;
  int additive = 0;
  int inwardCutLimit = 0;
  int maxFilterSize = kMaxFilterSize;
  int imageSeen = 0;

  // Held by the preview pane and stored by it.
  OutputFormat outputFormat = OutputFormat::kJpeg;
  int jpegQuality = 75;
  int targaRLE = 1;
  Rgb fillColor;
  Rgb backgroundColor;
  Rgb fixedColor;
  int autoRotate = 0;  // Auto Crop: straighten the picture (each photo when split)
  int regularRectangle = 0;
  int splitPhotos = 0;        // Auto Crop: every photo of the page becomes a result
  int minPhotoPercent = 2;    // 0-100: smallest region that counts, in % of the page
  int honourOrientation = 1;  // turn pictures upright by their EXIF orientation
  int losslessJpeg = 0;       // cut JPEG results from JPEG sources without encoding again
};

// The values the panel hands to the pipeline in one gather; the pipeline keeps
// them as its settings copy and re-runs only when one of them changed.
struct GatheredSettings {
  int tolerance = 0;
  int filterSize = 3;
  int noiseThreshold = 6;
  int cutValue = 0;
  int cutLeft = 0;
  int cutRight = 0;
  int cutTop = 0;
  int cutBottom = 0;
  EdgeType edgeType = EdgeType::kAll;
  CutType cutType = CutType::kPixels;
  CutDirection cutDirection = CutDirection::kOutward;
  Rgb fillColor;
  int additive = 0;
  Rgb backgroundColor;
  Rgb fixedColor;
  int autoRotate = 0;
  int regularRectangle = 0;
  int splitPhotos = 0;
  int minPhotoPercent = 2;
  int honourOrientation = 1;

  bool operator==(const GatheredSettings& o) const;
  bool operator!=(const GatheredSettings& o) const { return !(*this == o); }
};

// --- Normalisations, each bringing one value back into its range. ---------

// Below 0 becomes 0, above 100 becomes 100.
int normaliseTolerance(int value);
// Odd values 1..maxFilterSize stay; <= 0 becomes 1, above max becomes max,
// an even value in range becomes value + 1.
int normaliseFilterSize(int value, int maxFilterSize = kMaxFilterSize);
// After the filter size F: above F^2 becomes F^2 - 1; then below 0 becomes 1;
// then F = 1 makes it 1. (F^2 itself survives.)
int normaliseNoiseThreshold(int threshold, int filterSize);
// Negative becomes 0; pixels inward above the limit becomes the limit (a
// negative limit counts as 0); percent above 100 becomes 100; pixels outward
// stays.
int normaliseCutValue(int value, CutType cutType, CutDirection cutDirection, int inwardCutLimit);

// The smallest photo, in percent of the page: below 0 becomes 0, above 100
// becomes 100.
int normaliseMinPhotoPercent(int value);

// The inward-cut limit handed over by the pipeline: a negative value becomes 0.
int normaliseInwardCutLimit(int limit);

struct SideAmounts {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};
// The cut value on the sides that the edge type names, 0 on the others.
SideAmounts distributeCut(EdgeType edgeType, int cutValue);
// Writes distributeCut(edgeType, cutValue) into cutLeft..cutBottom.
void applyCutDistribution(CropSettings& settings);

struct SpinRange {
  int low = 0;
  int high = 100;
};
// Percent 0-100; pixels inward 0..(low 16 bits of the limit, a negative limit
// counting as 0); pixels outward 0-1000.
SpinRange cutSpinRange(CutType cutType, CutDirection cutDirection, int inwardCutLimit);

// The gather: normalises tolerance, then filter size and threshold, then the
// cut value with its distribution to the sides, then the smallest photo, all
// in place, and returns the gathered values.
GatheredSettings gatherSettings(CropSettings& settings);

// A manual rectangle in image pixels, measured from the picture's top-left.
struct CropRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const CropRect& o) const {
    return x == o.x && y == o.y && width == o.width && height == o.height;
  }
};

// Fits the rectangle to the ratio ratioWidth : ratioHeight inside an image of
// imageWidth x imageHeight, with single-precision products and truncation.
CropRect fitToFixedRatio(CropRect rect, float ratioWidth, float ratioHeight, int imageWidth,
                         int imageHeight);

}  // namespace trimlet
