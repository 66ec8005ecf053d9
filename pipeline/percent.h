#pragma once
// Percent amounts: pct(a, s) = trunc(s x a x c) with c = 0.01 held in single
// precision (0.00999999977648258), the product taken in double precision.
// Because c is slightly below one hundredth, an exact product comes out one
// less: 10 % of 500 is 49, 50 % of 200 is 99.

namespace trimlet {

inline int percentOf(int amount, int size) {
  const float c = 0.01f;
  return static_cast<int>(static_cast<double>(size) * amount * static_cast<double>(c));
}

}  // namespace trimlet
