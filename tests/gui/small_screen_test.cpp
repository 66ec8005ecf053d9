// On a screen of exactly 1024 x 768 a frame stored at exactly 1024 x 768
// opens maximised, whatever "Maximized" says. The program runs here on an
// offscreen screen of that size (set up before the application starts).
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/kivo_program.h"
#include "app/main_frame.h"
#include "app_test_fakes.h"
#include "engine/settings/settings_keys.h"

using namespace trimlet;
using namespace trimlet::test;

class SmallScreenTest : public QObject {
  Q_OBJECT

 private slots:
  void screenIsSmall() { QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1024, 768)); }

  void placement_data() {
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("maximized");
    QTest::addColumn<bool>("opensMaximized");
    QTest::newRow("first start") << -1 << -1 << -1 << true;
    QTest::newRow("stored 1024 x 768, not maximised") << 1024 << 768 << 0 << true;
    QTest::newRow("stored 800 x 600") << 800 << 600 << 0 << false;
    QTest::newRow("stored 800 x 600, maximised") << 800 << 600 << 1 << true;
  }

  void placement() {
    QFETCH(int, right);
    QFETCH(int, bottom);
    QFETCH(int, maximized);
    QFETCH(bool, opensMaximized);
    MemoryProfileStore store;
    using namespace keys;
    if (right >= 0) store.writeInt(kWindowInfo, kWindowRight, right);
    if (bottom >= 0) store.writeInt(kWindowInfo, kWindowBottom, bottom);
    if (maximized >= 0) store.writeInt(kWindowInfo, kMaximized, maximized);
    const QString before = QDir::currentPath();
    {
      KivoProgram program(&store, fakePaneMakers());
      QVERIFY(program.InitInstance({"trimlet"}));
      QVERIFY(QTest::qWaitForWindowExposed(program.frame()));
      QTRY_COMPARE(program.frame()->isMaximized(), opensMaximized);
      // The tree was asked for the current folder once the frame showed.
      QCOMPARE(fakeTree()->selected, std::vector<QString>{theApp().CurrentFolder});
    }
    QDir::setCurrent(before);
    // The store is the caller's: still there, and the frame wrote to it.
    QCOMPARE(store.intValue(kWindowInfo, kMaximized), opensMaximized ? 1 : 0);
    QVERIFY(theApp().Store == nullptr);
  }
};

int main(int argc, char* argv[]) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screens.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1024, "height": 768,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
  QApplication application(argc, argv);
  SmallScreenTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "small_screen_test.moc"
