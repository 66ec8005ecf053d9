#pragma once
// CShellFileList: the file list control (1002).
//
// Lists one folder (`Folder`, ending with "/"): its subfolders and image
// files, folders first, then files, each by lower-cased name, in one of four
// view modes:
//   0 large icons  icon view, the 32 x 32 icons
//   1 list         small icons in columns
//   2 details      the five columns "FileName", "Type", "Size", "Modified"
//                  and the zero-width "sort", which cannot be widened
//   3 thumbnails   icon view, the 48 x 48 thumbnails
// (any other mode behaves as 0).
//
// Item k of a fill (in the folder's enumeration order) has image k in all
// three image lists. Thumbnails are built by a ThumbnailBuilder on its worker
// thread and arrive here by queued calls on the UI thread; a fill stops a
// running build. A complete set is shown again without a new build. The
// thumbnails show in mode 3 only: a build that goes on after the user chose
// another mode keeps filling the set without putting it in that mode's view.
//
// Every change of an item's selection reports itemChanged(row): first the
// item that lost it, then the one that gained it. Deleting items reports
// nothing.

#include <QFileIconProvider>
#include <QIcon>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/base/kivo_app.h"
#include "browser/file_list_model.h"
#include "browser/model/thumbnail_builder.h"

class QAbstractItemView;
class QHeaderView;
class QItemSelection;
class QItemSelectionModel;
class QListView;
class QStackedLayout;
class QTreeView;

namespace trimlet {

class CShellFileList : public QWidget {
  Q_OBJECT

 public:
  explicit CShellFileList(QWidget* parent = nullptr);
  ~CShellFileList() override;

  // Folder = folder; FillItems.
  void SetFolder(const QString& folder);
  void FillItems();
  void SortByColumn(bool ascending, int column, int first, int last);
  // Removes every item and image; a running build stops.
  void DeleteAllItems();
  // The list part of the view mode (style and image list); mode 3 starts a
  // thumbnail build when the set is not complete.
  void SetViewStyle(ViewMode mode);
  void BuildThumbnails();

  const QString& Folder() const { return folder_; }
  int ImageFileCount() const { return imageFileCount_; }
  ViewMode viewMode() const { return viewMode_; }
  int itemCount() const;
  QString itemText(int row, int column) const;
  // The first row whose name (column 0) is exactly `name`, or -1.
  int rowOfName(const QString& name) const;
  // Selects and focuses the row alone and gives the list the keyboard focus.
  void selectAndFocus(int row);
  int currentRow() const;

  // What the views show.
  QAbstractItemView* activeView() const;
  QListView* iconView() const { return iconView_; }
  QTreeView* detailsView() const { return detailsView_; }
  QHeaderView* header() const;
  const FileListModel& model() const { return *model_; }

  // The thumbnails: one per item once complete; a null icon where none came yet.
  const std::vector<QIcon>& thumbnails() const { return thumbnails_; }
  int thumbnailCount() const { return thumbnailCount_; }
  bool thumbnailsComplete() const;
  bool thumbnailsAttached() const;
  int thumbnailBuildsStarted() const { return buildsStarted_; }
  uint64_t fillGeneration() const { return generation_; }
  ThumbnailBuilder& builder() { return *builder_; }
  const QIcon& folderThumbnail() const { return folderPicture_; }
  const QIcon& placeholderThumbnail() const { return placeholder_; }

 signals:
  void itemChanged(int row);
  void itemDoubleClicked(int row);
  void thumbnailAdded(int image);
  void thumbnailBuildEnded(quint64 generation, bool complete);

 private:
  void addColumns();
  void setupThumbnailBuilder();
  void onSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
  void onThumbnail(uint64_t generation, const std::shared_ptr<ThumbnailItem>& item);
  void onBuildEnded(uint64_t generation, bool complete);
  void stopBuild();
  QIcon iconFor(const std::string& path, bool folder, std::vector<QIcon>& typeCache);

  QString folder_;
  bool columnsAdded_ = false;
  int imageFileCount_ = 0;
  ViewMode viewMode_ = ViewMode::kLargeIcon;
  std::vector<QIcon> largeIcons_;
  std::vector<QIcon> smallIcons_;
  std::vector<QIcon> thumbnails_;
  int thumbnailCount_ = 0;
  std::vector<ThumbnailEntry> entries_;  // item k's name and kind, for the builds
  uint64_t generation_ = 0;
  bool buildPending_ = false;  // a build of this fill is queued or running
  int buildsStarted_ = 0;
  QIcon folderPicture_;
  QIcon placeholder_;
  QFileIconProvider iconProvider_;

  FileListModel* model_ = nullptr;
  QStackedLayout* stack_ = nullptr;
  QListView* iconView_ = nullptr;
  QTreeView* detailsView_ = nullptr;
  QItemSelectionModel* selection_ = nullptr;
  std::unique_ptr<ThumbnailBuilder> builder_;
};

}  // namespace trimlet
