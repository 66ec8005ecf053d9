// Reading and writing the crop settings through the profile store.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/settings/crop_settings.h"
#include "engine/settings/profile_store.h"
#include "engine/settings/settings_keys.h"
#include "engine/settings/settings_persistence.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using namespace keys;

// The integer fields each owner stores, for comparing whole records.
#define PANEL_INT_FIELDS(X)                                                                        \
  X(croppingMode)                                                                                  \
  X(tolerance) X(cropX) X(cropY) X(cropWidth) X(cropHeight) X(fixedRatio) X(flipHorizontal)        \
      X(flipVertical) X(edgeCheck) X(edgeType) X(cutValue) X(cutType) X(cutDirection) X(fixedSize) \
          X(sizeMode) X(fixedWidth) X(fixedHeight) X(selSide) X(sidePixel) X(fillColorCheck)       \
              X(filterSize) X(noiseThreshold)
#define PREVIEW_INT_FIELDS(X)                                                                    \
  X(outputFormat)                                                                                \
  X(jpegQuality) X(targaRLE) X(autoRotate) X(regularRectangle) X(splitPhotos) X(minPhotoPercent) \
      X(honourOrientation) X(losslessJpeg)

// Names every stored field in which the two records differ.
::testing::AssertionResult SameStoredFields(const CropSettings& expected,
                                            const CropSettings& actual) {
  std::ostringstream diff;
#define COMPARE(field)                                                                 \
  if (!(expected.field == actual.field)) {                                             \
    diff << "\n  " #field ": expected " << expected.field << ", got " << actual.field; \
  }
  PANEL_INT_FIELDS(COMPARE)
  PREVIEW_INT_FIELDS(COMPARE)
  COMPARE(fixedRatioWidth)
  COMPARE(fixedRatioHeight) COMPARE(rotationDegree)
#undef COMPARE
      for (const auto& [name, e, a] :
           {std::tuple{"fillColor", expected.fillColor, actual.fillColor},
            std::tuple{"backgroundColor", expected.backgroundColor, actual.backgroundColor},
            std::tuple{"fixedColor", expected.fixedColor, actual.fixedColor}}) {
    if (e != a) diff << "\n  " << name << " differs";
  }
  if (diff.str().empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << diff.str();
}

// A record in which every stored field differs from its default.
CropSettings unusualSettings() {
  CropSettings s;
  int next = 1000;
#define SET(field) s.field = static_cast<decltype(s.field)>(next++);
  PANEL_INT_FIELDS(SET)
  PREVIEW_INT_FIELDS(SET)
#undef SET
  s.fixedRatioWidth = 16.0f;
  s.fixedRatioHeight = 9.0f;
  s.rotationDegree = 90.5f;
  s.fillColor = Rgb{1, 2, 3};
  s.backgroundColor = Rgb{40, 50, 60};
  s.fixedColor = Rgb{255, 0, 128};
  return s;
}

TEST(SettingsFirstStart, EmptyStoreGivesTheDefaults) {
  MemoryProfileStore store;
  CropSettings s = unusualSettings();
  readPanelSettings(store, s);
  EXPECT_EQ(readPreviewSettings(store, s), EdgeType::kAll);
  // Auto crop, tolerance 0, rectangle (1, 1, 1, 1), ratio 1 : 1 not fixed, no
  // flips, rotation 0, edge off on All, 0 pixels outward, fixed size off at
  // 0 x 0, side 100 on the long side, filter 3 / 6, JPEG 75, Targa RLE on,
  // output JPEG, all colours white: the record's own defaults.
  EXPECT_TRUE(SameStoredFields(CropSettings{}, s));
  EXPECT_EQ(s.cropX, 1);
  EXPECT_EQ(s.sidePixel, 100);
  EXPECT_EQ(s.cutType, CutType::kPixels);
  EXPECT_EQ(s.jpegQuality, 75);
  EXPECT_EQ(s.fixedColor, (Rgb{255, 255, 255}));
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
  store.writeInt(kCropEdgeInfo, kEdgeType, toInt(EdgeType::kTop));
  store.writeInt("Image Option", "Jpeg quality", 90);
  store.writeInt("Background Option", kGreen, 12);
  CropSettings s;
  EXPECT_EQ(readPreviewSettings(store, s), EdgeType::kTop);
  EXPECT_EQ(s.jpegQuality, 90);
  EXPECT_EQ(s.backgroundColor, (Rgb{255, 12, 255}));
  EXPECT_EQ(s.edgeType, EdgeType::kAll);  // the panel's field is not the preview's to set
  const std::vector<std::string>& log = store.readLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "Crop Edge Info/Edge Type");
  // 3 options + 9 colour components + 2 flags, the four later values, then
  // the edge type: the older values keep their places.
  ASSERT_EQ(log.size(), 19u);
  EXPECT_EQ(log[13], "Image Option/Regular Rectangle");
  const std::vector<std::string> later(log.begin() + 14, log.end() - 1);
  EXPECT_EQ(later, (std::vector<std::string>{
                       "Image Option/Split Photos", "Image Option/Min Photo Percent",
                       "Image Option/Honour Orientation", "Image Option/Lossless JPEG"}));
}

