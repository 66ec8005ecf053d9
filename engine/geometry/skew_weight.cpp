// Finding the 16-bit multiplier that reproduces a weight's table.
//
// When the table is trunc(w * b) for one real w, the multipliers that fit
// form a half-open range of width 65536 / (q q') for two neighbouring
// fractions with denominators q, q' <= 255, which is more than 1, and w * 65536
// lies in it: floor(w * 65536) or the next integer fits. Rounding in the
// double products can break that (then both candidates are checked and the
// smallest possible multiplier, the largest ceil(table[b] * 65536 / b), is
// tried last). Whatever is chosen is checked against the whole table.

#include "engine/geometry/skew_weight.h"

#include <cmath>

#include "engine/geometry/skew_core.h"
#include "engine/geometry/skew_kernels.h"

namespace trimlet::geometry_detail {

namespace {

bool reproduces(const uint8_t table[256], uint32_t multiplier) {
  if (multiplier > 0xFFFFu) return false;
  unsigned mismatches = 0;
  for (uint32_t b = 0; b < 256; ++b) mismatches += ((b * multiplier) >> 16) != table[b];
  return mismatches == 0;
}

uint32_t smallestFitting(const uint8_t table[256]) {
  uint32_t lowest = 0;
  for (uint32_t b = 1; b < 256; ++b) {
    const uint32_t bound = (uint32_t(table[b]) * 65536u + b - 1) / b;
    if (bound > lowest) lowest = bound;
  }
  return lowest;
}

}  // namespace

void makeSkewWeight(double weight, SkewWeight* out) {
  const double w = usableWeight(weight);
  buildLeftTable(w, out->table);
  const double scaled = std::floor(w * 65536.0);
  const uint32_t guess = static_cast<uint32_t>(scaled);
  uint32_t found = guess;
  bool exact = reproduces(out->table, found);
  if (!exact) exact = reproduces(out->table, found = guess + 1);
  if (!exact) exact = reproduces(out->table, found = smallestFitting(out->table));
  out->multiplier = exact ? static_cast<uint16_t>(found) : 0;
  out->exact = exact;
}

}  // namespace trimlet::geometry_detail

namespace trimlet::geometry_detail {

void LineSkews::add(double v) {
  const double floored = std::floor(v);
  SkewWeight weight;
  makeSkewWeight(v - floored, &weight);
  Line line{offsetOf(floored), weight.multiplier, -1};
  if (!weight.exact) {
    line.table = static_cast<int>(tables_.size());
    tables_.push_back(weight);
    tableLines_.push_back(static_cast<int>(lines_.size()));
  }
  lines_.push_back(line);
}

LineWeight LineSkews::operator[](int line) const {
  const Line& l = lines_[line];
  return {l.offset, l.multiplier, l.table < 0 ? nullptr : tables_[l.table].table};
}

}  // namespace trimlet::geometry_detail
