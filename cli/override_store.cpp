#include "cli/override_store.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace trimlet {

bool OverrideStore::add(const std::string& assignment, std::string* reason) {
  const size_t equals = assignment.find('=');
  const size_t slash = assignment.find('/');
  if (equals == std::string::npos || slash == std::string::npos || slash > equals || slash == 0 ||
      slash + 1 == equals) {
    *reason = "--set \"" + assignment + "\": expected \"Section/Value name=VALUE\".";
    return false;
  }
  values_[assignment.substr(0, equals)] = assignment.substr(equals + 1);
  return true;
}

int OverrideStore::readInt(const std::string& section, const std::string& name, int defaultValue) {
  const std::string key = section + "/" + name;
  auto it = values_.find(key);
  if (it == values_.end()) return base_.readInt(section, name, defaultValue);
  used_.insert(key);
  const char* text = it->second.c_str();
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX) {
    notIntegers_.insert(key);
    return defaultValue;
  }
  return static_cast<int>(value);
}

std::string OverrideStore::readString(const std::string& section, const std::string& name,
                                      const std::string& defaultValue) {
  const std::string key = section + "/" + name;
  auto it = values_.find(key);
  if (it == values_.end()) return base_.readString(section, name, defaultValue);
  used_.insert(key);
  return it->second;
}

std::vector<std::string> OverrideStore::problems() const {
  std::vector<std::string> out;
  for (const auto& [key, value] : values_) {
    if (!used_.count(key))
      out.push_back("--set \"" + key + "=" + value + "\": there is no such setting.");
    else if (notIntegers_.count(key))
      out.push_back("--set \"" + key + "=" + value + "\": the value must be an integer.");
  }
  return out;
}

}  // namespace trimlet
