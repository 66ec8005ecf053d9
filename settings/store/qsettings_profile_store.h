#pragma once
// QSettingsProfileStore: the profile store of the window program and the
// command-line batch, over QSettings.
//
// Sections are QSettings groups and value names are keys, both unchanged.
// The default store is the current user's profile of the organisation
// "Local AppWizard-Generated Applications", application "Kivo"; on Linux that
// is the INI file $XDG_CONFIG_HOME/Local AppWizard-Generated Applications/
// Kivo.conf. The other constructor opens a given INI file instead (the
// command line's --profile FILE).
//
// Integers are written as numbers and strings as strings. Reading never fails:
// a value that is missing, or that cannot be read as the kind asked for (an
// integer that is not a whole number in the int range), gives the default.
// A section or key written by hand with plain spaces ("[Auto Crop Info]") reads
// the same as one QSettings has escaped.
//
// Writes are kept in memory until flush() or destruction. A file that cannot
// be parsed reads as defaults and is replaced by the values held on the next
// flush.

#include <QSettings>
#include <memory>
#include <string>

#include "engine/result.h"
#include "engine/settings/profile_store.h"

namespace trimlet {

inline constexpr const char* kProfileOrganisation = "Local AppWizard-Generated Applications";
inline constexpr const char* kProfileApplication = "Kivo";

class QSettingsProfileStore : public ProfileStore {
 public:
  // The current user's profile.
  QSettingsProfileStore();
  // The INI file at `iniPath` (created on the first flush when missing).
  explicit QSettingsProfileStore(const std::string& iniPath);
  ~QSettingsProfileStore() override;

  int readInt(const std::string& section, const std::string& name, int defaultValue) override;
  std::string readString(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
  void writeInt(const std::string& section, const std::string& name, int value) override;
  void writeString(const std::string& section, const std::string& name,
                   const std::string& value) override;

  // Writes pending values to the file; fails with a reason when the file
  // cannot be written.
  Status flush();
  // The file behind the store.
  std::string fileName() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace trimlet
