// The files of the manual cropping window (see manual_crop_files.h).
#include "manualcrop/model/manual_crop_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace trimlet {

const char* const kNoNextFile = "NEXT: No more image files in directory.\nJump to the first file?";
const char* const kNoPreviousFile =
    "PREV: No more image files in directory.\nJump to the last file?";

namespace {

bool endsWithNoCase(const std::string& name, const char* ending) {
  const size_t n = std::char_traits<char>::length(ending);
  if (name.size() < n) return false;
  for (size_t i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(name[name.size() - n + i]);
    if (std::tolower(c) != ending[i]) return false;
  }
  return true;
}

}  // namespace

void sortByteWise(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
  });
}

std::vector<std::string> manualCropFiles(const std::string& folder) {
  std::vector<std::string> names;
  for (const char* ending : {".bmp", ".jpg", ".tga", ".png"}) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
      std::error_code typeError;
      if (it->is_directory(typeError)) continue;
      const std::string name = it->path().filename().string();
      if (endsWithNoCase(name, ending)) names.push_back(name);
    }
  }
  sortByteWise(names);
  return names;
}

int startPosition(const std::vector<std::string>& names, const std::string& current) {
  const auto it = std::find(names.begin(), names.end(), current);
  return it == names.end() ? 0 : static_cast<int>(it - names.begin());
}

std::optional<int> stepNext(int position, int count) {
  if (position + 1 < count) return position + 1;
  return std::nullopt;
}

std::optional<int> stepPrevious(int position, int count) {
  if (position - 1 >= 0 && position - 1 < count) return position - 1;
  return std::nullopt;
}

}  // namespace trimlet
