// The subfolders of one folder.
#include "browser/model/subfolders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "browser/model/sort_by_column.h"

namespace trimlet {

namespace fs = std::filesystem;

namespace {

// Calls `take(name)` for each subfolder until it returns false.
template <typename Take>
void forEachSubfolder(const std::string& path, Take take) {
  std::error_code ec;
  fs::directory_iterator it(fs::path(path.empty() ? std::string(".") : path), ec);
  const fs::directory_iterator end;
  while (!ec && it != end) {
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      const std::string name = it->path().filename().string();
      if (name != "." && name != ".." && !take(name)) return;
    }
    it.increment(ec);
  }
}

}  // namespace

std::vector<std::string> ListSubfolders(const std::string& path) {
  std::vector<std::string> names;
  forEachSubfolder(path, [&](const std::string& name) {
    names.push_back(name);
    return true;
  });
  return names;
}

bool HasSubfolders(const std::string& path) {
  bool found = false;
  forEachSubfolder(path, [&](const std::string&) {
    found = true;
    return false;
  });
  return found;
}

bool FolderNameLess(const std::string& a, const std::string& b) {
  const std::string la = LowerCased(a);
  const std::string lb = LowerCased(b);
  return la != lb ? la < lb : a < b;
}

void SortFolderNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), FolderNameLess);
}

}  // namespace trimlet
