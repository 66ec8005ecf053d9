#include "imagefile/whole_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <stdexcept>

namespace trimlet {

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
}  // namespace

WholeFileStatus readWholeFile(const std::string& path, std::vector<uint8_t>* bytes) {
  bytes->clear();
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return WholeFileStatus::kCannotOpen;
  // Read in chunks rather than trusting a size taken beforehand: the file may
  // not be a regular file, or may change while it is read.
  try {
    // The size is only a hint for reserving (so a large file is not copied
    // while the vector grows); the loop below reads whatever is there.
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
      const long size = std::ftell(file.get());
      if (size > 0) bytes->reserve(static_cast<size_t>(size));
      std::rewind(file.get());
    }
    uint8_t chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
      bytes->insert(bytes->end(), chunk, chunk + n);
  } catch (const std::bad_alloc&) {
    std::vector<uint8_t>().swap(*bytes);
    return WholeFileStatus::kOutOfMemory;
  } catch (const std::length_error&) {
    std::vector<uint8_t>().swap(*bytes);
    return WholeFileStatus::kOutOfMemory;
  }
  if (std::ferror(file.get())) {
    std::vector<uint8_t>().swap(*bytes);
    return WholeFileStatus::kCannotOpen;
  }
  return WholeFileStatus::kRead;
}

WholeFileStatus readFileStart(const std::string& path, size_t limit, std::vector<uint8_t>* bytes,
                              size_t* length) {
  bytes->clear();
  *length = 0;
  std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return WholeFileStatus::kCannotOpen;
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return WholeFileStatus::kCannotOpen;
  const long size = std::ftell(file.get());
  if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return WholeFileStatus::kCannotOpen;
  // The buffer is no larger than the limit, whatever the file claims to be.
  const size_t wanted = std::min(limit, static_cast<size_t>(size));
  try {
    bytes->resize(wanted);
  } catch (const std::bad_alloc&) {
    return WholeFileStatus::kOutOfMemory;
  }
  if (std::fread(bytes->data(), 1, wanted, file.get()) != wanted) {
    std::vector<uint8_t>().swap(*bytes);
    return WholeFileStatus::kCannotOpen;
  }
  *length = static_cast<size_t>(size);
  return WholeFileStatus::kRead;
}

}  // namespace trimlet
