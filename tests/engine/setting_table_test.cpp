// The settings table: one row per stored value, each reaching its own field,
// with the defaults of a fresh record and the checks a typed value meets.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

#include "engine/settings/crop_settings.h"
#include "engine/settings/setting_table.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

std::string keyOf(const SettingRow& row) { return std::string(row.section) + "/" + row.name; }

TEST(SettingTable, EveryValueNameIsStoredOnceAndFindsItsRow) {
  std::set<std::string> keys;
  for (const SettingRow& row : settingTable()) {
    if (row.kind == SettingKind::kColour) {
      for (const char* component : {"Red", "Green", "Blue"}) {
        EXPECT_TRUE(keys.insert(std::string(row.section) + "/" + component).second);
        EXPECT_EQ(findSetting(row.section, component), &row);
      }
      continue;
    }
    EXPECT_TRUE(keys.insert(keyOf(row)).second) << keyOf(row);
    EXPECT_EQ(findSetting(row.section, row.name), &row) << keyOf(row);
  }
  // 30 values of the panel, 12 of the preview with three per colour.
  EXPECT_EQ(keys.size(), 30u + 9u + 9u);
  EXPECT_EQ(findSetting("Auto Crop Info", "Tolerence"), nullptr);
  EXPECT_EQ(findSetting("Controls", "WholeSelect"), nullptr);
}

// Each integer row writes its own field and reads back what it wrote, and its
// default is the field's default in a fresh record.
TEST(SettingTable, IntegerRowsReachTheirOwnFieldWithItsDefault) {
  const CropSettings fresh;
  for (const SettingRow& row : settingTable()) {
    if (!row.getInt) continue;
    EXPECT_EQ(row.getInt(fresh), row.defaultValue) << row.field;
    CropSettings s;
    row.setInt(s, 4321);
    EXPECT_EQ(row.getInt(s), 4321) << row.field;
    int changed = 0;
    for (const SettingRow& other : settingTable())
      if (other.getInt && other.getInt(s) != other.getInt(fresh)) ++changed;
    EXPECT_EQ(changed, 1) << row.field << " changed another field too";
  }
}

TEST(SettingTable, RealPartsShareTheirFieldAndColoursDefaultToWhite) {
  const CropSettings fresh;
  int digitRows = 0;
  for (const SettingRow& row : settingTable()) {
    if (row.kind == SettingKind::kRealDigits) {
      ++digitRows;
      EXPECT_EQ(std::stof(row.defaultText), row.getReal(fresh)) << row.name;
    }
    if (row.kind == SettingKind::kColour) {
      EXPECT_EQ(row.getColour(fresh), (Rgb{255, 255, 255})) << row.field;
    }
  }
  EXPECT_EQ(digitRows, 3);
  EXPECT_NE(findSetting("Manual Crop Info", "Rotation Degree")->clampForStore, nullptr);
  EXPECT_EQ(findSetting("Manual Crop Info", "FixedRatio Width")->clampForStore, nullptr);
}

struct ValueCase {
  const char* section;
  const char* name;
  int value;
  bool accepted;
};
void PrintTo(const ValueCase& c, std::ostream* os) {
  *os << c.section << "/" << c.name << "=" << c.value << (c.accepted ? " accepted" : " refused");
}
class SettingValues : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SettingValues, AreCheckedAgainstRangeAndGather) {
  const ValueCase& c = GetParam();
  CropSettings s;  // filter size 3, cut type pixels
  const SettingRow* row = findSetting(c.section, c.name);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(isValidSettingValue(*row, c.value, s), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingValues,
    ::testing::Values(ValueCase{"Auto Crop Info", "Tolerance", 100, true},
                      ValueCase{"Auto Crop Info", "Tolerance", 101, false},
                      ValueCase{"Auto Crop Info", "Tolerance", -1, false},
                      ValueCase{"Noise Filtering", "Filter Size", 49, true},
                      ValueCase{"Noise Filtering", "Filter Size", 8, false},
                      ValueCase{"Noise Filtering", "Filter Size", 51, false},
                      ValueCase{"Noise Filtering", "Noise Threshold", 9, true},
                      ValueCase{"Noise Filtering", "Noise Threshold", 10, false},
                      ValueCase{"Crop Edge Info", "Cut Value", 5000, true},
                      ValueCase{"Crop Edge Info", "Edge Type", 4, true},
                      ValueCase{"Crop Edge Info", "Edge Type", 5, false},
                      ValueCase{"Manual Crop Info", "CropWidth", 0, false},
                      ValueCase{"Manual Crop Info", "Fixed Ratio", 2, false},
                      ValueCase{"Image Option", "Output Format", 4, true},
                      ValueCase{"Image Option", "Output Format", 5, false},
                      ValueCase{"Fill Option", "Green", 255, true},
                      ValueCase{"Fill Option", "Green", 256, false},
                      ValueCase{"Fixed Size Info", "Side Pixel", 4001, false},
                      ValueCase{"Image Option", "Min Photo Percent", 0, true},
                      ValueCase{"Image Option", "Min Photo Percent", 100, true},
                      ValueCase{"Image Option", "Min Photo Percent", 101, false},
                      ValueCase{"Image Option", "Split Photos", 2, false},
                      ValueCase{"Image Option", "Honour Orientation", 0, true},
                      ValueCase{"Image Option", "Lossless JPEG", -1, false}));

TEST(SettingTable, APercentCutValueIsAtMostAHundred) {
  CropSettings s;
  s.cutType = CutType::kPercent;
  const SettingRow* row = findSetting("Crop Edge Info", "Cut Value");
  EXPECT_TRUE(isValidSettingValue(*row, 100, s));
  EXPECT_FALSE(isValidSettingValue(*row, 101, s));
}

TEST(SettingTable, RangesReadAsWords) {
  EXPECT_EQ(settingRangeText(*findSetting("Auto Crop Info", "Tolerance")), "0-100");
  EXPECT_EQ(settingRangeText(*findSetting("Noise Filtering", "Filter Size")), "odd, 1-49");
  EXPECT_EQ(settingRangeText(*findSetting("Crop Edge Info", "Cut Direction")),
            "0 Outward, 1 Inward");
  EXPECT_EQ(settingRangeText(*findSetting("Manual Crop Info", "Fixed Ratio")), "0 or 1");
  EXPECT_EQ(settingRangeText(*findSetting("Manual Crop Info", "CropX")), "0 or more");
  EXPECT_EQ(choiceName(*findSetting("Image Option", "Output Format"), 2), "Windows bitmap");
  EXPECT_EQ(choiceName(*findSetting("Image Option", "Output Format"), 7), "");
}

}  // namespace
}  // namespace trimlet
