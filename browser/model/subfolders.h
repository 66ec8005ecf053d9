#pragma once
// The subfolders of one folder, as the folder tree shows them.
//
//   ListSubfolders(path)  the names of every subfolder of `path`, in the file
//                         system's enumeration order: hidden ones too, and
//                         links to folders (shown as the folders they point
//                         to). Files are never listed. A folder that cannot
//                         be read gives what was read (nothing when it cannot
//                         be opened).
//   HasSubfolders(path)   true at the first subfolder found
//   SortFolderNames       by name without regard to ASCII letter case, names
//                         equal that way by their bytes (FolderNameLess)

#include <string>
#include <vector>

namespace trimlet {

std::vector<std::string> ListSubfolders(const std::string& path);
bool HasSubfolders(const std::string& path);
bool FolderNameLess(const std::string& a, const std::string& b);
void SortFolderNames(std::vector<std::string>& names);

}  // namespace trimlet
