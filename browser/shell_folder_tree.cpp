// The folder tree: its roots, reading a node's folder on expansion, and
// deleting nodes.
#include "browser/shell_folder_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStandardPaths>
#include <QStorageInfo>

#include <map>

#include "browser/browser_ids.h"
#include "browser/browser_text.h"
#include "browser/model/subfolders.h"
#include "browser/model/volumes.h"
#include "browser/shell_folder_tree_roles.h"

namespace trimlet {

CShellFolderTree::CShellFolderTree(QWidget* parent) : QTreeWidget(parent) {
  initBrowserResources();
  setObjectName(browser_ids::kFolderTreeName);
  setColumnCount(1);
  header()->hide();
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  setSortingEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QTreeWidget::itemExpanded, this, &CShellFolderTree::onExpanded);
  connect(this, &QTreeWidget::itemCollapsed, this, &CShellFolderTree::onCollapsed);
}

bool CShellFolderTree::IsPlaceholder(const QTreeWidgetItem* node) const {
  return node && nodeKind(node) == NodeKind::kPlaceholder;
}

void CShellFolderTree::BuildRoots(bool clearFirst) {
  if (clearFirst) {
    QTreeWidget::clear();
    computerItem_ = nullptr;
    desktopItem_ = nullptr;
  }
  desktopPath_ = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  if (desktopPath_.isEmpty() || !QFileInfo(desktopPath_).isDir()) desktopPath_ = QDir::homePath();

  computerItem_ = new QTreeWidgetItem(this);
  computerItem_->setText(0, QStringLiteral("My Computer"));
  computerItem_->setIcon(0, QIcon(QString::fromLatin1(browser_ids::kComputerIconResource)));
  setNodeKind(computerItem_, NodeKind::kComputer);
  addPlaceholder(computerItem_);

  desktopItem_ = new QTreeWidgetItem(this);
  const QString desktopName = QFileInfo(desktopPath_).fileName();
  desktopItem_->setText(0, desktopName.isEmpty() ? desktopPath_ : desktopName);
  desktopItem_->setToolTip(0, desktopPath_);
  desktopItem_->setIcon(0, QIcon(QString::fromLatin1(browser_ids::kDesktopIconResource)));
  setNodeKind(desktopItem_, NodeKind::kDesktop);
  addPlaceholder(desktopItem_);
}

void CShellFolderTree::addPlaceholder(QTreeWidgetItem* node) {
  auto* placeholder = new QTreeWidgetItem(node);
  setNodeKind(placeholder, NodeKind::kPlaceholder);
}

void CShellFolderTree::onExpanded(QTreeWidgetItem* node) { PopulateChildren(node); }

void CShellFolderTree::onCollapsed(QTreeWidgetItem* node) {
  // A collapsed node's current descendant can no longer be seen: the
  // selection moves up to the collapsed node.
  if (isWithin(currentItem(), node)) setCurrentItem(node);
}

bool CShellFolderTree::isWithin(QTreeWidgetItem* item, QTreeWidgetItem* ancestor) const {
  for (QTreeWidgetItem* p = item ? item->parent() : nullptr; p; p = p->parent())
    if (p == ancestor) return true;
  return false;
}

void CShellFolderTree::DeleteChildren(QTreeWidgetItem* node, bool withPlaceholder) {
  if (isWithin(currentItem(), node)) setCurrentItem(node);
  qDeleteAll(node->takeChildren());
  if (withPlaceholder) addPlaceholder(node);
}

void CShellFolderTree::readDrives() {
  std::vector<VolumeInfo> volumes;
  std::map<std::string, QString> labels;
  for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
    VolumeInfo v;
    v.root = toNative(s.rootPath());
    v.fileSystemType = s.fileSystemType().toStdString();
    v.valid = s.isValid();
    v.rootIsFolder = QFileInfo(s.rootPath()).isDir();
    volumes.push_back(v);
    labels[WithTrailingSlash(v.root)] = s.name();
  }
  driveStrings_ = trimlet::DriveStrings(volumes);
  for (size_t k = 0; k < driveStrings_.size(); ++k) {
    const std::string& drive = driveStrings_[k];
    QString root = fromNative(drive);
    if (root.size() > 1) root.chop(1);
    const QString label = labels[drive];
    auto* item = new QTreeWidgetItem(computerItem_);
    item->setText(0, label.isEmpty() || label == root ? root : label + " (" + root + ")");
    item->setToolTip(0, root);
    item->setIcon(0, iconProvider_.icon(QFileInfo(fromNative(drive))));
    setNodeKind(item, NodeKind::kDrive);
    addPlaceholder(item);
  }
}

QTreeWidgetItem* CShellFolderTree::makeFolderItem(const std::string& path,
                                                  const std::string& name) {
  auto* item = new QTreeWidgetItem();
  const std::string full = WithTrailingSlash(path) + name;
  item->setText(0, fromNative(name));
  item->setIcon(0, iconProvider_.icon(QFileInfo(fromNative(full))));
  setNodeKind(item, NodeKind::kFolder);
  setNodeName(item, name);
  if (HasSubfolders(full)) addPlaceholder(item);
  return item;
}

void CShellFolderTree::PopulateChildren(QTreeWidgetItem* node) {
  if (!node || IsPlaceholder(node)) return;
  if (node == computerItem_) {
    DeleteChildren(node, false);
    readDrives();
    return;
  }
  // The path first: it depends on the children the node has now.
  const std::string path = nativePath(node);
  DeleteChildren(node, false);
  std::vector<std::string> names = ListSubfolders(path);
  SortFolderNames(names);
  for (const std::string& name : names) node->addChild(makeFolderItem(path, name));
}

}  // namespace trimlet
