// A batch over a list of files (see file_list.h).
#include "output/batch/file_list.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "imagefile/image_format.h"

namespace trimlet {

namespace fs = std::filesystem;

namespace {

// `name` relative to the source folder, lexically normal, or empty when it
// lies outside it.
fs::path insideSource(const fs::path& source, const std::string& name) {
  fs::path path(name);
  if (path.is_absolute()) {
    std::error_code ec;
    const fs::path base = fs::absolute(source, ec).lexically_normal();
    if (ec) return fs::path();
    path = path.lexically_normal().lexically_relative(base);
  } else {
    path = path.lexically_normal();
  }
  if (path.empty() || path.is_absolute() || *path.begin() == "..") return fs::path();
  if (path == ".") return fs::path();
  return path;
}

}  // namespace

Result<std::vector<std::string>> readFileList(FILE* list) {
  std::vector<std::string> names;
  std::string line;
  char chunk[4096];
  for (;;) {
    if (!std::fgets(chunk, sizeof chunk, list)) break;
    line += chunk;
    if (line.back() != '\n' && !std::feof(list)) continue;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    if (!line.empty()) names.push_back(line);
    line.clear();
  }
  if (std::ferror(list)) {
    return Result<std::vector<std::string>>::failure(
        std::string("The list of files cannot be read: ") + std::strerror(errno) + ".");
  }
  return names;
}

std::vector<ListedFile> listedFiles(const std::string& sourceFolder,
                                    const std::string& outputFolder,
                                    const std::vector<std::string>& names) {
  std::vector<ListedFile> files;
  files.reserve(names.size());
  for (const std::string& name : names) {
    ListedFile file;
    file.entry = name;
    file.item.number = int(files.size()) + 1;
    const fs::path relative = insideSource(sourceFolder, name);
    if (relative.empty()) {
      file.item.name = name;  // named as the list gave it
      file.problem = "lies outside the source folder " + sourceFolder;
      files.push_back(std::move(file));
      continue;
    }
    const std::string parent =
        relative.parent_path().empty() ? std::string() : relative.parent_path().string() + "/";
    file.item.folder = sourceFolder + parent;
    file.item.name = relative.filename().string();
    file.item.outputFolder = outputFolder + parent;
    std::error_code ec;
    if (!isImageFileName(file.item.name)) {
      file.problem = "is not an image file name (.jpg, .tga, .bmp or .png)";
    } else if (!fs::is_regular_file(file.item.folder + file.item.name, ec)) {
      file.problem = "no such file";
    }
    files.push_back(std::move(file));
  }
  return files;
}

}  // namespace trimlet
