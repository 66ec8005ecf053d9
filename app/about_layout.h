#pragma once
// What the about box paints by hand, and where its two link areas are.
//
// The texts and the stripe are placed by the low byte of the system
// language (9 English; 17 Japanese and 18 Korean share one placement); for
// any other language nothing is painted beyond the dialog's own controls.
// Positions are client pixels of the text's top-left corner, heights those of
// the font's whole character cell in pixels.
//
//   item                   font                   English    Japanese/Korean
//   "Trimlet"              Arial Black, 37        67, 8      77, 10
//   "Version 3.1"          Arial Black, 27        264, 16    274, 18
//   "Build Number: 3014"   Microsoft Sans Serif 15 67, 42    77, 44
//   "E-mail:"              Microsoft Sans Serif 18 67, 60    77, 62
//   "Homepage:"            same                   67, 80     77, 82
//   e-mail address, blue   same                   152, 60    162, 62
//   home page, blue        same                   152, 80    162, 82
//   stripe (bitmap 176, 2 x 16, stretched)        55, 13, 2 x 120   63, 15, 2 x 110
//
// The e-mail and home-page lines are painted only for an address that is
// not empty. Link areas (client pixels, right and bottom exclusive): e-mail
// (162, 50)-(285, 70), home page (162, 70)-(320, 90); an area is live only
// when its address is not empty.

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

namespace trimlet {

inline constexpr const char* kVersionText = "Trimlet version 3.1";
inline constexpr const char* kBuildNumber = "3014";

// The maker's support address and home page. Trimlet has neither, so the
// about box hides both lines and their links.
inline constexpr const char* kSupportAddress = "";
inline constexpr const char* kHomePage = "";
inline constexpr const char* kSupportSubject = "Trimlet support needed";

struct AboutText {
  QString text;
  QString family;
  int cellHeight;
  QPoint at;
  bool link;  // painted blue
};

struct AboutPainting {
  std::vector<AboutText> texts;
  QRect stripe;  // empty: no stripe
};

struct AboutAddresses {
  QString email;
  QString homePage;
};

AboutPainting aboutPainting(int languageLowByte, const AboutAddresses& addresses);

struct AboutLink {
  QRect area;
  QString url;  // "mailto:..." or the home page; "" when the link is off
};

// The e-mail link first, then the home page.
std::vector<AboutLink> aboutLinks(const AboutAddresses& addresses);
// The url of the live link under `point`, or "".
QString linkAt(const std::vector<AboutLink>& links, const QPoint& point);

}  // namespace trimlet
