// The entries of one folder for the file list.
#include "browser/model/folder_entries.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

#include "browser/model/list_texts.h"

namespace trimlet {

namespace fs = std::filesystem;

bool ReadEntryStatus(const std::string& path, ListEntry& entry) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  entry.size = st.st_size > 0 ? static_cast<uint64_t>(st.st_size) : 0;
  entry.modified = st.st_mtime;
  return true;
}

std::vector<ListEntry> ReadListEntries(const std::string& folder) {
  std::vector<ListEntry> entries;
  std::error_code ec;
  fs::directory_iterator it(fs::path(folder), ec);
  const fs::directory_iterator end;
  while (!ec && it != end) {
    ListEntry entry;
    entry.name = it->path().filename().string();
    std::error_code typeError;
    // A link to a folder counts as the folder it points to.
    entry.folder = it->is_directory(typeError);
    if (IsListedEntry(entry.name, entry.folder)) {
      entry.statusRead = ReadEntryStatus(folder + entry.name, entry);
      entries.push_back(std::move(entry));
    }
    it.increment(ec);
  }
  return entries;
}

ListRow MakeListRow(const ListEntry& entry, int image) {
  ListRow row;
  row.image = image;
  row.texts[kColumnName] = entry.name;
  row.texts[kColumnType] = TypeText(entry.name, entry.folder);
  row.texts[kColumnSort] = SortKeyText(entry.name, entry.folder);
  if (entry.statusRead) {
    row.texts[kColumnModified] = TimeText(entry.modified);
    row.texts[kColumnSize] = SizeText(entry.size, entry.folder);
  } else {
    row.texts[kColumnModified] = " ";
    row.texts[kColumnSize] = " ";
  }
  return row;
}

}  // namespace trimlet
