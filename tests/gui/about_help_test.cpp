// The about box (its controls, what it paints per language, its links and
// cursor) and the help command (which page it opens, and what it does when
// there is none).
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "app/about_dlg.h"
#include "app/about_layout.h"
#include "app/base/kivo_app.h"
#include "app/base/message_box.h"
#include "app/help_command.h"

using namespace trimlet;

namespace {

// Takes the urls the desktop would have opened.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> urls;

 public slots:
  void open(const QUrl& url) { urls << url; }
};

void writeFile(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("<html></html>");
}

}  // namespace

class AboutHelpTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher_, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher_, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher_, "open");
    catcher_.urls.clear();
    messages_.clear();
    SetMessageHandler([this](MessageKind, const QString&, const QString& text) {
      messages_ << text;
      return true;
    });
  }

  void cleanup() {
    SetMessageHandler({});
    for (const char* scheme : {"file", "mailto", "https"}) {
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
  }

  void aboutControls() {
    CAboutDlg about(nullptr, 9);
    QCOMPARE(about.windowTitle(), QStringLiteral("About kivo"));
    auto* version = about.findChild<QLabel*>(QStringLiteral("version"));
    QVERIFY(version != nullptr);
    QCOMPARE(version->text(), QStringLiteral("Trimlet version 3.1"));
    for (const char* id : {"1050", "1051"}) {
      auto* hidden = about.findChild<QLabel*>(QString::fromLatin1(id));
      QVERIFY(hidden != nullptr);
      QVERIFY(hidden->isHidden());
    }
    auto* icon = about.findChild<QLabel*>(QStringLiteral("icon"));
    QVERIFY(icon != nullptr && !icon->pixmap().isNull());
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("1"));
    QVERIFY(ok != nullptr);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    about.show();
    ok->click();
    QCOMPARE(about.result(), int(QDialog::Accepted));
  }

  void painting_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QPoint>("title");
    QTest::addColumn<QPoint>("version");
    QTest::addColumn<QPoint>("build");
    QTest::addColumn<QRect>("stripe");
    QTest::newRow("English") << 9 << QPoint(67, 8) << QPoint(264, 16) << QPoint(67, 42)
                             << QRect(55, 13, 2, 120);
    QTest::newRow("Japanese") << 17 << QPoint(77, 10) << QPoint(274, 18) << QPoint(77, 44)
                              << QRect(63, 15, 2, 110);
    QTest::newRow("Korean") << 18 << QPoint(77, 10) << QPoint(274, 18) << QPoint(77, 44)
                            << QRect(63, 15, 2, 110);
  }

  void painting() {
    QFETCH(int, language);
    QFETCH(QPoint, title);
    QFETCH(QPoint, version);
    QFETCH(QPoint, build);
    QFETCH(QRect, stripe);
    const AboutPainting painting = aboutPainting(language, AboutAddresses{});
    // Without an address or home page, their lines are not painted.
    QCOMPARE(painting.texts.size(), size_t(3));
    expectText(painting.texts[0], "Trimlet", "Arial Black", 37, title);
    expectText(painting.texts[1], "Version 3.1", "Arial Black", 27, version);
    expectText(painting.texts[2], "Build Number: 3014", "Microsoft Sans Serif", 15, build);
    QCOMPARE(painting.stripe, stripe);
  }

  void paintingWithAddresses() {
    const AboutAddresses addresses{QStringLiteral("help@example.org"),
                                   QStringLiteral("https://example.org/")};
    const AboutPainting painting = aboutPainting(9, addresses);
    QCOMPARE(painting.texts.size(), size_t(7));
    expectText(painting.texts[3], "E-mail:", "Microsoft Sans Serif", 18, QPoint(67, 60));
    expectText(painting.texts[4], "help@example.org", "Microsoft Sans Serif", 18, QPoint(152, 60));
    QVERIFY(painting.texts[4].link);
    expectText(painting.texts[5], "Homepage:", "Microsoft Sans Serif", 18, QPoint(67, 80));
    expectText(painting.texts[6], "https://example.org/", "Microsoft Sans Serif", 18,
               QPoint(152, 80));
  }

  void otherLanguagesPaintNothing() {
    for (int language : {0, 7, 12, 255}) {
      const AboutPainting painting = aboutPainting(language, AboutAddresses{});
      QVERIFY(painting.texts.empty());
      QVERIFY(painting.stripe.isEmpty());
    }
  }

  void linkAreas_data() {
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("url");
    const QString mail = QStringLiteral("mailto:help@example.org?subject=Trimlet support needed");
    QTest::newRow("e-mail, top left") << QPoint(162, 50) << mail;
    QTest::newRow("e-mail, bottom right") << QPoint(284, 69) << mail;
    QTest::newRow("right of the e-mail") << QPoint(285, 55) << "";
    QTest::newRow("home page") << QPoint(300, 70) << "https://example.org/";
    QTest::newRow("below the home page") << QPoint(200, 90) << "";
    QTest::newRow("left of both") << QPoint(161, 60) << "";
  }

  void linkAreas() {
    QFETCH(QPoint, point);
    QFETCH(QString, url);
    const AboutAddresses addresses{QStringLiteral("help@example.org"),
                                   QStringLiteral("https://example.org/")};
    QCOMPARE(QUrl(linkAt(aboutLinks(addresses), point)), QUrl(url));
  }

  void noLiveLinksWithoutAddresses() {
    const std::vector<AboutLink> links = aboutLinks(AboutAddresses{});
    QCOMPARE(links.size(), size_t(2));
    QCOMPARE(links[0].area, QRect(QPoint(162, 50), QPoint(284, 69)));
    QCOMPARE(links[1].area, QRect(QPoint(162, 70), QPoint(319, 89)));
    QVERIFY(linkAt(links, QPoint(200, 60)).isEmpty());
    QVERIFY(linkAt(links, QPoint(200, 80)).isEmpty());
  }

  void handOverALiveLink() {
    CAboutDlg about(nullptr, 9, AboutAddresses{QStringLiteral("help@example.org"), QString()});
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QTest::mouseMove(&about, QPoint(200, 60));
    QTRY_COMPARE(about.cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(&about, QPoint(200, 80));  // the home page has no address
    QTRY_COMPARE(about.cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(200, 60));
    QCOMPARE(catcher_.urls.size(), 1);
    QCOMPARE(catcher_.urls[0].scheme(), QStringLiteral("mailto"));
  }

  void handCursorIsTheDrawnOne() {
    CAboutDlg about(nullptr, 9);
    const QCursor& hand = about.handCursor();
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    QCOMPARE(hand.hotSpot(), QPoint(9, 1));
  }

  void helpPageUnderStartupFolder() {
    QTemporaryDir start;
    writeFile(start.filePath(QStringLiteral("help/kivo.htm")));
    theApp().StartupFolder = start.path();
    OpenHelpContents();
    QCOMPARE(catcher_.urls.size(), 1);
    QCOMPARE(catcher_.urls[0],
             QUrl::fromLocalFile(start.filePath(QStringLiteral("help/kivo.htm"))));
    QVERIFY(messages_.isEmpty());
  }

  void installedHelpPageWhenMissing() {
    QTemporaryDir root;
    writeFile(root.filePath(QStringLiteral("share/trimlet/help/kivo.htm")));
    const QString program = root.filePath(QStringLiteral("bin"));
    QCOMPARE(findHelpPage(root.filePath(QStringLiteral("elsewhere")), program),
             QDir::cleanPath(root.filePath(QStringLiteral("share/trimlet/help/kivo.htm"))));
    // The page under the start-up folder comes first when it exists.
    writeFile(root.filePath(QStringLiteral("elsewhere/help/kivo.htm")));
    QCOMPARE(findHelpPage(root.filePath(QStringLiteral("elsewhere")), program),
             root.filePath(QStringLiteral("elsewhere/help/kivo.htm")));
  }

  void noHelpPageAnywhere() {
    QTemporaryDir start;
    QCOMPARE(helpPageCandidates(start.path(), QString()).first(),
             start.filePath(QStringLiteral("help/kivo.htm")));
    theApp().StartupFolder = start.path();
    if (!findHelpPage(start.path(), QCoreApplication::applicationDirPath()).isEmpty()) {
      QSKIP("an installed help page exists on this machine");
    }
    OpenHelpContents();
    QVERIFY(catcher_.urls.isEmpty());
    QCOMPARE(messages_, QStringList{QString::fromLatin1(kHelpMissingMessage)});
  }

 private:
  static void expectText(const AboutText& text, const char* content, const char* family, int height,
                         QPoint at) {
    QCOMPARE(text.text, QString::fromLatin1(content));
    QCOMPARE(text.family, QString::fromLatin1(family));
    QCOMPARE(text.cellHeight, height);
    QCOMPARE(text.at, at);
  }

  UrlCatcher catcher_;
  QStringList messages_;
};

QTEST_MAIN(AboutHelpTest)
#include "about_help_test.moc"
