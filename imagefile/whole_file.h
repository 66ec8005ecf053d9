#pragma once
// Reading a whole file into memory, for the readers that decode from a byte
// span (Targa, bitmap).
//
// readWholeFile fills *bytes with the file's contents and returns kRead, or
// returns kCannotOpen when the file cannot be opened or read, or kOutOfMemory
// when its contents do not fit in memory. *bytes is left empty on failure.

#include <cstdint>
#include <string>
#include <vector>

namespace trimlet {

enum class WholeFileStatus { kRead, kCannotOpen, kOutOfMemory };

WholeFileStatus readWholeFile(const std::string& path, std::vector<uint8_t>* bytes);

}  // namespace trimlet
