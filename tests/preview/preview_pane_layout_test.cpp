// The preview pane: its layout, mouse forwarding, arrow keys and status scales.
#include "preview/model/preview_pane_layout.h"

#include <gtest/gtest.h>

#include "tests/preview/preview_test_support.h"

namespace trimlet {
namespace {

struct PaneCase {
  int w, h, aw, ah;
  ViewRect source, result, arrow;
};
void PrintTo(const PaneCase& c, std::ostream* os) {
  *os << "pane " << c.w << " x " << c.h << ", arrow " << c.aw << " x " << c.ah;
}

class PaneLayoutTable : public ::testing::TestWithParam<PaneCase> {};

TEST_P(PaneLayoutTable, PlacesViewsAndArrow) {
  const PaneCase& c = GetParam();
  const PaneLayout layout = layoutPreviewPane(c.w, c.h, c.aw, c.ah);
  EXPECT_EQ(layout.sourceView, c.source);
  EXPECT_EQ(layout.resultView, c.result);
  EXPECT_EQ(layout.arrow, c.arrow);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaneLayoutTable,
    ::testing::Values(
        // Views at 5, 5 and 315, 5, each 280 x 290; arrow at 290, 138.
        PaneCase{600, 300, 20, 24, {5, 5, 285, 295}, {315, 5, 595, 295}, {290, 138, 310, 162}},
        // An odd arrow width: 600 / 2 - 6 - 10 = 284 wide, result at 13 + 300 - 6 + 5.
        PaneCase{600, 300, 13, 15, {5, 5, 289, 295}, {312, 5, 596, 295}, {294, 143, 307, 158}},
        PaneCase{601, 301, 20, 24, {5, 5, 285, 296}, {315, 5, 595, 296}, {290, 138, 310, 162}},
        // Too small for the views: they get no size rather than a negative one.
        PaneCase{20, 8, 20, 24, {5, 5, 5, 5}, {25, 5, 25, 5}, {0, -8, 20, 16}}));

struct ForwardCase {
  ViewPoint pane;
  std::optional<ViewPoint> view;
};
void PrintTo(const ForwardCase& c, std::ostream* os) {
  *os << "pane position ";
  PrintTo(c.pane, os);
}

class MouseForwarding : public ::testing::TestWithParam<ForwardCase> {};

TEST_P(MouseForwarding, ReachesTheSourceViewOnlyOverIt) {
  // The source view of the 600 x 300 pane: 280 x 290.
  EXPECT_EQ(forwardToSourceView(GetParam().pane, 280, 290), GetParam().view);
}

INSTANTIATE_TEST_SUITE_P(Cases, MouseForwarding,
                         ::testing::Values(ForwardCase{{5, 5}, ViewPoint{0, 0}},
                                           ForwardCase{{4, 20}, std::nullopt},
                                           ForwardCase{{20, 4}, std::nullopt},
                                           ForwardCase{{285, 295}, ViewPoint{280, 290}},
                                           ForwardCase{{286, 100}, std::nullopt},
                                           ForwardCase{{100, 296}, std::nullopt},
                                           // Over the result view: dropped.
                                           ForwardCase{{400, 100}, std::nullopt}));

TEST(ArrowKeys, BecomeTheViewsLetters) {
  EXPECT_EQ(translateArrowKey(ViewKey::kLeft), ViewKey::kA);
  EXPECT_EQ(translateArrowKey(ViewKey::kUp), ViewKey::kW);
  EXPECT_EQ(translateArrowKey(ViewKey::kRight), ViewKey::kD);
  EXPECT_EQ(translateArrowKey(ViewKey::kDown), ViewKey::kS);
  EXPECT_EQ(translateArrowKey(ViewKey::kA), ViewKey::kA);
  EXPECT_EQ(translateArrowKey(ViewKey::kOther), ViewKey::kOther);
}

TEST(StatusScales, AreZeroWithoutSourcePixels) {
  const StatusScales none = previewStatusScales(false, 400, 2000, 100, 100);
  EXPECT_EQ(none.source, 0);
  EXPECT_EQ(none.result, 0);
  const StatusScales shown = previewStatusScales(true, 400, 2000, 100, 100);
  EXPECT_EQ(shown.source, 20);
  EXPECT_EQ(shown.result, 100);
}

}  // namespace
}  // namespace trimlet
