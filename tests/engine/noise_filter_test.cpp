// The square noise filter: known answers on small masks, and the running-sum
// filter against a full count of every window on many random masks.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "engine/detect/background_detector.h"
#include "tests/engine/detector_reference.h"

namespace trimlet {
namespace {

using test::bruteForceFilter;

std::vector<uint8_t> filtered(const std::vector<uint8_t>& mask, int width, int height,
                              int filterSize, int threshold) {
  std::vector<uint8_t> out(mask.size(), 7);
  const Status status = filterNoise(mask.data(), width, height, filterSize, threshold, out.data());
  EXPECT_TRUE(status.ok()) << status.reason();
  return out;
}

// A mask drawn as text, top line first, '#' foreground; stored bottom-up.
std::vector<uint8_t> maskFromText(const std::vector<std::string>& lines) {
  const int height = static_cast<int>(lines.size());
  const int width = static_cast<int>(lines[0].size());
  std::vector<uint8_t> mask(size_t(width) * height);
  for (int i = 0; i < height; ++i) {
    for (int x = 0; x < width; ++x) mask[size_t(height - 1 - i) * width + x] = lines[i][x] == '#';
  }
  return mask;
}

std::string maskText(const std::vector<uint8_t>& mask, int width, int height) {
  std::ostringstream out;
  for (int y = height - 1; y >= 0; --y) {
    out << "\n";
    for (int x = 0; x < width; ++x) out << (mask[size_t(y) * width + x] ? '#' : '.');
  }
  return out.str();
}

TEST(NoiseFilter, SolidBlockKeepsCentreAndEdgeMiddles) {
  // Counts with size 3: centre 9, edge middles 6, corners 4, outside at most 3.
  const auto mask =
      maskFromText({".......", ".......", "..###..", "..###..", "..###..", ".......", "......."});
  const auto expected =
      maskFromText({".......", ".......", "...#...", "..###..", "...#...", ".......", "......."});
  EXPECT_EQ(maskText(filtered(mask, 7, 7, 3, 6), 7, 7), maskText(expected, 7, 7));
}

TEST(NoiseFilter, IsolatedPixelDisappears) {
  const auto mask = maskFromText({".....", "..#..", "....."});
  EXPECT_EQ(maskText(filtered(mask, 5, 3, 3, 6), 5, 3),
            maskText(maskFromText({".....", ".....", "....."}), 5, 3));
  // With threshold 1 it spreads to its whole window instead.
  EXPECT_EQ(maskText(filtered(mask, 5, 3, 3, 1), 5, 3),
            maskText(maskFromText({".###.", ".###.", ".###."}), 5, 3));
}

TEST(NoiseFilter, CornerCountsOnlyTheWindowInsideTheImage) {
  // All foreground: a corner's window holds (r + 1)^2 pixels, an edge middle
  // (r + 1)(2r + 1), the centre (2r + 1)^2.
  const std::vector<uint8_t> ones(9 * 9, 1);
  for (int size : {3, 5, 7}) {
    const int r = size / 2;
    const int corner = (r + 1) * (r + 1);
    auto keep = filtered(ones, 9, 9, size, corner);
    auto drop = filtered(ones, 9, 9, size, corner + 1);
    EXPECT_EQ(keep[0], 1) << "size " << size;
    EXPECT_EQ(keep[8], 1) << "size " << size;
    EXPECT_EQ(keep[9 * 9 - 1], 1) << "size " << size;
    EXPECT_EQ(drop[0], 0) << "size " << size;
    EXPECT_EQ(drop[9 * 8], 0) << "size " << size;
    EXPECT_EQ(drop[9 * 4 + 4], 1) << "size " << size;  // the centre sees more
  }
}

TEST(NoiseFilter, SizeOneCopiesTheMask) {
  const auto mask = maskFromText({"#..#", ".#..", "...#"});
  EXPECT_EQ(filtered(mask, 4, 3, 1, 6), mask);
  EXPECT_EQ(filtered(mask, 4, 3, 1, 0), mask);
}

TEST(NoiseFilter, NonPositiveThresholdKeepsEverything) {
  const std::vector<uint8_t> empty(6 * 4, 0);
  EXPECT_EQ(filtered(empty, 6, 4, 3, 0), std::vector<uint8_t>(24, 1));
  EXPECT_EQ(filtered(empty, 6, 4, 5, -3), std::vector<uint8_t>(24, 1));
  // Size 0 (the manual-crop parameters) has a one-pixel window.
  const auto mask = maskFromText({"#.", ".#"});
  EXPECT_EQ(filtered(mask, 2, 2, 0, 0), std::vector<uint8_t>(4, 1));
  EXPECT_EQ(filtered(mask, 2, 2, 0, 1), mask);
  // A negative size has an empty window, which counts 0.
  EXPECT_EQ(filtered(mask, 2, 2, -5, 1), std::vector<uint8_t>(4, 0));
  EXPECT_EQ(filtered(mask, 2, 2, -5, 0), std::vector<uint8_t>(4, 1));
}

TEST(NoiseFilter, WindowLargerThanTheImageCountsItAll) {
  const auto mask = maskFromText({"#..", "...", "..#"});
  EXPECT_EQ(filtered(mask, 3, 3, 49, 2), std::vector<uint8_t>(9, 1));
  EXPECT_EQ(filtered(mask, 3, 3, 49, 3), std::vector<uint8_t>(9, 0));
  EXPECT_EQ(filtered(mask, 3, 3, 1 << 30, 2), std::vector<uint8_t>(9, 1));
}

TEST(NoiseFilter, RefusesImpossibleSizes) {
  uint8_t byte = 0;
  EXPECT_FALSE(filterNoise(&byte, 0, 1, 3, 1, &byte).ok());
  EXPECT_FALSE(filterNoise(&byte, 1, -1, 3, 1, &byte).ok());
  EXPECT_FALSE(filterNoise(&byte, 1 << 20, 1 << 20, 3, 1, &byte).ok());
}

// --- Random masks against the full count --------------------------------------

struct RandomSizes {
  int width;
  int height;
};
void PrintTo(const RandomSizes& s, std::ostream* os) { *os << s.width << " x " << s.height; }

class NoiseFilterAgainstFullCount : public ::testing::TestWithParam<RandomSizes> {};

TEST_P(NoiseFilterAgainstFullCount, SameMaskForEverySizeAndThreshold) {
  const auto [width, height] = GetParam();
  std::mt19937 random(static_cast<uint32_t>(width * 1000 + height));
  const double densities[] = {0.02, 0.3, 0.7, 0.97};
  for (double density : densities) {
    std::bernoulli_distribution ink(density);
    std::vector<uint8_t> mask(size_t(width) * height);
    for (auto& m : mask) m = ink(random) ? 1 : 0;
    for (int size = 1; size <= 49; ++size) {
      // Bigger masks try a selection of sizes: the full count is slow there.
      const bool selected = size <= 5 || size == 9 || size == 15 || size == 25 || size >= 48;
      if (width * height > 1000 && !selected) continue;
      const int square = size * size;
      std::uniform_int_distribution<int> anyThreshold(-1, square + 1);
      const int thresholds[] = {anyThreshold(random), anyThreshold(random), square / 2, 1};
      for (int threshold : thresholds) {
        const auto expected = bruteForceFilter(mask, width, height, size, threshold);
        const auto actual = filtered(mask, width, height, size, threshold);
        ASSERT_EQ(actual, expected) << "density " << density << ", size " << size << ", threshold "
                                    << threshold << "\nexpected"
                                    << (width * height <= 400 ? maskText(expected, width, height)
                                                              : std::string(" (too big)"))
                                    << "\nactual"
                                    << (width * height <= 400 ? maskText(actual, width, height)
                                                              : std::string(" (too big)"));
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, NoiseFilterAgainstFullCount,
                         ::testing::Values(RandomSizes{1, 1}, RandomSizes{1, 37},
                                           RandomSizes{41, 1}, RandomSizes{2, 2}, RandomSizes{3, 5},
                                           RandomSizes{7, 4}, RandomSizes{16, 16},
                                           RandomSizes{23, 9}, RandomSizes{48, 50},
                                           RandomSizes{13, 60}));

TEST(NoiseFilterAgainstFullCount, LargeMaskSplitOverTwoThreads) {
  // Big enough to be filtered in two bands of rows.
  const int width = 700, height = 401;
  std::mt19937 random(99);
  std::bernoulli_distribution ink(0.25);
  std::vector<uint8_t> mask(size_t(width) * height);
  for (auto& m : mask) m = ink(random) ? 1 : 0;
  for (const auto& [size, threshold] : std::vector<std::pair<int, int>>{{3, 3}, {5, 7}, {9, 20}}) {
    EXPECT_EQ(filtered(mask, width, height, size, threshold),
              bruteForceFilter(mask, width, height, size, threshold))
        << "size " << size << ", threshold " << threshold;
  }
}

}  // namespace
}  // namespace trimlet
