// The noise filtering dialog's rules without widgets.
#include <gtest/gtest.h>

#include <string>

#include "settings/model/noise_filter_model.h"
#include "settings/model/panel_messages.h"

namespace trimlet {
namespace {

using namespace panel;

TEST(NoiseFilter, OpensWithTheSpinInPositionsAndTheThresholdLimit) {
  NoiseFilterModel m(3, 6);
  EXPECT_EQ(m.sizePosition(), 1);
  EXPECT_EQ(m.thresholdLimit(), 8);
  EXPECT_EQ(m.sizeText(), "3");
  EXPECT_EQ(m.thresholdText(), "6");
}

struct SizeCase {
  const char* text;
  const char* message;
};
class FilterSizeField : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FilterSizeField, RefusesWithItsMessageAndPutsBack) {
  NoiseFilterModel m(3, 6);
  m.setSizeText(GetParam().text);
  const char* message = m.sizeLeft();
  ASSERT_NE(message, nullptr);
  EXPECT_STREQ(message, GetParam().message);
  EXPECT_EQ(m.filterSize(), 3);
  EXPECT_EQ(m.sizeText(), "3");
}

INSTANTIATE_TEST_SUITE_P(Table, FilterSizeField,
                         ::testing::Values(SizeCase{"4", kFilterSizeOdd},
                                           SizeCase{"100", kFilterSizeLarge},
                                           SizeCase{"0", kFilterSizeZero},
                                           SizeCase{"x", kEnterInteger}));

TEST(NoiseFilter, ThresholdChecksAgainstTheSquare) {
  NoiseFilterModel m(3, 6);
  m.setThresholdText("9");
  EXPECT_STREQ(m.thresholdLeft(), kThresholdLarge);
  EXPECT_EQ(m.threshold(), 6);
  m.setThresholdText("8");
  EXPECT_EQ(m.thresholdLeft(), nullptr);
  EXPECT_EQ(m.threshold(), 8);
  m.setThresholdText("-1");
  EXPECT_STREQ(m.thresholdLeft(), kThresholdNegative);
}

TEST(NoiseFilter, LoweringTheSizeLowersTheThreshold) {
  NoiseFilterModel m(7, 30);
  EXPECT_EQ(m.sizeSpinMoved(1), nullptr);
  EXPECT_EQ(m.filterSize(), 3);
  EXPECT_EQ(m.threshold(), 8);
  EXPECT_EQ(m.thresholdText(), "8");
  EXPECT_EQ(m.thresholdLimit(), 8);
}

TEST(NoiseFilter, SeventyFivePassesTheFieldButOkStoresFortyNine) {
  NoiseFilterModel m(3, 6);
  m.setSizeText("75");
  EXPECT_EQ(m.sizeLeft(), nullptr);
  EXPECT_EQ(m.sizePosition(), 37);
  EXPECT_EQ(m.sizeSpinMoved(49), nullptr);
  EXPECT_EQ(m.filterSize(), 99);
  EXPECT_EQ(m.ok(), nullptr);
  EXPECT_EQ(m.filterSize(), 49);
  EXPECT_EQ(m.threshold(), 6);
}

TEST(NoiseFilter, EnterMovesTheFocusOnlyWhenAccepted) {
  NoiseFilterModel m(3, 6);
  bool stays = false;
  m.setSizeText("6");
  EXPECT_STREQ(m.sizeEnter(stays), kFilterSizeOdd);
  EXPECT_TRUE(stays);
  m.setSizeText("5");
  EXPECT_EQ(m.sizeEnter(stays), nullptr);
  EXPECT_FALSE(stays);
  m.setThresholdText("25");
  EXPECT_STREQ(m.thresholdEnter(stays), kThresholdLarge);
  EXPECT_TRUE(stays);
}

TEST(NoiseFilter, CancelRestoresWhatWasOpened) {
  NoiseFilterModel m(9, 40);
  m.setSizeText("3");
  m.sizeLeft();
  EXPECT_EQ(m.threshold(), 8);
  m.cancel();
  EXPECT_EQ(m.filterSize(), 9);
  EXPECT_EQ(m.threshold(), 40);
}

TEST(NoiseFilter, OkKeepsTheSquareItselfAndMakesOneForSizeOne) {
  NoiseFilterModel one(1, 1);
  one.setThresholdText("0");
  EXPECT_EQ(one.ok(), nullptr);
  EXPECT_EQ(one.threshold(), 1);
  NoiseFilterModel even(3, 6);
  even.setSizeText("8");  // typed, not checked: OK brings it to 9
  EXPECT_EQ(even.ok(), nullptr);
  EXPECT_EQ(even.filterSize(), 9);
}

}  // namespace
}  // namespace trimlet
