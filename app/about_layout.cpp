// What the about box paints, and its link areas (see about_layout.h).
#include "app/about_layout.h"

#include <QUrl>

namespace trimlet {

namespace {

const QString kTitleFont = QStringLiteral("Arial Black");
const QString kTextFont = QStringLiteral("Microsoft Sans Serif");

}  // namespace

AboutPainting aboutPainting(int languageLowByte, const AboutAddresses& addresses) {
  AboutPainting painting;
  int dx = 0;
  int dy = 0;
  int stripeHeight = 120;
  if (languageLowByte == 9) {
    // English: the positions as they stand.
  } else if (languageLowByte == 17 || languageLowByte == 18) {
    dx = 10;
    dy = 2;
    stripeHeight = 110;
  } else {
    return painting;
  }
  auto& t = painting.texts;
  t.push_back({QStringLiteral("Trimlet"), kTitleFont, 37, QPoint(67 + dx, 8 + dy), false});
  t.push_back({QStringLiteral("Version 3.1"), kTitleFont, 27, QPoint(264 + dx, 16 + dy), false});
  t.push_back({QStringLiteral("Build Number: ") + QString::fromLatin1(kBuildNumber), kTextFont, 15,
               QPoint(67 + dx, 42 + dy), false});
  if (!addresses.email.isEmpty()) {
    t.push_back({QStringLiteral("E-mail:"), kTextFont, 18, QPoint(67 + dx, 60 + dy), false});
    t.push_back({addresses.email, kTextFont, 18, QPoint(152 + dx, 60 + dy), true});
  }
  if (!addresses.homePage.isEmpty()) {
    t.push_back({QStringLiteral("Homepage:"), kTextFont, 18, QPoint(67 + dx, 80 + dy), false});
    t.push_back({addresses.homePage, kTextFont, 18, QPoint(152 + dx, 80 + dy), true});
  }
  // The Japanese and Korean stripe sits 8 right and 2 down, and is shorter.
  painting.stripe =
      languageLowByte == 9 ? QRect(55, 13, 2, stripeHeight) : QRect(63, 15, 2, stripeHeight);
  return painting;
}

std::vector<AboutLink> aboutLinks(const AboutAddresses& addresses) {
  std::vector<AboutLink> links;
  QString mail;
  if (!addresses.email.isEmpty()) {
    QUrl url(QStringLiteral("mailto:") + addresses.email);
    url.setQuery(QStringLiteral("subject=") + QString::fromLatin1(kSupportSubject));
    mail = url.toString();
  }
  links.push_back({QRect(QPoint(162, 50), QPoint(284, 69)), mail});
  links.push_back({QRect(QPoint(162, 70), QPoint(319, 89)), addresses.homePage});
  return links;
}

QString linkAt(const std::vector<AboutLink>& links, const QPoint& point) {
  for (const AboutLink& link : links) {
    if (!link.url.isEmpty() && link.area.contains(point)) return link.url;
  }
  return QString();
}

}  // namespace trimlet
