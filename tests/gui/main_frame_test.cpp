// The main frame: menu, toolbar and accelerators as the resources list them,
// the view-mode check marks, the commands that reach the preview pane, the
// status bar, the Enter rule, the pane layout and what the frame stores.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app_test_fakes.h"
#include "engine/settings/settings_keys.h"
#include "settings/panel/form_rmiddle.h"

using namespace trimlet;
using namespace trimlet::test;

namespace {

// The settings pane, noting its first update among the fakes'.
class LoggingSettings : public CFormRMiddle {
 public:
  using CFormRMiddle::CFormRMiddle;
  void InitialUpdate() override {
    initialUpdateLog().push_back("settings");
    CFormRMiddle::InitialUpdate();
  }
};

PaneMakers testPanes() {
  PaneMakers makers = fakePaneMakers();
  makers.settings = [](QWidget* parent) -> QWidget* { return new LoggingSettings(parent); };
  return makers;
}

QString idOf(const QAction* action) { return action->objectName(); }

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { privateConfigHome(); }

  void init() {
    store_ = std::make_unique<WriteLogStore>();
    theApp().Store = store_.get();
    initialUpdateLog().clear();
  }

  void cleanup() {
    frame_.reset();
    theApp().Store = nullptr;
    store_.reset();
  }

  void menuBarHasThreePopups() {
    makeFrame();
    QStringList titles;
    for (QAction* popup : frame_->menuBar()->actions()) titles << popup->text();
    QCOMPARE(titles, (QStringList{"&File", "&View", "&Help"}));
  }

  void menuItems_data() {
    QTest::addColumn<int>("popup");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("id");  // "" for a separator
    QTest::addColumn<QString>("text");
    QTest::newRow("File 0") << 0 << 0 << "32776"
                            << "&Save Image\tCtrl+S";
    QTest::newRow("File 1") << 0 << 1 << ""
                            << "";
    QTest::newRow("File 2") << 0 << 2 << "32775"
                            << "&Batch Process\tCtrl+B";
    QTest::newRow("File 3") << 0 << 3 << "32797"
                            << "&Manual Crop...\tCtrl+M";
    QTest::newRow("File 4") << 0 << 4 << ""
                            << "";
    QTest::newRow("File 5") << 0 << 5 << "57665"
                            << "E&xit";
    QTest::newRow("View 0") << 1 << 0 << "32772"
                            << "&Large Icon\tCtrl+1";
    QTest::newRow("View 1") << 1 << 1 << "32773"
                            << "&Small Icon\tCtrl+2";
    QTest::newRow("View 2") << 1 << 2 << "32801"
                            << "&Details\tCtrl+3";
    QTest::newRow("View 3") << 1 << 3 << "32771"
                            << "&Thumbnail\tCtrl+4";
    QTest::newRow("Help 0") << 2 << 0 << "32777"
                            << "&Contents";
    QTest::newRow("Help 1") << 2 << 1 << ""
                            << "";
    QTest::newRow("Help 2") << 2 << 2 << "57664"
                            << "&About kivo...";
  }

  void menuItems() {
    QFETCH(int, popup);
    QFETCH(int, row);
    QFETCH(QString, id);
    QFETCH(QString, text);
    makeFrame();
    const QList<QAction*> popups = frame_->menuBar()->actions();
    const QList<QAction*> items = popups.at(popup)->menu()->actions();
    static const int kCounts[] = {6, 4, 3};
    QCOMPARE(items.size(), kCounts[popup]);
    QAction* item = items.at(row);
    if (id.isEmpty()) {
      QVERIFY(item->isSeparator());
      return;
    }
    QCOMPARE(idOf(item), id);
    QCOMPARE(item->text(), text);
    // The menu shows the text as it stands: no key of the action's own adds
    // a second accelerator text (Exit shows none, though Alt+X works).
    QVERIFY(item->shortcut().isEmpty());
  }

  void toolBarButtons() {
    makeFrame();
    QStringList ids;
    for (QAction* action : frame_->toolBar()->actions()) {
      ids << (action->isSeparator() ? QStringLiteral("|") : idOf(action));
    }
    QCOMPARE(ids, (QStringList{"32776", "32775", "32797", "|", "32778", "|", "32772", "32773",
                               "32801", "32771", "|", "32777"}));
    QCOMPARE(frame_->toolBar()->iconSize(), QSize(16, 15));
    QVERIFY(!frame_->toolBar()->isMovable());
    QVERIFY(!frame_->toolBar()->isFloatable());
    for (QAction* action : frame_->toolBar()->actions()) {
      if (!action->isSeparator()) QVERIFY2(!action->icon().isNull(), qPrintable(idOf(action)));
    }
  }

