#pragma once
// The file browser's control and resource ids. Each widget carries its id as
// its object name, so tests find a control by its id.

namespace trimlet::browser_ids {

constexpr int kFolderTreePane = 130;   // the folder tree pane (CFormLeft)
constexpr int kFileListPane = 132;     // the file list pane (CFormRUpper)
constexpr int kFolderTree = 1007;      // CShellFolderTree
constexpr int kFileList = 1002;        // CShellFileList
constexpr int kFolderThumbnail = 210;  // the folder picture of the thumbnail view

constexpr const char* kFolderTreeName = "1007";
constexpr const char* kFileListName = "1002";

// The pictures drawn for the browser (browser/resources).
constexpr const char* kFolderThumbnailResource = ":/browser/folder_thumbnail.png";
constexpr const char* kPlaceholderResource = ":/browser/thumbnail_placeholder.png";
constexpr const char* kComputerIconResource = ":/browser/computer.png";
constexpr const char* kDesktopIconResource = ":/browser/desktop.png";

}  // namespace trimlet::browser_ids
