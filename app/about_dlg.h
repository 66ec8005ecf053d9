#pragma once
// CAboutDlg: the about box ("About kivo"). Its controls are the program
// icon, one line of text (the version), the two hidden statics of the
// e-mail and home-page lines (ids 1050, 1051) and OK; the rest is painted
// by hand as about_layout.h lays it out. The pointer becomes the hand
// (cursor 141) over a live link and the arrow elsewhere; a click on a live
// link opens it with the desktop's handler, whose result is ignored.

#include <QCursor>
#include <QDialog>
#include <QPixmap>
#include <vector>

#include "app/about_layout.h"

namespace trimlet {

inline constexpr int kAboutEmailStatic = 1050;
inline constexpr int kAboutHomePageStatic = 1051;

class CAboutDlg : public QDialog {
 public:
  // `languageLowByte` picks the painted layout (see about_layout.h).
  explicit CAboutDlg(QWidget* parent, int languageLowByte,
                     AboutAddresses addresses = AboutAddresses{QString::fromLatin1(kSupportAddress),
                                                               QString::fromLatin1(kHomePage)});

  const QCursor& handCursor() const { return hand_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int language_;
  AboutAddresses addresses_;
  std::vector<AboutLink> links_;
  QCursor hand_;
  QPixmap stripe_;
};

}  // namespace trimlet
