#pragma once
// Reading a whole file into memory, for the readers that decode from a byte
// span (Targa, bitmap), or only its start, for their header reads.
//
// readWholeFile fills *bytes with the file's contents and returns kRead, or
// returns kCannotOpen when the file cannot be opened or read, or kOutOfMemory
// when its contents do not fit in memory. *bytes is left empty on failure.
// readFileStart fills *bytes with the first `limit` bytes (all of a shorter
// file) and *length with the whole file's length; kCannotOpen when the file
// cannot be opened, read or measured (it is not a regular file).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace trimlet {

enum class WholeFileStatus { kRead, kCannotOpen, kOutOfMemory };

WholeFileStatus readWholeFile(const std::string& path, std::vector<uint8_t>* bytes);
WholeFileStatus readFileStart(const std::string& path, size_t limit, std::vector<uint8_t>* bytes,
                              size_t* length);

}  // namespace trimlet
