#include <gtest/gtest.h>

#include <random>

#include "engine/geometry/reduce.h"
#include "tests/engine/geometry_reference.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::referenceReduce;
using test::SameImage;

std::vector<int> fastReduce(const std::vector<int>& line, int k) {
  std::vector<uint8_t> in(line.begin(), line.end()), out(k, 0);
  reduceLine(in.data(), static_cast<int>(in.size()), 1, out.data(), k, 1);
  return std::vector<int>(out.begin(), out.end());
}

struct LineCase {
  const char* name;
  std::vector<int> line;
  int k;
  std::vector<int> expected;
};
void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.name << ": " << c.line.size() << " -> " << c.k;
}

class ReduceKnownAnswer : public ::testing::TestWithParam<LineCase> {};

TEST_P(ReduceKnownAnswer, AveragesTheCoveredArea) {
  const LineCase& c = GetParam();
  EXPECT_EQ(fastReduce(c.line, c.k), c.expected);
  bool inside = true;
  EXPECT_EQ(referenceReduce(c.line, c.k, &inside), c.expected);
}

std::vector<int> snapLine() {
  // r = 29999 / 15000 = 1.99993...: the end weight 0.99993 snaps to a whole
  // sample, so sample 1 counts in full: trunc(200 / r) = 100 (not 99).
  std::vector<int> line(29999, 0);
  line[1] = 200;
  return line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReduceKnownAnswer,
    ::testing::Values(
        // trunc(100 / 2) and trunc(455 / 2).
        LineCase{"four to two", {0, 100, 200, 255}, 2, {50, 227}},
        // r = 1.5: (90 + trunc(0.5 x 30)) / 1.5 and (trunc(0.5 x 30) + 60) / 1.5.
        LineCase{"three to two", {90, 30, 60}, 2, {70, 50}},
        LineCase{"to one sample", {10, 20, 30, 40, 50}, 1, {30}},
        // (255 + trunc(0.5 x 255)) / 1.5 = 254.67: the truncated part is lost.
        LineCase{"full bytes lose the truncated part", {255, 255, 255}, 2, {254, 254}}));

TEST(ReduceLine, SnapsFractionsJustBelowAWholeSample) {
  const std::vector<int> reduced = fastReduce(snapLine(), 15000);
  EXPECT_EQ(reduced[0], 100);
}

// Random lengths and contents against the literal rule, including ratios
// close to whole numbers where the snap decides.
TEST(ReduceLine, RandomLinesAgainstReference) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 4000; ++trial) {
    int n = std::uniform_int_distribution<int>(2, 300)(random);
    int k = std::uniform_int_distribution<int>(1, n - 1)(random);
    if (trial % 4 == 0) {  // n = k r - 1 for a whole r: ratios just below r
      k = std::uniform_int_distribution<int>(100, 20000)(random);
      n = k * std::uniform_int_distribution<int>(2, 4)(random) - 1;
    }
    std::vector<int> line(n);
    for (int& v : line) v = trial % 9 == 0 ? 255 : static_cast<int>(random() % 256);
    bool inside = true;
    const std::vector<int> expected = referenceReduce(line, k, &inside);
    ASSERT_EQ(fastReduce(line, k), expected) << n << " -> " << k;
    ASSERT_TRUE(inside) << "the rule reads past the line: " << n << " -> " << k;
  }
}