TEST(SettingsFirstStart, PhotoAndFileOptionsHaveTheirDefaults) {
  MemoryProfileStore store;
  CropSettings s = unusualSettings();
  readPreviewSettings(store, s);
  EXPECT_EQ(s.autoRotate, 0);
  EXPECT_EQ(s.splitPhotos, 0);
  EXPECT_EQ(s.minPhotoPercent, 2);
  EXPECT_EQ(s.honourOrientation, 1);
  EXPECT_EQ(s.losslessJpeg, 0);
}

TEST(SettingsRead, StoredValuesAreTakenAsTheyAreUntilTheGather) {
  MemoryProfileStore store;
  store.writeInt("Noise Filtering", "Filter Size", 8);
  store.writeInt("Noise Filtering", "Noise Threshold", 80);
  store.writeInt("Auto Crop Info", "Tolerance", 300);
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
  EXPECT_TRUE(store.hasString("Manual Crop Info", "Rotation Degree"));
  EXPECT_FALSE(store.hasInt("Manual Crop Info", "Rotation Degree"));
  EXPECT_EQ(store.stringValue("Manual Crop Info", "Rotation Degree"), "1225000");
  EXPECT_EQ(store.intValue("Manual Crop Info", "Decimal Point"), 2);
  EXPECT_EQ(store.intValue("Manual Crop Info", "Sign of Rotation Degree"), 1);
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
  EXPECT_EQ(store.stringValue("Manual Crop Info", "FixedRatio Width"), "1333333");
  EXPECT_EQ(store.intValue("Manual Crop Info", "Decimal Point of Ratio Width"), 1);
  EXPECT_EQ(store.stringValue("Manual Crop Info", "FixedRatio Height"), "7500000");
  EXPECT_EQ(store.intValue("Manual Crop Info", "Decimal Point of Ratio Height"), 0);
  CropSettings back;
  readPanelSettings(store, back);
  EXPECT_EQ(back.fixedRatioWidth, 1.333333f);
  EXPECT_EQ(back.fixedRatioHeight, 0.75f);
}

TEST(SettingsStoredReals, OutOfRangeRotationIsWrittenBackClamped) {
  MemoryProfileStore store;
  store.writeString("Manual Crop Info", "Rotation Degree", "2000000");
  store.writeInt("Manual Crop Info", "Decimal Point", 5);
  CropSettings s;
  readPanelSettings(store, s);
  EXPECT_EQ(s.rotationDegree, 20000.0f);  // accepted on reading
  writePanelSettings(store, s);
  EXPECT_EQ(store.stringValue("Manual Crop Info", "Rotation Degree"), "1000000");
  EXPECT_EQ(store.intValue("Manual Crop Info", "Decimal Point"), 5);
  EXPECT_EQ(store.intValue("Manual Crop Info", "Sign of Rotation Degree"), 0);
}

TEST(SettingsStoredReals, DamagedDigitsReadAsZero) {
  MemoryProfileStore store;
  store.writeString("Manual Crop Info", "Rotation Degree", "twelve");
  store.writeInt("Manual Crop Info", "Decimal Point", 2);
  store.writeInt("Manual Crop Info", "FixedRatio Width", 1500000);  // wrong kind: the default "1"
  CropSettings s;
  readPanelSettings(store, s);
  EXPECT_EQ(s.rotationDegree, 0.0f);
  EXPECT_EQ(s.fixedRatioWidth, 1.0f);
}

TEST(SettingsWrite, EveryValueSurvivesARestart) {
  MemoryProfileStore store;
  CropSettings s = unusualSettings();
  s.cutLeft = 3;  // never stored
  writePanelSettings(store, s);
  EXPECT_FALSE(store.hasInt("Image Option", "Jpeg quality"));  // the preview's to write
  writePreviewSettings(store, s);
  EXPECT_EQ(store.intValue(kCropEdgeInfo, kEdgeType), toInt(s.edgeType));

  CropSettings back;
  readPanelSettings(store, back);
  readPreviewSettings(store, back);
  EXPECT_TRUE(SameStoredFields(s, back));
  EXPECT_EQ(back.cutLeft, 0);
}

TEST(SettingsWrite, PreviewWritesItsValuesOnly) {
  MemoryProfileStore store;
  writePreviewSettings(store, unusualSettings());
  EXPECT_FALSE(store.hasInt(kCropEdgeInfo, kEdgeType));  // read by the preview, never written
  EXPECT_FALSE(store.hasInt("Auto Crop Info", "Tolerance"));
  EXPECT_EQ(store.intValue("FixedColor Option", kBlue), 128);
  // The panel's read leaves the preview's values alone.
  CropSettings back;
  readPreviewSettings(store, back);
  readPanelSettings(store, back);
  EXPECT_EQ(back.autoRotate, unusualSettings().autoRotate);
  EXPECT_EQ(back.regularRectangle, unusualSettings().regularRectangle);
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
