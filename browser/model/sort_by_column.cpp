// The file list's quicksort.
#include "browser/model/sort_by_column.h"

#include <utility>

namespace trimlet {

std::string LowerCased(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

namespace {

// One partition step exactly as the list does it; returns the two ends (j, i).
std::pair<int, int> partition(ListTable& rows, bool ascending, int column, int lo, int hi) {
  const std::string pivot = LowerCased(rows[(lo + hi) / 2].texts[column]);
  auto before = [&](int k) {
    const std::string t = LowerCased(rows[k].texts[column]);
    return ascending ? t < pivot : t > pivot;
  };
  auto after = [&](int k) {
    const std::string t = LowerCased(rows[k].texts[column]);
    return ascending ? t > pivot : t < pivot;
  };
  int i = lo;
  int j = hi;
  while (j >= i) {
    while (i < hi && before(i)) ++i;
    while (j > lo && after(j)) --j;
    if (j >= i) {
      if (rows[i].texts[column] != rows[j].texts[column]) std::swap(rows[i], rows[j]);
      ++i;
      --j;
    }
  }
  return {j, i};
}

}  // namespace

void SortByColumn(ListTable& rows, bool ascending, int column, int lo, int hi) {
  if (column < 0 || column >= kListColumnCount) return;
  if (hi == -1) hi = static_cast<int>(rows.size()) - 1;
  if (lo < 0 || hi >= static_cast<int>(rows.size())) return;
  // The two halves of a partition are disjoint, so sorting the smaller one
  // by recursion and the larger one in this loop gives the same order as
  // recursing on both, with a stack depth of log n.
  while (lo < hi) {
    const auto [j, i] = partition(rows, ascending, column, lo, hi);
    if (j - lo < hi - i) {
      if (lo < j) SortByColumn(rows, ascending, column, lo, j);
      lo = i;
    } else {
      if (i < hi) SortByColumn(rows, ascending, column, i, hi);
      hi = j;
    }
  }
}

}  // namespace trimlet
