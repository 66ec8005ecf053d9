// The foreground mask of wide three- and four-byte pictures against the
// rule itself (dR^2 + dG^2 + dB^2 < 9 (1.275 tolerance)^2 in double is
// background), for backgrounds and tolerances across their ranges: the
// vector path, its tail pixels and the plain loops must all agree with it.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/detect/background_detector.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

struct WideMaskCase {
  Rgb background;
  int tolerance;
};
void PrintTo(const WideMaskCase& c, std::ostream* os) {
  *os << "background " << c.background.red << "," << c.background.green << "," << c.background.blue
      << ", tolerance " << c.tolerance;
}

class WideForegroundMask : public ::testing::TestWithParam<WideMaskCase> {};

TEST_P(WideForegroundMask, FollowsTheRuleAtEveryPixel) {
  const WideMaskCase c = GetParam();
  const double limit = 9.0 * (1.275 * c.tolerance) * (1.275 * c.tolerance);
  std::mt19937 random(static_cast<uint32_t>(c.tolerance * 977 + c.background.red));
  // Pixels near the background (where the answer changes) and anywhere.
  std::uniform_int_distribution<int> near(-90, 90), any(0, 255), pick(0, 3);
  auto component = [&](int around) {
    const int v = pick(random) == 0 ? any(random) : around + near(random);
    return static_cast<uint8_t>(std::clamp(v, 0, 255));
  };
  for (int channels : {3, 4}) {
    // 16 pixels a step: widths around it, and rows split over two threads.
    for (int width : {1, 15, 16, 17, 47, 203, 1001}) {
      const int height = width == 1001 ? 300 : 5;
      ImageBuffer image = test::patternImage(width, height, channels, 5);
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
          uint8_t* p = image.at(x, y);
          p[0] = component(c.background.red);
          p[1] = component(c.background.green);
          p[2] = component(c.background.blue);
        }
      std::vector<uint8_t> mask(size_t(width) * height, 7);
      computeForegroundMask(image.data(), width, height, channels, c.background, c.tolerance,
                            mask.data());
      for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
          const uint8_t* p = image.at(x, y);
          const double dr = c.background.red - p[0], dg = c.background.green - p[1],
                       db = c.background.blue - p[2];
          const int expected = dr * dr + dg * dg + db * db < limit ? 0 : 1;
          ASSERT_EQ(mask[size_t(y) * width + x], expected)
              << channels << " channels, width " << width << ", pixel " << x << "," << y << " ("
              << int(p[0]) << "," << int(p[1]) << "," << int(p[2]) << ")";
        }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Backgrounds, WideForegroundMask,
    ::testing::Values(WideMaskCase{{255, 255, 255}, 20}, WideMaskCase{{255, 255, 255}, 0},
                      WideMaskCase{{255, 255, 255}, 1}, WideMaskCase{{0, 0, 0}, 40},
                      WideMaskCase{{128, 64, 200}, 33}, WideMaskCase{{250, 5, 128}, 66},
                      WideMaskCase{{255, 255, 255}, 67}, WideMaskCase{{10, 240, 30}, 100},
                      // A damaged profile's colour outside 0..255.
                      WideMaskCase{{300, -20, 128}, 20}));

}  // namespace
}  // namespace trimlet
