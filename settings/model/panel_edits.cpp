// The panel's edit fields (see panel_edits.h).
#include "settings/model/panel_edits.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "settings/model/panel_ids.h"

namespace trimlet {

namespace {

using namespace panel;

template <int CropSettings::*Member>
int* intField(CropSettings& s) {
  return &(s.*Member);
}

template <float CropSettings::*Member>
float* realField(CropSettings& s) {
  return &(s.*Member);
}

PanelEdit integerEdit(int id, int* (*field)(CropSettings&)) {
  return PanelEdit{id, EditKind::kInteger, field, nullptr};
}

PanelEdit realEdit(int id, float* (*field)(CropSettings&)) {
  return PanelEdit{id, EditKind::kReal, nullptr, field};
}

bool isSpace(char c) { return c == ' ' || c == '\t'; }

// The text without its leading and trailing spaces.
std::string trimmed(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

}  // namespace

const std::vector<PanelEdit>& panelEdits() {
  static const std::vector<PanelEdit> edits = {
      integerEdit(kCropXEdit, &intField<&CropSettings::cropX>),
      integerEdit(kCropYEdit, &intField<&CropSettings::cropY>),
      integerEdit(kCropWidthEdit, &intField<&CropSettings::cropWidth>),
      integerEdit(kCropHeightEdit, &intField<&CropSettings::cropHeight>),
      realEdit(kRatioWidthEdit, &realField<&CropSettings::fixedRatioWidth>),
      realEdit(kRatioHeightEdit, &realField<&CropSettings::fixedRatioHeight>),
      realEdit(kRotationEdit, &realField<&CropSettings::rotationDegree>),
      integerEdit(kToleranceEdit, &intField<&CropSettings::tolerance>),
      integerEdit(kCutValueEdit, &intField<&CropSettings::cutValue>),
      integerEdit(kFixedWidthEdit, &intField<&CropSettings::fixedWidth>),
      integerEdit(kFixedHeightEdit, &intField<&CropSettings::fixedHeight>),
      integerEdit(kSidePixelEdit, &intField<&CropSettings::sidePixel>),
  };
  return edits;
}

const PanelEdit* findPanelEdit(int id) {
  for (const PanelEdit& edit : panelEdits())
    if (edit.id == id) return &edit;
  return nullptr;
}

std::optional<int> parseInteger(const std::string& text) {
  const std::string t = trimmed(text);
  if (t.empty()) return std::nullopt;
  size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
  if (i == t.size()) return std::nullopt;
  for (size_t j = i; j < t.size(); ++j)
    if (t[j] < '0' || t[j] > '9') return std::nullopt;
  errno = 0;
  const long long value = std::strtoll(t.c_str(), nullptr, 10);
  if (errno == ERANGE || value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<float> parseReal(const std::string& text) {
  const std::string t = trimmed(text);
  if (t.empty()) return std::nullopt;
  // Digits, one point, an exponent: no "inf", "nan" or hexadecimal forms.
  for (char c : t) {
    const bool allowed =
        (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    if (!allowed) return std::nullopt;
  }
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size() || errno == ERANGE || !std::isfinite(value) ||
      std::fabs(value) > 3.0e38)
    return std::nullopt;
  return static_cast<float>(value);
}

std::string formatReal(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6g", static_cast<double>(value));
  return text;
}

std::string editText(const PanelEdit& edit, CropSettings& settings) {
  if (edit.kind == EditKind::kInteger) return std::to_string(*edit.integer(settings));
  return formatReal(*edit.real(settings));
}

bool commitEdit(const PanelEdit& edit, const std::string& text, CropSettings& settings) {
  if (edit.kind == EditKind::kInteger) {
    const std::optional<int> value = parseInteger(text);
    if (!value) return false;
    *edit.integer(settings) = *value;
    return true;
  }
  const std::optional<float> value = parseReal(text);
  if (!value) return false;
  *edit.real(settings) = *value;
  return true;
}

}  // namespace trimlet
