// Thumbnail mode of the file list: what each item shows, one build per set,
// and a build stopped by going to another folder.
#include <QImage>
#include <QPixmap>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <condition_variable>
#include <memory>
#include <mutex>

#include "browser/form_rupper.h"
#include "browser/model/list_row.h"
#include "browser/shell_file_list.h"
#include "tests/gui/browser_fakes.h"

using namespace trimlet;
using namespace trimlet::browser_test;

namespace {

// Holds the worker before one entry of one fill until released.
class WorkerGate {
 public:
  void holdAt(uint64_t generation, int index) {
    std::lock_guard<std::mutex> lock(mutex_);
    generation_ = generation;
    index_ = index;
  }
  void release() {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }
  bool reached() {
    std::lock_guard<std::mutex> lock(mutex_);
    return reached_;
  }
  void operator()(uint64_t generation, int index) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (generation != generation_ || index != index_) return;
    reached_ = true;
    changed_.wait(lock, [&] { return open_; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  uint64_t generation_ = 0;
  int index_ = -1;
  bool reached_ = false;
  bool open_ = false;
};

QImage imageOf(const QIcon& icon) {
  return icon.pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class BrowserThumbnailTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir temp_;
  QString folder_;
  std::unique_ptr<AppFixture> app_;
  std::unique_ptr<CFormRUpper> pane_;

  CShellFileList* list() const { return pane_->fileList(); }
  // The thumbnail of the item named `name` (image k of item k).
  QImage thumbnailOf(const QString& name) const {
    const int row = list()->rowOfName(name);
    const int image = list()->model().rows()[static_cast<size_t>(row)].image;
    return imageOf(list()->thumbnails()[static_cast<size_t>(image)]);
  }
  bool waitComplete() {
    return QTest::qWaitFor([&] { return list()->thumbnailsComplete(); }, 20000);
  }

 private slots:
  void initTestCase() {
    QVERIFY(temp_.isValid());
    useTemporaryEnvironment(temp_);
  }

  void init() {
    static int run = 0;
    folder_ = temp_.path() + "/f" + QString::number(++run) + "/";
    makeFolder(folder_ + "sub");
    writePicture(folder_ + "wide.png", 100, 75, {200, 30, 40});
    writePicture(folder_ + "small.bmp", 20, 10, {10, 120, 30});
    writeBytes(folder_ + "broken.jpg", "not a picture");
    app_ = std::make_unique<AppFixture>();
    pane_ = std::make_unique<CFormRUpper>();
    pane_->InitialUpdate();
    theApp().CurrentFolder = folder_;
  }

  void cleanup() {
    pane_.reset();
    app_.reset();
  }

  void everyItemGetsItsThumbnail() {
    app_->preview.FolderChanged(folder_);
    app_->frame.viewMode = 3;
    pane_->SetViewMode(static_cast<ViewMode>(3));
    QVERIFY(waitComplete());
    QCOMPARE(list()->thumbnailCount(), 4);
    QVERIFY(list()->thumbnailsAttached());

    // 100 x 75: a 48 x 36 band 6 rows from the top and bottom, on white
    // shown transparent.
    const QImage wide = thumbnailOf("wide.png");
    QCOMPARE(qAlpha(wide.pixel(20, 2)), 0);
    QCOMPARE(wide.pixel(20, 24), qRgb(200, 30, 40));
    QCOMPARE(wide.pixel(0, 6), qRgb(200, 30, 40));
    QCOMPARE(wide.pixel(47, 41), qRgb(200, 30, 40));
    QCOMPARE(qAlpha(wide.pixel(20, 42)), 0);
    // 20 x 10: centred, unscaled, from (14, 19).
    const QImage small = thumbnailOf("small.bmp");
    QCOMPARE(small.pixel(14, 19), qRgb(10, 120, 30));
    QCOMPARE(small.pixel(33, 28), qRgb(10, 120, 30));
    QCOMPARE(qAlpha(small.pixel(13, 19)), 0);
    QCOMPARE(qAlpha(small.pixel(34, 28)), 0);
    // The folder picture for a folder, the placeholder where a file cannot
    // be decoded.
    QCOMPARE(thumbnailOf("sub"), imageOf(list()->folderThumbnail()));
    QCOMPARE(thumbnailOf("broken.jpg"), imageOf(list()->placeholderThumbnail()));
    QVERIFY(thumbnailOf("broken.jpg") != thumbnailOf("sub"));
  }

  void thumbnailModeChosenAgainBuildsOnce() {
    app_->preview.FolderChanged(folder_);
    pane_->SetViewMode(static_cast<ViewMode>(3));
    pane_->SetViewMode(static_cast<ViewMode>(3));  // while the first build is still at work
    QVERIFY(waitComplete());
    pane_->SetViewMode(static_cast<ViewMode>(0));
    QVERIFY(!list()->thumbnailsAttached());
    pane_->SetViewMode(static_cast<ViewMode>(3));
    QVERIFY(list()->thumbnailsAttached());
    QCOMPARE(list()->thumbnailBuildsStarted(), 1);
  }

  void aFillInThumbnailModeStartsABuild() {
    app_->frame.viewMode = 3;
    pane_->SetViewMode(static_cast<ViewMode>(3));
    app_->preview.FolderChanged(folder_);
    QVERIFY(waitComplete());
    QCOMPARE(list()->thumbnailCount(), 4);
  }

  void anotherFolderStopsTheBuildAndTheNewOneStartsAfresh() {
    const QString other =
        temp_.path() + "/other" + QString::number(reinterpret_cast<quintptr>(this) & 0xFFFF) + "/";
    makeFolder(other);
    writePicture(other + "one.tga", 30, 30);
    writePicture(other + "two.png", 30, 30);

    app_->frame.viewMode = 3;
    pane_->SetViewMode(static_cast<ViewMode>(3));
    WorkerGate gate;
    list()->builder().setEntryHook([&gate](uint64_t g, int k) { gate(g, k); });
    QSignalSpy ended(list(), &CShellFileList::thumbnailBuildEnded);
    // The fill's generation is the one after the current.
    const uint64_t first = list()->fillGeneration() + 1;
    gate.holdAt(first, 1);
    app_->preview.FolderChanged(folder_);
    QCOMPARE(list()->fillGeneration(), first);
    QVERIFY(QTest::qWaitFor([&] { return gate.reached(); }, 20000));
    // Thumbnail 0 arrives while the worker waits.
    QTRY_COMPARE_WITH_TIMEOUT(list()->thumbnailCount(), 1, 20000);

    // The user goes to another folder while the worker is held: the UI
    // thread does not wait for it.
    app_->preview.FolderChanged(other);
    const uint64_t second = list()->fillGeneration();
    QCOMPARE(list()->thumbnailCount(), 0);
    gate.release();
    QVERIFY(waitComplete());
    QCOMPARE(list()->thumbnailCount(), 2);
    QCOMPARE(list()->Folder(), other);
    QVERIFY(QTest::qWaitFor([&] { return ended.size() == 2; }, 20000));
    QCOMPARE(ended[0][0].toULongLong(), quint64(first));
    QCOMPARE(ended[0][1].toBool(), false);
    QCOMPARE(ended[1][0].toULongLong(), quint64(second));
    QCOMPARE(ended[1][1].toBool(), true);
    QCOMPARE(list()->thumbnailBuildsStarted(), 2);
    list()->builder().setEntryHook({});
  }

  void anEmptiedListStopsTheBuild() {
    app_->frame.viewMode = 3;
    pane_->SetViewMode(static_cast<ViewMode>(3));
    app_->preview.FolderChanged(folder_);
    pane_->DeleteAllItems();
    QCOMPARE(list()->itemCount(), 0);
    QVERIFY(list()->thumbnailsComplete());  // nothing left to build
    QTest::qWait(100);
    QCOMPARE(list()->thumbnailCount(), 0);
  }

  void destroyingThePaneDuringABuildIsSafe() {
    for (int i = 0; i < 40; ++i) writePicture(folder_ + QString("p%1.png").arg(i), 600, 400);
    app_->frame.viewMode = 3;
    pane_->SetViewMode(static_cast<ViewMode>(3));
    app_->preview.FolderChanged(folder_);
    QTest::qWait(5);
    pane_.reset();
    QTest::qWait(50);  // nothing left posted to the destroyed list
  }
};

QTEST_MAIN(BrowserThumbnailTest)
#include "browser_thumbnail_test.moc"
