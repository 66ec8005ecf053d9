#pragma once
// CFormRUpper: the file list pane (template 132), the application's
// ListPane.
//
// The pane holds the list (control 1002) inset by 5 pixels on every side,
// without scroll bars, and remembers the chosen file:
//   SelectedName   name of the chosen item, compared with every item notice
//   ListFolder     the folder shown, ending with "/"
//   SelectedPath   full path of the last chosen image file: read from
//                  "Last Selected File"/"File Path" at the initial update,
//                  written there when the pane is destroyed
//   NoFileChosen   true until a remembered file was found at start-up or an
//                  image file is chosen
// Choosing an image file fits the manual rectangle to the new image, opens
// it in the preview and places the source view's selection on the
// rectangle. A listed file that has vanished from the disk shows
// "The file you are selecting does not exist in this directory. Please
// refresh the directory." once for the burst of notices of one click, and
// clears the preview. Double-clicking a folder moves the tree into it.

#include <QWidget>

#include "app/base/kivo_app.h"

namespace trimlet {

class CShellFileList;

extern const char* const kVanishedFileMessage;

class CFormRUpper : public QWidget, public FileListPort {
  Q_OBJECT

 public:
  explicit CFormRUpper(QWidget* parent = nullptr);
  ~CFormRUpper() override;

  // Restores the chosen file and applies the frame's view mode; once.
  // Called by the frame before the window shows, or else at the first show.
  void InitialUpdate() override;

  // FileListPort
  void FillFromFolder(const QString& folder) override;
  void SetViewMode(ViewMode mode) override;
  QString SelectedName() const override { return selectedName_; }
  void SetSelectedName(const QString& name) override { selectedName_ = name; }
  QString ListFolder() const override { return listFolder_; }
  bool NoFileChosen() const override { return noFileChosen_ != 0; }
  void DeleteAllItems() override;

  const QString& SelectedPath() const { return selectedPath_; }
  int MissingNoticeCount() const { return missingNoticeCount_; }
  CShellFileList* fileList() const { return list_; }

  // The handlers of the list's notices (public for the list's signals).
  void OnItemChanged(int row);
  void OnDoubleClick(int row);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void onVanishedFile(const QString& name);
  void openChosenImage(const QString& name);

  CShellFileList* list_ = nullptr;
  QString selectedName_;
  QString listFolder_;
  QString selectedPath_;
  int noFileChosen_ = 1;
  int missingNoticeCount_ = 0;
  QString missingName_;
  bool initialised_ = false;
};

}  // namespace trimlet
