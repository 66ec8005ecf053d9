#pragma once
// Reading and writing CropSettings through a ProfileStore, split by owner,
// row by row of the settings table (setting_table.h).
//
// The panel's values are read in the table's order (that of its constructor:
// "Cut Value", "Tolerance", "Fixed Width", ... "Cut Direction") with their
// defaults, taken as they are (the first gather normalises them), and written
// at shutdown; the floats go through the seven-digit form, the rotation
// clamped first. The preview's values (output format, JPEG quality, Targa
// run-length, the three colours, Auto Rotate, Regular Rectangle, then Split
// Photos, Min Photo Percent, Honour Orientation, Lossless JPEG) likewise.
// Nothing else is stored: the side amounts, Additive, the inward limit and
// the image-seen flag start at 0 on every read.

#include "engine/settings/crop_settings.h"
#include "engine/settings/profile_store.h"

namespace trimlet {

// Fills the panel fields of `settings` and resets its unstored fields.
void readPanelSettings(ProfileStore& store, CropSettings& settings);
void writePanelSettings(ProfileStore& store, const CropSettings& settings);

// Fills the preview fields of `settings`; returns the stored "Crop Edge Info" /
// "Edge Type" (default 0), the initial edge type of the pipeline's settings copy.
EdgeType readPreviewSettings(ProfileStore& store, CropSettings& settings);
void writePreviewSettings(ProfileStore& store, const CropSettings& settings);

}  // namespace trimlet
