#pragma once
// The settings table: every stored value of CropSettings, declared once.
//
// One row per value of the profile store: its owner (the settings panel or
// the preview pane), section and value name, kind, default, accepted range,
// the names of its choices, a line of help, and how it reaches its field.
// The rows of each owner stand in the order in which that owner reads them at
// start-up; reading, writing, the command line's --set checks and help, and
// the settings pane's account of the values all go through this table.
//
// Kinds:
//   kInt     a 32-bit integer in low..high
//   kFlag    0 or 1
//   kChoice  a code low..high; choices[v - low] names value v
//   kColour  one colour: three integer values "Red", "Green", "Blue", 0-255
//            each, in the row's section
//   kRealDigits, kRealPoint, kRealSign
//            the parts of a real number in the seven-digit form
//            (real_number.h): its digit string (a string value), its
//            decimal-point position and, for a signed real, its sign flag;
//            the three rows of one real share its accessors.
//
// Values outside the range are kept on reading (the next gather brings them
// back); `isValidSettingValue` tells whether a value typed by a user may be
// taken as it is.
//
// Adding a stored setting: a member of CropSettings and one row here (a row
// per part for a real).

#include <string>
#include <vector>

#include "engine/image/color.h"
#include "engine/settings/crop_settings.h"

namespace trimlet {

enum class SettingOwner { kPanel, kPreview };
enum class SettingKind { kInt, kFlag, kChoice, kColour, kRealDigits, kRealPoint, kRealSign };

struct SettingRow {
  SettingOwner owner;
  const char* section;
  const char* name;
  SettingKind kind;
  const char* field;        // the CropSettings member, for help and messages
  int defaultValue;         // of an integer value; of each component of a colour
  const char* defaultText;  // of a digit string ("1" reads as 1.0, "0" as 0.0)
  int low;
  int high;
  const char* const* choices;  // kChoice: high - low + 1 names, else nullptr
  const char* help;

  // How the row reaches its field; only those of its kind are set.
  int (*getInt)(const CropSettings&);
  void (*setInt)(CropSettings&, int);
  float (*getReal)(const CropSettings&);
  void (*setReal)(CropSettings&, float);
  Rgb (*getColour)(const CropSettings&);
  void (*setColour)(CropSettings&, const Rgb&);
  // For a real: the clamp applied before it is written (the rotation's), or
  // nullptr.
  float (*clampForStore)(float);
  // A check beyond the range (a filter size is odd), or nullptr; and the
  // words for what the row accepts when the range alone does not say it.
  bool (*accepts)(int value, const CropSettings& settings);
  const char* rangeText;
};

// Every row, the panel's in its read order, then the preview's in its.
const std::vector<SettingRow>& settingTable();

// The row of "Section" / "Value name", or nullptr. A colour row answers for
// its three component names.
const SettingRow* findSetting(const std::string& section, const std::string& name);

// The choice name of `value` ("All", "Pixel" ...), or empty when the row has
// no choices or the value is out of range.
std::string choiceName(const SettingRow& row, int value);

// Whether `value` may be taken as it is for the row (integers, flags, choices,
// colour components, decimal points and signs): inside the row's range and,
// where the gather normalises the value, unchanged by it (a filter size is
// odd; a threshold is at most the square of `settings`' filter size).
bool isValidSettingValue(const SettingRow& row, int value, const CropSettings& settings);

// What isValidSettingValue accepts, in words: "0-100", "odd, 1-49", "0 or 1",
// "0 All, 1 Left, 2 Right, 3 Top, 4 Bottom".
std::string settingRangeText(const SettingRow& row);

}  // namespace trimlet
