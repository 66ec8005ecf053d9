// The frame's actions, menus, toolbar and accelerators (see frame_commands.h).
#include "app/frame_commands.h"

#include <QAction>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>

#include "app/command_ids.h"
#include "app/command_table.h"

namespace trimlet {

FrameCommands::FrameCommands(QMainWindow* frame) {
  for (const CommandInfo& info : commandTable()) {
    auto* action = new QAction(QString::fromLatin1(info.text), frame);
    action->setObjectName(QString::number(info.id));
    action->setStatusTip(QString::fromLatin1(info.prompt));
    if (*info.tip != '\0') action->setToolTip(QString::fromLatin1(info.tip));
    if (info.icon != nullptr) action->setIcon(QIcon(QString::fromLatin1(info.icon)));
    action->setCheckable(info.checkable);
    action->setEnabled(info.available);
    actions_[info.id] = action;
  }

  QMenuBar* bar = frame->menuBar();
  for (const MenuPopup& popup : menuLayout()) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(popup.title));
    for (int id : popup.items) {
      if (id == kSeparator) {
        menu->addSeparator();
      } else {
        menu->addAction(action(id));
      }
    }
  }

  toolBar_ = new QToolBar(frame);
  toolBar_->setObjectName(QString::number(cmd::kToolBarId));
  toolBar_->setWindowTitle(QStringLiteral("Toolbar"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setIconSize(QSize(16, 15));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  for (int id : toolBarLayout()) {
    if (id == kSeparator) {
      toolBar_->addSeparator();
    } else {
      toolBar_->addAction(action(id));
    }
  }
  frame->addToolBar(Qt::TopToolBarArea, toolBar_);

  for (const Accelerator& accel : acceleratorTable()) {
    const QString keys = QString::fromLatin1(accel.keys);
    auto* shortcut = new QShortcut(QKeySequence(keys), frame);
    shortcut->setObjectName(keys);
    shortcut->setContext(Qt::WindowShortcut);
    QAction* target = action(accel.id);
    QObject::connect(shortcut, &QShortcut::activated, target, &QAction::trigger);
    accelerators_[keys] = shortcut;
  }
}

QAction* FrameCommands::action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QShortcut* FrameCommands::accelerator(const QString& keys) const {
  const auto it = accelerators_.find(keys);
  return it == accelerators_.end() ? nullptr : it->second;
}

void FrameCommands::updateViewChecks(ViewMode viewMode) {
  for (ViewMode mode :
       {ViewMode::kLargeIcon, ViewMode::kSmallIcon, ViewMode::kDetails, ViewMode::kThumbnail}) {
    action(viewCommandOf(mode))->setChecked(mode == viewMode);
  }
}

}  // namespace trimlet
