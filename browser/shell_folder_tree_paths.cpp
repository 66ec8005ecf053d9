// The folder tree by path: a node's path, and selecting the node of a path.
#include <QFileInfo>

#include "browser/browser_text.h"
#include "browser/model/subfolders.h"
#include "browser/shell_folder_tree.h"
#include "browser/shell_folder_tree_roles.h"

namespace trimlet {

std::vector<TreeStep> CShellFolderTree::chainOf(QTreeWidgetItem* node) const {
  std::vector<TreeStep> chain;
  for (QTreeWidgetItem* item = node; item; item = item->parent()) {
    TreeStep step;
    switch (nodeKind(item)) {
      case NodeKind::kComputer: step.kind = TreeNodeKind::kComputer; break;
      case NodeKind::kDesktop: step.kind = TreeNodeKind::kDesktop; break;
      case NodeKind::kDrive:
        step.kind = TreeNodeKind::kDrive;
        step.position = computerItem_ ? computerItem_->indexOfChild(item) : -1;
        break;
      default:
        step.kind = TreeNodeKind::kFolder;
        step.text = nodeName(item);
        break;
    }
    chain.push_back(step);
  }
  return chain;
}

std::string CShellFolderTree::nativePath(QTreeWidgetItem* node) const {
  if (!node) return "";
  return trimlet::ItemPath(chainOf(node), node->childCount() > 0, driveStrings_,
                           toNative(desktopPath_));
}

QString CShellFolderTree::ItemPath(QTreeWidgetItem* node) const {
  return fromNative(nativePath(node));
}

void CShellFolderTree::expandNode(QTreeWidgetItem* node) {
  if (node->childCount() > 0 && !node->isExpanded()) node->setExpanded(true);
}

QTreeWidgetItem* CShellFolderTree::FindChild(QTreeWidgetItem* parent, const QString& piece) const {
  return childNamed(parent, toNative(piece));
}

QTreeWidgetItem* CShellFolderTree::childNamed(QTreeWidgetItem* parent,
                                              const std::string& piece) const {
  if (!parent) return nullptr;
  if (parent == computerItem_) {
    const std::string wanted = WithTrailingSlash(piece);
    for (size_t k = 0; k < driveStrings_.size(); ++k)
      if (driveStrings_[k] == wanted && static_cast<int>(k) < parent->childCount())
        return parent->child(static_cast<int>(k));
    return nullptr;
  }
  std::vector<std::string> names;
  std::vector<QTreeWidgetItem*> items;
  for (int k = 0; k < parent->childCount(); ++k) {
    QTreeWidgetItem* child = parent->child(k);
    if (nodeKind(child) != NodeKind::kFolder) continue;
    names.push_back(nodeName(child));
    items.push_back(child);
  }
  const int found = FindFolderChild(names, piece);
  return found < 0 ? nullptr : items[static_cast<size_t>(found)];
}

QTreeWidgetItem* CShellFolderTree::addCreatedChild(QTreeWidgetItem* node,
                                                   const std::string& piece) {
  // The node was read before the folder was made: look on disk, and add the
  // one node in its sorted place without reading the others again.
  const std::string path = nativePath(node);
  const std::vector<std::string> names = ListSubfolders(path);
  const int found = FindFolderChild(names, piece);
  if (found < 0) return nullptr;
  const std::string& name = names[static_cast<size_t>(found)];
  QTreeWidgetItem* item = makeFolderItem(path, name);
  int at = 0;
  while (at < node->childCount() && nodeKind(node->child(at)) == NodeKind::kFolder &&
         FolderNameLess(nodeName(node->child(at)), name))
    ++at;
  node->insertChild(at, item);
  return item;
}

bool CShellFolderTree::SelectPath(const QString& path) {
  if (!computerItem_) return false;
  expandNode(computerItem_);
  const std::string native = toNative(path);
  const DriveMatch drive = MatchDrive(driveStrings_, native);
  if (drive.index < 0) {
    if (!SplitPathPieces(native).empty()) return false;
    setCurrentItem(computerItem_);
    return true;
  }
  if (drive.index >= computerItem_->childCount()) return false;
  QTreeWidgetItem* node = computerItem_->child(drive.index);
  expandNode(node);
  for (const std::string& piece : SplitPathPieces(drive.rest)) {
    QTreeWidgetItem* child = childNamed(node, piece);
    if (!child) child = addCreatedChild(node, piece);
    if (!child) return false;
    expandNode(child);
    node = child;
  }
  setCurrentItem(node);
  scrollToItem(node);
  return true;
}

void CShellFolderTree::SelectPathAndRefresh(const QString& path) {
  if (!SelectPath(path)) return;
  PopulateChildren(currentItem());
}

}  // namespace trimlet
