// The status bar panes of the main frame (see status_panes.h).
#include "app/status_panes.h"

#include <QLabel>
#include <QStatusBar>
#include <algorithm>

#include "app/command_ids.h"
#include "app/command_table.h"

namespace trimlet {

namespace {

// A pane as wide as its initial text (or its text, when that is longer), that
// gives way when the frame is made narrower than all panes together: the
// panes never hold the frame wider than the user wants it.
class StatusPane : public QLabel {
 public:
  StatusPane(const QString& initial, QWidget* parent) : QLabel(initial, parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    initialWidth_ = fontMetrics().horizontalAdvance(initial);
  }
  QSize sizeHint() const override {
    const QSize hint = QLabel::sizeHint();
    const int text = std::max(initialWidth_, fontMetrics().horizontalAdvance(this->text()));
    return QSize(text + 2 * frameWidth() + 6, hint.height());
  }
  QSize minimumSizeHint() const override { return QSize(0, QLabel::minimumSizeHint().height()); }

 private:
  int initialWidth_ = 0;
};

}  // namespace

const std::vector<StatusPaneInfo>& statusPaneTable() {
  using namespace cmd;
  static const std::vector<StatusPaneInfo> table = {
      {kPaneOriginalSize, "Original Size"},
      {kPaneSourceSize, "xxxxxxxxxx"},
      {kPaneSourceScale, "xxxxxxxxxx"},
      {kPaneGap, "                                                        "},  // 56 spaces
      {kPaneAfterCrop, "After Crop"},
      {kPaneResultSize, "xxxxxxxxxx"},
      {kPaneResultScale, "xxxxxxxxxx"},
  };
  return table;
}

QString formatSizePane(int width, int height) {
  return QString::asprintf("%d x %-d", width, height);
}

QString formatScalePane(int scale) { return QString::asprintf("%d%%", scale); }

StatusPanes::StatusPanes(QStatusBar* bar, const StatusValues& values) {
  // The message pane is a normal widget: a prompt (a temporary message of
  // the bar) covers it, and it shows again when the prompt is cleared.
  message_ = new QLabel(QString::fromLatin1(kIdleText), bar);
  message_->setObjectName(QStringLiteral("0"));
  bar->addWidget(message_, 1);
  for (const StatusPaneInfo& info : statusPaneTable()) {
    auto* label = new StatusPane(QString::fromLatin1(info.initialText), bar);
    label->setObjectName(QString::number(info.id));
    bar->addPermanentWidget(label);
    panes_.push_back(label);
  }
  show(values);
}

void StatusPanes::show(const StatusValues& v) {
  pane(cmd::kPaneSourceSize)->setText(formatSizePane(v.sourceWidth, v.sourceHeight));
  pane(cmd::kPaneSourceScale)->setText(formatScalePane(v.sourceScale));
  pane(cmd::kPaneResultSize)->setText(formatSizePane(v.resultWidth, v.resultHeight));
  pane(cmd::kPaneResultScale)->setText(formatScalePane(v.resultScale));
}

QLabel* StatusPanes::pane(int id) const {
  if (id == 0) return message_;
  const std::vector<StatusPaneInfo>& table = statusPaneTable();
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].id == id) return panes_[i];
  }
  return nullptr;
}

}  // namespace trimlet
