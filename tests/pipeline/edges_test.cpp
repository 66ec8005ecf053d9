// Percent amounts, the inward cut box, added edges and the frame list.
#include <gtest/gtest.h>

#include "pipeline/edges.h"
#include "pipeline/frame_list.h"
#include "pipeline/percent.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

struct PercentCase {
  int amount, size, expected;
};
void PrintTo(const PercentCase& c, std::ostream* os) {
  *os << c.amount << "% of " << c.size << " -> " << c.expected;
}
class Percent : public ::testing::TestWithParam<PercentCase> {};
TEST_P(Percent, UsesTheSinglePrecisionHundredth) {
  EXPECT_EQ(percentOf(GetParam().amount, GetParam().size), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Amounts, Percent,
                         ::testing::Values(PercentCase{10, 500, 49}, PercentCase{50, 200, 99},
                                           PercentCase{0, 500, 0}, PercentCase{100, 1, 0},
                                           PercentCase{100, 100, 99}, PercentCase{3, 7, 0},
                                           PercentCase{33, 300, 98}, PercentCase{25, 1000, 249}));

TEST(InwardCut, PercentCutsBottomRowsFromTheLowBufferRows) {
  // 10 % top of 100 rows: the picture's top 9 rows (buffer rows 91..99) go.
  const CropBox box = inwardCutBox(500, 100, SideAmounts{10, 0, 10, 20}, true);
  EXPECT_EQ(box.left, 49);
  EXPECT_EQ(box.right, 500);
  EXPECT_EQ(box.top, 19);     // pct(20, 100) = 19 rows removed at the bottom
  EXPECT_EQ(box.bottom, 91);  // pct(10, 100) = 9 rows removed at the top
}

TEST(InwardCut, KeepsAtLeastOnePixelWhenPercentsOverlap) {
  const CropBox box = inwardCutBox(100, 100, SideAmounts{60, 60, 100, 100}, true);
  EXPECT_GE(box.width(), 1);
  EXPECT_GE(box.height(), 1);
  EXPECT_GE(box.left, 0);
  EXPECT_LE(box.right, 100);
}

TEST(InwardCut, LoweringHoldsNegativeLimitsAtZero) {
  const SideAmounts lowered = limitInwardSides(SideAmounts{400, 5, 0, 99}, 99);
  EXPECT_EQ(lowered.left, 99);
  EXPECT_EQ(lowered.right, 5);
  EXPECT_EQ(lowered.bottom, 99);
  const SideAmounts none = limitInwardSides(SideAmounts{3, 3, 3, 3}, -1);
  EXPECT_EQ(none.left + none.right + none.top + none.bottom, 0);
}

TEST(AddEdge, FramesWithTheColourAndPlacesTheImage) {
  ImageBuffer image = test::solidImage(2, 1, {1, 2, 3});
  auto framed = addEdge(image, 1, 2, 3, 4, Rgb{9, 8, 7});
  ASSERT_TRUE(framed.ok());
  EXPECT_EQ(framed->width(), 5);
  EXPECT_EQ(framed->height(), 8);
  // Bottom amount 4: the old row sits at buffer row 4, from column 1.
  EXPECT_EQ(test::pixelAt(*framed, 1, 4), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(test::pixelAt(*framed, 2, 4), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(test::pixelAt(*framed, 0, 4), (std::vector<uint8_t>{9, 8, 7}));
  EXPECT_EQ(test::pixelAt(*framed, 3, 4), (std::vector<uint8_t>{9, 8, 7}));
  EXPECT_EQ(test::pixelAt(*framed, 1, 3), (std::vector<uint8_t>{9, 8, 7}));
  EXPECT_EQ(test::pixelAt(*framed, 1, 5), (std::vector<uint8_t>{9, 8, 7}));
}

TEST(AddEdge, FourChannelFramesHaveAlphaZero) {
  ImageBuffer image = test::solidImage(1, 1, {1, 2, 3, 200});
  auto framed = addEdge(image, 1, 0, 0, 0, Rgb{9, 8, 7});
  ASSERT_TRUE(framed.ok());
  EXPECT_EQ(test::pixelAt(*framed, 0, 0), (std::vector<uint8_t>{9, 8, 7, 0}));
  EXPECT_EQ(test::pixelAt(*framed, 1, 0), (std::vector<uint8_t>{1, 2, 3, 200}));
}

GatheredSettings additive(EdgeType edgeType, int cutValue, Rgb colour = Rgb{}) {
  GatheredSettings g;
  g.additive = 1;
  g.edgeType = edgeType;
  g.cutValue = cutValue;
  const SideAmounts sides = distributeCut(edgeType, cutValue);
  g.cutLeft = sides.left;
  g.cutRight = sides.right;
  g.cutTop = sides.top;
  g.cutBottom = sides.bottom;
  g.fillColor = colour;
  return g;
}

TEST(FrameList, SwitchingAdditiveOnStartsWithOneLayerAndOffEmptiesIt) {
  std::vector<FrameLayer> layers;
  GatheredSettings off;
  updateFrameList(layers, off, additive(EdgeType::kLeft, 10));
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0], (FrameLayer{EdgeType::kLeft, 10, Rgb{}}));
  updateFrameList(layers, additive(EdgeType::kLeft, 10), off);
  EXPECT_TRUE(layers.empty());
}

TEST(FrameList, NewSideAppendsAndNewAmountAdjustsTheLastLayer) {
  std::vector<FrameLayer> layers{FrameLayer{EdgeType::kLeft, 10, Rgb{}}};
  const Rgb red{255, 0, 0};
  updateFrameList(layers, additive(EdgeType::kLeft, 10), additive(EdgeType::kAll, 10, red));
  ASSERT_EQ(layers.size(), 2u);
  EXPECT_EQ(layers[1], (FrameLayer{EdgeType::kAll, 10, red}));
  updateFrameList(layers, additive(EdgeType::kAll, 10, red), additive(EdgeType::kAll, 25, red));
  ASSERT_EQ(layers.size(), 2u);
  EXPECT_EQ(layers[1].amount, 25);
  // A single side takes its own amount.
  updateFrameList(layers, additive(EdgeType::kAll, 25, red), additive(EdgeType::kTop, 25, red));
  ASSERT_EQ(layers.size(), 3u);
  EXPECT_EQ(layers[2], (FrameLayer{EdgeType::kTop, 25, red}));
}

TEST(FrameList, ZeroOnAllStartsAgain) {
  std::vector<FrameLayer> layers{FrameLayer{EdgeType::kLeft, 10, Rgb{}},
                                 FrameLayer{EdgeType::kAll, 5, Rgb{}}};
  updateFrameList(layers, additive(EdgeType::kAll, 5), additive(EdgeType::kAll, 0));
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0], (FrameLayer{EdgeType::kAll, 0, Rgb{}}));
  // Changing to All with value 0 empties the list first.
  std::vector<FrameLayer> more{FrameLayer{EdgeType::kLeft, 10, Rgb{}}};
  updateFrameList(more, additive(EdgeType::kLeft, 0), additive(EdgeType::kAll, 0));
  ASSERT_EQ(more.size(), 1u);
  EXPECT_EQ(more[0].side, EdgeType::kAll);
}

TEST(FrameList, NothingChangesWithoutAdditiveOrWithoutChange) {
  std::vector<FrameLayer> layers{FrameLayer{EdgeType::kLeft, 10, Rgb{}}};
  updateFrameList(layers, additive(EdgeType::kLeft, 10), additive(EdgeType::kLeft, 10));
  EXPECT_EQ(layers.size(), 1u);
  std::vector<FrameLayer> none;
  GatheredSettings a, b;
  b.cutValue = 7;
  updateFrameList(none, a, b);
  EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace trimlet
