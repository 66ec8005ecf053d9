#pragma once
// ListRow: one item of the file list as plain data, and the list's columns.
//
//   column  heading     alignment  width  content
//   0       "FileName"  left       180    the entry's name
//   1       "Type"      left       110    "Directory" or the image type text
//   2       "Size"      right      60     "<size / 1024>KB", " " for folders
//   3       "Modified"  left       120    last-write time, UTC
//   4       "sort"      left       0      "1" + name (folder), "2" + name (file)
//
// `image` is the item's index into the list's image lists: the item inserted
// k-th in a fill has image k, and sorting moves the item with its image.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace trimlet {

enum ListColumn {
  kColumnName = 0,
  kColumnType = 1,
  kColumnSize = 2,
  kColumnModified = 3,
  kColumnSort = 4,
};
constexpr int kListColumnCount = 5;

struct ListColumnInfo {
  const char* heading;
  bool alignRight;
  int width;
};
extern const ListColumnInfo kListColumns[kListColumnCount];

struct ListRow {
  std::array<std::string, kListColumnCount> texts;
  int image = -1;
  unsigned state = 0;
  intptr_t param = 0;
};

using ListTable = std::vector<ListRow>;

}  // namespace trimlet
