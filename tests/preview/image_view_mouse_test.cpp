// The image view's mouse: drawing, moving and resizing the selection through
// press, drag and release, the right-click toggle and the crop-colour pick.
#include <gtest/gtest.h>

#include "preview/model/image_view_model.h"
#include "tests/preview/preview_test_support.h"

namespace trimlet {
namespace {

class ImageViewMouse : public ::testing::Test {
 protected:
  // An image shown in a control whose inner area is (client - 2).
  void show(int w, int h, int clientW, int clientH) {
    host.source = {w, h};
    host.firstFolder = false;
    ASSERT_TRUE(view.setImage(w, h));
    view.resize(clientW, clientH);
  }
  void drag(ViewPoint from, ViewPoint to) {
    view.mouseMove(from);
    view.leftButtonDown(from);
    view.mouseMove(to);
    view.leftButtonUp(to);
  }

  test::FakeViewHost host;
  ImageViewModel view{host, false};
};

TEST_F(ImageViewMouse, NewSelectionInAScaledImageGivesImagePixels) {
  show(2000, 1000, 402, 402);  // D (1, 101) - (401, 301), k = 5
  drag({21, 111}, {121, 161});
  EXPECT_EQ(host.panelCrop, (CropRect{100, 50, 500, 250}));
  EXPECT_EQ(view.cropCopy(), (CropRect{100, 50, 500, 250}));
  EXPECT_EQ(view.selection(), (ViewRect{21, 111, 121, 161}));
  EXPECT_EQ(host.count("apply"), 1);
  EXPECT_EQ(host.count("refreshPanel"), 1);
}

TEST_F(ImageViewMouse, DragWritesThePanelOnEveryStep) {
  show(400, 400, 402, 402);
  view.mouseMove({100, 100});
  view.leftButtonDown({100, 100});
  view.mouseMove({150, 120});
  EXPECT_EQ(host.panelCrop, (CropRect{99, 99, 50, 20}));
  view.mouseMove({180, 160});
  EXPECT_EQ(host.panelCrop, (CropRect{99, 99, 80, 60}));
  EXPECT_EQ(host.count("showCrop"), 2);
  EXPECT_EQ(host.count("apply"), 0);  // only the release re-runs the pipeline
}

TEST_F(ImageViewMouse, ReleaseNormalizesADragUpAndLeft) {
  show(400, 400, 402, 402);
  drag({200, 200}, {150, 120});
  EXPECT_EQ(view.selection(), (ViewRect{150, 120, 200, 200}));
  EXPECT_EQ(view.corners(), (Corners{{150, 120}, {200, 200}}));
  EXPECT_EQ(host.panelCrop, (CropRect{149, 119, 50, 80}));
}

TEST_F(ImageViewMouse, FixedRatioGivesTheHeightDownOrUp) {
  show(400, 400, 402, 402);
  host.ratioOn = true;
  host.ratioWidth = 4;
  host.ratioHeight = 3;
  drag({100, 200}, {200, 230});
  EXPECT_FLOAT_EQ(view.ratio(), 0.75f);
  EXPECT_EQ(host.panelCrop, (CropRect{99, 199, 100, 75}));
  drag({300, 200}, {400, 170});  // a new one, outside the first
  EXPECT_EQ(host.panelCrop, (CropRect{299, 124, 100, 75}));
}

TEST_F(ImageViewMouse, RatioNeedsBothTermsAboveZero) {
  show(400, 400, 402, 402);
  host.ratioOn = true;
  host.ratioWidth = 0;
  drag({100, 200}, {200, 230});
  EXPECT_EQ(view.ratio(), 0.0f);
  EXPECT_EQ(host.panelCrop, (CropRect{99, 199, 100, 30}));
}

TEST_F(ImageViewMouse, ZeroWidthDragGivesWidthOne) {
  show(400, 400, 402, 402);
  drag({100, 100}, {100, 200});
  EXPECT_EQ(host.panelCrop, (CropRect{99, 99, 1, 100}));
  EXPECT_EQ(view.cropCopy(), (CropRect{99, 99, 1, 100}));
}

TEST_F(ImageViewMouse, ZeroWidthWithARatioTakesTheRatiosWidth) {
  // After keyboard steps a move keeps the panel's size; a width of 0 there
  // becomes height / r on release.
  show(400, 400, 402, 402);
  host.ratioOn = true;
  host.ratioWidth = 4;
  host.ratioHeight = 3;
  view.restoreFlags(true, false);
  view.placeSelection({50, 50, 150, 150});
  host.panelCrop = {49, 49, 0, 90};
  drag({100, 100}, {110, 110});
  EXPECT_EQ(host.panelCrop, (CropRect{59, 59, 120, 90}));
}

TEST_F(ImageViewMouse, MoveKeepsTheSizeAndIsRefusedAtTheEdge) {
  show(400, 400, 402, 402);
  drag({100, 100}, {200, 150});  // (100, 100) - (200, 150)
  drag({150, 120}, {170, 130});  // inside: move by 20, 10
  EXPECT_EQ(view.selection(), (ViewRect{120, 110, 220, 160}));
  EXPECT_EQ(host.panelCrop, (CropRect{119, 109, 100, 50}));
  // A move that would leave D changes nothing.
  drag({150, 120}, {150, 500});
  EXPECT_EQ(view.selection(), (ViewRect{120, 110, 220, 160}));
  EXPECT_EQ(host.panelCrop, (CropRect{119, 109, 100, 50}));
}

TEST_F(ImageViewMouse, ResizeIsRefusedNotMirrored) {
  show(400, 400, 402, 402);
  drag({100, 100}, {200, 150});
  view.mouseMove({200, 125});  // right edge
  EXPECT_EQ(view.hitCode(), HitCode::kRight);
  view.leftButtonDown({200, 125});
  view.mouseMove({50, 125});  // past the left edge
  view.leftButtonUp({50, 125});
  EXPECT_EQ(view.selection(), (ViewRect{100, 100, 200, 150}));
  EXPECT_EQ(host.panelCrop, (CropRect{99, 99, 100, 50}));
  EXPECT_FALSE(view.sizeChanged());
}

TEST_F(ImageViewMouse, ResizeClearsKeyControllAndTakesTheNewSize) {
  show(400, 400, 402, 402);
  drag({100, 100}, {200, 150});
  view.restoreFlags(true, false);
  drag({200, 125}, {240, 125});
  EXPECT_FALSE(view.keyControll());
  EXPECT_EQ(host.panelCrop, (CropRect{99, 99, 140, 50}));
}

TEST_F(ImageViewMouse, ClickOutsideEmptiesTheSelectionButKeepsTheValues) {
  show(400, 400, 402, 402);
  drag({100, 100}, {200, 150});
  const CropRect before = host.panelCrop;
  const int applies = host.count("apply");
  view.mouseMove({300, 300});
  view.leftButtonDown({300, 300});
  view.leftButtonUp({300, 300});
  EXPECT_TRUE(view.selection().isNull());
  EXPECT_EQ(host.panelCrop, before);
  EXPECT_EQ(host.count("apply"), applies);
  // Nothing is left to grab near the control's corner.
  view.mouseMove({2, 2});
  EXPECT_EQ(view.hitCode(), HitCode::kOutside);
}

TEST_F(ImageViewMouse, ReleaseRunsThePipelineOnlyOnceAnImageWasSeen) {
  show(400, 400, 402, 402);
  host.seen = false;
  drag({100, 100}, {200, 150});
  EXPECT_EQ(host.panelCrop, (CropRect{99, 99, 100, 50}));
  EXPECT_EQ(host.count("apply"), 0);
}

TEST_F(ImageViewMouse, NothingHappensWithoutASourceImage) {
  show(400, 400, 402, 402);
  view.placeSelection({50, 50, 60, 60});
  host.source = {};
  drag({100, 100}, {200, 150});
  EXPECT_EQ(view.selection(), (ViewRect{50, 50, 60, 60}));
  EXPECT_EQ(host.count("setCrop 99 99 100 50"), 0);
  EXPECT_FALSE(view.dragging());
  EXPECT_FALSE(view.rightButtonDown({10, 10}).repaint);
  EXPECT_EQ(host.count("apply"), 0);
}

TEST_F(ImageViewMouse, RightClickTwiceRestores) {
  show(400, 400, 402, 402);
  drag({100, 100}, {200, 150});
  host.panelCrop = {99, 99, 100, 50};
  view.rightButtonDown({150, 125});
  EXPECT_TRUE(view.wholeSelect());
  EXPECT_EQ(host.panelCrop, (CropRect{0, 0, 400, 400}));
  EXPECT_EQ(view.selection(), view.imageRect());
  view.rightButtonDown({150, 125});
  EXPECT_FALSE(view.wholeSelect());
  EXPECT_EQ(host.panelCrop, (CropRect{99, 99, 100, 50}));
  EXPECT_EQ(view.selection(), (ViewRect{100, 100, 200, 150}));
  EXPECT_EQ(view.corners(), (Corners{{100, 100}, {200, 150}}));
  EXPECT_EQ(host.count("apply"), 3);  // the release and both clicks
}

TEST_F(ImageViewMouse, WholeSelectFromTheProfileTurnsOffWithoutRestoringZeros) {
  show(400, 400, 402, 402);
  view.restoreFlags(false, true);
  host.panelCrop = {0, 0, 400, 400};
  view.rightButtonDown({150, 125});
  EXPECT_FALSE(view.wholeSelect());
  EXPECT_EQ(host.panelCrop, (CropRect{0, 0, 400, 400}));
}

TEST_F(ImageViewMouse, ADragEndsWholeSelect) {
  show(400, 400, 402, 402);
  view.rightButtonDown({150, 125});
  drag({100, 100}, {200, 150});  // inside the whole-image selection: a move, refused
  EXPECT_FALSE(view.wholeSelect());
}

TEST_F(ImageViewMouse, PickModeNeitherDrawsNorEdits) {
  show(400, 400, 402, 402);
  drag({100, 100}, {200, 150});
  ASSERT_TRUE(view.setPickMode(1));
  EXPECT_FALSE(view.drawing().visible);
  const CropRect before = host.panelCrop;
  drag({50, 50}, {300, 300});
  view.rightButtonDown({50, 50});
  EXPECT_EQ(host.panelCrop, before);
  EXPECT_FALSE(view.wholeSelect());
  EXPECT_FALSE(view.setPickMode(2));
  EXPECT_TRUE(view.pickMode());
}

// --- Picking the crop colour ------------------------------------------

struct PickCase {
  const char* name;
  ViewPoint click;
  const char* expected;  // the host call, or "" for no pick
};
void PrintTo(const PickCase& c, std::ostream* os) { *os << c.name; }

class ImageViewPick : public ImageViewMouse, public ::testing::WithParamInterface<PickCase> {};

TEST_P(ImageViewPick, TakesTheSourcePixelUnderTheClick) {
  show(100, 50, 302, 202);  // own size at D (101, 76) - (201, 126)
  ASSERT_TRUE(view.setPickMode(1));
  EXPECT_EQ(view.leftButtonDown(GetParam().click).cursor, CursorShape::kPick);
  std::vector<std::string> expected;
  if (*GetParam().expected) expected.push_back(GetParam().expected);
  EXPECT_EQ(host.calls, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageViewPick,
    ::testing::Values(PickCase{"D.left picks nothing", {101, 80}, ""},
                      PickCase{"D.top picks nothing", {150, 76}, ""},
                      PickCase{"first pixel", {102, 77}, "picked 0 49"},
                      PickCase{"D.right is the last column", {201, 80}, "picked 99 46"},
                      PickCase{"D.bottom is the bottom row", {150, 126}, "picked 48 0"},
                      PickCase{"grey margin", {50, 50}, ""},
                      PickCase{"past D.right", {202, 80}, ""}));

TEST_F(ImageViewMouse, PickInAScaledImageUsesTheWidthRatio) {
  show(2000, 1000, 402, 402);  // Dw 400, factor 5
  ASSERT_TRUE(view.setPickMode(1));
  view.leftButtonDown({401, 301});
  EXPECT_EQ(host.calls, (std::vector<std::string>{"picked 1995 4"}));
}

TEST_F(ImageViewMouse, PickOfAVanishedFileReportsIt) {
  show(100, 50, 302, 202);
  ASSERT_TRUE(view.setPickMode(1));
  host.fileExists = false;
  view.leftButtonDown({150, 100});
  EXPECT_EQ(host.calls, (std::vector<std::string>{"missing"}));
}

TEST(ColourPick, ATallNarrowPictureNeverPicksOutsideTheImage) {
  // 12 x 1000 in 300 x 100: D is 1 pixel wide, the width ratio 12 would
  // take row 99 * 12 = 1188 of 1000.
  const ImageLayout layout = layoutImage(302, 102, 12, 1000);
  ASSERT_EQ(layout.image, (ViewRect{150, 1, 151, 101}));
  const std::optional<PickedPixel> p = pickedPixel(layout.image, 12, 1000, {151, 101});
  ASSERT_TRUE(p);
  EXPECT_EQ(*p, (PickedPixel{0, 999, 0}));
}

}  // namespace
}  // namespace trimlet
