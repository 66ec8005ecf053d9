// Reading and writing CropSettings through a ProfileStore, split by owner:
// the settings panel's values and the preview pane's values.
#include "engine/settings/settings_persistence.h"

#include "engine/settings/real_number.h"
#include "engine/settings/settings_keys.h"

namespace trimlet {
namespace {

using namespace keys;

// A ratio term: its digit string and decimal point, no sign.
void writeRatio(ProfileStore& store, const char* digitsName, const char* pointName,
                float value) {
  const StoredReal stored = encodeReal(value);
  store.writeString(kManualCropInfo, digitsName, stored.digits);
  store.writeInt(kManualCropInfo, pointName, stored.decimalPoint);
}

Rgb readColor(ProfileStore& store, const char* section) {
  Rgb color;
  color.red = store.readInt(section, kRed, 255);
  color.green = store.readInt(section, kGreen, 255);
  color.blue = store.readInt(section, kBlue, 255);
  return color;
}

void writeColor(ProfileStore& store, const char* section, const Rgb& color) {
  store.writeInt(section, kRed, color.red);
  store.writeInt(section, kGreen, color.green);
  store.writeInt(section, kBlue, color.blue);
}

}  // namespace

void readPanelSettings(ProfileStore& store, CropSettings& s) {
  const CropSettings defaults;
  // The order of these reads is that of the panel's construction; keep it.
  s.cutValue = store.readInt(kCropEdgeInfo, kCutValue, defaults.cutValue);
  s.tolerance = store.readInt(kAutoCropInfo, kTolerance, defaults.tolerance);
  s.fixedWidth = store.readInt(kFixedSizeInfo, kFixedWidth, defaults.fixedWidth);
  s.fixedHeight = store.readInt(kFixedSizeInfo, kFixedHeight, defaults.fixedHeight);
  const std::string ratioHeight = store.readString(kManualCropInfo, kFixedRatioHeight, "1");
  const std::string ratioWidth = store.readString(kManualCropInfo, kFixedRatioWidth, "1");
  s.croppingMode = store.readInt(kManualCropInfo, kCroppingMode, defaults.croppingMode);
  s.edgeCheck = store.readInt(kCropEdgeInfo, kEdgeCheck, defaults.edgeCheck);
  s.fixedRatio = store.readInt(kManualCropInfo, kFixedRatio, defaults.fixedRatio);
  s.flipHorizontal = store.readInt(kManualCropInfo, kFlipHorizontal, defaults.flipHorizontal);
  s.flipVertical = store.readInt(kManualCropInfo, kFlipVertical, defaults.flipVertical);
  s.fixedSize = store.readInt(kFixedSizeInfo, kFixedSize, defaults.fixedSize);
  s.fillColorCheck = store.readInt(kFixedSizeInfo, kFillColorCheck, defaults.fillColorCheck);
  s.sizeMode = store.readInt(kFixedSizeInfo, kSizeMode, defaults.sizeMode);
  s.cropX = store.readInt(kManualCropInfo, kCropX, defaults.cropX);
  s.cropY = store.readInt(kManualCropInfo, kCropY, defaults.cropY);
  s.cropWidth = store.readInt(kManualCropInfo, kCropWidth, defaults.cropWidth);
  s.cropHeight = store.readInt(kManualCropInfo, kCropHeight, defaults.cropHeight);
  const std::string rotation = store.readString(kManualCropInfo, kRotationDegree, "0");
  const int ratioWidthPoint = store.readInt(kManualCropInfo, kRatioWidthPoint, 7);
  const int ratioHeightPoint = store.readInt(kManualCropInfo, kRatioHeightPoint, 7);
  const int rotationSign = store.readInt(kManualCropInfo, kRotationSign, 0);
  const int rotationPoint = store.readInt(kManualCropInfo, kRotationPoint, 0);
  s.filterSize = store.readInt(kNoiseFiltering, kFilterSize, defaults.filterSize);
  s.noiseThreshold = store.readInt(kNoiseFiltering, kNoiseThreshold, defaults.noiseThreshold);
  s.selSide = store.readInt(kFixedSizeInfo, kSelSide, defaults.selSide);
  s.sidePixel = store.readInt(kFixedSizeInfo, kSidePixel, defaults.sidePixel);
  s.edgeType = store.readInt(kCropEdgeInfo, kEdgeType, defaults.edgeType);
  s.cutType = store.readInt(kCropEdgeInfo, kCutType, defaults.cutType);
  s.cutDirection = store.readInt(kCropEdgeInfo, kCutDirection, defaults.cutDirection);

  // The ratio terms carry no sign.
  s.fixedRatioWidth = decodeReal(ratioWidth, ratioWidthPoint, 0);
  s.fixedRatioHeight = decodeReal(ratioHeight, ratioHeightPoint, 0);
  s.rotationDegree = decodeReal(rotation, rotationPoint, rotationSign);

  // Never stored: every read starts them afresh.
  s.maxFilterSize = kMaxFilterSize;
  s.inwardCutLimit = 0;
  s.imageSeen = 0;
  s.additive = 0;
  s.cutLeft = s.cutRight = s.cutTop = s.cutBottom = 0;
  // autoRotate and regularRectangle belong to the preview's values
  // (readPreviewSettings); the panel's read leaves them alone.
}

void writePanelSettings(ProfileStore& store, const CropSettings& s) {
  store.writeInt(kCropEdgeInfo, kCutValue, s.cutValue);
  store.writeInt(kAutoCropInfo, kTolerance, s.tolerance);
  store.writeInt(kFixedSizeInfo, kFixedWidth, s.fixedWidth);
  store.writeInt(kFixedSizeInfo, kFixedHeight, s.fixedHeight);
  writeRatio(store, kFixedRatioHeight, kRatioHeightPoint, s.fixedRatioHeight);
  writeRatio(store, kFixedRatioWidth, kRatioWidthPoint, s.fixedRatioWidth);
  store.writeInt(kManualCropInfo, kCroppingMode, s.croppingMode);
  store.writeInt(kCropEdgeInfo, kEdgeCheck, s.edgeCheck);
  store.writeInt(kManualCropInfo, kFixedRatio, s.fixedRatio);
  store.writeInt(kManualCropInfo, kFlipHorizontal, s.flipHorizontal);
  store.writeInt(kManualCropInfo, kFlipVertical, s.flipVertical);
  store.writeInt(kFixedSizeInfo, kFixedSize, s.fixedSize);
  store.writeInt(kFixedSizeInfo, kFillColorCheck, s.fillColorCheck);
  store.writeInt(kFixedSizeInfo, kSizeMode, s.sizeMode);
  store.writeInt(kManualCropInfo, kCropX, s.cropX);
  store.writeInt(kManualCropInfo, kCropY, s.cropY);
  store.writeInt(kManualCropInfo, kCropWidth, s.cropWidth);
  store.writeInt(kManualCropInfo, kCropHeight, s.cropHeight);
  const StoredReal rotation = encodeReal(clampRotationForStore(s.rotationDegree));
  store.writeString(kManualCropInfo, kRotationDegree, rotation.digits);
  store.writeInt(kManualCropInfo, kRotationSign, rotation.sign);
  store.writeInt(kManualCropInfo, kRotationPoint, rotation.decimalPoint);
  store.writeInt(kNoiseFiltering, kFilterSize, s.filterSize);
  store.writeInt(kNoiseFiltering, kNoiseThreshold, s.noiseThreshold);
  store.writeInt(kFixedSizeInfo, kSelSide, s.selSide);
  store.writeInt(kFixedSizeInfo, kSidePixel, s.sidePixel);
  store.writeInt(kCropEdgeInfo, kEdgeType, s.edgeType);
  store.writeInt(kCropEdgeInfo, kCutType, s.cutType);
  store.writeInt(kCropEdgeInfo, kCutDirection, s.cutDirection);
}

int readPreviewSettings(ProfileStore& store, CropSettings& s) {
  const CropSettings defaults;
  s.outputFormat = store.readInt(kImageOption, kOutputFormat, defaults.outputFormat);
  s.jpegQuality = store.readInt(kImageOption, kJpegQuality, defaults.jpegQuality);
  s.targaRLE = store.readInt(kImageOption, kTargaRLE, defaults.targaRLE);
  s.fillColor = readColor(store, kFillOption);
  s.backgroundColor = readColor(store, kBackgroundOption);
  s.fixedColor = readColor(store, kFixedColorOption);
  s.autoRotate = store.readInt(kImageOption, kAutoRotate, defaults.autoRotate);
  s.regularRectangle = store.readInt(kImageOption, kRegularRectangle, defaults.regularRectangle);
  return store.readInt(kCropEdgeInfo, kEdgeType, kEdgeAll);
}

void writePreviewSettings(ProfileStore& store, const CropSettings& s) {
  store.writeInt(kImageOption, kJpegQuality, s.jpegQuality);
  store.writeInt(kImageOption, kTargaRLE, s.targaRLE);
  store.writeInt(kImageOption, kOutputFormat, s.outputFormat);
  writeColor(store, kFillOption, s.fillColor);
  writeColor(store, kBackgroundOption, s.backgroundColor);
  writeColor(store, kFixedColorOption, s.fixedColor);
  store.writeInt(kImageOption, kAutoRotate, s.autoRotate);
  store.writeInt(kImageOption, kRegularRectangle, s.regularRectangle);
}

}  // namespace trimlet
