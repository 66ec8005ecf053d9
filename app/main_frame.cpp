// The main frame (see main_frame.h).
#include "app/main_frame.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

#include "app/about_dlg.h"
#include "app/app_resources.h"
#include "app/command_ids.h"
#include "app/command_table.h"
#include "app/enter_key_filter.h"
#include "app/frame_commands.h"
#include "app/help_command.h"
#include "app/window_placement.h"

namespace trimlet {

namespace {

QList<QRect> screenAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
  return areas;
}

// Deletes a pane and empties the application's slot that held it.
template <typename Port>
void destroyPane(QPointer<QWidget>& pane, Port*& slot) {
  if (pane.isNull()) return;
  const bool heldSlot = slot != nullptr && dynamic_cast<Port*>(pane.data()) == slot;
  delete pane.data();
  if (heldSlot) slot = nullptr;
}

}  // namespace

CMainFrame::CMainFrame(const PaneMakers& panes) {
  InitAppResources();
  CKivoApp& app = theApp();
  app.MainFrame = this;
  setObjectName(QStringLiteral("128"));
  setWindowTitle(QStringLiteral("Trimlet"));
  setWindowIcon(programIcon());

  WindowInfo info;
  if (app.Store != nullptr) {
    viewMode_ = readViewMode(*app.Store);
    info = readWindowInfo(*app.Store);
  }
  const QRect rect = keepOnScreens(creationRect(info), screenAreas());
  setGeometry(rect);
  normalRect_ = rect;

  buildPanes(panes, rect.size());

  commands_ = std::make_unique<FrameCommands>(this);
  commands_->updateViewChecks(viewMode_);
  connectCommands();

  statusBar()->setObjectName(QString::number(cmd::kStatusBarId));
  statusBar()->setSizeGripEnabled(true);
  statusPanes_ = std::make_unique<StatusPanes>(statusBar(), status_);

  new EnterKeyFilter(this);
}

CMainFrame::~CMainFrame() {
  SaveWindowState();
  CKivoApp& app = theApp();
  destroyPane(preview_, app.PreviewPane);
  destroyPane(settings_, app.SettingsPane);
  destroyPane(list_, app.ListPane);
  destroyPane(tree_, app.LeftPane);
  if (app.MainFrame == this) app.MainFrame = nullptr;
}

void CMainFrame::buildPanes(const PaneMakers& panes, const QSize& size) {
  const PaneSizes sizes = firstPaneSizes(size.width(), size.height());

  outer_ = new QSplitter(Qt::Horizontal, this);
  outer_->setObjectName(QStringLiteral("outer splitter"));
  outer_->setChildrenCollapsible(false);
  tree_ = panes.tree(outer_);
  outer_->addWidget(tree_);

  inner_ = new QSplitter(Qt::Vertical, outer_);
  inner_->setObjectName(QStringLiteral("inner splitter"));
  inner_->setChildrenCollapsible(false);
  outer_->addWidget(inner_);
  list_ = panes.list(inner_);
  inner_->addWidget(list_);
  settings_ = panes.settings(inner_);
  inner_->addWidget(settings_);
  preview_ = panes.preview(inner_);
  inner_->addWidget(preview_);

  // The right column takes what the tree leaves; the splitters share out
  // their real sizes in these proportions.
  outer_->setSizes({sizes.tree.width(), size.width() - sizes.tree.width()});
  inner_->setSizes({sizes.list.height(), sizes.settings.height(), sizes.preview.height()});
  setCentralWidget(outer_);
}

void CMainFrame::connectCommands() {
  for (ViewMode mode :
       {ViewMode::kLargeIcon, ViewMode::kSmallIcon, ViewMode::kDetails, ViewMode::kThumbnail}) {
    connect(action(viewCommandOf(mode)), &QAction::triggered, this,
            [this, mode] { OnViewMode(mode); });
  }
  connect(action(cmd::kParentFolder), &QAction::triggered, this, [] {
    if (PreviewPanePort* preview = theApp().PreviewPane) preview->ParentFolder();
  });
  connect(action(cmd::kSaveImage), &QAction::triggered, this, [] {
    if (PreviewPanePort* preview = theApp().PreviewPane) preview->SaveImage();
  });
  connect(action(cmd::kBatchProcess), &QAction::triggered, this, [] {
    if (PreviewPanePort* preview = theApp().PreviewPane) preview->RunBatch();
  });
  connect(action(cmd::kManualCrop), &QAction::triggered, this, [] {
    if (PreviewPanePort* preview = theApp().PreviewPane) preview->OpenManualCrop();
  });
  connect(action(cmd::kHelpContents), &QAction::triggered, this, [] { OpenHelpContents(); });
  connect(action(cmd::kAppAbout), &QAction::triggered, this, [this] { OnAppAbout(); });
  connect(action(cmd::kAppExit), &QAction::triggered, this, &QWidget::close);
}

void CMainFrame::InitialUpdateFrame() {
  CKivoApp& app = theApp();
  if (app.LeftPane != nullptr) app.LeftPane->InitialUpdate();
  if (app.ListPane != nullptr) app.ListPane->InitialUpdate();
  if (app.SettingsPane != nullptr) app.SettingsPane->InitialUpdate();
  if (app.PreviewPane != nullptr) app.PreviewPane->InitialUpdate();
}

void CMainFrame::SetStatusValues(int sourceWidth, int sourceHeight, int resultWidth,
                                 int resultHeight, int sourceScale, int resultScale) {
  status_ =
      StatusValues{sourceWidth, sourceHeight, resultWidth, resultHeight, sourceScale, resultScale};
  if (statusPanes_) statusPanes_->show(status_);
}

void CMainFrame::SetTitle(const QString& title) { setWindowTitle(title); }

QAction* CMainFrame::action(int id) const { return commands_ ? commands_->action(id) : nullptr; }

QToolBar* CMainFrame::toolBar() const { return commands_ ? commands_->toolBar() : nullptr; }

QLabel* CMainFrame::statusPane(int id) const {
  return statusPanes_ ? statusPanes_->pane(id) : nullptr;
}

void CMainFrame::OnViewMode(ViewMode mode) {
  viewMode_ = mode;
  commands_->updateViewChecks(mode);
  if (PreviewPanePort* preview = theApp().PreviewPane) preview->SetViewMode(mode);
}

void CMainFrame::OnAppAbout() {
  CAboutDlg about(this, theApp().SystemLangId[0] & 0xFF);
  about.exec();
}

void CMainFrame::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  noteNormalRect();
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  noteNormalRect();
}

void CMainFrame::noteNormalRect() {
  if ((windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) == 0) {
    normalRect_ = geometry();
  }
}

void CMainFrame::SaveWindowState() {
  ProfileStore* store = theApp().Store;
  if (store == nullptr) return;
  // The window system does not always keep the normal rectangle of a window
  // that was maximised before it was ever shown normally; the frame's own
  // note of it stands in then.
  QRect normal = normalGeometry();
  if (!normal.isValid()) normal = normalRect_;
  writeWindowInfo(*store, normal, isMaximized(), viewMode_);
}

void CMainFrame::EnableManualCrop(bool on) { action(cmd::kManualCrop)->setEnabled(on); }

}  // namespace trimlet
