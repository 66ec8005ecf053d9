// The about box (see about_dlg.h).
#include "app/about_dlg.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "app/app_resources.h"

namespace trimlet {

namespace {

QFont aboutFont(const AboutText& text) {
  QFont font(text.family);
  // Neither family is usual on Linux: ask for the same look from whatever
  // sans-serif face is there.
  font.setStyleHint(QFont::SansSerif);
  if (text.family == QLatin1String("Arial Black")) font.setWeight(QFont::Black);
  // The height is that of the whole character cell (ascent and descent), as
  // the window system of the original layout measures a font; Qt sizes the em.
  font.setPixelSize(text.cellHeight);
  const int cell = QFontMetrics(font).height();
  if (cell > 0) font.setPixelSize(std::max(1, text.cellHeight * text.cellHeight / cell));
  return font;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent, int languageLowByte, AboutAddresses addresses)
    : QDialog(parent),
      language_(languageLowByte),
      addresses_(std::move(addresses)),
      links_(aboutLinks(addresses_)),
      hand_(loadHandCursor()),
      stripe_(QStringLiteral(":/app/bitmaps/stripe_176.png")) {
  setObjectName(QStringLiteral("100"));
  setWindowTitle(QStringLiteral("About kivo"));
  setFixedSize(440, 168);
  setMouseTracking(true);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon"));
  icon->setPixmap(programIcon().pixmap(32, 32));
  icon->setGeometry(14, 14, 32, 32);

  auto* version = new QLabel(QString::fromLatin1(kVersionText), this);
  version->setObjectName(QStringLiteral("version"));
  version->setGeometry(67, 104, 220, 20);

  // The statics of the template's e-mail and home-page lines stay hidden;
  // those lines are painted (and here, having no addresses, left out).
  for (int id : {kAboutEmailStatic, kAboutHomePageStatic}) {
    auto* hidden = new QLabel(this);
    hidden->setObjectName(QString::number(id));
    hidden->hide();
  }

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  ok->setGeometry(width() - 90, height() - 36, 76, 24);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CAboutDlg::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  const AboutPainting painting = aboutPainting(language_, addresses_);
  QPainter painter(this);
  painter.setBackgroundMode(Qt::TransparentMode);
  for (const AboutText& text : painting.texts) {
    painter.setFont(aboutFont(text));
    painter.setPen(text.link ? QColor(0, 0, 255) : palette().color(QPalette::WindowText));
    const QRect box(text.at, QSize(width() - text.at.x(), text.cellHeight * 2));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.text);
  }
  if (!painting.stripe.isEmpty() && !stripe_.isNull()) {
    painter.drawPixmap(painting.stripe, stripe_);
  }
}

void CAboutDlg::mouseMoveEvent(QMouseEvent* event) {
  if (linkAt(links_, event->position().toPoint()).isEmpty()) {
    setCursor(Qt::ArrowCursor);
  } else {
    setCursor(hand_);
  }
  QDialog::mouseMoveEvent(event);
}

void CAboutDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QString url = linkAt(links_, event->position().toPoint());
    if (!url.isEmpty()) QDesktopServices::openUrl(QUrl(url));
  }
  QDialog::mousePressEvent(event);
}

}  // namespace trimlet
