#pragma once
// The seven-digit form in which real numbers are stored.
//
// A value is rounded to seven significant digits and kept as 0.d1..d7 x 10^e
// with d1 non-zero: the digit string "d1..d7" (exactly seven digits, no point,
// no sign), the decimal-point position e and a sign flag (1 negative). Zero is
// seven zeros. Reading: value = digits x 10^(e - 7), negated when the sign is
// 1. Examples: 1.5 -> "1500000", 1; -12.25 -> "1225000", 2, sign 1;
// 0.75 -> "7500000", 0; 4/3 -> "1333333", 1.

#include <string>

namespace trimlet {

struct StoredReal {
  std::string digits;
  int decimalPoint = 0;
  int sign = 0;
};

StoredReal encodeReal(float value);
// A digit string that is not a number reads as 0.
float decodeReal(const std::string& digits, int decimalPoint, int sign);
// The clamp applied to the rotation before it is written: above 10000 becomes
// 10000; anything not >= -10000 (a NaN included) becomes -10000.
float clampRotationForStore(float degrees);

}  // namespace trimlet
