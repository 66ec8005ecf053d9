#pragma once
// CShellFolderTree: the tree of the computer's folders (control 1007).
//
// Two roots: "My Computer", with the drives (the mounted volumes holding
// real file systems, "/" first) below it, and the desktop folder (the
// desktop location, or the home folder when there is none). A node that may
// have children but has not been read carries one placeholder child (empty
// text), which gives it an expand button. Every expansion reads the node's
// folder again: every subfolder, hidden ones included; links to folders are
// shown as the folders they point to. Children are sorted by name.
//
// Each node holds its own icon (QFileIconProvider for drives and folders,
// the browser's pictures for the two roots), so no node ever refers to an
// icon by position in a shared list. Folder nodes keep their file-system
// name beside the shown text; paths are built from those names.
//
// Paths end with "/" for a node that has children (real or placeholder) and
// lack it for a folder node without any; see browser/model/tree_paths.h.

#include <QFileIconProvider>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "browser/model/tree_paths.h"

namespace trimlet {

class CShellFolderTree : public QTreeWidget {
  Q_OBJECT

 public:
  explicit CShellFolderTree(QWidget* parent = nullptr);

  // Builds the two roots; with clear, every node is deleted first.
  void BuildRoots(bool clear);

  QString ItemPath(QTreeWidgetItem* node) const;
  // Expands the tree along `path` and makes its node the current one; false
  // (and the current node unchanged) when a component is not found. An
  // empty path selects "My Computer".
  bool SelectPath(const QString& path);
  // SelectPath, then reads the selected node's children again.
  void SelectPathAndRefresh(const QString& path);
  // The child of `parent` that `piece` names (a drive under "My Computer"
  // by its root path), or null.
  QTreeWidgetItem* FindChild(QTreeWidgetItem* parent, const QString& piece) const;

  QTreeWidgetItem* ComputerItem() const { return computerItem_; }
  QTreeWidgetItem* DesktopItem() const { return desktopItem_; }
  const QString& DesktopPath() const { return desktopPath_; }
  const std::vector<std::string>& DriveStrings() const { return driveStrings_; }
  bool IsPlaceholder(const QTreeWidgetItem* node) const;

  // Reads the node's children again (deleting what was there).
  void PopulateChildren(QTreeWidgetItem* node);

 private:
  void onExpanded(QTreeWidgetItem* node);
  void onCollapsed(QTreeWidgetItem* node);
  // Deletes every child of `node`; with addPlaceholder, leaves a placeholder.
  void DeleteChildren(QTreeWidgetItem* node, bool addPlaceholder);
  void addPlaceholder(QTreeWidgetItem* node);
  // A folder node for `name` inside `path`, not yet in the tree, with a
  // placeholder when the folder has subfolders.
  QTreeWidgetItem* makeFolderItem(const std::string& path, const std::string& name);
  QTreeWidgetItem* childNamed(QTreeWidgetItem* parent, const std::string& piece) const;
  void readDrives();
  // A subfolder of `node` made after the node was read, added as a node of
  // its own; null when `piece` names no subfolder on disk.
  QTreeWidgetItem* addCreatedChild(QTreeWidgetItem* node, const std::string& piece);
  // Expands `node` unless it is expanded already (which reads it); a node
  // without any child cannot expand.
  void expandNode(QTreeWidgetItem* node);
  std::vector<TreeStep> chainOf(QTreeWidgetItem* node) const;
  std::string nativePath(QTreeWidgetItem* node) const;
  bool isWithin(QTreeWidgetItem* item, QTreeWidgetItem* ancestor) const;

  QString desktopPath_;
  QTreeWidgetItem* desktopItem_ = nullptr;
  QTreeWidgetItem* computerItem_ = nullptr;
  std::vector<std::string> driveStrings_;
  QFileIconProvider iconProvider_;
};

}  // namespace trimlet
