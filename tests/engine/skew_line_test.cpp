#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <sstream>

#include "engine/geometry/rotate.h"
#include "tests/engine/geometry_reference.h"
#include "tests/support/test_support.h"

namespace trimlet {
namespace {

using test::referenceSkew;

uint32_t grey(int v) { return uint32_t(v) * 0x01010101u; }
uint32_t bytes(int r, int g, int b, int a) {
  return uint32_t(r) | uint32_t(g) << 8 | uint32_t(b) << 16 | uint32_t(a) << 24;
}

std::string describe(const std::vector<uint32_t>& line) {
  std::ostringstream out;
  for (uint32_t p : line)
    out << "(" << test::byteOf(p, 0) << "," << test::byteOf(p, 1) << "," << test::byteOf(p, 2)
        << "," << test::byteOf(p, 3) << ") ";
  return out.str();
}

::testing::AssertionResult SameLine(const std::vector<uint32_t>& expected,
                                    const std::vector<uint32_t>& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "\nexpected " << describe(expected) << "\n  actual " << describe(actual);
}

std::vector<uint32_t> fastSkew(const std::vector<uint32_t>& source, int m, int o, double f,
                               uint32_t g, bool blend) {
  std::vector<uint32_t> out(m, test::kUnwritten);
  skewLine(source.data(), 1, static_cast<int>(source.size()), out.data(), 1, m, o, f, g, blend);
  return out;
}

constexpr uint32_t kG = 0x00332211u;  // background (17, 34, 51, 0)

struct SkewCase {
  const char* name;
  std::vector<uint32_t> source;
  int m, offset;
  double weight;
  uint32_t background;
  bool blend;
  std::vector<uint32_t> expected;
};
void PrintTo(const SkewCase& c, std::ostream* os) {
  *os << c.name << ": n " << c.source.size() << " -> m " << c.m << ", offset " << c.offset
      << ", weight " << c.weight << (c.blend ? ", edge blending" : "");
}

class SkewKnownAnswer : public ::testing::TestWithParam<SkewCase> {};

TEST_P(SkewKnownAnswer, MatchesHandComputedLine) {
  const SkewCase& c = GetParam();
  EXPECT_TRUE(
      SameLine(c.expected, fastSkew(c.source, c.m, c.offset, c.weight, c.background, c.blend)));
  // The literal version agrees too, so the random comparison below rests on
  // a checked reference.
  EXPECT_TRUE(SameLine(c.expected,
                       referenceSkew(c.source, c.m, c.offset, c.weight, c.background, c.blend)));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SkewKnownAnswer,
    ::testing::Values(
        // Left parts 50, 100, 25: 100; 200 - 100 + 50; 50 - 25 + 100; the last again.
        SkewCase{"half weight",
                 {grey(100), grey(200), grey(50)},
                 5,
                 1,
                 0.5,
                 kG,
                 false,
                 {kG, grey(100), grey(150), grey(125), grey(125)}},
        // The first pixel takes the background itself; the tail the last left part.
        SkewCase{"half weight, edge blending",
                 {grey(100), grey(200), grey(50)},
                 5,
                 1,
                 0.5,
                 kG,
                 true,
                 {kG, bytes(67, 84, 101, 50), grey(150), grey(125), grey(25)}},
        SkewCase{"weight 0 is a plain shift",
                 {grey(10), grey(20), grey(30)},
                 6,
                 2,
                 0.0,
                 kG,
                 false,
                 {kG, kG, grey(10), grey(20), grey(30), grey(30)}},
        SkewCase{"cut at the line's end",
                 {grey(10), grey(20), grey(30), grey(40)},
                 3,
                 1,
                 0.5,
                 kG,
                 false,
                 {kG, grey(10), grey(15)}},
        SkewCase{"negative offset drops the first pixels",
                 {grey(10), grey(20), grey(30), grey(40)},
                 4,
                 -2,
                 0.5,
                 kG,
                 false,
                 {grey(25), grey(35), grey(35), kG}},
        SkewCase{"offset -n leaves only the repeated last pixel",
                 {grey(10), grey(20)},
                 3,
                 -2,
                 0.5,
                 kG,
                 false,
                 {grey(15), kG, kG}},
        SkewCase{"offset beyond the line", {grey(10)}, 2, 5, 0.5, kG, false, {kG, kG}},
        // Bytes wrap: 200 - 100 + 240 = 340 -> 84; 10 - 5 + 250 = 255.
        SkewCase{"8-bit wrap with edge blending",
                 {bytes(200, 10, 255, 128)},
                 2,
                 0,
                 0.5,
                 0x0000FAF0u,
                 true,
                 {bytes(84, 255, 128, 64), bytes(100, 5, 127, 64)}},
        // Each byte on its own, alpha included: no carries between bytes.
        SkewCase{"bytes are independent",
                 {bytes(0, 255, 10, 1), bytes(255, 0, 3, 200)},
                 3,
                 0,
                 0.75,
                 kG,
                 false,
                 {bytes(0, 255, 10, 1), bytes(64, 191, 8, 50), bytes(64, 191, 8, 50)}}));

// The first shear of a 3 x 2 image with t = 0.5: row 0 at v = 0.25, row 1 at
// v = 0.75, both offset 0, into W1 = trunc(0.5 x 2) + 3 = 4 columns.
TEST(SkewLine, FirstShearOfThreeByTwoImage) {
  const std::vector<uint32_t> image = {grey(40),  grey(80),  grey(120),  // buffer row 0
                                       grey(200), grey(100), grey(0)};   // buffer row 1
  std::vector<uint32_t> sheared(8, test::kUnwritten);
  skewLine(image.data(), 1, 3, sheared.data(), 1, 4, 0, 0.25, kG, false);
  skewLine(image.data() + 3, 1, 3, sheared.data() + 4, 1, 4, 0, 0.75, kG, false);
  // Left parts 10, 20, 30 and 150, 75, 0.
  EXPECT_TRUE(SameLine({grey(40), grey(70), grey(110), grey(110),  //
                        grey(200), grey(175), grey(75), grey(75)},
                       sheared));
}

// Offsets far outside the line and weights outside 0..1 (or not a number)
// write only inside the destination; a weight is taken as 0 below 0 and as 1
// above 1.
TEST(SkewLine, ExtremeArgumentsStayInsideTheLine) {
  const std::vector<uint32_t> source = {grey(10), grey(20), grey(30)};
  const int offsets[] = {INT32_MIN, -4, -3, 3, 4, INT32_MAX};
  for (int o : offsets) {
    std::vector<uint32_t> out(5, test::kUnwritten);
    skewLine(source.data(), 1, 3, out.data(), 1, 5, o, 0.5, kG, true);
    EXPECT_TRUE(SameLine(referenceSkew(source, 5, o, 0.5, kG, true), out)) << "offset " << o;
  }
  EXPECT_TRUE(SameLine(fastSkew(source, 5, 1, 0.0, kG, false),
                       fastSkew(source, 5, 1, std::nan(""), kG, false)));
  EXPECT_TRUE(
      SameLine(fastSkew(source, 5, 1, 0.0, kG, false), fastSkew(source, 5, 1, -3, kG, false)));
  EXPECT_TRUE(
      SameLine(fastSkew(source, 5, 1, 1.0, kG, false), fastSkew(source, 5, 1, 7, kG, false)));
}

class SkewAgainstReference : public ::testing::TestWithParam<bool> {};

TEST_P(SkewAgainstReference, RandomLinesOffsetsAndWeights) {
  const bool blend = GetParam();
  std::mt19937 random(blend ? 7 : 3);
  const double edgeWeights[] = {0.0, 0.5, 1e-9, 0.999999999999, 1.0};
  for (int trial = 0; trial < 3000; ++trial) {
    const int n = std::uniform_int_distribution<int>(1, 40)(random);
    const int m = std::uniform_int_distribution<int>(1, 70)(random);
    const int o = std::uniform_int_distribution<int>(-50, 70)(random);
    const double f = trial % 5 == 0 ? edgeWeights[(trial / 5) % 5]
                                    : std::uniform_real_distribution<double>(0, 1)(random);
    const uint32_t g = random();
    std::vector<uint32_t> source(n);
    for (uint32_t& p : source) p = trial % 7 == 0 ? (random() | 0xF0F0F0F0u) : random();
    // Strided: the line every third pixel of the source, every second of the
    // destination; the gaps must stay untouched.
    std::vector<uint32_t> spread(n * 3, 0);
    for (int i = 0; i < n; ++i) spread[i * 3] = source[i];
    std::vector<uint32_t> out(m * 2, test::kUnwritten);
    skewLine(spread.data(), 3, n, out.data(), 2, m, o, f, g, blend);
    std::vector<uint32_t> actual(m);
    for (int i = 0; i < m; ++i) {
      actual[i] = out[i * 2];
      ASSERT_EQ(out[i * 2 + 1], test::kUnwritten) << "gap " << i << " written";
    }
    ASSERT_TRUE(SameLine(referenceSkew(source, m, o, f, g, blend), actual))
        << "n " << n << " m " << m << " offset " << o << " weight " << f;
  }
}

INSTANTIATE_TEST_SUITE_P(EdgeBlending, SkewAgainstReference, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "On" : "Off"; });

}  // namespace
}  // namespace trimlet