// Rows first, then columns, each by the literal rule.
ImageBuffer referenceReduceImage(const ImageBuffer& source, int tw, int th) {
  const int w = source.width(), h = source.height(), ch = source.channels();
  const int ow = std::min(tw, w), oh = std::min(th, h);
  std::vector<std::vector<int>> rows(h * ch);  // [y * ch + c] -> ow values
  bool inside = true;
  for (int y = 0; y < h; ++y)
    for (int c = 0; c < ch; ++c) {
      std::vector<int> line(w);
      for (int x = 0; x < w; ++x) line[x] = source.at(x, y)[c];
      rows[y * ch + c] = ow < w ? referenceReduce(line, ow, &inside) : line;
    }
  auto out = ImageBuffer::create(ow, oh, ch);
  for (int x = 0; x < ow; ++x)
    for (int c = 0; c < ch; ++c) {
      std::vector<int> column(h);
      for (int y = 0; y < h; ++y) column[y] = rows[y * ch + c][x];
      if (oh < h) column = referenceReduce(column, oh, &inside);
      for (int y = 0; y < oh; ++y) out->at(x, y)[c] = static_cast<uint8_t>(column[y]);
    }
  return out.take();
}

struct ImageCase {
  int width, height, channels, targetWidth, targetHeight;
};
void PrintTo(const ImageCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << " x " << c.channels << " to " << c.targetWidth << " x "
      << c.targetHeight;
}

class ReduceImageTable : public ::testing::TestWithParam<ImageCase> {};

TEST_P(ReduceImageTable, MatchesTheRuleAndNeverEnlarges) {
  const ImageCase c = GetParam();
  const ImageBuffer source = test::patternImage(c.width, c.height, c.channels, 21);
  auto reduced = reduceImage(source, c.targetWidth, c.targetHeight);
  ASSERT_TRUE(reduced.ok()) << reduced.reason();
  EXPECT_EQ(reduced->width(), std::min(c.width, c.targetWidth));
  EXPECT_EQ(reduced->height(), std::min(c.height, c.targetHeight));
  EXPECT_TRUE(SameImage(referenceReduceImage(source, c.targetWidth, c.targetHeight), *reduced));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ReduceImageTable,
    ::testing::Values(ImageCase{9, 7, 3, 9, 7}, ImageCase{9, 7, 4, 20, 30},  // copies
                      ImageCase{9, 7, 3, 4, 7}, ImageCase{9, 7, 4, 4, 99},   // rows only
                      ImageCase{9, 7, 3, 9, 3}, ImageCase{9, 7, 4, 50, 2},   // columns only
                      ImageCase{37, 23, 4, 10, 9}, ImageCase{40, 30, 3, 20, 15},
                      ImageCase{5, 300, 1, 1, 1}, ImageCase{301, 2, 4, 150, 1},
                      // Whole ratios (2, 3), a ratio just below a whole one and
                      // an awkward one, down columns long enough to matter; and
                      // a ratio so large the sums leave 16 bits.
                      ImageCase{4, 600, 3, 4, 300}, ImageCase{5, 999, 4, 5, 333},
                      ImageCase{7, 1199, 3, 7, 400}, ImageCase{6, 1000, 4, 6, 367},
                      ImageCase{3, 1000, 1, 3, 2}, ImageCase{600, 5, 4, 300, 5},
                      ImageCase{999, 4, 3, 333, 4}, ImageCase{1000, 3, 1, 2, 3}));

TEST(ReduceImage, AveragesAlphaLikeTheOtherBytes) {
  const ImageBuffer source = test::imageFromTopRows(2, 4, {{0, 10, 20, 0, 255, 30, 40, 255}});
  auto reduced = reduceImage(source, 1, 1);
  ASSERT_TRUE(reduced.ok());
  EXPECT_EQ(test::pixelAt(*reduced, 0, 0), (std::vector<uint8_t>{127, 20, 30, 127}));
}

TEST(ReduceImage, RefusesEmptyImagesAndTargetsBelowOnePixel) {
  EXPECT_FALSE(reduceImage(ImageBuffer(), 1, 1).ok());
  const ImageBuffer source = test::patternImage(4, 4, 3);
  auto zero = reduceImage(source, 0, 2);
  EXPECT_FALSE(zero.ok());
  EXPECT_FALSE(zero.reason().empty());
  EXPECT_FALSE(reduceImage(source, 2, -1).ok());
}

}  // namespace
}  // namespace trimlet
