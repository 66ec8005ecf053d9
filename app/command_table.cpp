// The frame's command table (see command_table.h).
#include "app/command_table.h"

#include "app/command_ids.h"

namespace trimlet {

const std::vector<CommandInfo>& commandTable() {
  using namespace cmd;
  static const std::vector<CommandInfo> table = {
      {kThumbnailView, "&Thumbnail\tCtrl+4", "Thumbnail view.", "Thumbnail",
       ":/app/toolbar/thumbnails.png", true, true},
      {kLargeIconView, "&Large Icon\tCtrl+1", "Large icon view.", "Icon",
       ":/app/toolbar/large_icons.png", true, true},
      {kSmallIconView, "&Small Icon\tCtrl+2", "Small icon view.", "List", ":/app/toolbar/list.png",
       true, true},
      {kBatchProcess, "&Batch Process\tCtrl+B", "Batch processing for selected directory",
       "Batch process", ":/app/toolbar/batch.png", false, true},
      {kSaveImage, "&Save Image\tCtrl+S", "Save previewed image", "Save Image",
       ":/app/toolbar/save.png", false, true},
      // The help command has no prompt string of its own.
      {kHelpContents, "&Contents", "", "", ":/app/toolbar/help.png", false, true},
      {kParentFolder, "Open parent directory", "Move to parent directory.", "Open parent directory",
       ":/app/toolbar/parent_folder.png", false, true},
      {kManualCrop, "&Manual Crop...\tCtrl+M", "Crop one image by hand", "Manual Crop",
       ":/app/toolbar/manual_crop.png", false, false},
      {kDetailsView, "&Details\tCtrl+3", "Report view.", "Report", ":/app/toolbar/details.png",
       true, true},
      {kAppAbout, "&About kivo...", "Display program information, version number and copyright",
       "About", nullptr, false, true},
      {kAppExit, "E&xit", "Quit the application; prompts to save documents", "Exit", nullptr, false,
       true},
  };
  return table;
}

const CommandInfo* findCommand(int id) {
  for (const CommandInfo& info : commandTable()) {
    if (info.id == id) return &info;
  }
  return nullptr;
}

const std::vector<MenuPopup>& menuLayout() {
  using namespace cmd;
  static const std::vector<MenuPopup> layout = {
      {"&File", {kSaveImage, kSeparator, kBatchProcess, kManualCrop, kSeparator, kAppExit}},
      {"&View", {kLargeIconView, kSmallIconView, kDetailsView, kThumbnailView}},
      {"&Help", {kHelpContents, kSeparator, kAppAbout}},
  };
  return layout;
}

const std::vector<int>& toolBarLayout() {
  using namespace cmd;
  static const std::vector<int> layout = {
      kSaveImage,     kBatchProcess,  kManualCrop,  kSeparator,     kParentFolder, kSeparator,
      kLargeIconView, kSmallIconView, kDetailsView, kThumbnailView, kSeparator,    kHelpContents,
  };
  return layout;
}

const std::vector<Accelerator>& acceleratorTable() {
  using namespace cmd;
  static const std::vector<Accelerator> table = {
      {"Ctrl+1", kLargeIconView}, {"Ctrl+2", kSmallIconView}, {"Ctrl+3", kDetailsView},
      {"Ctrl+4", kThumbnailView}, {"Ctrl+B", kBatchProcess},  {"Ctrl+S", kSaveImage},
      {"Ctrl+M", kManualCrop},    {"Alt+X", kAppExit},
  };
  return table;
}

}  // namespace trimlet

namespace trimlet {

std::optional<ViewMode> viewModeOf(int id) {
  switch (id) {
    case cmd::kLargeIconView: return ViewMode::kLargeIcon;
    case cmd::kSmallIconView: return ViewMode::kSmallIcon;
    case cmd::kDetailsView: return ViewMode::kDetails;
    case cmd::kThumbnailView: return ViewMode::kThumbnail;
    default: return std::nullopt;
  }
}

int viewCommandOf(ViewMode mode) {
  switch (mode) {
    case ViewMode::kLargeIcon: return cmd::kLargeIconView;
    case ViewMode::kSmallIcon: return cmd::kSmallIconView;
    case ViewMode::kDetails: return cmd::kDetailsView;
    case ViewMode::kThumbnail: return cmd::kThumbnailView;
  }
  return 0;
}

}  // namespace trimlet
