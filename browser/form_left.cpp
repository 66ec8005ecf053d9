// The folder tree pane.
#include "browser/form_left.h"

#include "browser/shell_folder_tree.h"

namespace trimlet {

namespace {
constexpr int kInset = 5;
}

CFormLeft::CFormLeft(QWidget* parent) : QWidget(parent) {
  tree_ = new CShellFolderTree(this);
  connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { OnSelectionChanged(); });
  theApp().LeftPane = this;
}

CFormLeft::~CFormLeft() {
  if (theApp().LeftPane == this) theApp().LeftPane = nullptr;
}

void CFormLeft::InitialUpdate() {
  if (initialised_) return;
  initialised_ = true;
  tree_->BuildRoots(true);
}

void CFormLeft::showEvent(QShowEvent* event) {
  InitialUpdate();
  QWidget::showEvent(event);
}

void CFormLeft::resizeEvent(QResizeEvent* event) {
  tree_->setGeometry(rect().adjusted(kInset, kInset, -kInset, -kInset));
  QWidget::resizeEvent(event);
}

bool CFormLeft::SelectFolder(const QString& path) { return tree_->SelectPath(path); }

void CFormLeft::SelectAndRefreshFolder(const QString& path) { tree_->SelectPathAndRefresh(path); }

void CFormLeft::SelectCurrentFolder() { tree_->SelectPath(theApp().CurrentFolder); }

void CFormLeft::OnSelectionChanged() {
  QTreeWidgetItem* node = tree_->currentItem();
  if (!node || tree_->IsPlaceholder(node)) return;
  QString path = tree_->ItemPath(node);
  // A folder node without children names its folder without the final "/";
  // compared with it, LastTreePath still recognises the same folder.
  if (!path.isEmpty() && !path.endsWith('/')) path += '/';
  if (path == lastTreePath_) return;
  lastTreePath_ = path;
  CKivoApp& app = theApp();
  if (path.isEmpty()) {
    if (app.ListPane) app.ListPane->DeleteAllItems();
    return;
  }
  if (app.PreviewPane) app.PreviewPane->FolderChanged(path);
  app.CurrentFolder = path;
}

}  // namespace trimlet
