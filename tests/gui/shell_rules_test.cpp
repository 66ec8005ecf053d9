// The shell's plain rules: where the frame opens, when it opens maximised,
// the first pane sizes, what "Window Info" holds, the command line, the
// language identifier, the folder of the last file and the status texts.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <climits>

#include "app/command_line.h"
#include "app/kivo_program.h"
#include "app/language_id.h"
#include "app/status_panes.h"
#include "app/window_placement.h"
#include "engine/settings/settings_keys.h"

using namespace trimlet;

class ShellRulesTest : public QObject {
  Q_OBJECT

 private slots:
  void creationRect_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("defaults") << 0 << 0 << 1024 << 768 << QRect(0, 0, 1024, 768);
    QTest::newRow("stored") << 100 << 50 << 900 << 650 << QRect(100, 50, 800, 600);
    QTest::newRow("left of the screen") << -300 << 10 << 200 << 410 << QRect(-300, 10, 500, 400);
    QTest::newRow("no width") << 100 << 50 << 100 << 650 << QRect(0, 0, 1024, 768);
    QTest::newRow("negative height") << 0 << 700 << 800 << 100 << QRect(0, 0, 1024, 768);
    QTest::newRow("too wide") << 0 << 0 << 40000 << 600 << QRect(0, 0, 1024, 768);
    QTest::newRow("difference beyond int")
        << INT_MIN << 0 << INT_MAX << 600 << QRect(0, 0, 1024, 768);
    QTest::newRow("one pixel") << 5 << 5 << 6 << 6 << QRect(5, 5, 1, 1);
  }

  void creationRect() {
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, right);
    QFETCH(int, bottom);
    QFETCH(QRect, rect);
    QCOMPARE(trimlet::creationRect(WindowInfo{left, top, right, bottom, 0}), rect);
  }

  void keepOnScreens_data() {
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("kept");
    QTest::newRow("on the first screen") << QRect(10, 10, 800, 600) << QRect(10, 10, 800, 600);
    QTest::newRow("on the second screen") << QRect(1500, 10, 800, 600) << QRect(1500, 10, 800, 600);
    QTest::newRow("partly on a screen")
        << QRect(-700, -500, 800, 600) << QRect(-700, -500, 800, 600);
    QTest::newRow("on a screen that has gone")
        << QRect(5000, 3000, 800, 600) << QRect(0, 0, 800, 600);
  }

  void keepOnScreens() {
    QFETCH(QRect, rect);
    QFETCH(QRect, kept);
    const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 1920, 1080)};
    QCOMPARE(trimlet::keepOnScreens(rect, screens), kept);
  }

  void startMaximized_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("maximized");
    QTest::addColumn<bool>("expected");
    const QSize small(1024, 768);
    const QSize large(1920, 1080);
    QTest::newRow("first run, large screen") << large << 0 << 1024 << 768 << 0 << false;
    QTest::newRow("first run, 1024 x 768 screen") << small << 0 << 1024 << 768 << 0 << true;
    QTest::newRow("1024 x 768 moved, 1024 x 768 screen")
        << small << 200 << 1224 << 768 << 0 << true;
    QTest::newRow("smaller frame, 1024 x 768 screen") << small << 0 << 1000 << 768 << 0 << false;
    QTest::newRow("ended maximised") << large << 0 << 800 << 600 << 1 << true;
    QTest::newRow("any non-zero flag") << large << 0 << 800 << 600 << 5 << true;
  }

  void startMaximized() {
    QFETCH(QSize, screen);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, bottom);
    QFETCH(int, maximized);
    QFETCH(bool, expected);
    QCOMPARE(trimlet::startMaximized(WindowInfo{left, 0, right, bottom, maximized}, screen),
             expected);
  }

  void firstPaneSizes_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QSize>("tree");
    QTest::addColumn<QSize>("list");
    QTest::addColumn<QSize>("settings");
    QTest::addColumn<QSize>("preview");
    // w = W / 10, h = H / 12: 2w x h; 3w x 3h; 3w x 2h; 3w x 7h.
    QTest::newRow("1024 x 768") << QSize(1024, 768) << QSize(204, 64) << QSize(306, 192)
                                << QSize(306, 128) << QSize(306, 448);
    QTest::newRow("999 x 599, divisions truncate")
        << QSize(999, 599) << QSize(198, 49) << QSize(297, 147) << QSize(297, 98)
        << QSize(297, 343);
    QTest::newRow("tiny") << QSize(9, 11) << QSize(0, 0) << QSize(0, 0) << QSize(0, 0)
                          << QSize(0, 0);
  }

  void firstPaneSizes() {
    QFETCH(QSize, frame);
    QFETCH(QSize, tree);
    QFETCH(QSize, list);
    QFETCH(QSize, settings);
    QFETCH(QSize, preview);
    const PaneSizes sizes = trimlet::firstPaneSizes(frame.width(), frame.height());
    QCOMPARE(sizes.tree, tree);
    QCOMPARE(sizes.list, list);
    QCOMPARE(sizes.settings, settings);
    QCOMPARE(sizes.preview, preview);
  }

  void windowInfoReadOrderAndDefaults() {
    MemoryProfileStore store;
    const WindowInfo info = readWindowInfo(store);
    QCOMPARE(info.left, 0);
    QCOMPARE(info.top, 0);
    QCOMPARE(info.right, 1024);
    QCOMPARE(info.bottom, 768);
    QCOMPARE(info.maximized, 0);
    QCOMPARE(store.readLog(), (std::vector<std::string>{"Window Info/Maximized",
                                                        "Window Info/right", "Window Info/left",
                                                        "Window Info/bottom", "Window Info/top"}));
  }

  void windowInfoRoundTrip() {
    MemoryProfileStore store;
    writeWindowInfo(store, QRect(-20, 30, 640, 480), true, ViewMode::kThumbnail);
    using namespace keys;
    QCOMPARE(store.intValue(kWindowInfo, kWindowLeft), -20);
    QCOMPARE(store.intValue(kWindowInfo, kWindowRight), 620);
    QCOMPARE(store.intValue(kWindowInfo, kWindowBottom), 510);
    const WindowInfo info = readWindowInfo(store);
    QCOMPARE(trimlet::creationRect(info), QRect(-20, 30, 640, 480));
    QCOMPARE(info.maximized, 1);
    QCOMPARE(static_cast<int>(readViewMode(store)), 3);
  }

  void statusTexts_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("size");
    QTest::newRow("640 x 480") << 640 << 480 << "640 x 480";
    QTest::newRow("nothing yet") << 0 << 0 << "0 x 0";
    QTest::newRow("wide") << 16000 << 9 << "16000 x 9";
  }

  void statusTexts() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, size);
    QCOMPARE(formatSizePane(width, height), size);
  }

  void scaleTexts() {
    QCOMPARE(formatScalePane(0), QStringLiteral("0%"));
    QCOMPARE(formatScalePane(37), QStringLiteral("37%"));
    QCOMPARE(formatScalePane(100), QStringLiteral("100%"));
  }

  void folderOfPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("file in a folder") << "/home/ann/Pics/a.jpg"
                                      << "/home/ann/Pics/";
    QTest::newRow("file at the root") << "/a.jpg"
                                      << "/";
    QTest::newRow("no folder") << "a.jpg"
                               << "";
    QTest::newRow("empty") << ""
                           << "";
  }

  void folderOfPath() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(trimlet::folderOfPath(path), folder);
  }

  void trailingSlash() {
    QCOMPARE(withTrailingSlash(QStringLiteral("/home/ann")), QStringLiteral("/home/ann/"));
    QCOMPARE(withTrailingSlash(QStringLiteral("/home/ann/")), QStringLiteral("/home/ann/"));
    QCOMPARE(withTrailingSlash(QStringLiteral("/")), QStringLiteral("/"));
  }

  void commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("folder");  // "<dir>" stands for the temporary folder
    QTest::newRow("nothing") << QStringList{"trimlet"} << int(CommandLine::kRun) << "";
    QTest::newRow("a folder") << QStringList{"trimlet", "<dir>"} << int(CommandLine::kRun)
                              << "<dir>";
    QTest::newRow("a folder with a slash")
        << QStringList{"trimlet", "<dir>/"} << int(CommandLine::kRun) << "<dir>";
    QTest::newRow("a missing folder")
        << QStringList{"trimlet", "<dir>/gone"} << int(CommandLine::kFailed) << "";
    QTest::newRow("a file") << QStringList{"trimlet", "<dir>/file.jpg"} << int(CommandLine::kFailed)
                            << "";
    QTest::newRow("two folders") << QStringList{"trimlet", "<dir>", "<dir>"}
                                 << int(CommandLine::kFailed) << "";
    QTest::newRow("unknown option")
        << QStringList{"trimlet", "--frobnicate"} << int(CommandLine::kFailed) << "";
    QTest::newRow("help") << QStringList{"trimlet", "--help"} << int(CommandLine::kPrinted) << "";
    QTest::newRow("help with Qt's options")
        << QStringList{"trimlet", "--help-all"} << int(CommandLine::kPrinted) << "";
    QTest::newRow("version") << QStringList{"trimlet", "--version"} << int(CommandLine::kPrinted)
                             << "";
  }

  void commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, outcome);
    QFETCH(QString, folder);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("file.jpg")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString root = QDir(dir.path()).canonicalPath();
    arguments.replaceInStrings(QStringLiteral("<dir>"), root);
    const CommandLine line = parseCommandLine(arguments);
    QCOMPARE(int(line.outcome), outcome);
    QCOMPARE(line.folder, folder.replace(QStringLiteral("<dir>"), root));
    if (outcome != CommandLine::kRun) QVERIFY(!line.text.isEmpty());
  }

  void missingFolderIsNamed() {
    const CommandLine line = parseCommandLine({"trimlet", "/no/such/folder"});
    QCOMPARE(line.text, QStringLiteral("The folder /no/such/folder does not exist."));
  }

  void relativeFolderIsMadeAbsolute() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pics")));
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const CommandLine line = parseCommandLine({"trimlet", "Pics"});
    QDir::setCurrent(before);
    QCOMPARE(line.folder, QDir(dir.path()).absoluteFilePath(QStringLiteral("Pics")));
  }

  void languageId_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("id");
    QTest::newRow("English (US)") << "en_US" << 0x0409;
    QTest::newRow("English (UK)") << "en_GB" << 0x0409;
    QTest::newRow("Japanese") << "ja_JP" << 0x0411;
    QTest::newRow("Korean") << "ko_KR" << 0x0412;
    QTest::newRow("German") << "de_DE" << 0x0407;
    QTest::newRow("C locale counts as English") << "C" << 0x0409;
    QTest::newRow("Esperanto has no identifier") << "eo" << 0x0400;
  }

  void languageId() {
    QFETCH(QString, locale);
    QFETCH(int, id);
    QCOMPARE(int(languageIdFor(QLocale(locale))), id);
  }
};

QTEST_MAIN(ShellRulesTest)
#include "shell_rules_test.moc"
