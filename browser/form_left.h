#pragma once
// CFormLeft: the folder tree pane (template 130), the application's
// LeftPane.
//
// The pane holds the tree (control 1007) inset by 5 pixels on every side,
// without scroll bars. A new current node makes its folder the current one:
// the preview pane's FolderChanged(path) (which clears the preview and fills
// the file list) and CKivoApp::CurrentFolder = path, path ending with "/".
// Selecting "My Computer" only empties the file list. LastTreePath, the path
// handled last, keeps one folder from being handled twice in a row.
//
// The tree is built at the pane's initial update: InitialUpdate(), called
// by the frame before the window shows, or else at the first show.

#include <QWidget>

#include "app/base/kivo_app.h"

namespace trimlet {

class CShellFolderTree;

class CFormLeft : public QWidget, public FolderTreePort {
  Q_OBJECT

 public:
  explicit CFormLeft(QWidget* parent = nullptr);
  ~CFormLeft() override;

  void InitialUpdate() override;

  // FolderTreePort
  bool SelectFolder(const QString& path) override;
  void SelectAndRefreshFolder(const QString& path) override;
  void SelectCurrentFolder() override;

  CShellFolderTree* tree() const { return tree_; }
  const QString& LastTreePath() const { return lastTreePath_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void OnSelectionChanged();

  CShellFolderTree* tree_ = nullptr;
  QString lastTreePath_;
  bool initialised_ = false;
};

}  // namespace trimlet
