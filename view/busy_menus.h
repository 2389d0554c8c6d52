// While the window's logic waits (the computer's search and the showing of
// its move, a hint's search), the menus that do not change the game keep
// working: ｵﾌﾟｼｮﾝ's display items, その他 with 遊び方 and the language. The
// other commands are greyed out until the wait is over, and everything else
// the person does on the window stays discarded.
#pragma once

#include <QObject>
#include <map>

#include "settings/menu_tree.h"

class QAction;
class QMenu;
class QWidget;

namespace kumora {

// True for the items (and the menus holding them) that may run during a wait.
bool works_while_busy(MenuId id);

// True when input meant for `target` may pass during a wait: the menu bar of
// `window`, the menus it opens, and other windows (a box, the rules window).
// Input for the rest of `window` is discarded.
bool reaches_while_busy(const QObject* target, const QWidget& window);

// Greys out (or back) every item and menu that may not run during a wait.
void enable_game_commands(const std::map<MenuId, QAction*>& actions,
                          const std::map<MenuId, QMenu*>& menus, bool enabled);

}  // namespace kumora
