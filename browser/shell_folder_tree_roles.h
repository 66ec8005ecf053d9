#pragma once
// What each node of the folder tree is, kept in the node's item data.

#include <QTreeWidgetItem>

#include <string>

namespace trimlet {

enum class NodeKind { kNone = 0, kComputer, kDesktop, kDrive, kFolder, kPlaceholder };

constexpr int kNodeKindRole = Qt::UserRole;
constexpr int kNodeNameRole = Qt::UserRole + 1;  // a folder's file-system name (bytes)

inline NodeKind nodeKind(const QTreeWidgetItem* item) {
  return static_cast<NodeKind>(item->data(0, kNodeKindRole).toInt());
}
inline void setNodeKind(QTreeWidgetItem* item, NodeKind kind) {
  item->setData(0, kNodeKindRole, static_cast<int>(kind));
}
inline std::string nodeName(const QTreeWidgetItem* item) {
  return item->data(0, kNodeNameRole).toByteArray().toStdString();
}
inline void setNodeName(QTreeWidgetItem* item, const std::string& name) {
  item->setData(0, kNodeNameRole, QByteArray::fromStdString(name));
}

}  // namespace trimlet
