#pragma once
// The entries of one folder as the file list shows them.
//
//   ReadListEntries(folder)  the folder's subfolders (hidden ones and links to
//                            folders included) and its image files, in the
//                            file system's enumeration order, with their file
//                            status. `folder` ends with "/". A folder that
//                            cannot be read gives what was read before the
//                            failure (nothing when it cannot be opened).
//   MakeListRow(entry, k)    the five column texts of an entry, image k.
//                            Status that could not be read leaves the size
//                            and time columns " ".

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "browser/model/list_row.h"

namespace trimlet {

struct ListEntry {
  std::string name;
  bool folder = false;
  bool statusRead = false;
  uint64_t size = 0;
  std::time_t modified = 0;  // seconds since 1970, UTC
};

std::vector<ListEntry> ReadListEntries(const std::string& folder);

ListRow MakeListRow(const ListEntry& entry, int image);

// The file status of `path` (links followed) into `entry`; false when it
// cannot be read.
bool ReadEntryStatus(const std::string& path, ListEntry& entry);

}  // namespace trimlet
