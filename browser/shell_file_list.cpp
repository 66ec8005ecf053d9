// The file list control: its two views over one model, the view modes and
// the selection notices.
#include "browser/shell_file_list.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QStackedLayout>
#include <QTreeView>

#include <set>

#include "browser/browser_ids.h"
#include "browser/browser_text.h"

namespace trimlet {

namespace {

constexpr int kLargeIcon = 32;
constexpr int kSmallIcon = 16;
constexpr int kThumbnail = 48;
const QSize kLargeIconGrid(96, 72);
const QSize kThumbnailGrid(96, 88);

}  // namespace

CShellFileList::CShellFileList(QWidget* parent) : QWidget(parent) {
  initBrowserResources();
  setObjectName(browser_ids::kFileListName);
  model_ = new FileListModel(this);

  iconView_ = new QListView(this);
  iconView_->setModel(model_);
  iconView_->setSelectionMode(QAbstractItemView::SingleSelection);
  iconView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  iconView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  iconView_->setTextElideMode(Qt::ElideMiddle);
  selection_ = iconView_->selectionModel();

  detailsView_ = new QTreeView(this);
  detailsView_->setModel(model_);
  QItemSelectionModel* own = detailsView_->selectionModel();
  detailsView_->setSelectionModel(selection_);
  delete own;
  detailsView_->setSelectionMode(QAbstractItemView::SingleSelection);
  detailsView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  detailsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  detailsView_->setRootIsDecorated(false);
  detailsView_->setItemsExpandable(false);
  detailsView_->setUniformRowHeights(true);
  detailsView_->setAllColumnsShowFocus(true);
  detailsView_->setIconSize(QSize(kSmallIcon, kSmallIcon));
  detailsView_->header()->setStretchLastSection(false);
  detailsView_->header()->setMinimumSectionSize(0);
  detailsView_->header()->setSectionsMovable(false);

  stack_ = new QStackedLayout(this);
  stack_->setContentsMargins(0, 0, 0, 0);
  stack_->addWidget(iconView_);
  stack_->addWidget(detailsView_);

  connect(selection_, &QItemSelectionModel::selectionChanged, this,
          &CShellFileList::onSelectionChanged);
  for (QAbstractItemView* view :
       {static_cast<QAbstractItemView*>(iconView_), static_cast<QAbstractItemView*>(detailsView_)})
    connect(view, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit itemDoubleClicked(index.row()); });

  setupThumbnailBuilder();
  model_->setSmallImages(&smallIcons_);
  SetViewStyle(ViewMode::kLargeIcon);
}

CShellFileList::~CShellFileList() {
  // The worker posts to this object: it must be gone before the object is.
  builder_.reset();
}

void CShellFileList::addColumns() {
  if (columnsAdded_) return;
  columnsAdded_ = true;
  QHeaderView* h = detailsView_->header();
  for (int c = 0; c < kListColumnCount; ++c) {
    h->setSectionResizeMode(c, c == kColumnSort ? QHeaderView::Fixed : QHeaderView::Interactive);
    h->resizeSection(c, kListColumns[c].width);
  }
}

QHeaderView* CShellFileList::header() const { return detailsView_->header(); }

QAbstractItemView* CShellFileList::activeView() const {
  return viewMode_ == ViewMode::kDetails ? static_cast<QAbstractItemView*>(detailsView_)
                                         : static_cast<QAbstractItemView*>(iconView_);
}

void CShellFileList::SetViewStyle(ViewMode mode) {
  const int code = static_cast<int>(mode);
  if (code < 0 || code > 3) mode = ViewMode::kLargeIcon;
  viewMode_ = mode;
  setUpdatesEnabled(false);
  if (mode == ViewMode::kDetails) {
    model_->useSmallImages(true);
    stack_->setCurrentWidget(detailsView_);
  } else {
    if (mode == ViewMode::kSmallIcon) {
      iconView_->setViewMode(QListView::ListMode);
      iconView_->setFlow(QListView::TopToBottom);
      iconView_->setWrapping(true);
      iconView_->setGridSize(QSize());
      iconView_->setIconSize(QSize(kSmallIcon, kSmallIcon));
      model_->useSmallImages(true);
    } else {
      iconView_->setViewMode(QListView::IconMode);
      iconView_->setGridSize(mode == ViewMode::kThumbnail ? kThumbnailGrid : kLargeIconGrid);
      iconView_->setIconSize(mode == ViewMode::kThumbnail ? QSize(kThumbnail, kThumbnail)
                                                          : QSize(kLargeIcon, kLargeIcon));
      iconView_->setWordWrap(true);
      model_->setNormalImages(mode == ViewMode::kThumbnail ? &thumbnails_ : &largeIcons_);
      model_->useSmallImages(false);
    }
    // Auto-arrange: the items keep their places in the grid.
    iconView_->setMovement(QListView::Static);
    iconView_->setResizeMode(QListView::Adjust);
    stack_->setCurrentWidget(iconView_);
  }
  setUpdatesEnabled(true);
  const QModelIndex current = selection_->currentIndex();
  if (current.isValid()) activeView()->scrollTo(current);
  if (mode == ViewMode::kThumbnail) BuildThumbnails();
}

int CShellFileList::itemCount() const { return model_->rowCount(); }

QString CShellFileList::itemText(int row, int column) const { return model_->text(row, column); }

int CShellFileList::rowOfName(const QString& name) const {
  for (int r = 0; r < model_->rowCount(); ++r)
    if (model_->text(r, kColumnName) == name) return r;
  return -1;
}

void CShellFileList::selectAndFocus(int row) {
  const QModelIndex at = model_->index(row, kColumnName);
  if (!at.isValid()) return;
  selection_->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  activeView()->scrollTo(at);
  activeView()->setFocus(Qt::OtherFocusReason);
}

int CShellFileList::currentRow() const {
  const QModelIndex current = selection_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void CShellFileList::onSelectionChanged(const QItemSelection& selected,
                                        const QItemSelection& deselected) {
  // One notice per item (a selected row spans five columns), the item that
  // lost the selection first, as the list control reports them.
  std::vector<int> rows;
  std::set<int> seen;
  for (const QItemSelection* part : {&deselected, &selected}) {
    seen.clear();
    for (const QModelIndex& index : part->indexes())
      if (seen.insert(index.row()).second) rows.push_back(index.row());
  }
  for (int row : rows) emit itemChanged(row);
}

}  // namespace trimlet
