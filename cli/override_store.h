#pragma once
// OverrideStore: a ProfileStore that answers some values from the command
// line (--set "Section/Value name=VALUE") and the rest from another store.
// It never writes: the batch changes nothing that the window stored.
//
// add() checks the form of an override; after the settings were read,
// problems() names every override that was never asked for (a misspelt
// name) or that was asked for as an integer but is not one.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/settings/profile_store.h"

namespace trimlet {

class OverrideStore : public ProfileStore {
 public:
  explicit OverrideStore(ProfileStore& base) : base_(base) {}

  // "Section/Value name=VALUE"; false (with a reason) when malformed.
  bool add(const std::string& assignment, std::string* reason);

  int readInt(const std::string& section, const std::string& name, int defaultValue) override;
  std::string readString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
  void writeInt(const std::string&, const std::string&, int) override {}
  void writeString(const std::string&, const std::string&, const std::string&) override {}

  std::vector<std::string> problems() const;
  // The overrides given, "Section/Value name" -> text.
  const std::map<std::string, std::string>& values() const { return values_; }

 private:
  ProfileStore& base_;
  std::map<std::string, std::string> values_;  // "Section/Value name" -> value
  std::set<std::string> used_;
  std::set<std::string> notIntegers_;
};

}  // namespace trimlet
