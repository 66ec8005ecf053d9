// The seven-digit form of stored real numbers.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include "engine/settings/real_number.h"

namespace trimlet {

void PrintTo(const StoredReal& r, std::ostream* os) {
  *os << "\"" << r.digits << "\" point " << r.decimalPoint << " sign " << r.sign;
}

namespace {

struct RealCase {
  float value;
  const char* digits;
  int decimalPoint;
  int sign;
};
void PrintTo(const RealCase& c, std::ostream* os) {
  *os << c.value << " <-> \"" << c.digits << "\" point " << c.decimalPoint << " sign " << c.sign;
}

class StoredRealForm : public ::testing::TestWithParam<RealCase> {};

TEST_P(StoredRealForm, WritesSevenDigitsPointAndSign) {
  const RealCase c = GetParam();
  const StoredReal stored = encodeReal(c.value);
  EXPECT_EQ(stored.digits, c.digits);
  EXPECT_EQ(stored.decimalPoint, c.decimalPoint);
  EXPECT_EQ(stored.sign, c.sign);
}

TEST_P(StoredRealForm, ReadsBackTheSevenDigitValue) {
  const RealCase c = GetParam();
  const float expected =
      std::stof(std::string(c.digits)) * std::pow(10.0f, static_cast<float>(c.decimalPoint - 7));
  EXPECT_FLOAT_EQ(decodeReal(c.digits, c.decimalPoint, c.sign), c.sign ? -expected : expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StoredRealForm,
    ::testing::Values(RealCase{1.5f, "1500000", 1, 0}, RealCase{-12.25f, "1225000", 2, 1},
                      RealCase{0.75f, "7500000", 0, 0}, RealCase{4.0f / 3.0f, "1333333", 1, 0},
                      RealCase{1.0f, "1000000", 1, 0}, RealCase{10000.0f, "1000000", 5, 0},
                      RealCase{-10000.0f, "1000000", 5, 1}, RealCase{0.001f, "1000000", -2, 0},
                      RealCase{123456789.0f, "1234568", 9, 0},
                      RealCase{-0.3333333f, "3333333", 0, 1},
                      // Rounding carries into the next power of ten.
                      RealCase{9.99999951e-17f, "1000000", -15, 0}));

TEST(StoredRealForm, ExactValuesSurviveExactly) {
  EXPECT_EQ(decodeReal("1225000", 2, 1), -12.25f);
  EXPECT_EQ(decodeReal("1500000", 1, 0), 1.5f);
  EXPECT_EQ(decodeReal("7500000", 0, 0), 0.75f);
  EXPECT_EQ(decodeReal("1333333", 1, 0), 1.333333f);
  EXPECT_EQ(decodeReal("1000000", 5, 1), -10000.0f);
}

TEST(StoredRealForm, ZeroIsSevenZerosWhateverItsPoint) {
  const StoredReal zero = encodeReal(0.0f);
  EXPECT_EQ(zero.digits, "0000000");
  EXPECT_EQ(zero.sign, 0);
  EXPECT_EQ(encodeReal(-0.0f).digits, "0000000");
  EXPECT_EQ(encodeReal(-0.0f).sign, 0);
  EXPECT_EQ(decodeReal("0000000", 0, 0), 0.0f);
  EXPECT_EQ(decodeReal("0000000", 31, 1), 0.0f);
}

TEST(StoredRealForm, MissingValuesReadAsTheirDefaults) {
  EXPECT_EQ(decodeReal("1", 7, 0), 1.0f);  // a ratio term
  EXPECT_EQ(decodeReal("0", 0, 0), 0.0f);  // the rotation
}

TEST(StoredRealForm, NonNumberDigitStringsReadAsZero) {
  for (const char* text : {"", "abc", "12a4", "-5", "1.5", "+3", "   ", "0x10", "1 2"}) {
    EXPECT_EQ(decodeReal(text, 3, 0), 0.0f) << "\"" << text << "\"";
  }
  EXPECT_EQ(decodeReal(" 1500000 ", 1, 0), 1.5f);  // blanks around digits are fine
}

TEST(StoredRealForm, ExtremeDecimalPointsStayFinite) {
  EXPECT_EQ(decodeReal("9999999", 100, 0), FLT_MAX);
  EXPECT_EQ(decodeReal("9999999", INT_MAX, 1), -FLT_MAX);
  EXPECT_EQ(decodeReal("1", -100, 0), 0.0f);
  EXPECT_EQ(decodeReal("1", INT_MIN, 0), 0.0f);
  EXPECT_EQ(decodeReal(std::string(400, '9'), 0, 0), FLT_MAX);
  // Only 1 means negative.
  EXPECT_EQ(decodeReal("1500000", 1, 2), 1.5f);
}

TEST(StoredRealForm, NonFiniteValuesAreWrittenAsNumbers) {
  EXPECT_EQ(encodeReal(std::numeric_limits<float>::quiet_NaN()).digits, "0000000");
  const StoredReal inf = encodeReal(std::numeric_limits<float>::infinity());
  EXPECT_EQ(inf.digits, "3402823");
  EXPECT_EQ(inf.decimalPoint, 39);
  EXPECT_EQ(encodeReal(-std::numeric_limits<float>::infinity()).sign, 1);
}

TEST(StoredRealForm, RoundTripKeepsSevenSignificantDigits) {
  std::mt19937 random(7);
  std::uniform_real_distribution<float> mantissa(-10.0f, 10.0f);
  std::uniform_int_distribution<int> exponent(-20, 20);
  for (int i = 0; i < 2000; ++i) {
    const float value = mantissa(random) * std::pow(10.0f, static_cast<float>(exponent(random)));
    const StoredReal stored = encodeReal(value);
    ASSERT_EQ(stored.digits.size(), 7u);
    if (value != 0.0f) {
      ASSERT_NE(stored.digits[0], '0') << value;
    }
    const float back = decodeReal(stored.digits, stored.decimalPoint, stored.sign);
    EXPECT_LE(std::fabs(back - value), std::fabs(value) * 6e-7f) << value;
    // Writing what was read gives the same stored form.
    const StoredReal again = encodeReal(back);
    EXPECT_EQ(again.digits, stored.digits) << value;
    EXPECT_EQ(again.decimalPoint, stored.decimalPoint) << value;
    EXPECT_EQ(again.sign, stored.sign) << value;
  }
}

TEST(RotationClamp, KeepsTheStoredRange) {
  EXPECT_EQ(clampRotationForStore(20000.0f), 10000.0f);
  EXPECT_EQ(clampRotationForStore(10000.0f), 10000.0f);
  EXPECT_EQ(clampRotationForStore(-10000.0f), -10000.0f);
  EXPECT_EQ(clampRotationForStore(-10000.5f), -10000.0f);
  EXPECT_EQ(clampRotationForStore(-12.25f), -12.25f);
  EXPECT_EQ(clampRotationForStore(std::numeric_limits<float>::quiet_NaN()), -10000.0f);
  EXPECT_EQ(clampRotationForStore(std::numeric_limits<float>::infinity()), 10000.0f);
  EXPECT_EQ(clampRotationForStore(-std::numeric_limits<float>::infinity()), -10000.0f);
}

}  // namespace
}  // namespace trimlet
