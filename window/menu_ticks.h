// The check marks of the menu items: the authoritative state of the options
// and the level, which the real menu bar mirrors.
#pragma once

#include "settings/menu_tree.h"

namespace kumora {

class MenuTicks {
 public:
  bool is_checked(MenuId id) const { return checked_[static_cast<int>(id)]; }
  void set_checked(MenuId id, bool checked) { checked_[static_cast<int>(id)] = checked; }

 private:
  bool checked_[MENU_COUNT] = {};
};

}  // namespace kumora
