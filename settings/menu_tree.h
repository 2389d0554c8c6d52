// The menu bar as data: every item's name, caption and place in the tree.
// Captions are the Japanese ones; the window shows them through
// tr_text(MENU_CONTEXT, caption).
#pragma once

#include <string_view>

#include "core/levels.h"
#include "core/translation.h"

namespace kumora {

enum class MenuId {
  GAME_MENU,
  TWO_PERSON_MENU,
  TWO_PERSON_START,
  VS_COM_MENU,
  VS_COM_AS_SENTE,
  VS_COM_AS_GOTE,
  RESUME_LAST_GAME,
  RESIGN,
  TIME_CONTROL,
  NET_GAME_MENU,
  NET_HOST,
  NET_JOIN,
  LEVEL_MENU,
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
  QUIT,
  POSITION_MENU,
  RESET_GAME,
  TURN_BOARD,
  TAKE_BACK,
  STEP_BACK,
  STEP_FORWARD,
  HANDICAP_UP,
  HANDICAP_DOWN,
  HINT,
  RECORD_MENU,
  READ_RECORD,
  WRITE_RECORD,
  RECENT_GAMES,
  OPTIONS_MENU,
  BACKGROUND_MENU,
  BACKGROUND_GREEN,
  BACKGROUND_TATAMI,
  BACKGROUND_BAMBOO,
  BACKGROUND_SPACE,
  BACKGROUND_BRICK,
  MOVE_GUIDANCE,
  ELAPSED_TIME,
  MUSIC,
  SIDE_PANEL,
  QUICK_COM_MOVES,
  OTHER_MENU,
  ABOUT,
  HOW_TO_PLAY,
  LANGUAGE_MENU,
  JAPANESE,
  ENGLISH,
  COUNT
};

constexpr int MENU_COUNT = static_cast<int>(MenuId::COUNT);

// The context of the captions' translations.
inline constexpr const char* MENU_CONTEXT = "Menu";

struct MenuItemInfo {
  MenuId id;
  // The item's word in scenario scripts (`menu REPLAY`): kept as scripts
  // have always spelt it, whatever the id is called.
  std::string_view name;
  std::string_view caption;
  int depth;  // 0 = on the menu bar, 1 = in a bar menu, 2 = in a submenu
};

// In display order; an item with children is followed by them at depth + 1.
inline constexpr MenuItemInfo MENU_TREE[MENU_COUNT] = {
    {MenuId::GAME_MENU, "TAIKYOKU", tr_noop("Menu", "対局"), 0},
    {MenuId::TWO_PERSON_MENU, "MATCH_MAN", tr_noop("Menu", "対局(人間)"), 1},
    {MenuId::TWO_PERSON_START, "START", tr_noop("Menu", "スタート"), 2},
    {MenuId::VS_COM_MENU, "START2", tr_noop("Menu", "対局(COM)"), 1},
    {MenuId::VS_COM_AS_SENTE, "SENTE", tr_noop("Menu", "先手"), 2},
    {MenuId::VS_COM_AS_GOTE, "GOTE", tr_noop("Menu", "後手"), 2},
    {MenuId::RESUME_LAST_GAME, "ZENKAI", tr_noop("Menu", "前回の続き"), 1},
    {MenuId::RESIGN, "TOURYOU", tr_noop("Menu", "投了"), 1},
    {MenuId::TIME_CONTROL, "JIKAN", tr_noop("Menu", "持ち時間"), 1},
    {MenuId::NET_GAME_MENU, "NET_PLAY", tr_noop("Menu", "ネット対局"), 1},
    {MenuId::NET_HOST, "NET_HOST", tr_noop("Menu", "相手を待つ"), 2},
    {MenuId::NET_JOIN, "NET_JOIN", tr_noop("Menu", "相手に接続"), 2},
    {MenuId::LEVEL_MENU, "LEVEL", tr_noop("Menu", "COM対局ﾚﾍﾞﾙ"), 1},
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
    {MenuId::QUIT, "OWARI", tr_noop("Menu", "終わり"), 1},
    {MenuId::POSITION_MENU, "STOP", tr_noop("Menu", "局面"), 0},
    {MenuId::RESET_GAME, "CANCEL", tr_noop("Menu", "最初"), 1},
    {MenuId::TURN_BOARD, "REVERSE", tr_noop("Menu", "反転"), 1},
    {MenuId::TAKE_BACK, "MATTA", tr_noop("Menu", "待った"), 1},
    {MenuId::STEP_BACK, "REPLAY", tr_noop("Menu", "戻"), 0},
    {MenuId::STEP_FORWARD, "AFTER", tr_noop("Menu", "進"), 0},
    {MenuId::HANDICAP_UP, "LBEL_UP", "△", 0},
    {MenuId::HANDICAP_DOWN, "LEBEL_DOWN", "▽", 0},
    {MenuId::HINT, "HINT", tr_noop("Menu", "ヒント"), 0},
    {MenuId::RECORD_MENU, "KIFU", tr_noop("Menu", "棋譜"), 0},
    {MenuId::READ_RECORD, "KIFU_READ", tr_noop("Menu", "読込"), 1},
    {MenuId::WRITE_RECORD, "KIFU_WRITE", tr_noop("Menu", "書込"), 1},
    {MenuId::RECENT_GAMES, "SAIKIN", tr_noop("Menu", "最近の対局"), 1},
    {MenuId::OPTIONS_MENU, "OPTION", tr_noop("Menu", "ｵﾌﾟｼｮﾝ"), 0},
    {MenuId::BACKGROUND_MENU, "HAIKEI_GA", tr_noop("Menu", "背景画"), 1},
    {MenuId::BACKGROUND_GREEN, "MIDORI", tr_noop("Menu", "緑"), 2},
    {MenuId::BACKGROUND_TATAMI, "TATAMI", tr_noop("Menu", "畳"), 2},
    {MenuId::BACKGROUND_BAMBOO, "TAKE", tr_noop("Menu", "竹"), 2},
    {MenuId::BACKGROUND_SPACE, "UCHU", tr_noop("Menu", "宇宙"), 2},
    {MenuId::BACKGROUND_BRICK, "RENGA", tr_noop("Menu", "煉瓦"), 2},
    {MenuId::MOVE_GUIDANCE, "SIDOU", tr_noop("Menu", "移動指導"), 1},
    {MenuId::ELAPSED_TIME, "KEIKA", tr_noop("Menu", "経過時間"), 1},
    {MenuId::MUSIC, "BGM", "BGM", 1},
    {MenuId::SIDE_PANEL, "SIDE_PANEL", tr_noop("Menu", "サイドパネル"), 1},
    {MenuId::QUICK_COM_MOVES, "HAYAI", tr_noop("Menu", "COMの手を速く表示"), 1},
    {MenuId::OTHER_MENU, "SONOTA", tr_noop("Menu", "その他"), 0},
    {MenuId::ABOUT, "VER", tr_noop("Menu", "ﾊﾞｰｼﾞｮﾝ情報"), 1},
    {MenuId::HOW_TO_PLAY, "ASOBIKATA", tr_noop("Menu", "遊び方"), 1},
    // The same in both languages, so that a person who cannot read the one
    // shown finds the other.
    {MenuId::LANGUAGE_MENU, "LANGUAGE", "Language / 言語", 1},
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
  return id == MenuId::SIDE_PANEL || id == MenuId::HOW_TO_PLAY || id == MenuId::JAPANESE ||
         id == MenuId::ENGLISH || id == MenuId::TIME_CONTROL || id == MenuId::NET_HOST ||
         id == MenuId::NET_JOIN;
}

// The ticked choices of how the game is shown (backgrounds, guidance, clocks,
// music, the side panel, the computer's move shown quickly): none changes
// the game itself.
inline bool is_display_choice(MenuId id) {
  switch (id) {
    case MenuId::BACKGROUND_GREEN:
    case MenuId::BACKGROUND_TATAMI:
    case MenuId::BACKGROUND_BAMBOO:
    case MenuId::BACKGROUND_SPACE:
    case MenuId::BACKGROUND_BRICK:
    case MenuId::MOVE_GUIDANCE:
    case MenuId::ELAPSED_TIME:
    case MenuId::MUSIC:
    case MenuId::SIDE_PANEL:
    case MenuId::QUICK_COM_MOVES:
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
