#include <gtest/gtest.h>

#include "engine/geometry/mirror.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

class MirrorChannels : public ::testing::TestWithParam<int> {};

TEST_P(MirrorChannels, MoveEveryByteOfEachPixel) {
  const int channels = GetParam();
  const ImageBuffer source = test::patternImage(5, 3, channels, 8);
  auto leftRight = mirrorLeftRight(source);
  auto topBottom = mirrorTopBottom(source);
  ASSERT_TRUE(leftRight.ok() && topBottom.ok());
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(test::pixelAt(*leftRight, 4 - x, y), test::pixelAt(source, x, y));
      EXPECT_EQ(test::pixelAt(*topBottom, x, 2 - y), test::pixelAt(source, x, y));
    }
  auto back = mirrorLeftRight(*leftRight);
  EXPECT_TRUE(test::SameImage(source, *back));
}

INSTANTIATE_TEST_SUITE_P(Channels, MirrorChannels, ::testing::Values(1, 3, 4));

TEST(Mirror, KnownAnswerAndEmptyInput) {
  const ImageBuffer source =
      test::imageFromTopRows(2, 3, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
  auto flipped = mirrorLeftRight(source);
  EXPECT_TRUE(test::SameImage(
      test::imageFromTopRows(2, 3, {{4, 5, 6, 1, 2, 3}, {10, 11, 12, 7, 8, 9}}), *flipped));
  auto upsideDown = mirrorTopBottom(source);
  EXPECT_TRUE(test::SameImage(
      test::imageFromTopRows(2, 3, {{7, 8, 9, 10, 11, 12}, {1, 2, 3, 4, 5, 6}}), *upsideDown));
  EXPECT_FALSE(mirrorLeftRight(ImageBuffer()).ok());
  EXPECT_FALSE(mirrorTopBottom(ImageBuffer()).ok());
}

}  // namespace
}  // namespace trimlet
