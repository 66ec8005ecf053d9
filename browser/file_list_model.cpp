// The file list's items for the Qt views.
#include "browser/file_list_model.h"

#include "browser/browser_text.h"

namespace trimlet {

FileListModel::FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

int FileListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kListColumnCount;
}

QString FileListModel::text(int row, int column) const {
  if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 || column >= kListColumnCount)
    return QString();
  return fromNative(rows_[static_cast<size_t>(row)].texts[static_cast<size_t>(column)]);
}

QVariant FileListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return QVariant();
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return text(index.row(), column);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(
          (kListColumns[column].alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::DecorationRole: {
      if (column != kColumnName) return QVariant();
      const ImageList* list = useSmall_ ? small_ : normal_;
      const int image = rows_[static_cast<size_t>(index.row())].image;
      if (!list || image < 0 || image >= static_cast<int>(list->size())) return QVariant();
      const QIcon& icon = (*list)[static_cast<size_t>(image)];
      return icon.isNull() ? QVariant() : QVariant(icon);
    }
    default: return QVariant();
  }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kListColumnCount)
    return QVariant();
  if (role == Qt::DisplayRole) return QString::fromLatin1(kListColumns[section].heading);
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue((kListColumns[section].alignRight ? Qt::AlignRight : Qt::AlignLeft) |
                               Qt::AlignVCenter);
  return QVariant();
}

void FileListModel::setRows(ListTable rows) {
  beginResetModel();
  rows_ = std::move(rows);
  rebuildImageRows();
  endResetModel();
}

void FileListModel::rebuildImageRows() {
  rowOfImage_.assign(rows_.size(), -1);
  for (size_t r = 0; r < rows_.size(); ++r) {
    const int image = rows_[r].image;
    if (image >= 0 && image < static_cast<int>(rowOfImage_.size()))
      rowOfImage_[static_cast<size_t>(image)] = static_cast<int>(r);
  }
}

void FileListModel::setNormalImages(const ImageList* images) {
  if (normal_ == images) return;
  normal_ = images;
  if (!useSmall_) allImagesChanged();
}

void FileListModel::setSmallImages(const ImageList* images) {
  if (small_ == images) return;
  small_ = images;
  if (useSmall_) allImagesChanged();
}

void FileListModel::useSmallImages(bool small) {
  if (useSmall_ == small) return;
  useSmall_ = small;
  allImagesChanged();
}

void FileListModel::imageChanged(int image) {
  if (image < 0 || image >= static_cast<int>(rowOfImage_.size())) return;
  const int row = rowOfImage_[static_cast<size_t>(image)];
  if (row < 0) return;
  const QModelIndex at = index(row, kColumnName);
  emit dataChanged(at, at, {Qt::DecorationRole});
}

void FileListModel::allImagesChanged() {
  if (rows_.empty()) return;
  emit dataChanged(index(0, kColumnName), index(static_cast<int>(rows_.size()) - 1, kColumnName),
                   {Qt::DecorationRole});
}

}  // namespace trimlet
