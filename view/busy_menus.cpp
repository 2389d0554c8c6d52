#include "view/busy_menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace kumora {

bool works_while_busy(MenuId id) {
  if (is_display_choice(id)) return true;
  switch (id) {
    case MenuId::OPTIONS_MENU:
    case MenuId::BACKGROUND_MENU:
    case MenuId::OTHER_MENU:
    case MenuId::ABOUT:
    case MenuId::HOW_TO_PLAY:
    case MenuId::LANGUAGE_MENU:
    case MenuId::JAPANESE:
    case MenuId::ENGLISH:
      return true;
    default:
      return false;
  }
}

bool reaches_while_busy(const QObject* target, const QWidget& window) {
  // Events come to the platform window first and are then handed to the
  // widget under the mouse or with the focus: they are judged there.
  if (target == nullptr || !target->isWidgetType()) return true;
  const auto* widget = static_cast<const QWidget*>(target);
  if (widget->window() != &window) return true;
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (qobject_cast<const QMenuBar*>(w) != nullptr) return true;
  }
  return false;
}

void enable_game_commands(const std::map<MenuId, QAction*>& actions,
                          const std::map<MenuId, QMenu*>& menus, bool enabled) {
  for (const auto& [id, action] : actions) {
    if (!works_while_busy(id)) action->setEnabled(enabled);
  }
  for (const auto& [id, menu] : menus) {
    if (!works_while_busy(id)) menu->menuAction()->setEnabled(enabled);
  }
}

}  // namespace kumora
