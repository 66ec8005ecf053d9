// Reading and writing CropSettings through a ProfileStore, split by owner:
// the settings panel's values and the preview pane's values.
#include "engine/settings/settings_persistence.h"

#include "engine/settings/real_number.h"
#include "engine/settings/setting_table.h"
#include "engine/settings/settings_keys.h"

namespace trimlet {
namespace {

// The three parts of a real number while its rows are read.
struct RealParts {
  float (*get)(const CropSettings&) = nullptr;
  void (*set)(CropSettings&, float) = nullptr;
  std::string digits;
  int decimalPoint = 0;
  int sign = 0;
};

RealParts& partsOf(std::vector<RealParts>& reals, const SettingRow& row) {
  for (RealParts& parts : reals)
    if (parts.set == row.setReal) return parts;
  reals.push_back(RealParts{row.getReal, row.setReal, {}, 0, 0});
  return reals.back();
}

// Reads the owner's rows in table order. Values are taken as they are; a
// real is rebuilt from its parts once all of them were read.
void readRows(ProfileStore& store, CropSettings& s, SettingOwner owner) {
  std::vector<RealParts> reals;
  for (const SettingRow& row : settingTable()) {
    if (row.owner != owner) continue;
    switch (row.kind) {
      case SettingKind::kInt:
      case SettingKind::kFlag:
      case SettingKind::kChoice:
        row.setInt(s, store.readInt(row.section, row.name, row.defaultValue));
        break;
      case SettingKind::kColour: {
        Rgb color;
        color.red = store.readInt(row.section, keys::kRed, row.defaultValue);
        color.green = store.readInt(row.section, keys::kGreen, row.defaultValue);
        color.blue = store.readInt(row.section, keys::kBlue, row.defaultValue);
        row.setColour(s, color);
        break;
      }
      case SettingKind::kRealDigits:
        partsOf(reals, row).digits = store.readString(row.section, row.name, row.defaultText);
        break;
      case SettingKind::kRealPoint:
        partsOf(reals, row).decimalPoint = store.readInt(row.section, row.name, row.defaultValue);
        break;
      case SettingKind::kRealSign:
        partsOf(reals, row).sign = store.readInt(row.section, row.name, row.defaultValue);
        break;
    }
  }
  for (const RealParts& parts : reals)
    parts.set(s, decodeReal(parts.digits, parts.decimalPoint, parts.sign));
}

void writeRows(ProfileStore& store, const CropSettings& s, SettingOwner owner) {
  for (const SettingRow& row : settingTable()) {
    if (row.owner != owner) continue;
    switch (row.kind) {
      case SettingKind::kInt:
      case SettingKind::kFlag:
      case SettingKind::kChoice: store.writeInt(row.section, row.name, row.getInt(s)); break;
      case SettingKind::kColour: {
        const Rgb color = row.getColour(s);
        store.writeInt(row.section, keys::kRed, color.red);
        store.writeInt(row.section, keys::kGreen, color.green);
        store.writeInt(row.section, keys::kBlue, color.blue);
        break;
      }
      case SettingKind::kRealDigits:
      case SettingKind::kRealPoint:
      case SettingKind::kRealSign: {
        float value = row.getReal(s);
        if (row.clampForStore) value = row.clampForStore(value);
        const StoredReal stored = encodeReal(value);
        if (row.kind == SettingKind::kRealDigits)
          store.writeString(row.section, row.name, stored.digits);
        else
          store.writeInt(row.section, row.name,
                         row.kind == SettingKind::kRealPoint ? stored.decimalPoint : stored.sign);
        break;
      }
    }
  }
}

}  // namespace

void readPanelSettings(ProfileStore& store, CropSettings& s) {
  readRows(store, s, SettingOwner::kPanel);
  // Never stored: every read starts them afresh. autoRotate and
  // regularRectangle belong to the preview's values and stay as they are.
  s.maxFilterSize = kMaxFilterSize;
  s.inwardCutLimit = 0;
  s.imageSeen = 0;
  s.additive = 0;
  s.cutLeft = s.cutRight = s.cutTop = s.cutBottom = 0;
}

void writePanelSettings(ProfileStore& store, const CropSettings& s) {
  writeRows(store, s, SettingOwner::kPanel);
}

EdgeType readPreviewSettings(ProfileStore& store, CropSettings& s) {
  readRows(store, s, SettingOwner::kPreview);
  return static_cast<EdgeType>(store.readInt(keys::kCropEdgeInfo, keys::kEdgeType, 0));
}

void writePreviewSettings(ProfileStore& store, const CropSettings& s) {
  writeRows(store, s, SettingOwner::kPreview);
}

}  // namespace trimlet
