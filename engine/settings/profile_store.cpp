// MemoryProfileStore: the in-memory store used by the tests and by runs that
// must leave the user's profile alone.
#include "engine/settings/profile_store.h"

namespace trimlet {

int MemoryProfileStore::readInt(const std::string& section, const std::string& name,
                                int defaultValue) {
  readLog_.push_back(key(section, name));
  auto it = ints_.find(key(section, name));
  return it == ints_.end() ? defaultValue : it->second;
}

std::string MemoryProfileStore::readString(const std::string& section, const std::string& name,
                                           const std::string& defaultValue) {
  readLog_.push_back(key(section, name));
  auto it = strings_.find(key(section, name));
  return it == strings_.end() ? defaultValue : it->second;
}

void MemoryProfileStore::writeInt(const std::string& section, const std::string& name, int value) {
  // One name holds one value: writing a kind replaces a value of the other.
  strings_.erase(key(section, name));
  ints_[key(section, name)] = value;
}

void MemoryProfileStore::writeString(const std::string& section, const std::string& name,
                                     const std::string& value) {
  ints_.erase(key(section, name));
  strings_[key(section, name)] = value;
}

bool MemoryProfileStore::hasInt(const std::string& section, const std::string& name) const {
  return ints_.count(key(section, name)) != 0;
}

bool MemoryProfileStore::hasString(const std::string& section, const std::string& name) const {
  return strings_.count(key(section, name)) != 0;
}

int MemoryProfileStore::intValue(const std::string& section, const std::string& name) const {
  auto it = ints_.find(key(section, name));
  return it == ints_.end() ? 0 : it->second;
}

std::string MemoryProfileStore::stringValue(const std::string& section,
                                            const std::string& name) const {
  auto it = strings_.find(key(section, name));
  return it == strings_.end() ? std::string() : it->second;
}

}  // namespace trimlet