  void prompts_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("tip");
    QTest::newRow("thumbnail") << 32771 << "Thumbnail view."
                               << "Thumbnail";
    QTest::newRow("large icon") << 32772 << "Large icon view."
                                << "Icon";
    QTest::newRow("small icon") << 32773 << "Small icon view."
                                << "List";
    QTest::newRow("batch") << 32775 << "Batch processing for selected directory"
                           << "Batch process";
    QTest::newRow("save") << 32776 << "Save previewed image"
                          << "Save Image";
    QTest::newRow("parent") << 32778 << "Move to parent directory."
                            << "Open parent directory";
    QTest::newRow("manual crop") << 32797 << "Crop one image by hand"
                                 << "Manual Crop";
    QTest::newRow("details") << 32801 << "Report view."
                             << "Report";
    QTest::newRow("about") << 57664 << "Display program information, version number and copyright"
                           << "About";
    QTest::newRow("exit") << 57665 << "Quit the application; prompts to save documents"
                          << "Exit";
  }

  void prompts() {
    QFETCH(int, id);
    QFETCH(QString, prompt);
    QFETCH(QString, tip);
    makeFrame();
    QAction* action = frame_->action(id);
    QVERIFY(action != nullptr);
    QCOMPARE(action->statusTip(), prompt);
    QCOMPARE(action->toolTip(), tip);
  }

  void helpHasNoPrompt() {
    makeFrame();
    QCOMPARE(frame_->action(cmd::kHelpContents)->statusTip(), QString());
  }

  void accelerators_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("id");
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+1") << "Ctrl+1" << int(Qt::Key_1) << ctrl << 32772;
    QTest::newRow("Ctrl+2") << "Ctrl+2" << int(Qt::Key_2) << ctrl << 32773;
    QTest::newRow("Ctrl+3") << "Ctrl+3" << int(Qt::Key_3) << ctrl << 32801;
    QTest::newRow("Ctrl+4") << "Ctrl+4" << int(Qt::Key_4) << ctrl << 32771;
    QTest::newRow("Ctrl+B") << "Ctrl+B" << int(Qt::Key_B) << ctrl << 32775;
    QTest::newRow("Ctrl+S") << "Ctrl+S" << int(Qt::Key_S) << ctrl << 32776;
    QTest::newRow("Alt+X") << "Alt+X" << int(Qt::Key_X) << int(Qt::AltModifier) << 57665;
  }

  void accelerators() {
    QFETCH(QString, keys);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, id);
    showFrame();
    QAction* action = frame_->action(id);
    // Save and Batch are disabled for now; enabled here to see where their
    // keys lead.
    action->setEnabled(true);
    QSignalSpy triggered(action, &QAction::triggered);
    QTest::keyClick(frame_->windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(triggered.count(), 1);
    QVERIFY(frame_->findChild<QShortcut*>(keys) != nullptr);
  }

  void viewCommandChecks_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mode");
    QTest::newRow("Ctrl+1 large icons") << int(Qt::Key_1) << 0;
    QTest::newRow("Ctrl+2 list") << int(Qt::Key_2) << 1;
    QTest::newRow("Ctrl+3 details") << int(Qt::Key_3) << 2;
    QTest::newRow("Ctrl+4 thumbnails") << int(Qt::Key_4) << 3;
  }

  void viewCommandChecks() {
    QFETCH(int, key);
    QFETCH(int, mode);
    // Start from a mode none of the rows asks for... or the next one.
    store_->writeInt(keys::kWindowInfo, keys::kViewMode, (mode + 1) % 4);
    showFrame();
    QTest::keyClick(frame_->windowHandle(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(static_cast<int>(frame_->GetViewMode()), mode);
    QCOMPARE(fakePreview()->viewModes, std::vector<int>{mode});
    expectChecks(mode);
  }

  void viewCommandTwiceStaysChecked() {
    makeFrame();
    QAction* thumbnails = frame_->action(cmd::kThumbnailView);
    thumbnails->trigger();
    thumbnails->trigger();
    QCOMPARE(static_cast<int>(frame_->GetViewMode()), 3);
    expectChecks(3);
    QCOMPARE(fakePreview()->viewModes, (std::vector<int>{3, 3}));
  }

  void viewModeFromStore_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("mode");
    QTest::newRow("large icons") << 0 << 0;
    QTest::newRow("list") << 1 << 1;
    QTest::newRow("details") << 2 << 2;
    QTest::newRow("thumbnails") << 3 << 3;
    QTest::newRow("out of range reads as large icons") << 7 << 0;
    QTest::newRow("negative reads as large icons") << -1 << 0;
  }

  void viewModeFromStore() {
    QFETCH(int, stored);
    QFETCH(int, mode);
    store_->writeInt(keys::kWindowInfo, keys::kViewMode, stored);
    makeFrame();
    QCOMPARE(static_cast<int>(frame_->GetViewMode()), mode);
    expectChecks(mode);
  }

  void saveBatchAndManualCropGoToThePreview() {
    showFrame();
    QVERIFY(frame_->action(cmd::kSaveImage)->isEnabled());
    QVERIFY(frame_->action(cmd::kBatchProcess)->isEnabled());
    frame_->action(cmd::kSaveImage)->trigger();
    frame_->action(cmd::kBatchProcess)->trigger();
    QCOMPARE(fakePreview()->saveImage, 1);
    QCOMPARE(fakePreview()->runBatch, 1);
    // Manual Crop waits for an image to be shown.
    QVERIFY(!frame_->action(cmd::kManualCrop)->isEnabled());
    frame_->EnableManualCrop(true);
    frame_->action(cmd::kManualCrop)->trigger();
    QCOMPARE(fakePreview()->manualCrop, 1);
    // Manual Crop is offered in the File menu, on the toolbar and by Ctrl+M.
    QVERIFY(frame_->menuBar()->actions().at(0)->menu()->actions().contains(
        frame_->action(cmd::kManualCrop)));
    QVERIFY(frame_->toolBar()->actions().contains(frame_->action(cmd::kManualCrop)));
    QTest::keyClick(frame_->windowHandle(), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(fakePreview()->manualCrop, 2);
    // Ctrl+S saves.
    QSignalSpy saved(frame_->action(cmd::kSaveImage), &QAction::triggered);
    QTest::keyClick(frame_->windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(saved.count(), 1);
  }

  void parentFolderGoesToPreview() {
    makeFrame();
    frame_->action(cmd::kParentFolder)->trigger();
    QCOMPARE(fakePreview()->parentFolder, 1);
  }

  void exitClosesTheFrame() {
    showFrame();
    frame_->action(cmd::kAppExit)->trigger();
    QVERIFY(!frame_->isVisible());
  }

  void statusPanes_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");  // after SetStatusValues(1600, 1200, 800, 600, 37, 100)
    const QString gap(56, QLatin1Char(' '));
    QTest::newRow("message") << 0 << "Ready"
                             << "Ready";
    QTest::newRow("61204") << 61204 << "Original Size"
                           << "Original Size";
    QTest::newRow("61206") << 61206 << "0 x 0"
                           << "1600 x 1200";
    QTest::newRow("61208") << 61208 << "0%"
                           << "37%";
    QTest::newRow("61210") << 61210 << gap << gap;
    QTest::newRow("61205") << 61205 << "After Crop"
                           << "After Crop";
    QTest::newRow("61207") << 61207 << "0 x 0"
                           << "800 x 600";
    QTest::newRow("61209") << 61209 << "0%"
                           << "100%";
  }

  void statusPanes() {
    QFETCH(int, id);
    QFETCH(QString, before);
    QFETCH(QString, after);
    makeFrame();
    QLabel* pane = frame_->statusPane(id);
    QVERIFY(pane != nullptr);
    QCOMPARE(pane->text(), before);
    frame_->SetStatusValues(1600, 1200, 800, 600, 37, 100);
    QCOMPARE(pane->text(), after);
  }

  void statusPanesInOrder() {
    showFrame();
    int lastRight = -1;
    for (int id : {0, 61204, 61206, 61208, 61210, 61205, 61207, 61209}) {
      const QLabel* pane = frame_->statusPane(id);
      const int left = pane->mapTo(frame_.get(), QPoint(0, 0)).x();
      QVERIFY2(left >= lastRight, qPrintable(QString::number(id)));
      lastRight = left + pane->width();
      // Each pane holds at least its initial text.
      QVERIFY(pane->width() >=
                  pane->fontMetrics().horizontalAdvance(QStringLiteral("xxxxxxxxxx")) ||
              id == 61204 || id == 61205 || id == 0);
    }
  }

  void promptCoversReady() {
    showFrame();
    QLabel* message = frame_->statusPane(0);
    auto* button = qobject_cast<QToolButton*>(
        frame_->toolBar()->widgetForAction(frame_->action(cmd::kSaveImage)));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(frame_->statusBar()->currentMessage(), QStringLiteral("Save previewed image"));
    QVERIFY(!message->isVisible());
    QStatusTipEvent idle{QString()};
    QApplication::sendEvent(frame_.get(), &idle);
    QCOMPARE(frame_->statusBar()->currentMessage(), QString());
    QVERIFY(message->isVisible());
    QCOMPARE(message->text(), QStringLiteral("Ready"));
  }

  void enterKeyAppliesSettings_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("runs");  // one for the press, one for the release
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << 2;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 2;
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 2;
    QTest::newRow("Space") << int(Qt::Key_Space) << 0 << 0;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << 0;
  }

  void enterKeyAppliesSettings() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, runs);
    showFrame();
    QTest::keyClick(frame_->windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(fakePreview()->applySettings, runs);
  }

  void enterKeyPressAndReleaseEachCount() {
    showFrame();
    QTest::keyPress(frame_->windowHandle(), Qt::Key_Return);
    QCOMPARE(fakePreview()->applySettings, 1);
    QTest::keyRelease(frame_->windowHandle(), Qt::Key_Return);
    QCOMPARE(fakePreview()->applySettings, 2);
  }

  void enterKeyStillReachesTheFocus() {
    showFrame();
    FakePreview* preview = fakePreview();
    preview->edit->setFocus();
    QTRY_VERIFY(preview->edit->hasFocus());
    QSignalSpy returned(preview->edit, &QLineEdit::returnPressed);
    QTest::keyClick(frame_->windowHandle(), Qt::Key_Return);
    QCOMPARE(returned.count(), 1);
    QCOMPARE(preview->applySettings, 2);
  }

  void enterKeyWithoutPreviewIsHarmless() {
    PaneMakers panes = testPanes();
    panes.preview = [](QWidget* parent) -> QWidget* { return new QWidget(parent); };
    frame_ = std::make_unique<CMainFrame>(panes);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    QTest::keyClick(frame_->windowHandle(), Qt::Key_Return);
    QVERIFY(theApp().PreviewPane == nullptr);
  }

  void splitterShares() {
    store_->writeInt(keys::kWindowInfo, keys::kWindowRight, 1000);
    store_->writeInt(keys::kWindowInfo, keys::kWindowBottom, 720);
    showFrame();
    QCOMPARE(frame_->size(), QSize(1000, 720));
    const QList<int> outer = frame_->outerSplitter()->sizes();
    QCOMPARE(outer.size(), 2);
    const double outerTotal = outer[0] + outer[1];
    QVERIFY2(qAbs(outer[0] - outerTotal * 0.2) <= 2, qPrintable(QString::number(outer[0])));
    const QList<int> inner = frame_->innerSplitter()->sizes();
    QCOMPARE(inner.size(), 3);
    const double innerTotal = inner[0] + inner[1] + inner[2];
    const double shares[] = {3.0 / 12, 2.0 / 12, 7.0 / 12};
    for (int i = 0; i < 3; ++i) {
      QVERIFY2(qAbs(inner[i] - innerTotal * shares[i]) <= 2,
               qPrintable(QStringLiteral("row %1: %2 of %3").arg(i).arg(inner[i]).arg(innerTotal)));
    }
  }

  void panesStoredAndUpdatedInOrder() {
    makeFrame();
    QVERIFY(fakeTree() != nullptr);
    QVERIFY(fakeList() != nullptr);
    QVERIFY(fakePreview() != nullptr);
    QVERIFY(dynamic_cast<CFormRMiddle*>(theApp().SettingsPane) != nullptr);
    QCOMPARE(theApp().MainFrame, static_cast<MainFramePort*>(frame_.get()));
    frame_->InitialUpdateFrame();
    QCOMPARE(initialUpdateLog(), (std::vector<std::string>{"tree", "list", "settings", "preview"}));
  }

  void destructionWritesWindowInfoFirst() {
    store_->writeInt(keys::kWindowInfo, keys::kViewMode, 2);
    store_->writeInt(keys::kWindowInfo, keys::kWindowLeft, 10);
    store_->writeInt(keys::kWindowInfo, keys::kWindowTop, 20);
    store_->writeInt(keys::kWindowInfo, keys::kWindowRight, 910);
    store_->writeInt(keys::kWindowInfo, keys::kWindowBottom, 720);
    store_->writes.clear();
    showFrame();
    frame_.reset();
    const std::vector<std::string> first(store_->writes.begin(), store_->writes.begin() + 6);
    QCOMPARE(first, (std::vector<std::string>{"Window Info/top", "Window Info/left",
                                              "Window Info/right", "Window Info/bottom",
                                              "Window Info/ViewMode", "Window Info/Maximized"}));
    QVERIFY(store_->firstWriteTo("Manual Crop Info") > 5);
    expectWindowInfo(10, 20, 910, 720, 0, 2);
    // Every slot of the application is empty again.
    QVERIFY(theApp().MainFrame == nullptr);
    QVERIFY(theApp().LeftPane == nullptr && theApp().ListPane == nullptr);
    QVERIFY(theApp().SettingsPane == nullptr && theApp().PreviewPane == nullptr);
  }

  void maximisedKeepsItsNormalRectangle_data() {
    QTest::addColumn<int>("paneWidth");  // the minimum width of the preview pane
    QTest::newRow("panes smaller than the frame") << 0;
    QTest::newRow("a pane wider than the frame") << 900;
  }

  void maximisedKeepsItsNormalRectangle() {
    QFETCH(int, paneWidth);
    store_->writeInt(keys::kWindowInfo, keys::kWindowLeft, 30);
    store_->writeInt(keys::kWindowInfo, keys::kWindowTop, 40);
    store_->writeInt(keys::kWindowInfo, keys::kWindowRight, 630);
    store_->writeInt(keys::kWindowInfo, keys::kWindowBottom, 500);
    PaneMakers panes = testPanes();
    panes.preview = [paneWidth](QWidget* parent) -> QWidget* {
      auto* preview = new FakePreview(parent);
      preview->setMinimumWidth(paneWidth);
      return preview;
    };
    frame_ = std::make_unique<CMainFrame>(panes);
    frame_->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    QTRY_VERIFY(frame_->isMaximized());
    frame_.reset();
    expectWindowInfo(30, 40, 630, 500, 1, 0);
  }

  void titleFollowsSetTitle() {
    makeFrame();
    QCOMPARE(frame_->windowTitle(), QStringLiteral("Trimlet"));
    frame_->SetTitle(QStringLiteral("Trimlet - postcard.jpg"));
    QCOMPARE(frame_->windowTitle(), QStringLiteral("Trimlet - postcard.jpg"));
  }

 private:
  void makeFrame() { frame_ = std::make_unique<CMainFrame>(testPanes()); }

  void showFrame() {
    makeFrame();
    frame_->show();
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
  }

  void expectChecks(int mode) {
    const int ids[] = {cmd::kLargeIconView, cmd::kSmallIconView, cmd::kDetailsView,
                       cmd::kThumbnailView};
    for (int m = 0; m < 4; ++m) {
      QAction* action = frame_->action(ids[m]);
      QVERIFY(action->isCheckable());
      QCOMPARE(action->isChecked(), m == mode);
      auto* button = qobject_cast<QToolButton*>(frame_->toolBar()->widgetForAction(action));
      QVERIFY(button != nullptr);
      QCOMPARE(button->isChecked(), m == mode);
    }
  }

  void expectWindowInfo(int left, int top, int right, int bottom, int maximized, int viewMode) {
    using namespace keys;
    QCOMPARE(store_->intValue(kWindowInfo, kWindowLeft), left);
    QCOMPARE(store_->intValue(kWindowInfo, kWindowTop), top);
    QCOMPARE(store_->intValue(kWindowInfo, kWindowRight), right);
    QCOMPARE(store_->intValue(kWindowInfo, kWindowBottom), bottom);
    QCOMPARE(store_->intValue(kWindowInfo, kMaximized), maximized);
    QCOMPARE(store_->intValue(kWindowInfo, kViewMode), viewMode);
  }

  std::unique_ptr<WriteLogStore> store_;
  std::unique_ptr<CMainFrame> frame_;
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
