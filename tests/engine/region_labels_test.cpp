// Foreground runs and region labelling: the runs must reproduce the
// detector's filtered mask exactly, and the regions must be those a plain
// flood fill over eight neighbours finds, numbered in the same order.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <utility>
#include <vector>

#include "engine/detect/background_detector.h"
#include "engine/detect/foreground_runs.h"
#include "engine/detect/region_labels.h"
#include "tests/engine/detector_reference.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

std::vector<uint8_t> maskOfRuns(const ForegroundRuns& runs) {
  std::vector<uint8_t> mask(size_t(runs.width) * size_t(runs.height), 0);
  for (int y = 0; y < runs.height; ++y) {
    for (int32_t r = runs.rowStart[size_t(y)]; r < runs.rowStart[size_t(y) + 1]; ++r) {
      for (int x = runs.runs[size_t(r)].first; x <= runs.runs[size_t(r)].last; ++x) {
        mask[size_t(y) * size_t(runs.width) + size_t(x)] = 1;
      }
    }
  }
  return mask;
}

// Flood fill over eight neighbours, regions numbered in raster order (rows
// from 0 up, columns left to right), which is the order of their first runs.
std::vector<ForegroundRegion> floodFill(const std::vector<uint8_t>& mask, int width, int height) {
  std::vector<int> label(mask.size(), -1);
  std::vector<ForegroundRegion> regions;
  for (int start = 0; start < width * height; ++start) {
    if (!mask[size_t(start)] || label[size_t(start)] >= 0) continue;
    ForegroundRegion region;
    region.box = DetectedRect{width, height, -1, -1};
    std::vector<int> stack{start};
    label[size_t(start)] = int(regions.size());
    while (!stack.empty()) {
      const int at = stack.back();
      stack.pop_back();
      const int x = at % width, y = at / width;
      ++region.pixels;
      region.box = DetectedRect{std::min(region.box.left, x), std::min(region.box.top, y),
                                std::max(region.box.right, x), std::max(region.box.bottom, y)};
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
          const int n = ny * width + nx;
          if (mask[size_t(n)] && label[size_t(n)] < 0) {
            label[size_t(n)] = int(regions.size());
            stack.push_back(n);
          }
        }
      }
    }
    regions.push_back(region);
  }
  return regions;
}

struct MaskCase {
  int width;
  int height;
  double density;
  uint32_t seed;
};
void PrintTo(const MaskCase& c, std::ostream* os) {
  *os << c.width << " x " << c.height << ", density " << c.density << ", seed " << c.seed;
}

class RegionLabelling : public ::testing::TestWithParam<MaskCase> {};

TEST_P(RegionLabelling, MatchesFloodFill) {
  const MaskCase c = GetParam();
  std::mt19937 random(c.seed);
  std::bernoulli_distribution on(c.density);
  std::vector<uint8_t> mask(size_t(c.width) * size_t(c.height));
  for (auto& m : mask) m = on(random) ? 1 : 0;

  auto runs = runsOfMask(mask.data(), c.width, c.height);
  ASSERT_TRUE(runs.ok()) << runs.reason();
  EXPECT_EQ(maskOfRuns(*runs), mask);
  auto labels = labelRegions(*runs);
  ASSERT_TRUE(labels.ok()) << labels.reason();
  const std::vector<ForegroundRegion> expected = floodFill(mask, c.width, c.height);
  ASSERT_EQ(labels->regions.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(labels->regions[i].pixels, expected[i].pixels) << "region " << i;
    EXPECT_EQ(labels->regions[i].box, expected[i].box) << "region " << i;
  }
}

// Sparse masks make many small regions, dense ones long chains that meet late.
INSTANTIATE_TEST_SUITE_P(Random, RegionLabelling,
                         ::testing::Values(MaskCase{1, 1, 1.0, 1}, MaskCase{37, 1, 0.5, 2},
                                           MaskCase{1, 29, 0.5, 3}, MaskCase{40, 30, 0.2, 4},
                                           MaskCase{40, 30, 0.45, 5}, MaskCase{63, 41, 0.6, 6},
                                           MaskCase{200, 150, 0.5, 7}));

// Rows are given top row first; '#' is foreground.
std::vector<uint8_t> maskFromRows(const std::vector<std::string>& topRows, int* width,
                                  int* height) {
  *height = int(topRows.size());
  *width = int(topRows[0].size());
  std::vector<uint8_t> mask(size_t(*width) * size_t(*height));
  for (int i = 0; i < *height; ++i) {
    for (int x = 0; x < *width; ++x) {
      mask[size_t(*height - 1 - i) * size_t(*width) + size_t(x)] =
          topRows[size_t(i)][size_t(x)] == '#';
    }
  }
  return mask;
}

