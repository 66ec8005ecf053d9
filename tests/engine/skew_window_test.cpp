// The two forms of a line's weight and the windowed skew built on them,
// held against the literal skew of geometry_reference.h.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <vector>

#include "engine/geometry/skew_core.h"
#include "engine/geometry/skew_kernels.h"
#include "engine/geometry/skew_weight.h"
#include "tests/engine/geometry_reference.h"

namespace trimlet {
namespace {

using geometry_detail::LineWeight;
using geometry_detail::makeSkewWeight;
using geometry_detail::SkewWeight;

// The table as the rule reads: trunc(w * b), w clamped into [0, 1].
void expectLiteralTable(double weight, const SkewWeight& made) {
  const double w = weight > 0 ? (weight > 1 ? 1.0 : weight) : 0.0;
  for (int b = 0; b < 256; ++b)
    ASSERT_EQ(made.table[b], static_cast<int>(std::trunc(w * b)))
        << "weight " << weight << ", byte " << b;
}

void expectMultiplierMatchesTable(double weight, const SkewWeight& made) {
  if (!made.exact) return;
  for (uint32_t b = 0; b < 256; ++b)
    ASSERT_EQ((b * made.multiplier) >> 16, made.table[b])
        << "weight " << weight << ", multiplier " << made.multiplier << ", byte " << b;
}

TEST(SkewWeight, TableIsLiteralAndMultiplierReproducesIt) {
  std::mt19937_64 random(11);
  std::uniform_real_distribution<double> unit(0, 1);
  int exact = 0, trials = 0;
  for (; trials < 20000; ++trials) {
    const double w = unit(random);
    SkewWeight made;
    makeSkewWeight(w, &made);
    expectLiteralTable(w, made);
    expectMultiplierMatchesTable(w, made);
    exact += made.exact;
  }
  // Almost every weight has a multiplier; otherwise the vector loops would
  // never run (a slow but correct rotation).
  EXPECT_GT(exact, trials - 5);
}

// Doubles within a few steps of fractions with small denominators: where
// rounding in w * b can make the table disagree with every real factor.
TEST(SkewWeight, WeightsNearSmallFractions) {
  int inexact = 0;
  for (int q = 1; q < 256; q += (q < 20 ? 1 : 7))
    for (int p = 0; p <= q; ++p) {
      double w = static_cast<double>(p) / q;
      for (int step = 0; step < 3; ++step) w = std::nextafter(w, -1.0);
      for (int step = 0; step < 6; ++step, w = std::nextafter(w, 2.0)) {
        SkewWeight made;
        makeSkewWeight(w, &made);
        expectLiteralTable(w, made);
        expectMultiplierMatchesTable(w, made);
        inexact += !made.exact;
      }
    }
  EXPECT_GT(inexact, 0) << "no weight needed its table: the fallback is never exercised here";
}

struct WeightCase {
  double weight;
  bool exact;
  int multiplier;  // when exact
};
void PrintTo(const WeightCase& c, std::ostream* os) { *os << "weight " << c.weight; }

class SkewWeightKnown : public ::testing::TestWithParam<WeightCase> {};

TEST_P(SkewWeightKnown, FormChosen) {
  SkewWeight made;
  makeSkewWeight(GetParam().weight, &made);
  EXPECT_EQ(made.exact, GetParam().exact);
  if (GetParam().exact) {
    EXPECT_EQ(made.multiplier, GetParam().multiplier);
  }
}

INSTANTIATE_TEST_SUITE_P(Weights, SkewWeightKnown,
                         ::testing::Values(WeightCase{0.0, true, 0}, WeightCase{0.5, true, 32768},
                                           WeightCase{0.25, true, 16384}, WeightCase{-2.0, true, 0},
                                           WeightCase{std::nan(""), true, 0},
                                           // 1 needs 65536. The double nearest 0.7 times 10 rounds
                                           // to 7 but times 90 to 62.99...: no factor is at least 7
                                           // / 10 and below 63 / 90.
                                           WeightCase{1.0, false, 0}, WeightCase{7.5, false, 0},
                                           WeightCase{0.7, false, 0}));

std::string describe(const std::vector<uint32_t>& line) {
  std::ostringstream out;
  for (uint32_t p : line) out << std::hex << p << " ";
  return out.str();
}

// Random lines, offsets, weights and windows; each weight in both forms
// (the table form is what lines without a multiplier use).
TEST(SkewWindow, MatchesTheLiteralSkewInAnyWindow) {
  std::mt19937 random(5);
  const double edgeWeights[] = {0.0, 0.5, 1e-9, 0.7, 0.999999999999, 1.0};
  for (int trial = 0; trial < 4000; ++trial) {
    const bool blend = trial % 2 == 1;
    const int n = std::uniform_int_distribution<int>(1, 40)(random);
    const int m = std::uniform_int_distribution<int>(1, 70)(random);
    const int o = std::uniform_int_distribution<int>(-50, 70)(random);
    const double f = trial % 4 == 0 ? edgeWeights[(trial / 4) % 6]
                                    : std::uniform_real_distribution<double>(0, 1)(random);
    const uint32_t g = random();
    std::vector<uint32_t> source(n);
    for (uint32_t& p : source) p = trial % 7 == 0 ? (random() | 0xF0F0F0F0u) : random();
    const std::vector<uint32_t> expected = test::referenceSkew(source, m, o, f, g, blend);
    int begin = std::uniform_int_distribution<int>(0, m - 1)(random);
    int end = std::uniform_int_distribution<int>(begin + 1, m)(random);
    if (trial % 3 == 0) begin = 0, end = m;
    // Only the pixels the window may read, so reading others is caught by
    // the address sanitizer build.
    const int first = std::max(0, begin - o - 2), last = std::min(n, end - o);
    std::vector<uint8_t> held(std::max(0, last - first) * 4 + 1);
    for (int x = first; x < last; ++x)
      geometry_detail::BytePixels{held.data()}.store(x - first, source[x]);

    SkewWeight made;
    makeSkewWeight(f, &made);
    for (bool byTable : {false, true}) {
      if (!byTable && !made.exact) continue;
      LineWeight weight{o, made.multiplier, byTable ? made.table : nullptr};
      std::vector<uint8_t> out((end - begin) * 4 + 8, 0xA5);
      geometry_detail::skewWindow(held.data(), first, n, weight, begin, end, out.data(), g, blend);
      std::vector<uint32_t> actual(end - begin);
      for (int p = 0; p < end - begin; ++p)
        actual[p] = geometry_detail::ConstBytePixels{out.data()}.load(p);
      const std::vector<uint32_t> wanted(expected.begin() + begin, expected.begin() + end);
      ASSERT_EQ(describe(wanted), describe(actual))
          << "n " << n << " m " << m << " offset " << o << " weight " << f << " window [" << begin
          << ", " << end << ")" << (byTable ? " by table" : " by multiplier")
          << (blend ? ", edge blending" : "");
      for (int k = 0; k < 8; ++k)
        ASSERT_EQ(out[(end - begin) * 4 + k], 0xA5) << "written past the window";
    }
  }
}

// Each byte of a column on its own, with its own multiplier, and the left
// parts handed on to the next row.
TEST(BlendAcrossRows, KnownAnswer) {
  uint8_t row[4] = {200, 10, 255, 1};
  uint8_t leftBelow[4] = {5, 250, 0, 9};
  const uint16_t multipliers[4] = {32768, 32768, 65535, 0};  // 0.5, 0.5, ~1, 0
  geometry_detail::blendAcrossRows(row, leftBelow, multipliers, 4);
  // Left parts 100, 5, 254, 0: 200 - 100 + 5; 10 - 5 + 250; 255 - 254 + 0; 1 - 0 + 9.
  EXPECT_EQ(std::vector<int>(row, row + 4), (std::vector<int>{105, 255, 1, 10}));
  EXPECT_EQ(std::vector<int>(leftBelow, leftBelow + 4), (std::vector<int>{100, 5, 254, 0}));
}

}  // namespace
}  // namespace trimlet
