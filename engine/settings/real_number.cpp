// The seven-digit form of stored real numbers (see real_number.h).
#include "engine/settings/real_number.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace trimlet {
namespace {

constexpr int kDigits = 7;

// 10^k for 0 <= k <= 22 is exact in double; larger powers go through pow.
double powerOfTen(int k) {
  static const double exact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  if (k <= 22) return exact[k];
  return std::pow(10.0, k);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSpace(char c) { return c == ' ' || c == '\t'; }

// The digit string as a number: only digits, surrounded by blanks at most;
// anything else is not a number and reads as 0.
double parseDigits(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  if (begin == end) return 0.0;
  double value = 0.0;
  for (size_t i = begin; i < end; ++i) {
    if (!isDigit(text[i])) return 0.0;
    value = value * 10.0 + (text[i] - '0');
  }
  return value;
}

}  // namespace

StoredReal encodeReal(float value) {
  StoredReal stored;
  stored.sign = std::signbit(value) && value != 0.0f ? 1 : 0;
  const double magnitude = std::fabs(static_cast<double>(value));
  if (!(magnitude > 0.0) || std::isinf(magnitude)) {
    // Zero (and NaN, which has no digits) is seven zeros; an infinity is
    // written as the largest float so that it reads back as a number.
    if (std::isinf(magnitude)) return encodeReal(value > 0 ? FLT_MAX : -FLT_MAX);
    stored.digits = std::string(kDigits, '0');
    stored.sign = 0;
    return stored;
  }
  // "%.6e" rounds to seven significant digits: "d.dddddde+XX", carries included.
  char text[32];
  std::snprintf(text, sizeof text, "%.*e", kDigits - 1, magnitude);
  stored.digits.reserve(kDigits);
  stored.digits.push_back(text[0]);
  stored.digits.append(text + 2, kDigits - 1);
  const int exponent = std::atoi(text + kDigits + 2);  // after "d.dddddde"
  stored.decimalPoint = exponent + 1;                  // 0.d1..d7 x 10^(exponent + 1)
  return stored;
}

float decodeReal(const std::string& digits, int decimalPoint, int sign) {
  const double number = parseDigits(digits);
  if (number == 0.0) return 0.0f;
  // Beyond these scales every digit string is out of the float range or 0.
  const int scale = decimalPoint < -400 ? -400 : decimalPoint > 400 ? 400 : decimalPoint;
  const int k = scale - kDigits;
  double value = k >= 0 ? number * powerOfTen(k) : number / powerOfTen(-k);
  // A value outside the float range saturates instead of overflowing the
  // conversion.
  if (value > FLT_MAX) value = FLT_MAX;
  float result = static_cast<float>(value);
  return sign == 1 ? -result : result;
}

float clampRotationForStore(float degrees) {
  if (degrees > 10000.0f) return 10000.0f;
  if (!(degrees >= -10000.0f)) return -10000.0f;
  return degrees;
}

}  // namespace trimlet
