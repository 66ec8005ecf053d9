// The image view's keys, its placement from the panel's values, the resize
// rule and what it asks to be drawn.
#include <gtest/gtest.h>

#include <string>

#include "preview/model/image_view_model.h"
#include "tests/preview/preview_test_support.h"

namespace trimlet {
namespace {

class ImageViewState : public ::testing::Test {
 protected:
  void show(int w, int h, int clientW, int clientH) {
    host.source = {w, h};
    host.firstFolder = false;
    ASSERT_TRUE(view.setImage(w, h));
    view.resize(clientW, clientH);
  }

  test::FakeViewHost host;
  ImageViewModel view{host, false};
};

struct KeyCase {
  const char* name;
  CropRect before;
  ViewKey key;
  bool shift;
  CropRect after;
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class ImageViewKeys : public ImageViewState, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(ImageViewKeys, StepOneImagePixel) {
  show(400, 400, 402, 402);  // D (1, 1) - (401, 401), s = 1
  host.panelCrop = GetParam().before;
  view.keyDown(GetParam().key, GetParam().shift);
  EXPECT_EQ(host.panelCrop, GetParam().after);
  EXPECT_EQ(view.cropCopy(), GetParam().after);
  EXPECT_TRUE(view.keyControll());
  EXPECT_EQ(host.count("apply"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageViewKeys,
    ::testing::Values(
        KeyCase{"A moves left", {10, 20, 30, 40}, ViewKey::kA, false, {9, 20, 30, 40}},
        KeyCase{"A at CropX 0", {0, 20, 30, 40}, ViewKey::kA, false, {0, 20, 30, 40}},
        KeyCase{"Shift+A narrower", {10, 20, 30, 40}, ViewKey::kA, true, {10, 20, 29, 40}},
        KeyCase{"Shift+A stops at width 1", {10, 20, 1, 40}, ViewKey::kA, true, {10, 20, 1, 40}},
        KeyCase{"D moves right", {10, 20, 30, 40}, ViewKey::kD, false, {11, 20, 30, 40}},
        KeyCase{
            "D touching the right edge", {370, 20, 30, 40}, ViewKey::kD, false, {370, 20, 30, 40}},
        KeyCase{"Shift+D wider", {10, 20, 30, 40}, ViewKey::kD, true, {10, 20, 31, 40}},
        KeyCase{
            "Shift+D at the right edge", {370, 20, 30, 40}, ViewKey::kD, true, {370, 20, 30, 40}},
        KeyCase{"W moves up", {10, 20, 30, 40}, ViewKey::kW, false, {10, 19, 30, 40}},
        KeyCase{"W at CropY 0", {10, 0, 30, 40}, ViewKey::kW, false, {10, 0, 30, 40}},
        KeyCase{"Shift+W lower", {10, 20, 30, 40}, ViewKey::kW, true, {10, 20, 30, 39}},
        KeyCase{"Shift+W at height 0", {10, 20, 30, 0}, ViewKey::kW, true, {10, 20, 30, 0}},
        KeyCase{"Shift+W stops at height 1", {10, 20, 30, 1}, ViewKey::kW, true, {10, 20, 30, 1}},
        KeyCase{"S moves down", {10, 20, 30, 40}, ViewKey::kS, false, {10, 21, 30, 40}},
        KeyCase{"S touching the bottom", {10, 360, 30, 40}, ViewKey::kS, false, {10, 360, 30, 40}},
        KeyCase{"Shift+S taller", {10, 20, 30, 40}, ViewKey::kS, true, {10, 20, 30, 41}}),
    [](const ::testing::TestParamInfo<KeyCase>& info) {
      return "case" + std::to_string(info.index);
    });

TEST_F(ImageViewState, KeysPlaceTheSelectionAndReachTheEdgeOfD) {
  show(2000, 1000, 402, 402);  // D (1, 101) - (401, 301), s = 0.2
  host.panelCrop = {1499, 50, 500, 250};
  view.keyDown(ViewKey::kD, true);  // width 501: ends on the image's right edge
  EXPECT_EQ(host.panelCrop, (CropRect{1499, 50, 501, 250}));
  // x1 = trunc(299.8) + 1 = 300; x2 would be 300 + 100 = 400, but the
  // selection ends where the image does.
  EXPECT_EQ(view.selection(), (ViewRect{300, 111, 401, 161}));
}

TEST_F(ImageViewState, KeysFitTheRatio) {
  show(400, 400, 402, 402);
  host.ratioOn = true;
  host.ratioWidth = 4;
  host.ratioHeight = 3;
  host.panelCrop = {10, 10, 100, 75};
  view.keyDown(ViewKey::kS, true);  // height 76: the width follows (101.3)
  EXPECT_EQ(host.panelCrop, (CropRect{10, 10, 101, 76}));
}

TEST_F(ImageViewState, OtherKeysAndMissingSourceDoNothing) {
  show(400, 400, 402, 402);
  EXPECT_FALSE(view.keyDown(ViewKey::kOther, false).repaint);
  EXPECT_FALSE(view.keyDown(ViewKey::kLeft, false).repaint);  // the pane translates it
  EXPECT_FALSE(view.keyControll());
  host.source = {};
  EXPECT_FALSE(view.keyDown(ViewKey::kA, false).repaint);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(ImageViewState, SetSelectionFromCropScalesToControlPixels) {
  show(2000, 1000, 402, 402);
  EXPECT_TRUE(view.setSelectionFromCrop(100, 50, 500, 250).repaint);
  EXPECT_EQ(view.selection(), (ViewRect{21, 111, 121, 161}));
  EXPECT_EQ(view.corners(), (Corners{{21, 111}, {121, 161}}));
}

TEST_F(ImageViewState, ResizePlacesTheSelectionOnceTheFirstFolderWasShown) {
  show(2000, 1000, 402, 402);
  host.panelCrop = {100, 50, 500, 250};
  view.resize(402, 402);
  EXPECT_TRUE(view.selection().isNull());  // first folder not shown yet
  host.firstFolder = true;
  view.resize(402, 402);
  EXPECT_EQ(view.selection(), (ViewRect{21, 111, 121, 161}));
}

TEST_F(ImageViewState, ResizePushesASelectionAtTheEdgeBackInside) {
  show(2000, 1000, 402, 402);
  host.firstFolder = true;
  host.panelCrop = {1999, 995, 10, 10};  // x2 = 400 + 2, y2 = 300 + 2
  view.resize(402, 402);
  EXPECT_EQ(view.selection(), (ViewRect{399, 299, 401, 301}));
}

TEST_F(ImageViewState, ResizeLaysOutAgain) {
  show(2000, 1000, 402, 402);
  view.resize(202, 202);
  EXPECT_EQ(view.imageRect(), (ViewRect{1, 51, 201, 151}));
  EXPECT_EQ(view.displayScale(), 10);
}

TEST(ImageViewHidden, TheResultViewNeverPlacesOrDrawsASelection) {
  test::FakeViewHost host;
  ImageViewModel view{host, true};
  host.source = {100, 100};
  view.setImage(100, 100);
  view.resize(202, 202);
  EXPECT_TRUE(view.selection().isNull());
  EXPECT_FALSE(view.drawing().visible);
}

TEST_F(ImageViewState, SetImageRefusesAnEmptyImage) {
  show(100, 50, 302, 202);
  EXPECT_FALSE(view.setImage(0, 10));
  EXPECT_EQ(view.imageWidth(), 100);
  EXPECT_EQ(view.imageRect(), (ViewRect{101, 76, 201, 126}));
  view.clearView();
  EXPECT_FALSE(view.hasImage());
}

TEST_F(ImageViewState, DrawingFollowsTheCorners) {
  show(400, 400, 402, 402);
  view.placeSelection({50, 40, 150, 80});
  host.seen = false;
  SelectionDrawing d = view.drawing();
  EXPECT_TRUE(d.visible);
  EXPECT_EQ(d.outline, (ViewRect{50, 40, 150, 80}));
  EXPECT_EQ(d.handles.size(), 4u);
  host.seen = true;
  EXPECT_EQ(view.drawing().handles.size(), 8u);
}

}  // namespace
}  // namespace trimlet
