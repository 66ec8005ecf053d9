#pragma once
// The weight of one skewed line, in the two forms the skew can use, and the
// offsets and weights of all the lines of one shear.
//
// The left part of a byte b is trunc(w * b) in double precision (w the weight
// clamped into [0, 1], see usableWeight in skew_core.h). `table` holds it for
// every byte value. `multiplier`, when `exact` is set, is a 16-bit M with
// (b * M) >> 16 == table[b] for every b: the form whole lines are worked with
// in vector registers. The multiplier is only ever used after it has been
// checked against all 256 table entries, so both forms give the same bytes.
// Some weights have no such multiplier (1.0 itself, or a double just below a
// fraction with a small denominator, such as the double nearest 0.7, where
// rounding makes the table inconsistent with any single real factor); their
// lines are skewed through the table.
// Internal to the geometry code.

#include <cstdint>
#include <vector>

namespace trimlet::geometry_detail {

struct SkewWeight {
  uint8_t table[256];
  uint16_t multiplier = 0;
  bool exact = false;
};

void makeSkewWeight(double weight, SkewWeight* out);

// Per byte (b * multiplier) >> 16, for single pixels at the ends of lines.
inline uint32_t leftByMultiplier(uint32_t p, uint32_t multiplier) {
  return ((p & 0xFFu) * multiplier >> 16) | ((((p >> 8) & 0xFFu) * multiplier >> 16) << 8) |
         ((((p >> 16) & 0xFFu) * multiplier >> 16) << 16) | (((p >> 24) * multiplier >> 16) << 24);
}

// One line's skew: offset floor(v), and the weight v - floor(v) as its
// multiplier or, when it has none, its table (null otherwise).
struct LineWeight {
  int offset = 0;
  uint16_t multiplier = 0;
  const uint8_t* table = nullptr;
};

// The skews of all the lines of one shear, by line index. Only the rare
// weights without a multiplier keep their 256-byte tables. Throws
// std::bad_alloc when memory runs out.
class LineSkews {
 public:
  explicit LineSkews(int lines) { lines_.reserve(lines); }
  // Appends the line skewed by v.
  void add(double v);
  // Valid while no more lines are added.
  LineWeight operator[](int line) const;
  int size() const { return static_cast<int>(lines_.size()); }
  // The lines (ascending) whose weight has no multiplier.
  const std::vector<int>& tableLines() const { return tableLines_; }

 private:
  struct Line {
    int offset;
    uint16_t multiplier;
    int table;  // index into tables_, or -1
  };
  std::vector<Line> lines_;
  std::vector<SkewWeight> tables_;
  std::vector<int> tableLines_;
};

}  // namespace trimlet::geometry_detail
