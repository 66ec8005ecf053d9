// Filling the file list from its folder.
#include <QFileInfo>

#include "app/base/kivo_app.h"
#include "browser/browser_text.h"
#include "browser/model/folder_entries.h"
#include "browser/model/sort_by_column.h"
#include "browser/shell_file_list.h"
#include "imagefile/image_format.h"

namespace trimlet {

namespace {

// Index of an entry's kind in the fill's icon cache: folder, then the four
// image formats.
size_t typeSlot(const std::string& name, bool folder) {
  if (folder) return 0;
  switch (sourceFormatOf(name)) {
    case SourceFormat::kJpeg: return 1;
    case SourceFormat::kTarga: return 2;
    case SourceFormat::kBitmap: return 3;
    default: return 4;
  }
}

}  // namespace

void CShellFileList::SetFolder(const QString& folder) {
  folder_ = folder;
  addColumns();
  FillItems();
}

QIcon CShellFileList::iconFor(const std::string& path, bool folder, std::vector<QIcon>& typeCache) {
  // The icon provider answers by kind of entry; asking once per kind keeps a
  // fill of thousands of files quick.
  QIcon& cached = typeCache[typeSlot(path, folder)];
  if (cached.isNull()) cached = iconProvider_.icon(QFileInfo(fromNative(path)));
  return cached;
}

void CShellFileList::FillItems() {
  DeleteAllItems();

  const std::string folder = toNative(folder_);
  std::vector<QIcon> typeCache(5);
  ListTable rows;
  for (const ListEntry& entry : ReadListEntries(folder)) {
    const int k = static_cast<int>(rows.size());
    if (!entry.folder) ++imageFileCount_;
    const QIcon icon = iconFor(folder + entry.name, entry.folder, typeCache);
    largeIcons_.push_back(icon);
    smallIcons_.push_back(icon);
    entries_.push_back(ThumbnailEntry{entry.name, entry.folder});
    rows.push_back(MakeListRow(entry, k));
  }
  thumbnails_.resize(largeIcons_.size());

  const MainFramePort* frame = theApp().MainFrame;
  if (frame && frame->GetViewMode() == ViewMode::kThumbnail) BuildThumbnails();

  theApp().ListSorting = 1;
  trimlet::SortByColumn(rows, true, kColumnSort, 0, -1);
  theApp().ListSorting = 0;
  model_->setRows(std::move(rows));
}

void CShellFileList::SortByColumn(bool ascending, int column, int first, int last) {
  ListTable rows = model_->rows();
  trimlet::SortByColumn(rows, ascending, column, first, last);
  model_->setRows(std::move(rows));
}

void CShellFileList::DeleteAllItems() {
  stopBuild();
  model_->clearRows();
  imageFileCount_ = 0;
  thumbnails_.clear();
  thumbnailCount_ = 0;
  largeIcons_.clear();
  smallIcons_.clear();
  entries_.clear();
}

}  // namespace trimlet
