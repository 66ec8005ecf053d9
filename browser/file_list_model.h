#pragma once
// FileListModel: the file list's items (ListRow) for the Qt views, with the
// five columns and the item images.
//
// Column 0 shows the item's image from the attached image list: the normal
// list (large icons or thumbnails) in the icon views, the small icons in the
// list and report views. An image index the list does not hold yet shows no
// picture (a thumbnail still being built).

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

#include "browser/model/list_row.h"

namespace trimlet {

class FileListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using ImageList = std::vector<QIcon>;

  explicit FileListModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Replaces every item (the view's selection is dropped without notices).
  void setRows(ListTable rows);
  void clearRows() { setRows({}); }
  const ListTable& rows() const { return rows_; }
  QString text(int row, int column) const;

  // The image lists the views show. Both must outlive the model's use.
  void setNormalImages(const ImageList* images);
  void setSmallImages(const ImageList* images);
  void useSmallImages(bool small);
  const ImageList* normalImages() const { return normal_; }
  bool usingSmallImages() const { return useSmall_; }
  // Image k of the list in use changed.
  void imageChanged(int image);

 private:
  void rebuildImageRows();
  void allImagesChanged();

  ListTable rows_;
  std::vector<int> rowOfImage_;
  const ImageList* normal_ = nullptr;
  const ImageList* small_ = nullptr;
  bool useSmall_ = false;
};

}  // namespace trimlet
