#pragma once
// The twelve edit fields of the crop settings panel: which field each one
// holds, whether it takes an integer or a real number, and how its text is
// read and written.
//
// Integers: optional spaces, an optional sign, decimal digits, optional
// spaces; anything else (or a value beyond 32 bits) is not an integer.
// Reals: the same around a decimal number with an optional exponent, and
// shown with six significant digits ("1.5", "1.33333", "-12.25").
//
// The edits in the order of the form: X, Y, W, H, ratio W, ratio H,
// rotation, tolerance, cut value, fixed W, fixed H, side length.

#include <optional>
#include <string>
#include <vector>

#include "engine/settings/crop_settings.h"

namespace trimlet {

enum class EditKind { kInteger, kReal };

struct PanelEdit {
  int id;
  EditKind kind;
  int* (*integer)(CropSettings&);  // kInteger
  float* (*real)(CropSettings&);   // kReal
};

const std::vector<PanelEdit>& panelEdits();
const PanelEdit* findPanelEdit(int id);

std::optional<int> parseInteger(const std::string& text);
std::optional<float> parseReal(const std::string& text);
std::string formatReal(float value);

// The text the edit shows for the field's value.
std::string editText(const PanelEdit& edit, CropSettings& settings);
// Reads `text` into the field; false (field unchanged) when it is not a
// number of the edit's kind.
bool commitEdit(const PanelEdit& edit, const std::string& text, CropSettings& settings);

}  // namespace trimlet
