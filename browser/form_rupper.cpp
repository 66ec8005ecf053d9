// The file list pane: start-up and shutdown, filling from a folder, the
// view mode and the double-click into a folder.
#include "browser/form_rupper.h"

#include <filesystem>

#include "browser/browser_text.h"
#include "browser/model/list_row.h"
#include "browser/shell_file_list.h"
#include "imagefile/image_format.h"
#include "pipeline/image_pipeline.h"

namespace trimlet {

namespace {

constexpr int kInset = 5;
const char* const kLastFileSection = "Last Selected File";
const char* const kLastFileValue = "File Path";

bool entryExists(const QString& path) {
  std::error_code ec;
  return std::filesystem::exists(toNative(path), ec);
}

bool isImageFile(const QString& path) {
  std::error_code ec;
  const std::string native = toNative(path);
  return isImageFileName(native) && std::filesystem::exists(native, ec) &&
         !std::filesystem::is_directory(native, ec);
}

}  // namespace

CFormRUpper::CFormRUpper(QWidget* parent) : QWidget(parent) {
  list_ = new CShellFileList(this);
  connect(list_, &CShellFileList::itemChanged, this, &CFormRUpper::OnItemChanged);
  connect(list_, &CShellFileList::itemDoubleClicked, this, &CFormRUpper::OnDoubleClick);
  theApp().ListPane = this;
}

CFormRUpper::~CFormRUpper() {
  CKivoApp& app = theApp();
  if (app.Store) app.Store->writeString(kLastFileSection, kLastFileValue, toNative(selectedPath_));
  if (app.ListPane == this) app.ListPane = nullptr;
}

void CFormRUpper::InitialUpdate() {
  if (initialised_) return;
  initialised_ = true;
  CKivoApp& app = theApp();
  if (app.Store)
    selectedPath_ = fromNative(app.Store->readString(kLastFileSection, kLastFileValue, ""));
  if (!selectedPath_.isEmpty() && entryExists(selectedPath_)) {
    selectedName_ = selectedPath_.mid(selectedPath_.lastIndexOf('/') + 1);
    noFileChosen_ = 0;
  } else {
    selectedName_.clear();
  }
  SetViewMode(app.MainFrame ? app.MainFrame->GetViewMode() : ViewMode::kLargeIcon);
  list_->setGeometry(rect().adjusted(kInset, kInset, -kInset, -kInset));
}

void CFormRUpper::showEvent(QShowEvent* event) {
  InitialUpdate();
  QWidget::showEvent(event);
}

void CFormRUpper::resizeEvent(QResizeEvent* event) {
  list_->setGeometry(rect().adjusted(kInset, kInset, -kInset, -kInset));
  QWidget::resizeEvent(event);
}

void CFormRUpper::SetViewMode(ViewMode mode) { list_->SetViewStyle(mode); }

void CFormRUpper::DeleteAllItems() { list_->DeleteAllItems(); }

void CFormRUpper::FillFromFolder(const QString& folder) {
  CKivoApp& app = theApp();
  listFolder_ = folder;
  list_->SetFolder(folder);
  // The remembered entry counts only when it is an image file: a folder
  // clicked last is no picture to show.
  if (!selectedName_.isEmpty() && isImageFile(listFolder_ + selectedName_)) {
    const int row = list_->rowOfName(selectedName_);
    if (row >= 0) list_->selectAndFocus(row);
    if (app.PreviewPane) {
      ImagePipeline& pipeline = app.PreviewPane->Pipeline();
      pipeline.setImageShown(true);
      pipeline.setCurrentFileName(toNative(selectedName_));
    }
    if (app.SettingsPane) app.SettingsPane->EnableForCurrentImage();
    selectedPath_ = listFolder_ + selectedName_;
  } else if (app.SettingsPane) {
    app.SettingsPane->disableAll();
  }
}

void CFormRUpper::OnDoubleClick(int row) {
  const QString name = list_->itemText(row, kColumnName);
  const QString type = list_->itemText(row, kColumnType);
  CKivoApp& app = theApp();
  if (type == directoryTypeText()) {
    QString path = listFolder_ + name;
    if (!path.endsWith('/')) path += '/';
    if (app.LeftPane && app.LeftPane->SelectFolder(path)) {
      if (app.PreviewPane) app.PreviewPane->Pipeline().setCurrentFolder(toNative(path));
      listFolder_ = path;
      app.CurrentFolder = path;
    }
  }
  if (selectedName_ != name) selectedName_ = name;
}

}  // namespace trimlet
