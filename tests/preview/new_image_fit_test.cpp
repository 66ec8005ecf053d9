// The manual rectangle for a newly chosen image, and where its selection goes.
#include "preview/model/new_image_fit.h"

#include <gtest/gtest.h>

#include "tests/preview/preview_test_support.h"

namespace trimlet {
namespace {

struct FitCase {
  const char* name;
  CropRect copy;
  CropRect panel;
  bool wholeSelect;
  int w, h;
  CropRect expected;
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class NewImageFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(NewImageFit, FitsTheViewsCopy) {
  const FitCase& c = GetParam();
  EXPECT_EQ(fitCropToNewImage(c.copy, c.panel, c.wholeSelect, c.w, c.h), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NewImageFit,
    ::testing::Values(
        FitCase{"whole image", {10, 10, 50, 50}, {1, 1, 1, 1}, true, 300, 200, {0, 0, 300, 200}},
        FitCase{"fits as it is", {10, 20, 50, 60}, {1, 1, 1, 1}, false, 300, 200, {10, 20, 50, 60}},
        FitCase{
            "larger shrinks", {10, 20, 500, 60}, {1, 1, 1, 1}, false, 300, 200, {0, 20, 300, 60}},
        FitCase{
            "taller shrinks", {10, 20, 50, 260}, {1, 1, 1, 1}, false, 300, 200, {10, 0, 50, 200}},
        FitCase{"overhang shifts",
                {280, 190, 50, 60},
                {1, 1, 1, 1},
                false,
                300,
                200,
                {250, 140, 50, 60}},
        FitCase{"exactly to the edge",
                {250, 140, 50, 60},
                {1, 1, 1, 1},
                false,
                300,
                200,
                {250, 140, 50, 60}},
        // The view has set nothing yet: the panel's rectangle is fitted
        // instead of a 0 x 0 one.
        FitCase{"no copy yet", {0, 0, 0, 0}, {280, 5, 40, 30}, false, 300, 200, {260, 5, 40, 30}},
        FitCase{"nothing decoded", {10, 10, 50, 50}, {7, 8, 9, 10}, false, 0, 0, {7, 8, 9, 10}}),
    [](const ::testing::TestParamInfo<FitCase>& info) {
      return "case" + std::to_string(info.index);
    });

TEST(NewImageSelection, UsesTheWidthScaleForBothAxes) {
  const std::optional<ViewRect> r =
      selectionForNewImage({100, 50, 500, 250}, {1, 101, 401, 301}, 2000);
  EXPECT_EQ(r, (ViewRect{21, 111, 121, 161}));
}

TEST(NewImageSelection, NotScaledWhenTheSourceIsNotWiderThanD) {
  const std::optional<ViewRect> r = selectionForNewImage({10, 5, 20, 30}, {101, 76, 201, 126}, 100);
  EXPECT_EQ(r, (ViewRect{111, 81, 131, 111}));
}

TEST(NewImageSelection, OnlyForANonEmptyRectangle) {
  EXPECT_FALSE(selectionForNewImage({5, 5, 0, 0}, {1, 1, 101, 101}, 100));
  EXPECT_EQ(selectionForNewImage({5, 5, 0, 7}, {1, 1, 101, 101}, 100), (ViewRect{6, 6, 6, 13}));
}

}  // namespace
}  // namespace trimlet
