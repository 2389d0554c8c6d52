// The menu bar as data: every item's name, caption and place in the tree.
// Captions are the Japanese ones; the window shows them through
// tr_text(MENU_CONTEXT, caption).
#pragma once

#include <string_view>

#include "core/levels.h"
#include "core/translation.h"

namespace kumora {

enum class MenuId {
  TAIKYOKU,
  MATCH_MAN,
  START,
  START2,
  SENTE,
  GOTE,
  ZENKAI,
  TOURYOU,
  JIKAN,
  LEVEL,
  LEVEL1,
  LEVEL2,
  LEVEL3,
  LEVEL3_1,
  LEVEL3_2,
  LEVEL3_3,
  LEVEL3_4,
  LEVEL3_5,
  LEVEL3_6,
  LEVEL3_7,
  LEVEL3_8,
  LEVEL3_9,
  LEVEL4,
  LEVEL5,
  OWARI,
  STOP,
  CANCEL,
  REVERSE,
  MATTA,
  REPLAY,
  AFTER,
  LBEL_UP,
  LEBEL_DOWN,
  HINT,
  KIFU,
  KIFU_READ,
  KIFU_WRITE,
  SAIKIN,
  OPTION,
  HAIKEI_GA,
  MIDORI,
  TATAMI,
  TAKE,
  UCHU,
  RENGA,
  SIDOU,
  KEIKA,
  BGM,
  SIDE_PANEL,
  HAYAI,
  SONOTA,
  VER,
  ASOBIKATA,
  LANGUAGE,
  JAPANESE,
  ENGLISH,
  COUNT
};

constexpr int MENU_COUNT = static_cast<int>(MenuId::COUNT);

// The context of the captions' translations.
inline constexpr const char* MENU_CONTEXT = "Menu";

struct MenuItemInfo {
  MenuId id;
  std::string_view name;
  std::string_view caption;
  int depth;  // 0 = on the menu bar, 1 = in a bar menu, 2 = in a submenu
};

// In display order; an item with children is followed by them at depth + 1.
inline constexpr MenuItemInfo MENU_TREE[MENU_COUNT] = {
    {MenuId::TAIKYOKU, "TAIKYOKU", tr_noop("Menu", "対局"), 0},
    {MenuId::MATCH_MAN, "MATCH_MAN", tr_noop("Menu", "対局(人間)"), 1},
    {MenuId::START, "START", tr_noop("Menu", "スタート"), 2},
    {MenuId::START2, "START2", tr_noop("Menu", "対局(COM)"), 1},
    {MenuId::SENTE, "SENTE", tr_noop("Menu", "先手"), 2},
    {MenuId::GOTE, "GOTE", tr_noop("Menu", "後手"), 2},
    {MenuId::ZENKAI, "ZENKAI", tr_noop("Menu", "前回の続き"), 1},
    {MenuId::TOURYOU, "TOURYOU", tr_noop("Menu", "投了"), 1},
    {MenuId::JIKAN, "JIKAN", tr_noop("Menu", "持ち時間"), 1},
    {MenuId::LEVEL, "LEVEL", tr_noop("Menu", "COM対局ﾚﾍﾞﾙ"), 1},
    {MenuId::LEVEL1, "LEVEL1", "LEVEL1", 2},
    {MenuId::LEVEL2, "LEVEL2", "LEVEL2", 2},
    {MenuId::LEVEL3, "LEVEL3", "LEVEL3", 2},
    // The ladder between LEVEL3 and LEVEL4.
    {MenuId::LEVEL3_1, "LEVEL3_1", "LEVEL3.1", 2},
    {MenuId::LEVEL3_2, "LEVEL3_2", "LEVEL3.2", 2},
    {MenuId::LEVEL3_3, "LEVEL3_3", "LEVEL3.3", 2},
    {MenuId::LEVEL3_4, "LEVEL3_4", "LEVEL3.4", 2},
    {MenuId::LEVEL3_5, "LEVEL3_5", "LEVEL3.5", 2},
    {MenuId::LEVEL3_6, "LEVEL3_6", "LEVEL3.6", 2},
    {MenuId::LEVEL3_7, "LEVEL3_7", "LEVEL3.7", 2},
    {MenuId::LEVEL3_8, "LEVEL3_8", "LEVEL3.8", 2},
    {MenuId::LEVEL3_9, "LEVEL3_9", "LEVEL3.9", 2},
    {MenuId::LEVEL4, "LEVEL4", "LEVEL4", 2},
    {MenuId::LEVEL5, "LEVEL5", "LEVEL5", 2},
    {MenuId::OWARI, "OWARI", tr_noop("Menu", "終わり"), 1},
    {MenuId::STOP, "STOP", tr_noop("Menu", "局面"), 0},
    {MenuId::CANCEL, "CANCEL", tr_noop("Menu", "最初"), 1},
    {MenuId::REVERSE, "REVERSE", tr_noop("Menu", "反転"), 1},
    {MenuId::MATTA, "MATTA", tr_noop("Menu", "待った"), 1},
    {MenuId::REPLAY, "REPLAY", tr_noop("Menu", "戻"), 0},
    {MenuId::AFTER, "AFTER", tr_noop("Menu", "進"), 0},
    {MenuId::LBEL_UP, "LBEL_UP", "△", 0},
    {MenuId::LEBEL_DOWN, "LEBEL_DOWN", "▽", 0},
    {MenuId::HINT, "HINT", tr_noop("Menu", "ヒント"), 0},
    {MenuId::KIFU, "KIFU", tr_noop("Menu", "棋譜"), 0},
    {MenuId::KIFU_READ, "KIFU_READ", tr_noop("Menu", "読込"), 1},
    {MenuId::KIFU_WRITE, "KIFU_WRITE", tr_noop("Menu", "書込"), 1},
    {MenuId::SAIKIN, "SAIKIN", tr_noop("Menu", "最近の対局"), 1},
    {MenuId::OPTION, "OPTION", tr_noop("Menu", "ｵﾌﾟｼｮﾝ"), 0},
    {MenuId::HAIKEI_GA, "HAIKEI_GA", tr_noop("Menu", "背景画"), 1},
    {MenuId::MIDORI, "MIDORI", tr_noop("Menu", "緑"), 2},
    {MenuId::TATAMI, "TATAMI", tr_noop("Menu", "畳"), 2},
    {MenuId::TAKE, "TAKE", tr_noop("Menu", "竹"), 2},
    {MenuId::UCHU, "UCHU", tr_noop("Menu", "宇宙"), 2},
    {MenuId::RENGA, "RENGA", tr_noop("Menu", "煉瓦"), 2},
    {MenuId::SIDOU, "SIDOU", tr_noop("Menu", "移動指導"), 1},
    {MenuId::KEIKA, "KEIKA", tr_noop("Menu", "経過時間"), 1},
    {MenuId::BGM, "BGM", "BGM", 1},
    {MenuId::SIDE_PANEL, "SIDE_PANEL", tr_noop("Menu", "サイドパネル"), 1},
    {MenuId::HAYAI, "HAYAI", tr_noop("Menu", "COMの手を速く表示"), 1},
    {MenuId::SONOTA, "SONOTA", tr_noop("Menu", "その他"), 0},
    {MenuId::VER, "VER", tr_noop("Menu", "ﾊﾞｰｼﾞｮﾝ情報"), 1},
    {MenuId::ASOBIKATA, "ASOBIKATA", tr_noop("Menu", "遊び方"), 1},
    // The same in both languages, so that a person who cannot read the one
    // shown finds the other.
    {MenuId::LANGUAGE, "LANGUAGE", "Language / 言語", 1},
    {MenuId::JAPANESE, "JAPANESE", "日本語", 2},
    {MenuId::ENGLISH, "ENGLISH", "English", 2},
};

// The menu item of a strength level (core/levels.h), MenuId::COUNT for none.
inline MenuId level_item(int level) {
  if (level >= 1 && level <= 3)
    return static_cast<MenuId>(static_cast<int>(MenuId::LEVEL1) + level - 1);
  if (level == 4) return MenuId::LEVEL4;
  if (level == 5) return MenuId::LEVEL5;
  if (is_ladder_level(level))
    return static_cast<MenuId>(static_cast<int>(MenuId::LEVEL3_1) + level - LADDER_LEVEL_BASE - 1);
  return MenuId::COUNT;
}

// The level of a level's menu item, 0 for any other item.
inline int item_level(MenuId id) {
  for (int level = 1; level <= LADDER_LEVEL_BASE + LADDER_STEPS; ++level)
    if (is_known_level(level) && level_item(level) == id) return level;
  return 0;
}

inline const MenuItemInfo& menu_info(MenuId id) { return MENU_TREE[static_cast<int>(id)]; }

// The item named `name`; false when there is none.
inline bool find_menu_item(std::string_view name, MenuId& id) {
  for (const MenuItemInfo& item : MENU_TREE) {
    if (item.name == name) {
      id = item.id;
      return true;
    }
  }
  return false;
}

// Items the Qt window handles itself: the logic has nothing to do for them.
inline bool is_window_only_item(MenuId id) {
  return id == MenuId::SIDE_PANEL || id == MenuId::ASOBIKATA || id == MenuId::JAPANESE ||
         id == MenuId::ENGLISH || id == MenuId::JIKAN;
}

// The ticked choices of how the game is shown (backgrounds, guidance, clocks,
// music, the side panel, the computer's move shown quickly): none changes
// the game itself.
inline bool is_display_choice(MenuId id) {
  switch (id) {
    case MenuId::MIDORI:
    case MenuId::TATAMI:
    case MenuId::TAKE:
    case MenuId::UCHU:
    case MenuId::RENGA:
    case MenuId::SIDOU:
    case MenuId::KEIKA:
    case MenuId::BGM:
    case MenuId::SIDE_PANEL:
    case MenuId::HAYAI:
      return true;
    default:
      return false;
  }
}

// True when the item opens a submenu instead of running a command.
inline bool menu_has_children(MenuId id) {
  const int i = static_cast<int>(id);
  return i + 1 < MENU_COUNT && MENU_TREE[i + 1].depth > MENU_TREE[i].depth;
}

}  // namespace kumora