TEST(RegionLabels, CornersTouchingJoinAndArmsMeetingLateMerge) {
  int width = 0, height = 0;
  // Buffer row 0 is the bottom line. The two arms of the U start apart in the
  // lowest rows and meet at the top; the lone pixels touch only at corners.
  const auto mask =
      maskFromRows({"#######..#", "#.....#...", "#.....#.#.", "#.....#..#"}, &width, &height);
  auto runs = runsOfMask(mask.data(), width, height);
  ASSERT_TRUE(runs.ok());
  auto labels = labelRegions(*runs);
  ASSERT_TRUE(labels.ok());
  ASSERT_EQ(labels->regions.size(), 3u);
  EXPECT_EQ(labels->regions[0].pixels, 13);  // the U
  EXPECT_EQ(labels->regions[0].box, (DetectedRect{0, 0, 6, 3}));
  EXPECT_EQ(labels->regions[1].pixels, 2);  // the diagonal pair at the right
  EXPECT_EQ(labels->regions[1].box, (DetectedRect{8, 0, 9, 1}));
  EXPECT_EQ(labels->regions[2].box, (DetectedRect{9, 3, 9, 3}));

  auto outlines = outlinesOf(*runs, *labels, {0, 1});
  ASSERT_TRUE(outlines.ok());
  ASSERT_EQ((*outlines)[0].rows.size(), 4u);
  EXPECT_EQ((*outlines)[0].rows[0].first, 0);
  EXPECT_EQ((*outlines)[0].rows[0].last, 6);
  EXPECT_EQ((*outlines)[0].spanArea, 28);  // the U's inside counts along rows
  auto joined = joinOutlines(*outlines);
  ASSERT_TRUE(joined.ok());
  EXPECT_EQ(joined->spanArea, 28 + 2);
  EXPECT_EQ(joined->rows[0].last, 9);  // row 0 reaches the pair's pixel
  EXPECT_FALSE(outlinesOf(*runs, *labels, {3}).ok());
}

struct FilterCase {
  int tolerance;
  int filterSize;
  int threshold;
};

class FilteredRuns : public ::testing::TestWithParam<FilterCase> {};

// Runs come from the same mask and filter as the detector's rectangle.
TEST_P(FilteredRuns, ReproduceTheFilteredMaskAndTheDetectorsRectangle) {
  const FilterCase c = GetParam();
  const ImageBuffer image = test::patternImage(61, 47, 3, 9);
  BackgroundDetector detector;
  detector.setTolerance(c.tolerance);
  detector.setFilterSize(c.filterSize);
  detector.setNoiseThreshold(c.threshold);
  const Rgb background{200, 200, 200};

  std::vector<uint8_t> mask(61 * 47), filtered(61 * 47);
  computeForegroundMask(image.data(), 61, 47, 3, background, c.tolerance, mask.data());
  ASSERT_TRUE(filterNoise(mask.data(), 61, 47, c.filterSize, c.threshold, filtered.data()).ok());
  auto runs = findForegroundRuns(image, background, detector);
  ASSERT_TRUE(runs.ok()) << runs.reason();
  EXPECT_EQ(maskOfRuns(*runs), filtered);
  ASSERT_TRUE(detector.detect(image, background).ok());
  EXPECT_EQ(boundingBoxOf(*runs), detector.rectangle());
}

INSTANTIATE_TEST_SUITE_P(Table, FilteredRuns,
                         ::testing::Values(FilterCase{20, 1, 1}, FilterCase{40, 3, 6},
                                           FilterCase{60, 5, 7}, FilterCase{75, 5, 20},
                                           FilterCase{100, 7, 40}));

TEST(ForegroundRuns, WholeSelectAndRefusals) {
  const ImageBuffer image = test::solidImage(5, 4, {255, 255, 255});
  BackgroundDetector detector;
  detector.setWholeSelect(true);
  auto whole = findForegroundRuns(image, Rgb{}, detector);
  ASSERT_TRUE(whole.ok());
  EXPECT_EQ(boundingBoxOf(*whole), (DetectedRect{0, 0, 4, 3}));

  detector.setWholeSelect(false);
  auto none = findForegroundRuns(image, Rgb{}, detector);
  ASSERT_TRUE(none.ok());
  EXPECT_TRUE(none->runs.empty());
  EXPECT_EQ(boundingBoxOf(*none), DetectedRect{});

  EXPECT_FALSE(findForegroundRuns(test::solidImage(3, 3, {0}), Rgb{}, detector).ok());
  EXPECT_FALSE(findForegroundRuns(ImageBuffer(), Rgb{}, detector).ok());
  EXPECT_FALSE(runsOfMask(nullptr, 3, 3).ok());
}

}  // namespace
}  // namespace trimlet
