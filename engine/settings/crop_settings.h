#pragma once
// CropSettings: every parameter of cropping, transforming and output.
//
// One shared record holds the fields of the settings panel and those of the
// preview pane; persistence stays split by owner (settings_persistence.h),
// so the store's contents are those of the two owners. Ranges and defaults:
//
//   field               range                default  stored as (section / value)
//   croppingMode        0 auto, 1 manual     0        Manual Crop Info / Cropping Mode
//   tolerance           0-100                0        Auto Crop Info / Tolerance
//   cropX, cropY        >= 0                 1, 1     Manual Crop Info / CropX, CropY
//   cropWidth, Height   > 0                  1, 1     Manual Crop Info / CropWidth, CropHeight
//   fixedRatio          0-1                  0        Manual Crop Info / Fixed Ratio
//   fixedRatioWidth     float > 0            1.0      Manual Crop Info / FixedRatio Width (+ point)
//   fixedRatioHeight    float > 0            1.0      Manual Crop Info / FixedRatio Height (+ point)
//   flipHorizontal/Vert 0-1                  0, 0     Manual Crop Info / FlipHorizontal, FlipVertical
//   rotationDegree      float -10000..10000  0.0      Manual Crop Info / Rotation Degree (+ sign, point)
//   edgeCheck           0-1                  0        Crop Edge Info / Edge Check
//   edgeType            0 All 1 Left 2 Right 3 Top 4 Bottom   0   Crop Edge Info / Edge Type
//   cutValue            >= 0                 0        Crop Edge Info / Cut Value
//   cutType             0 percent, 1 pixels  1        Crop Edge Info / Cut Type
//   cutDirection        1 inward, 0 outward  0        Crop Edge Info / Cut Direction
//   fixedSize           0-1                  0        Fixed Size Info / Fixed Size
//   sizeMode            0 W x H, 1 one side  0        Fixed Size Info / Size Mode
//   fixedWidth, Height  0-10000              0, 0     Fixed Size Info / Fixed Width, Fixed Height
//   selSide             0 long, 1 short      0        Fixed Size Info / Sel Side
//   sidePixel           0-4000               100      Fixed Size Info / Side Pixel
//   fillColorCheck      0-1                  1        Fixed Size Info / FillColor Check
//   filterSize          odd 1-49             3        Noise Filtering / Filter Size
//   noiseThreshold      0..filterSize^2      6        Noise Filtering / Noise Threshold
//   outputFormat        0 JPEG 1 Targa 2 bitmap 3 same 4 PNG   0   Image Option / Output Format
//   jpegQuality         0-100                75       Image Option / Jpeg quality
//   targaRLE            0-1                  1        Image Option / Targa RLE
//   fillColor           Rgb                  white    Fill Option / Red, Green, Blue
//   backgroundColor     Rgb                  white    Background Option / Red, Green, Blue
//   fixedColor          Rgb                  white    FixedColor Option / Red, Green, Blue
//   autoRotate          0-1                  0        Image Option / Auto Rotate
//   regularRectangle    0-1                  0        Image Option / Regular Rectangle
// Not stored: cutLeft..cutBottom, additive, inwardCutLimit, maxFilterSize
// (49), imageSeen.

#include "engine/image/color.h"

namespace trimlet {

constexpr int kMaxFilterSize = 49;

enum EdgeTypeCode { kEdgeAll = 0, kEdgeLeft = 1, kEdgeRight = 2, kEdgeTop = 3, kEdgeBottom = 4 };
enum CutTypeCode { kCutPercent = 0, kCutPixels = 1 };
enum CutDirectionCode { kCutOutward = 0, kCutInward = 1 };
enum CroppingModeCode { kAutoCrop = 0, kManualCrop = 1 };

struct CropSettings {
  // Held by the settings panel and stored by it.
  int croppingMode = kAutoCrop;
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
  int edgeType = kEdgeAll;
  int cutValue = 0;
  int cutType = kCutPixels;
  int cutDirection = kCutOutward;
  int fixedSize = 0;
  int sizeMode = 0;
  int fixedWidth = 0;
  int fixedHeight = 0;
  int selSide = 0;
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
  int outputFormat = 0;
  int jpegQuality = 75;
  int targaRLE = 1;
  Rgb fillColor;
  Rgb backgroundColor;
  Rgb fixedColor;
  int autoRotate = 0;
  int regularRectangle = 0;
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
  int edgeType = kEdgeAll;
  int cutType = kCutPixels;
  int cutDirection = kCutOutward;
  Rgb fillColor;
  int additive = 0;
  Rgb backgroundColor;
  Rgb fixedColor;
  int autoRotate = 0;
  int regularRectangle = 0;

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
int normaliseCutValue(int value, int cutType, int cutDirection, int inwardCutLimit);

// The inward-cut limit handed over by the pipeline: a negative value becomes 0.
int normaliseInwardCutLimit(int limit);

struct SideAmounts {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};
// The cut value on the sides that the edge type names, 0 on the others.
SideAmounts distributeCut(int edgeType, int cutValue);
// Writes distributeCut(edgeType, cutValue) into cutLeft..cutBottom.
void applyCutDistribution(CropSettings& settings);

struct SpinRange {
  int low = 0;
  int high = 100;
};
// Percent 0-100; pixels inward 0..(low 16 bits of the limit, a negative limit
// counting as 0); pixels outward 0-1000.
SpinRange cutSpinRange(int cutType, int cutDirection, int inwardCutLimit);

// The gather: normalises tolerance, then filter size and threshold, then the
// cut value with its distribution to the sides, all in place, and returns the
// gathered values.
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
