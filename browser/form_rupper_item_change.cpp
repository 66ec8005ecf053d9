// The file list pane's handler of item notices: choosing a file or folder,
// and the file that vanished from the disk.

#include <filesystem>

#include "app/base/message_box.h"
#include "browser/browser_text.h"
#include "browser/form_rupper.h"
#include "browser/model/list_row.h"
#include "browser/shell_file_list.h"
#include "imagefile/image_format.h"
#include "imagefile/image_size.h"
#include "pipeline/image_pipeline.h"
#include "preview/model/image_view_model.h"
#include "preview/model/new_image_fit.h"

namespace trimlet {

const char* const kVanishedFileMessage =
    "The file you are selecting does not exist in this directory. Please refresh the directory.";

namespace {

// The size of the picture in `path` as the preview will read it (turned
// upright for its EXIF orientation), from the file's header alone: the
// preview decodes the picture itself. 0 x 0 when the header cannot be read.
QSize headerSize(SourceFormat format, const QString& path) {
  Result<ImageSize> size = readImageSize(format, toNative(path));
  if (!size) return QSize(0, 0);
  return QSize(size->width, size->height);
}

}  // namespace

void CFormRUpper::onVanishedFile(const QString& name) {
  if (name != missingName_) {
    missingNoticeCount_ = 0;
    missingName_ = name;
  }
  if (name == selectedName_) return;
  // One click gives a burst of notices: the message comes with the first.
  switch (missingNoticeCount_) {
    case 0:
      missingNoticeCount_ = 1;
      if (theApp().PreviewPane) theApp().PreviewPane->ClearPreview();
      selectedName_.clear();
      ShowMessage(QString::fromLatin1(kVanishedFileMessage));
      break;
    case 1:
      missingNoticeCount_ = 2;
      selectedName_.clear();
      break;
    default:
      missingNoticeCount_ = 0;
      selectedName_.clear();
      break;
  }
}

void CFormRUpper::OnItemChanged(int row) {
  CKivoApp& app = theApp();
  const QString name = list_->itemText(row, kColumnName);
  const QString type = list_->itemText(row, kColumnType);
  std::error_code ec;
  const bool exists = std::filesystem::exists(toNative(listFolder_ + name), ec);
  if (type != directoryTypeText() && !exists) {
    onVanishedFile(name);
    return;
  }
  if (app.ListSorting) return;
  if (name == selectedName_) return;
  missingNoticeCount_ = 0;
  selectedName_ = name;
  if (type == directoryTypeText()) {
    if (app.PreviewPane) app.PreviewPane->ClearPreview();
    return;
  }
  selectedPath_ = listFolder_ + name;
  if (app.SettingsPane) {
    app.SettingsPane->CommitControls();
    app.SettingsPane->EnableForCurrentImage();
    app.SettingsPane->showFields();
  }
  noFileChosen_ = 0;
  openChosenImage(name);
}

void CFormRUpper::openChosenImage(const QString& name) {
  CKivoApp& app = theApp();
  const SourceFormat format = sourceFormatOf(toNative(name));
  if (format == SourceFormat::kNone || !app.PreviewPane) return;
  PreviewPanePort& preview = *app.PreviewPane;
  ImageViewModel& view = preview.SourceView();

  // Fit the manual rectangle to the new picture before it is opened.
  const QSize size = headerSize(format, app.CurrentFolder + name);
  if (app.SettingsPane) {
    CropSettings& fields = app.SettingsPane->fields();
    const CropRect panel{fields.cropX, fields.cropY, fields.cropWidth, fields.cropHeight};
    const CropRect fit =
        fitCropToNewImage(view.cropCopy(), panel, view.wholeSelect(), size.width(), size.height());
    fields.cropX = fit.x;
    fields.cropY = fit.y;
    fields.cropWidth = fit.width;
    fields.cropHeight = fit.height;
    app.SettingsPane->showFields();
  }

  preview.OpenImage(name);

  // Then place the source view's selection on the rectangle.
  if (!app.SettingsPane) return;
  const CropSettings& fields = app.SettingsPane->fields();
  const CropRect crop{fields.cropX, fields.cropY, fields.cropWidth, fields.cropHeight};
  const std::optional<ViewRect> selection =
      selectionForNewImage(crop, view.imageRect(), preview.Pipeline().source().width());
  if (selection) {
    view.placeSelection(*selection);
    preview.RepaintViews();
  }
}

}  // namespace trimlet
