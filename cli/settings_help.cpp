#include "cli/settings_help.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "engine/settings/setting_table.h"

namespace trimlet {

namespace {

std::string defaultText(const SettingRow& row) {
  if (row.kind == SettingKind::kRealDigits) return row.defaultText;
  return std::to_string(row.defaultValue);
}

bool isDigitString(const std::string& text) {
  if (text.empty() || text.size() > 7) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

bool parseInt(const std::string& text, int& value) {
  char* end = nullptr;
  errno = 0;
  const long parsed = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || *end != '\0' || errno == ERANGE || parsed < INT_MIN ||
      parsed > INT_MAX)
    return false;
  value = static_cast<int>(parsed);
  return true;
}

}  // namespace

std::string settingsHelpText() {
  std::string text =
      "The stored settings that --set \"Section/Value name=VALUE\" changes for one run:\n\n";
  for (const SettingRow& row : settingTable()) {
    std::string key = std::string(row.section) + "/";
    key += row.kind == SettingKind::kColour ? "Red, Green, Blue" : row.name;
    key += "=" + defaultText(row);
    std::string line = "  " + key;
    line.append(line.size() < 52 ? 52 - line.size() : 1, ' ');
    line += settingRangeText(row);
    if (row.kind == SettingKind::kColour) line += " each";
    line += ": " + std::string(row.help) + "\n";
    text += line;
  }
  text +=
      "\nThe value after \"=\" above is the default. Real numbers are stored as seven digits\n"
      "and a decimal-point position: 1.5 is \"1500000\" with decimal point 1.\n";
  return text;
}

std::vector<std::string> checkSettingValues(const std::map<std::string, std::string>& values,
                                            const CropSettings& settings) {
  std::vector<std::string> problems;
  for (const auto& [key, value] : values) {
    const size_t slash = key.find('/');
    const SettingRow* row = findSetting(key.substr(0, slash), key.substr(slash + 1));
    if (!row) continue;
    const std::string prefix = "--set \"" + key + "=" + value + "\": ";
    if (row->kind == SettingKind::kRealDigits) {
      if (!isDigitString(value))
        problems.push_back(prefix + "the value must be up to seven digits.");
      continue;
    }
    int number = 0;
    if (!parseInt(value, number)) continue;  // the store reports what is not an integer
    if (!isValidSettingValue(*row, number, settings))
      problems.push_back(prefix + "the value must be " + settingRangeText(*row) + ".");
  }
  return problems;
}

}  // namespace trimlet
