#pragma once
// SortByColumn: the file list's quicksort over the texts of one column.
//
//   rows        the table, sorted in place
//   ascending   true: ascending order; false: descending
//   column      0 .. kListColumnCount - 1
//   lo, hi      the range of items; hi = -1 means the last item
//
// Pivot: the text of item (lo + hi) / 2, lower-cased. Texts compare
// lower-cased, byte by byte (ASCII letters only change case). Two items are
// swapped, whole, only when their texts in the column differ as they stand.
// Over the sort column (4) this gives folders first, then files, each group
// by lower-cased name. A column or range outside the table does nothing.

#include "browser/model/list_row.h"

namespace trimlet {

void SortByColumn(ListTable& rows, bool ascending, int column, int lo, int hi);

// ASCII lower case of `text`, other bytes unchanged.
std::string LowerCased(const std::string& text);

}  // namespace trimlet
