// The profile store over QSettings (see qsettings_profile_store.h).
#include "settings/store/qsettings_profile_store.h"

#include <QString>
#include <QStringList>
#include <QVariant>

namespace trimlet {
namespace {

QString keyOf(const std::string& section, const std::string& name) {
  return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(name);
}

}  // namespace

QSettingsProfileStore::QSettingsProfileStore()
    // The native format of Linux is the INI file "<application>.conf" in the
    // organisation's folder of the user's configuration folder.
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromLatin1(kProfileOrganisation),
                                            QString::fromLatin1(kProfileApplication))) {}

QSettingsProfileStore::QSettingsProfileStore(const std::string& iniPath)
    : settings_(
          std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat)) {}

QSettingsProfileStore::~QSettingsProfileStore() = default;  // QSettings writes what is pending

int QSettingsProfileStore::readInt(const std::string& section, const std::string& name,
                                   int defaultValue) {
  const QVariant value = settings_->value(keyOf(section, name));
  // An INI file holds text: a list (unquoted commas) or anything that is not a
  // whole number within the int range is not an integer.
  if (!value.isValid() || value.typeId() == QMetaType::QStringList ||
      !value.canConvert<QString>()) {
    return defaultValue;
  }
  bool ok = false;
  const int number = value.toString().trimmed().toInt(&ok, 10);
  return ok ? number : defaultValue;
}

std::string QSettingsProfileStore::readString(const std::string& section, const std::string& name,
                                              const std::string& defaultValue) {
  const QVariant value = settings_->value(keyOf(section, name));
  if (!value.isValid()) return defaultValue;
  // A hand-written value with unquoted commas arrives as a list (QSettings
  // quotes the strings it writes): join it again with ", ".
  if (value.typeId() == QMetaType::QStringList) {
    return value.toStringList().join(QStringLiteral(", ")).toStdString();
  }
  if (!value.canConvert<QString>()) return defaultValue;
  return value.toString().toStdString();
}

void QSettingsProfileStore::writeInt(const std::string& section, const std::string& name,
                                     int value) {
  settings_->setValue(keyOf(section, name), value);
}

void QSettingsProfileStore::writeString(const std::string& section, const std::string& name,
                                        const std::string& value) {
  settings_->setValue(keyOf(section, name), QString::fromStdString(value));
}

Status QSettingsProfileStore::flush() {
  settings_->sync();
  // A FormatError stays from reading a file that could not be parsed; that
  // file is still replaced by the values held, so only an AccessError means
  // that nothing was written.
  if (settings_->status() == QSettings::AccessError) {
    return Status::failure("The settings could not be written to " + fileName() + ".");
  }
  return Status::success();
}

std::string QSettingsProfileStore::fileName() const { return settings_->fileName().toStdString(); }

}  // namespace trimlet
