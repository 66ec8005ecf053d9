#include "output/batch/folder_scan.h"

#include <filesystem>

#include "imagefile/image_format.h"

namespace trimlet {

namespace fs = std::filesystem;

bool listFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
  entries.clear();
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return false;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    FolderEntry entry;
    entry.name = it->path().filename().string();
    std::error_code statusError;
    const bool link = it->is_symlink(statusError);
    const bool directory = !link && it->is_directory(statusError);
    entry.plainFolder = directory && !entry.name.empty() && entry.name[0] != '.';
    entries.push_back(std::move(entry));
  }
  return true;
}

std::string withTrailingSlash(const std::string& folder) {
  if (!folder.empty() && folder.back() == '/') return folder;
  return folder + "/";
}

int CountImageFiles(const std::string& folder, bool recurse,
                    std::vector<std::string>& subfolderQueue) {
  const std::string base = withTrailingSlash(folder);
  std::vector<FolderEntry> entries;
  if (!listFolder(base, entries)) return 0;
  int count = 0;
  for (const FolderEntry& entry : entries) {
    if (entry.plainFolder && recurse) {
      const std::string sub = base + entry.name + "/";
      const int inside = CountImageFiles(sub, recurse, subfolderQueue);
      if (inside > 0) {
        subfolderQueue.push_back(sub);
        count += inside;
      }
      continue;
    }
    if (isImageFileName(entry.name)) ++count;
  }
  return count;
}

}  // namespace trimlet
