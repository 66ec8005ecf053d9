#pragma once
// The command ids of the main frame and the ids of its bars and status
// panes. Each QAction carries its id as its object name ("32776"), each
// status pane likewise, so that tests and other panes find them by id.

namespace trimlet::cmd {

// Commands of the menu, toolbar and accelerators.
inline constexpr int kThumbnailView = 32771;  // View > Thumbnail, Ctrl+4
inline constexpr int kLargeIconView = 32772;  // View > Large Icon, Ctrl+1
inline constexpr int kSmallIconView = 32773;  // View > Small Icon, Ctrl+2
inline constexpr int kBatchProcess = 32775;   // File > Batch Process, Ctrl+B
inline constexpr int kSaveImage = 32776;      // File > Save Image, Ctrl+S
inline constexpr int kHelpContents = 32777;   // Help > Contents
inline constexpr int kParentFolder = 32778;   // toolbar only
inline constexpr int kManualCrop = 32797;     // File > Manual Crop..., Ctrl+M
inline constexpr int kDetailsView = 32801;    // View > Details, Ctrl+3
inline constexpr int kAppAbout = 57664;       // Help > About kivo...
inline constexpr int kAppExit = 57665;        // File > Exit, Alt+X

// The bars of the frame (the framework's standard child ids).
inline constexpr int kToolBarId = 59392;
inline constexpr int kStatusBarId = 59393;

// Status bar panes 1 to 7 (pane 0, the message pane, has no id).
inline constexpr int kPaneOriginalSize = 61204;  // "Original Size"
inline constexpr int kPaneAfterCrop = 61205;     // "After Crop"
inline constexpr int kPaneSourceSize = 61206;    // "%d x %-d" of the source
inline constexpr int kPaneResultSize = 61207;    // "%d x %-d" of the result
inline constexpr int kPaneSourceScale = 61208;   // "%d%%" of the source view
inline constexpr int kPaneResultScale = 61209;   // "%d%%" of the result view
inline constexpr int kPaneGap = 61210;           // 56 spaces

}  // namespace trimlet::cmd
