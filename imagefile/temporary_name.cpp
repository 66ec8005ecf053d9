#include "imagefile/temporary_name.h"

#include <cctype>

namespace trimlet::temporary_name {

namespace {

constexpr char kMark[] = ".trimlet-";
constexpr size_t kMarkLength = sizeof kMark - 1;
constexpr size_t kStemLimit = 200;
constexpr size_t kUniqueLength = 6;  // mkstemp's XXXXXX

bool isAlphanumeric(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::string patternFor(const std::string& name, pid_t pid) {
  const std::string stem = name.size() > kStemLimit ? name.substr(0, kStemLimit) : name;
  return "." + stem + kMark + std::to_string(pid) + "-" + std::string(kUniqueLength, 'X');
}

pid_t writerOf(const std::string& name) {
  // "." + at least one character of the name + the mark + digits + "-" + six.
  if (name.size() < 2 + kMarkLength + 1 + 1 + kUniqueLength || name[0] != '.') return 0;
  const size_t unique = name.size() - kUniqueLength;
  for (size_t i = unique; i < name.size(); ++i)
    if (!isAlphanumeric(name[i])) return 0;
  if (name[unique - 1] != '-') return 0;
  size_t digits = unique - 1;
  while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
  const size_t count = unique - 1 - digits;
  if (count == 0 || count > 9 || digits < 1 + kMarkLength + 1) return 0;
  if (name.compare(digits - kMarkLength, kMarkLength, kMark) != 0) return 0;
  const long pid = std::stol(name.substr(digits, count));
  return pid > 0 ? static_cast<pid_t>(pid) : 0;
}

}  // namespace trimlet::temporary_name
