// The program's four panes (see frame_panes.h).
#include "app/frame_panes.h"

#include <QLabel>

#include "settings/panel/form_rmiddle.h"

#if TRIMLET_HAVE_BROWSER_GUI
#error "the browser panes are not wired in yet"
#endif
#if TRIMLET_HAVE_PREVIEW_GUI
#error "the preview pane is not wired in yet"
#endif

namespace trimlet {

namespace {

// A pane still to come: its name in the middle of an empty pane.
QWidget* placeholder(QWidget* parent, const char* name) {
  auto* label = new QLabel(QString::fromLatin1(name), parent);
  label->setAlignment(Qt::AlignCenter);
  label->setEnabled(false);
  return label;
}

}  // namespace

PaneMakers defaultPaneMakers() {
  PaneMakers makers;
  makers.tree = [](QWidget* parent) { return placeholder(parent, "Folders"); };
  makers.list = [](QWidget* parent) { return placeholder(parent, "Files"); };
  makers.settings = [](QWidget* parent) -> QWidget* { return new CFormRMiddle(parent); };
  makers.preview = [](QWidget* parent) { return placeholder(parent, "Preview"); };
  return makers;
}

}  // namespace trimlet
