#pragma once
// The names of the profile store that lie outside the settings table
// (setting_table.h): the window's, the file list's and the image views'
// values, the three component names of a stored colour, and the edge type
// that the preview reads as its starting copy. They are the names found in
// existing profiles and must not change.

namespace trimlet::keys {

// The preview's starting copy of the edge type.
inline constexpr const char* kCropEdgeInfo = "Crop Edge Info";
inline constexpr const char* kEdgeType = "Edge Type";

// Each colour section holds the three components under these names.
inline constexpr const char* kRed = "Red";
inline constexpr const char* kGreen = "Green";
inline constexpr const char* kBlue = "Blue";

// --- Main frame. ---------------------------------------------------------
inline constexpr const char* kWindowInfo = "Window Info";
inline constexpr const char* kWindowLeft = "left";
inline constexpr const char* kWindowTop = "top";
inline constexpr const char* kWindowRight = "right";
inline constexpr const char* kWindowBottom = "bottom";
inline constexpr const char* kMaximized = "Maximized";
inline constexpr const char* kViewMode = "ViewMode";

// --- File list. ----------------------------------------------------------
inline constexpr const char* kLastSelectedFile = "Last Selected File";
inline constexpr const char* kFilePath = "File Path";

// --- Image view controls. ------------------------------------------------
inline constexpr const char* kControls = "Controls";
inline constexpr const char* kKeyControll = "KeyControll";
inline constexpr const char* kWholeSelect = "WholeSelect";

}  // namespace trimlet::keys
