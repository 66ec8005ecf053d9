// Reading and writing the crop settings through the profile store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/settings/crop_settings.h"
#include "engine/settings/profile_store.h"
#include "engine/settings/settings_keys.h"
#include "engine/settings/settings_persistence.h"

namespace trimlet {
namespace {

using namespace keys;

TEST(SettingsFirstStart, EmptyStoreGivesTheDefaults) {
  MemoryProfileStore store;
  CropSettings s;
  // Start from values that differ from every default.
  s.croppingMode = 1;
  s.tolerance = 50;
  s.cropX = s.cropY = s.cropWidth = s.cropHeight = 9;
  s.fixedRatio = 1;
  s.fixedRatioWidth = s.fixedRatioHeight = 3.0f;
  s.flipHorizontal = s.flipVertical = 1;
  s.rotationDegree = 45.0f;
  s.edgeCheck = 1;
  s.edgeType = kEdgeBottom;
  s.cutValue = 8;
  s.cutType = kCutPercent;
  s.cutDirection = kCutInward;
  s.fixedSize = 1;
  s.sizeMode = 1;
  s.fixedWidth = s.fixedHeight = 640;
  s.selSide = 1;
  s.sidePixel = 5;
  s.fillColorCheck = 0;
  s.filterSize = 7;
  s.noiseThreshold = 2;
  s.jpegQuality = 10;
  s.targaRLE = 0;
  s.outputFormat = 4;
  s.fillColor = s.backgroundColor = s.fixedColor = Rgb{0, 0, 0};
  s.autoRotate = s.regularRectangle = 1;

  readPanelSettings(store, s);
  const int edgeType = readPreviewSettings(store, s);

  EXPECT_EQ(s.croppingMode, kAutoCrop);
  EXPECT_EQ(s.tolerance, 0);
  EXPECT_EQ(s.cropX, 1);
  EXPECT_EQ(s.cropY, 1);
  EXPECT_EQ(s.cropWidth, 1);
  EXPECT_EQ(s.cropHeight, 1);
  EXPECT_EQ(s.fixedRatio, 0);
  EXPECT_EQ(s.fixedRatioWidth, 1.0f);
  EXPECT_EQ(s.fixedRatioHeight, 1.0f);
  EXPECT_EQ(s.flipHorizontal, 0);
  EXPECT_EQ(s.flipVertical, 0);
  EXPECT_EQ(s.rotationDegree, 0.0f);
  EXPECT_EQ(s.edgeCheck, 0);
  EXPECT_EQ(s.edgeType, kEdgeAll);
  EXPECT_EQ(s.cutValue, 0);
  EXPECT_EQ(s.cutType, kCutPixels);
  EXPECT_EQ(s.cutDirection, kCutOutward);
  EXPECT_EQ(s.fixedSize, 0);
  EXPECT_EQ(s.sizeMode, 0);
  EXPECT_EQ(s.fixedWidth, 0);
  EXPECT_EQ(s.fixedHeight, 0);
  EXPECT_EQ(s.selSide, 0);
  EXPECT_EQ(s.sidePixel, 100);
  EXPECT_EQ(s.fillColorCheck, 1);
  EXPECT_EQ(s.filterSize, 3);
  EXPECT_EQ(s.noiseThreshold, 6);
  EXPECT_EQ(s.jpegQuality, 75);
  EXPECT_EQ(s.targaRLE, 1);
  EXPECT_EQ(s.outputFormat, 0);
  EXPECT_EQ(s.fillColor, (Rgb{255, 255, 255}));
  EXPECT_EQ(s.backgroundColor, (Rgb{255, 255, 255}));
  EXPECT_EQ(s.fixedColor, (Rgb{255, 255, 255}));
  EXPECT_EQ(s.autoRotate, 0);
  EXPECT_EQ(s.regularRectangle, 0);
  EXPECT_EQ(edgeType, kEdgeAll);
}

TEST(SettingsFirstStart, UnstoredFieldsStartAfresh) {
  MemoryProfileStore store;
  CropSettings s;
  s.cutLeft = s.cutRight = s.cutTop = s.cutBottom = 4;
  s.additive = 1;
  s.inwardCutLimit = 99;
  s.imageSeen = 1;
  s.maxFilterSize = 11;
  readPanelSettings(store, s);
  EXPECT_EQ(s.cutLeft + s.cutRight + s.cutTop + s.cutBottom, 0);
  EXPECT_EQ(s.additive, 0);
  EXPECT_EQ(s.inwardCutLimit, 0);
  EXPECT_EQ(s.imageSeen, 0);
  EXPECT_EQ(s.maxFilterSize, 49);
}

TEST(SettingsRead, PanelReadsInItsConstructionOrder) {
  MemoryProfileStore store;
  CropSettings s;
  readPanelSettings(store, s);
  const std::vector<std::string> expected = {
      "Crop Edge Info/Cut Value",
      "Auto Crop Info/Tolerance",
      "Fixed Size Info/Fixed Width",
      "Fixed Size Info/Fixed Height",
      "Manual Crop Info/FixedRatio Height",
      "Manual Crop Info/FixedRatio Width",
      "Manual Crop Info/Cropping Mode",
      "Crop Edge Info/Edge Check",
      "Manual Crop Info/Fixed Ratio",
      "Manual Crop Info/FlipHorizontal",
      "Manual Crop Info/FlipVertical",
      "Fixed Size Info/Fixed Size",
      "Fixed Size Info/FillColor Check",
      "Fixed Size Info/Size Mode",
      "Manual Crop Info/CropX",
      "Manual Crop Info/CropY",
      "Manual Crop Info/CropWidth",
      "Manual Crop Info/CropHeight",
      "Manual Crop Info/Rotation Degree",
      "Manual Crop Info/Decimal Point of Ratio Width",
      "Manual Crop Info/Decimal Point of Ratio Height",
      "Manual Crop Info/Sign of Rotation Degree",
      "Manual Crop Info/Decimal Point",
      "Noise Filtering/Filter Size",
      "Noise Filtering/Noise Threshold",
      "Fixed Size Info/Sel Side",
      "Fixed Size Info/Side Pixel",
      "Crop Edge Info/Edge Type",
      "Crop Edge Info/Cut Type",
      "Crop Edge Info/Cut Direction",
  };
  EXPECT_EQ(store.readLog(), expected);
}

TEST(SettingsRead, PreviewReadsItsOwnValuesAndTheEdgeType) {
  MemoryProfileStore store;
  store.writeInt(kCropEdgeInfo, kEdgeType, kEdgeTop);
  store.writeInt(kImageOption, kJpegQuality, 90);
  store.writeInt(kBackgroundOption, kGreen, 12);
  CropSettings s;
  EXPECT_EQ(readPreviewSettings(store, s), kEdgeTop);
  EXPECT_EQ(s.jpegQuality, 90);
  EXPECT_EQ(s.backgroundColor, (Rgb{255, 12, 255}));
  EXPECT_EQ(s.edgeType, kEdgeAll);  // the panel's field is not the preview's to set
  const std::vector<std::string>& log = store.readLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Crop Edge Info/Edge Type");
  EXPECT_EQ(log.size(), 15u);  // 3 options + 9 colour components + 2 flags + edge type
}

TEST(SettingsRead, StoredValuesAreTakenAsTheyAreUntilTheGather) {
  MemoryProfileStore store;
  store.writeInt(kNoiseFiltering, kFilterSize, 8);
  store.writeInt(kNoiseFiltering, kNoiseThreshold, 80);
  store.writeInt(kAutoCropInfo, kTolerance, 300);
  CropSettings s;
  readPanelSettings(store, s);
  EXPECT_EQ(s.filterSize, 8);
  EXPECT_EQ(s.noiseThreshold, 80);
  EXPECT_EQ(s.tolerance, 300);
  const GatheredSettings g = gatherSettings(s);
  EXPECT_EQ(g.filterSize, 9);
  EXPECT_EQ(g.noiseThreshold, 80);
  EXPECT_EQ(g.tolerance, 100);
}

TEST(SettingsStoredReals, NegativeRotationSurvivesARestartExactly) {
  MemoryProfileStore store;
  CropSettings s;
  s.rotationDegree = -12.25f;
  writePanelSettings(store, s);
  EXPECT_TRUE(store.hasString(kManualCropInfo, kRotationDegree));
  EXPECT_FALSE(store.hasInt(kManualCropInfo, kRotationDegree));
  EXPECT_EQ(store.stringValue(kManualCropInfo, kRotationDegree), "1225000");
  EXPECT_EQ(store.intValue(kManualCropInfo, kRotationPoint), 2);
  EXPECT_EQ(store.intValue(kManualCropInfo, kRotationSign), 1);
  CropSettings back;
  readPanelSettings(store, back);
  EXPECT_EQ(back.rotationDegree, -12.25f);
}

TEST(SettingsStoredReals, RatioTermsKeepSevenDigitsAndNoSign) {
  MemoryProfileStore store;
  CropSettings s;
  s.fixedRatioWidth = 4.0f / 3.0f;
  s.fixedRatioHeight = 0.75f;
  writePanelSettings(store, s);
  EXPECT_EQ(store.stringValue(kManualCropInfo, kFixedRatioWidth), "1333333");
  EXPECT_EQ(store.intValue(kManualCropInfo, kRatioWidthPoint), 1);
  EXPECT_EQ(store.stringValue(kManualCropInfo, kFixedRatioHeight), "7500000");
  EXPECT_EQ(store.intValue(kManualCropInfo, kRatioHeightPoint), 0);
  CropSettings back;
  readPanelSettings(store, back);
  EXPECT_EQ(back.fixedRatioWidth, 1.333333f);
  EXPECT_EQ(back.fixedRatioHeight, 0.75f);
}

TEST(SettingsStoredReals, OutOfRangeRotationIsWrittenBackClamped) {
  MemoryProfileStore store;
  store.writeString(kManualCropInfo, kRotationDegree, "2000000");
  store.writeInt(kManualCropInfo, kRotationPoint, 5);
  CropSettings s;
  readPanelSettings(store, s);
  EXPECT_EQ(s.rotationDegree, 20000.0f);  // accepted on reading
  writePanelSettings(store, s);
  EXPECT_EQ(store.stringValue(kManualCropInfo, kRotationDegree), "1000000");
  EXPECT_EQ(store.intValue(kManualCropInfo, kRotationPoint), 5);
  EXPECT_EQ(store.intValue(kManualCropInfo, kRotationSign), 0);
}

TEST(SettingsStoredReals, DamagedDigitsReadAsZero) {
  MemoryProfileStore store;
  store.writeString(kManualCropInfo, kRotationDegree, "twelve");
  store.writeInt(kManualCropInfo, kRotationPoint, 2);
  store.writeInt(kManualCropInfo, kFixedRatioWidth, 1500000);  // wrong kind: the default "1"
  CropSettings s;
  readPanelSettings(store, s);
  EXPECT_EQ(s.rotationDegree, 0.0f);
  EXPECT_EQ(s.fixedRatioWidth, 1.0f);
}

TEST(SettingsWrite, EveryPanelValueSurvivesARestart) {
  MemoryProfileStore store;
  CropSettings s;
  s.croppingMode = 1;
  s.tolerance = 33;
  s.cropX = 10;
  s.cropY = 20;
  s.cropWidth = 300;
  s.cropHeight = 400;
  s.fixedRatio = 1;
  s.fixedRatioWidth = 16.0f;
  s.fixedRatioHeight = 9.0f;
  s.flipHorizontal = 1;
  s.flipVertical = 1;
  s.rotationDegree = 90.5f;
  s.edgeCheck = 1;
  s.edgeType = kEdgeRight;
  s.cutValue = 15;
  s.cutType = kCutPercent;
  s.cutDirection = kCutInward;
  s.fixedSize = 1;
  s.sizeMode = 1;
  s.fixedWidth = 800;
  s.fixedHeight = 600;
  s.selSide = 1;
  s.sidePixel = 256;
  s.fillColorCheck = 0;
  s.filterSize = 9;
  s.noiseThreshold = 40;
  s.cutLeft = 3;  // never stored
  writePanelSettings(store, s);

  CropSettings back;
  readPanelSettings(store, back);
  EXPECT_EQ(back.croppingMode, 1);
  EXPECT_EQ(back.tolerance, 33);
  EXPECT_EQ(back.cropX, 10);
  EXPECT_EQ(back.cropY, 20);
  EXPECT_EQ(back.cropWidth, 300);
  EXPECT_EQ(back.cropHeight, 400);
  EXPECT_EQ(back.fixedRatio, 1);
  EXPECT_EQ(back.fixedRatioWidth, 16.0f);
  EXPECT_EQ(back.fixedRatioHeight, 9.0f);
  EXPECT_EQ(back.flipHorizontal, 1);
  EXPECT_EQ(back.flipVertical, 1);
  EXPECT_EQ(back.rotationDegree, 90.5f);
  EXPECT_EQ(back.edgeCheck, 1);
  EXPECT_EQ(back.edgeType, kEdgeRight);
  EXPECT_EQ(back.cutValue, 15);
  EXPECT_EQ(back.cutType, kCutPercent);
  EXPECT_EQ(back.cutDirection, kCutInward);
  EXPECT_EQ(back.fixedSize, 1);
  EXPECT_EQ(back.sizeMode, 1);
  EXPECT_EQ(back.fixedWidth, 800);
  EXPECT_EQ(back.fixedHeight, 600);
  EXPECT_EQ(back.selSide, 1);
  EXPECT_EQ(back.sidePixel, 256);
  EXPECT_EQ(back.fillColorCheck, 0);
  EXPECT_EQ(back.filterSize, 9);
  EXPECT_EQ(back.noiseThreshold, 40);
  EXPECT_EQ(back.cutLeft, 0);
  // The panel writes none of the preview's values.
  EXPECT_FALSE(store.hasInt(kImageOption, kJpegQuality));
  EXPECT_FALSE(store.hasInt(kFillOption, kRed));
}

TEST(SettingsWrite, EveryPreviewValueSurvivesARestart) {
  MemoryProfileStore store;
  CropSettings s;
  s.outputFormat = 4;
  s.jpegQuality = 91;
  s.targaRLE = 0;
  s.fillColor = Rgb{1, 2, 3};
  s.backgroundColor = Rgb{40, 50, 60};
  s.fixedColor = Rgb{255, 0, 128};
  s.autoRotate = 1;
  s.regularRectangle = 1;
  s.edgeType = kEdgeBottom;
  writePreviewSettings(store, s);
  EXPECT_FALSE(store.hasInt(kCropEdgeInfo, kEdgeType));  // read by the preview, never written

  CropSettings back;
  readPreviewSettings(store, back);
  EXPECT_EQ(back.outputFormat, 4);
  EXPECT_EQ(back.jpegQuality, 91);
  EXPECT_EQ(back.targaRLE, 0);
  EXPECT_EQ(back.fillColor, (Rgb{1, 2, 3}));
  EXPECT_EQ(back.backgroundColor, (Rgb{40, 50, 60}));
  EXPECT_EQ(back.fixedColor, (Rgb{255, 0, 128}));
  EXPECT_EQ(back.autoRotate, 1);
  EXPECT_EQ(back.regularRectangle, 1);
  // The panel's read leaves the preview's values alone.
  readPanelSettings(store, back);
  EXPECT_EQ(back.autoRotate, 1);
  EXPECT_EQ(back.regularRectangle, 1);
}

TEST(MemoryStore, KindsAreKeptAndMissingValuesGiveTheDefault) {
  MemoryProfileStore store;
  EXPECT_EQ(store.readInt("A", "x", 5), 5);
  EXPECT_EQ(store.readString("A", "x", "d"), "d");
  store.writeInt("A", "x", 7);
  EXPECT_EQ(store.readInt("A", "x", 5), 7);
  EXPECT_EQ(store.readString("A", "x", "d"), "d");  // an integer is not a string
  store.writeString("A", "x", "text");              // replaces the integer
  EXPECT_EQ(store.readInt("A", "x", 5), 5);
  EXPECT_EQ(store.readString("A", "x", "d"), "text");
  EXPECT_EQ(store.readInt("B", "x", 1), 1);  // sections are separate
  EXPECT_EQ(store.readLog().size(), 7u);
  store.clearReadLog();
  EXPECT_TRUE(store.readLog().empty());
}

}  // namespace
}  // namespace trimlet
