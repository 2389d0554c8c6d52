// What the real window shows a person, written down as lines "key = value":
// every visible widget of every open window (where it stands, its text, a
// list's rows and scroll, a box's contents, a button's state), the menu
// items (caption, enabled, ticked), what the pictures show (the board as
// drawn, picture by picture and text by text, and where it is shown; the
// graph's values; which rules diagram), and the game's state.
// Two accounts taken after each step of a sitting differ only where the
// window changed.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace kumora {

class GameWindow;
struct MenuItemInfo;

using WindowAccount = QMap<QString, QString>;

WindowAccount take_account(GameWindow& window);

// The menu item's name in the menu tree, as the account and the sitting write it.
QString menu_name(const MenuItemInfo& item);

// The lines of `now` that are new or changed since `before`, and "key gone"
// for those no longer there, sorted by key.
QStringList account_changes(const WindowAccount& before, const WindowAccount& now);

}  // namespace kumora
