// The file list's columns.
#include "browser/model/list_row.h"

namespace trimlet {

const ListColumnInfo kListColumns[kListColumnCount] = {
    {"FileName", false, 180}, {"Type", false, 110}, {"Size", true, 60},
    {"Modified", false, 120}, {"sort", false, 0},
};

}  // namespace trimlet
