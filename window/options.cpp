#include "window/options.h"

#include <string>
#include <vector>

#include "core/text_file.h"
#include "core/translation.h"
#include "settings/settings_file.h"
#include "settings/settings_read.h"
#include "window/clocks.h"
#include "window/drawing.h"
#include "window/messages.h"

#ifndef KUMORA_VERSION
#define KUMORA_VERSION "1.0.0"
#endif

namespace kumora {

namespace {
constexpr MenuId BACKGROUND_ITEMS[] = {MenuId::BACKGROUND_GREEN, MenuId::BACKGROUND_TATAMI,
                                       MenuId::BACKGROUND_BAMBOO, MenuId::BACKGROUND_SPACE,
                                       MenuId::BACKGROUND_BRICK};
constexpr int BACKGROUND_CODES[] = {BACKGROUND_MIDORI, BACKGROUND_TATAMI, BACKGROUND_TAKE,
                                    BACKGROUND_UCHU, BACKGROUND_RENGA};
}  // namespace

void Options::toggle_quick_com_moves() {
  ticks_.set_checked(MenuId::QUICK_COM_MOVES, !ticks_.is_checked(MenuId::QUICK_COM_MOVES));
}

void Options::check_background(int code) {
  for (int i = 0; i < 5; ++i) ticks_.set_checked(BACKGROUND_ITEMS[i], BACKGROUND_CODES[i] == code);
}

void Options::apply_default_settings(bool repaint) {
  check_background(BACKGROUND_MIDORI);
  if (repaint) {
    drawing_.paint_background(BACKGROUND_MIDORI);
    appearance_.background = BACKGROUND_MIDORI;
  }
  ticks_.set_checked(MenuId::MOVE_GUIDANCE, false);
  ticks_.set_checked(MenuId::ELAPSED_TIME, true);
  ticks_.set_checked(MenuId::MUSIC, true);
}

void Options::write_default_settings() {
  std::string error;
  write_text_file_atomic(SETTINGS_FILE_NAME, default_settings_lines(), error);
}

void Options::load_settings() {
  const SettingsRead read = read_settings_file(SETTINGS_FILE_NAME);
  Appearance& look = appearance_;
  if (read.lines_present >= 1 && read.background != 0) {
    check_background(read.background);
    drawing_.paint_background(read.background);
    look.background = read.background;
  }
  if (read.lines_present >= 2) {
    look.guide_colour = read.guidance_on ? GUIDE_ON_COLOUR : PLAIN_CELL_COLOUR;
    ticks_.set_checked(MenuId::MOVE_GUIDANCE, read.guidance_on);
    look.guidance_on = read.guidance_on;
  }
  if (read.lines_present >= 3) ticks_.set_checked(MenuId::ELAPSED_TIME, read.elapsed_on);
  if (read.complete()) {
    ticks_.set_checked(MenuId::MUSIC, read.music_on);
    if (read.music_on) messages_.start_music();
    return;
  }
  write_default_settings();
  apply_default_settings(true);
}

void Options::save_settings() {
  std::vector<std::string> lines;
  constexpr MenuId SAVE_ORDER[] = {MenuId::BACKGROUND_GREEN, MenuId::BACKGROUND_BAMBOO,
                                   MenuId::BACKGROUND_TATAMI, MenuId::BACKGROUND_SPACE,
                                   MenuId::BACKGROUND_BRICK};
  constexpr int SAVE_CODES[] = {BACKGROUND_MIDORI, BACKGROUND_TAKE, BACKGROUND_TATAMI,
                                BACKGROUND_UCHU, BACKGROUND_RENGA};
  const MenuTicks& ticks = ticks_;
  for (int i = 0; i < 5; ++i) {
    if (ticks.is_checked(SAVE_ORDER[i])) {
      lines.push_back(background_line(SAVE_CODES[i]));
      break;
    }
  }
  lines.push_back(ticks.is_checked(MenuId::MOVE_GUIDANCE) ? GUIDANCE_ON_LINE : GUIDANCE_OFF_LINE);
  lines.push_back(ticks.is_checked(MenuId::ELAPSED_TIME) ? ELAPSED_ON_LINE : ELAPSED_OFF_LINE);
  lines.push_back(ticks.is_checked(MenuId::MUSIC) ? MUSIC_ON_LINE : MUSIC_OFF_LINE);
  std::string error;
  if (!write_text_file_atomic(SETTINGS_FILE_NAME, lines, error)) report_save_failure(error);
}

void Options::report_save_failure(const std::string& error) {
  // The options stay as the person set them for this run, and the file as it
  // was: writing the defaults over it would fail the same way, and resetting
  // the ticks would undo what the person just chose.
  if (save_failure_reported_) return;
  save_failure_reported_ = true;
  messages_.tell(
      fill_in(
          tr_text("Game", "設定ﾌｧｲﾙを書き込めませんでした。選んだ設定はこの間だけ使います\r%1\r%2"),
          {SETTINGS_FILE_NAME, error}),
      tr_text("Game", "設定"));
}

void Options::choose_background(MenuId item, int code) {
  if (!ticks_.is_checked(item)) {
    check_background(code);
    appearance_.background = code;
  }
  save_settings();
  screen_.redraw_all();
  screen_.redraw_game_texts();
}

void Options::toggle_move_guidance() {
  Appearance& look = appearance_;
  if (ticks_.is_checked(MenuId::MOVE_GUIDANCE)) {
    Drawing& d = drawing_;
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) d.frame_cell(PLAIN_CELL_COLOUR, x, y);
    }
    for (int y = 1; y <= 7; ++y) d.frame_cell(PLAIN_CELL_COLOUR, UPPER_HAND_COLUMN, y);
    for (int y = 3; y <= 9; ++y) d.frame_cell(PLAIN_CELL_COLOUR, LOWER_HAND_COLUMN, y);
    d.clear_numbers();
    ticks_.set_checked(MenuId::MOVE_GUIDANCE, false);
    look.guidance_on = false;
    look.guide_colour = PLAIN_CELL_COLOUR;
  } else {
    ticks_.set_checked(MenuId::MOVE_GUIDANCE, true);
    look.guidance_on = true;
    look.guide_colour = GUIDE_ON_COLOUR;
  }
  save_settings();
}

void Options::toggle_elapsed_time() {
  const GameState& state = game_.state;
  if (ticks_.is_checked(MenuId::ELAPSED_TIME)) {
    ticks_.set_checked(MenuId::ELAPSED_TIME, false);
    // A game on time keeps its clocks whatever the option says.
    if (!clocks_.countdown().active()) {
      clocks_.clear_clock(state.lower_side);
      clocks_.clear_clock(state.upper_side());
    }
  } else {
    ticks_.set_checked(MenuId::ELAPSED_TIME, true);
    clocks_.show_clock(state.upper_side(), state.upper_clock);
    clocks_.show_clock(state.lower_side, state.lower_clock);
  }
  save_settings();
}

void Options::toggle_music() {
  if (ticks_.is_checked(MenuId::MUSIC)) {
    ticks_.set_checked(MenuId::MUSIC, false);
    messages_.stop_music();
  } else {
    ticks_.set_checked(MenuId::MUSIC, true);
    messages_.start_music();
  }
  save_settings();
}

void Options::show_version() {
  pending_input_.hide_file_panel();
  messages_.play_other();
  messages_.tell(about_text(), "Kumora Shogi");
}

std::string Options::about_text() {
  return fill_in(
      tr_text("Game", "雲羅将棋 Kumora Shogi\rバージョン %1\r\r自分の駒をつないで動かす将棋"),
      {KUMORA_VERSION});
}

}  // namespace kumora
