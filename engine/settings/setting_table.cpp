// The settings table (see setting_table.h).
#include "engine/settings/setting_table.h"

#include <climits>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "engine/settings/real_number.h"

namespace trimlet {

namespace {

// --- Accessors, one instance per member. ----------------------------------

template <auto Member>
int getInteger(const CropSettings& s) {
  return static_cast<int>(s.*Member);
}

template <auto Member>
void setInteger(CropSettings& s, int value) {
  using Field = std::remove_reference_t<decltype(s.*Member)>;
  s.*Member = static_cast<Field>(value);
}

template <auto Member>
float getRealMember(const CropSettings& s) {
  return s.*Member;
}

template <auto Member>
void setRealMember(CropSettings& s, float value) {
  s.*Member = value;
}

template <auto Member>
Rgb getColourMember(const CropSettings& s) {
  return s.*Member;
}

template <auto Member>
void setColourMember(CropSettings& s, const Rgb& value) {
  s.*Member = value;
}

struct IntField {
  int (*get)(const CropSettings&);
  void (*set)(CropSettings&, int);
  const char* name;
};
struct RealField {
  float (*get)(const CropSettings&);
  void (*set)(CropSettings&, float);
  const char* name;
  float (*clampForStore)(float);
};
struct ColourField {
  Rgb (*get)(const CropSettings&);
  void (*set)(CropSettings&, const Rgb&);
  const char* name;
};

#define TRIMLET_INT_FIELD(member) \
  IntField { &getInteger<&CropSettings::member>, &setInteger<&CropSettings::member>, #member }
#define TRIMLET_REAL_FIELD(member, clamp)                                                        \
  RealField {                                                                                    \
    &getRealMember<&CropSettings::member>, &setRealMember<&CropSettings::member>, #member, clamp \
  }
#define TRIMLET_COLOUR_FIELD(member)                                                          \
  ColourField {                                                                               \
    &getColourMember<&CropSettings::member>, &setColourMember<&CropSettings::member>, #member \
  }

// --- Row makers. ----------------------------------------------------------

// What every row states: where it is stored, its kind and field, its
// default and range, and its help.
SettingRow baseRow(SettingOwner owner, const char* section, const char* name, SettingKind kind,
                   const char* field, int defaultValue, const char* defaultText, int low, int high,
                   const char* help) {
  SettingRow row{};
  row.owner = owner;
  row.section = section;
  row.name = name;
  row.kind = kind;
  row.field = field;
  row.defaultValue = defaultValue;
  row.defaultText = defaultText;
  row.low = low;
  row.high = high;
  row.help = help;
  return row;
}

SettingRow integer(SettingOwner owner, const char* section, const char* name, SettingKind kind,
                   IntField f, int defaultValue, int low, int high, const char* help,
                   const char* const* choices = nullptr) {
  SettingRow row = baseRow(owner, section, name, kind, f.name, defaultValue, "", low, high, help);
  row.choices = choices;
  row.getInt = f.get;
  row.setInt = f.set;
  return row;
}

SettingRow number(SettingOwner owner, const char* section, const char* name, IntField f,
                  int defaultValue, int low, int high, const char* help,
                  bool (*accepts)(int, const CropSettings&) = nullptr,
                  const char* rangeText = nullptr) {
  SettingRow row =
      integer(owner, section, name, SettingKind::kInt, f, defaultValue, low, high, help);
  row.accepts = accepts;
  row.rangeText = rangeText;
  return row;
}

bool oddFilterSize(int value, const CropSettings&) { return normaliseFilterSize(value) == value; }

bool thresholdWithinWindow(int value, const CropSettings& s) {
  return int64_t(value) <= int64_t(s.filterSize) * s.filterSize;
}

bool cutValueInUnit(int value, const CropSettings& s) {
  return s.cutType != CutType::kPercent || value <= 100;
}

SettingRow flag(SettingOwner owner, const char* section, const char* name, IntField f,
                int defaultValue, const char* help) {
  return integer(owner, section, name, SettingKind::kFlag, f, defaultValue, 0, 1, help);
}

template <size_t N>
SettingRow choice(SettingOwner owner, const char* section, const char* name, IntField f,
                  int defaultValue, const char* const (&names)[N], const char* help) {
  return integer(owner, section, name, SettingKind::kChoice, f, defaultValue, 0,
                 static_cast<int>(N) - 1, help, names);
}

SettingRow realPart(SettingOwner owner, const char* section, const char* name, SettingKind kind,
                    RealField f, int defaultValue, const char* defaultText, int low, int high,
                    const char* help) {
  SettingRow row =
      baseRow(owner, section, name, kind, f.name, defaultValue, defaultText, low, high, help);
  row.getReal = f.get;
  row.setReal = f.set;
  row.clampForStore = f.clampForStore;
  return row;
}

SettingRow colour(SettingOwner owner, const char* section, ColourField f, const char* help) {
  SettingRow row = baseRow(owner, section, "", SettingKind::kColour, f.name, 255, "", 0, 255, help);
  row.getColour = f.get;
  row.setColour = f.set;
  return row;
}

const char* const kModeNames[] = {"Auto Crop", "Manual Crop"};
const char* const kSizeModeNames[] = {"Width and Height", "Side Length"};
const char* const kSideNames[] = {"Long", "Short"};
const char* const kEdgeNames[] = {"All", "Left", "Right", "Top", "Bottom"};
const char* const kCutTypeNames[] = {"%", "Pixel"};
const char* const kDirectionNames[] = {"Outward", "Inward"};
const char* const kFormatNames[] = {"JPEG", "Targa", "Windows bitmap", "Same as source", "PNG"};

constexpr const char* kManual = "Manual Crop Info";
constexpr const char* kAuto = "Auto Crop Info";
constexpr const char* kEdge = "Crop Edge Info";
constexpr const char* kFixed = "Fixed Size Info";
constexpr const char* kNoise = "Noise Filtering";
constexpr const char* kImage = "Image Option";

std::vector<SettingRow> makeTable() {
  const SettingOwner P = SettingOwner::kPanel;
  const SettingOwner V = SettingOwner::kPreview;
  const RealField ratioWidth = TRIMLET_REAL_FIELD(fixedRatioWidth, nullptr);
  const RealField ratioHeight = TRIMLET_REAL_FIELD(fixedRatioHeight, nullptr);
  const RealField rotation = TRIMLET_REAL_FIELD(rotationDegree, &clampRotationForStore);
  using K = SettingKind;
  return {
      // The settings panel, in the order its construction reads them.
      number(P, kEdge, "Cut Value", TRIMLET_INT_FIELD(cutValue), 0, 0, INT_MAX,
             "edge amount, in the unit of Cut Type", &cutValueInUnit,
             "0 or more, at most 100 in percent"),
      number(P, kAuto, "Tolerance", TRIMLET_INT_FIELD(tolerance), 0, 0, 100,
             "how far a colour may differ from the crop colour and still be background"),
      number(P, kFixed, "Fixed Width", TRIMLET_INT_FIELD(fixedWidth), 0, 0, 10000,
             "width of the fixed size, in pixels"),
      number(P, kFixed, "Fixed Height", TRIMLET_INT_FIELD(fixedHeight), 0, 0, 10000,
             "height of the fixed size, in pixels"),
      realPart(P, kManual, "FixedRatio Height", K::kRealDigits, ratioHeight, 0, "1", 0, 0,
               "height term of the fixed ratio"),
      realPart(P, kManual, "FixedRatio Width", K::kRealDigits, ratioWidth, 0, "1", 0, 0,
               "width term of the fixed ratio"),
      choice(P, kManual, "Cropping Mode", TRIMLET_INT_FIELD(croppingMode), 0, kModeNames,
             "how the rectangle is found"),
      flag(P, kEdge, "Edge Check", TRIMLET_INT_FIELD(edgeCheck), 0,
           "cut into the result or add a frame around it"),
      flag(P, kManual, "Fixed Ratio", TRIMLET_INT_FIELD(fixedRatio), 0,
           "keep the manual rectangle at the fixed ratio"),
      flag(P, kManual, "FlipHorizontal", TRIMLET_INT_FIELD(flipHorizontal), 0,
           "mirror the result left to right (Manual Crop)"),
      flag(P, kManual, "FlipVertical", TRIMLET_INT_FIELD(flipVertical), 0,
           "mirror the result top to bottom (Manual Crop)"),
      flag(P, kFixed, "Fixed Size", TRIMLET_INT_FIELD(fixedSize), 0,
           "bring the result to a fixed size"),
      flag(P, kFixed, "FillColor Check", TRIMLET_INT_FIELD(fillColorCheck), 1,
           "put a fixed-size result on a canvas of the fill colour"),
      choice(P, kFixed, "Size Mode", TRIMLET_INT_FIELD(sizeMode), 0, kSizeModeNames,
             "fit into width and height, or scale one side"),
      number(P, kManual, "CropX", TRIMLET_INT_FIELD(cropX), 1, 0, INT_MAX,
             "left of the manual rectangle, in pixels"),
      number(P, kManual, "CropY", TRIMLET_INT_FIELD(cropY), 1, 0, INT_MAX,
             "top of the manual rectangle, in pixels"),
      number(P, kManual, "CropWidth", TRIMLET_INT_FIELD(cropWidth), 1, 1, INT_MAX,
             "width of the manual rectangle, in pixels"),
      number(P, kManual, "CropHeight", TRIMLET_INT_FIELD(cropHeight), 1, 1, INT_MAX,
             "height of the manual rectangle, in pixels"),
      realPart(P, kManual, "Rotation Degree", K::kRealDigits, rotation, 0, "0", 0, 0,
               "rotation in degrees (Manual Crop)"),
      realPart(P, kManual, "Decimal Point of Ratio Width", K::kRealPoint, ratioWidth, 7, "", -99,
               99, "decimal-point position of the ratio's width term"),
      realPart(P, kManual, "Decimal Point of Ratio Height", K::kRealPoint, ratioHeight, 7, "", -99,
               99, "decimal-point position of the ratio's height term"),
      realPart(P, kManual, "Sign of Rotation Degree", K::kRealSign, rotation, 0, "", 0, 1,
               "1 when the rotation is negative"),
      realPart(P, kManual, "Decimal Point", K::kRealPoint, rotation, 0, "", -99, 99,
               "decimal-point position of the rotation"),
      number(P, kNoise, "Filter Size", TRIMLET_INT_FIELD(filterSize), 3, 1, kMaxFilterSize,
             "side of the square noise filter, in pixels", &oddFilterSize, "odd, 1-49"),
      number(P, kNoise, "Noise Threshold", TRIMLET_INT_FIELD(noiseThreshold), 6, 0,
             kMaxFilterSize * kMaxFilterSize, "foreground pixels a filter window needs",
             &thresholdWithinWindow, "0 to Filter Size squared"),
      choice(P, kFixed, "Sel Side", TRIMLET_INT_FIELD(selSide), 0, kSideNames,
             "the side that Side Pixel sets"),
      number(P, kFixed, "Side Pixel", TRIMLET_INT_FIELD(sidePixel), 100, 0, 4000,
             "length of that side, in pixels"),
      choice(P, kEdge, "Edge Type", TRIMLET_INT_FIELD(edgeType), 0, kEdgeNames,
             "the sides the edge applies to"),
      choice(P, kEdge, "Cut Type", TRIMLET_INT_FIELD(cutType), 1, kCutTypeNames,
             "unit of the edge amount"),
      choice(P, kEdge, "Cut Direction", TRIMLET_INT_FIELD(cutDirection), 0, kDirectionNames,
             "add a frame around the result, or cut into it"),

      // The preview pane, in the order it reads them when first shown.
      choice(V, kImage, "Output Format", TRIMLET_INT_FIELD(outputFormat), 0, kFormatNames,
             "format of the files a batch writes"),
      number(V, kImage, "Jpeg quality", TRIMLET_INT_FIELD(jpegQuality), 75, 0, 100,
             "quality of every JPEG written"),
      flag(V, kImage, "Targa RLE", TRIMLET_INT_FIELD(targaRLE), 1,
           "write Targa files run-length encoded"),
      colour(V, "Fill Option", TRIMLET_COLOUR_FIELD(fillColor),
             "frame colour: the edge added around the result"),
      colour(V, "Background Option", TRIMLET_COLOUR_FIELD(backgroundColor),
             "crop colour: the background that Auto Crop removes"),
      colour(V, "FixedColor Option", TRIMLET_COLOUR_FIELD(fixedColor),
             "fill colour: the canvas around a fixed-size result"),
      flag(V, kImage, "Auto Rotate", TRIMLET_INT_FIELD(autoRotate), 0,
           "Auto Crop: measure the picture's tilt and straighten it"),
      flag(V, kImage, "Regular Rectangle", TRIMLET_INT_FIELD(regularRectangle), 0,
           "make the crop square"),
      // Read after the older values, whose order stays as it was.
      flag(V, kImage, "Split Photos", TRIMLET_INT_FIELD(splitPhotos), 0,
           "Auto Crop: every photo of the page becomes its own result"),
      number(V, kImage, "Min Photo Percent", TRIMLET_INT_FIELD(minPhotoPercent), 2, 0, 100,
             "smallest photo (or part of a picture) that counts, in % of the page"),
      flag(V, kImage, "Honour Orientation", TRIMLET_INT_FIELD(honourOrientation), 1,
           "turn pictures upright by their EXIF orientation as they are read"),
      flag(V, kImage, "Lossless JPEG", TRIMLET_INT_FIELD(losslessJpeg), 0,
           "cut JPEG results out of JPEG sources without encoding them again"),
  };
}

#undef TRIMLET_INT_FIELD
#undef TRIMLET_REAL_FIELD
#undef TRIMLET_COLOUR_FIELD

bool isColourComponent(const std::string& name) {
  return name == "Red" || name == "Green" || name == "Blue";
}

}  // namespace

const std::vector<SettingRow>& settingTable() {
  static const std::vector<SettingRow> table = makeTable();
  return table;
}

const SettingRow* findSetting(const std::string& section, const std::string& name) {
  for (const SettingRow& row : settingTable()) {
    if (section != row.section) continue;
    if (row.kind == SettingKind::kColour ? isColourComponent(name) : name == row.name) return &row;
  }
  return nullptr;
}

std::string choiceName(const SettingRow& row, int value) {
  if (!row.choices || value < row.low || value > row.high) return std::string();
  return row.choices[value - row.low];
}

bool isValidSettingValue(const SettingRow& row, int value, const CropSettings& settings) {
  if (row.kind == SettingKind::kRealDigits) return false;  // a string, not an integer
  if (value < row.low || value > row.high) return false;
  return !row.accepts || row.accepts(value, settings);
}

std::string settingRangeText(const SettingRow& row) {
  switch (row.kind) {
    case SettingKind::kFlag: return "0 or 1";
    case SettingKind::kRealDigits: return "up to seven digits";
    case SettingKind::kChoice: {
      std::string text;
      for (int v = row.low; v <= row.high; ++v)
        text += (text.empty() ? "" : ", ") + std::to_string(v) + " " + choiceName(row, v);
      return text;
    }
    default: break;
  }
  if (row.rangeText) return row.rangeText;
  if (row.high == INT_MAX) return std::to_string(row.low) + " or more";
  return std::to_string(row.low) + "-" + std::to_string(row.high);
}

}  // namespace trimlet
