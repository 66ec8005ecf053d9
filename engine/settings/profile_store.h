#pragma once
// ProfileStore: the per-user store of settings, one section per group of values.
//
// Integers and strings keep their kinds. A value that is missing or cannot be
// read as the kind asked for gives the caller's default; the store never
// reports an error. The window program backs it with QSettings; the tests use
// MemoryProfileStore.

#include <map>
#include <string>
#include <vector>

namespace trimlet {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  virtual int readInt(const std::string& section, const std::string& name, int defaultValue) = 0;
  virtual std::string readString(const std::string& section, const std::string& name,
                                 const std::string& defaultValue) = 0;
  virtual void writeInt(const std::string& section, const std::string& name, int value) = 0;
  virtual void writeString(const std::string& section, const std::string& name,
                           const std::string& value) = 0;
};

// An in-memory store that also records the order of reads ("Section/Name").
class MemoryProfileStore : public ProfileStore {
 public:
  int readInt(const std::string& section, const std::string& name, int defaultValue) override;
  std::string readString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
  void writeInt(const std::string& section, const std::string& name, int value) override;
  void writeString(const std::string& section, const std::string& name,
                   const std::string& value) override;

  bool hasInt(const std::string& section, const std::string& name) const;
  bool hasString(const std::string& section, const std::string& name) const;
  int intValue(const std::string& section, const std::string& name) const;  // 0 when missing
  std::string stringValue(const std::string& section, const std::string& name) const;
  const std::vector<std::string>& readLog() const { return readLog_; }
  void clearReadLog() { readLog_.clear(); }

 private:
  static std::string key(const std::string& section, const std::string& name) {
    return section + "/" + name;
  }
  std::map<std::string, int> ints_;
  std::map<std::string, std::string> strings_;
  std::vector<std::string> readLog_;
};

}  // namespace trimlet
