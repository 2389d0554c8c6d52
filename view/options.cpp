// The settings file and the option items of the menu.
#include <string>

#include "core/text_file.h"
#include "settings/settings_read.h"
#include "settings/settings_file.h"
#include "view/main_window.h"

namespace kumora {

namespace {
constexpr MenuId BACKGROUND_ITEMS[] = {MenuId::MIDORI, MenuId::TATAMI, MenuId::TAKE,
                                       MenuId::UCHU, MenuId::RENGA};
constexpr int BACKGROUND_CODES[] = {BACKGROUND_MIDORI, BACKGROUND_TATAMI, BACKGROUND_TAKE,
                                    BACKGROUND_UCHU, BACKGROUND_RENGA};
}  // namespace

void MainWindow::check_background(int code) {
  for (int i = 0; i < 5; ++i) set_checked(BACKGROUND_ITEMS[i], BACKGROUND_CODES[i] == code);
}

void MainWindow::apply_default_settings(bool repaint) {
  check_background(BACKGROUND_MIDORI);
  if (repaint) {
    paint_background(BACKGROUND_MIDORI);
    state.background = BACKGROUND_MIDORI;
  }
  set_checked(MenuId::SIDOU, false);
  set_checked(MenuId::KEIKA, true);
  set_checked(MenuId::BGM, true);
}

void MainWindow::write_default_settings() {
  std::string error;
  write_text_file_atomic(SETTINGS_FILE_NAME, default_settings_lines(), error);
}

void MainWindow::load_settings() {
  const SettingsRead read = read_settings_file(SETTINGS_FILE_NAME);
  if (read.lines_present >= 1 && read.background != 0) {
    check_background(read.background);
    paint_background(read.background);
    state.background = read.background;
  }
  if (read.lines_present >= 2) {
    state.guide_colour = read.guidance_on ? GUIDE_ON_COLOUR : PLAIN_CELL_COLOUR;
    set_checked(MenuId::SIDOU, read.guidance_on);
    state.guidance_on = read.guidance_on ? ON : OFF;
  }
  if (read.lines_present >= 3) set_checked(MenuId::KEIKA, read.elapsed_on);
  if (read.complete()) {
    set_checked(MenuId::BGM, read.music_on);
    if (read.music_on) sound_.play_looping(snd_bgm);
    return;
  }
  write_default_settings();
  apply_default_settings(true);
}

void MainWindow::save_settings() {
  std::vector<std::string> lines;
  constexpr MenuId SAVE_ORDER[] = {MenuId::MIDORI, MenuId::TAKE, MenuId::TATAMI, MenuId::UCHU,
                                   MenuId::RENGA};
  constexpr int SAVE_CODES[] = {BACKGROUND_MIDORI, BACKGROUND_TAKE, BACKGROUND_TATAMI,
                                BACKGROUND_UCHU, BACKGROUND_RENGA};
  for (int i = 0; i < 5; ++i) {
    if (is_checked(SAVE_ORDER[i])) {
      lines.push_back(background_line(SAVE_CODES[i]));
      break;
    }
  }
  lines.push_back(is_checked(MenuId::SIDOU) ? GUIDANCE_ON_LINE : GUIDANCE_OFF_LINE);
  lines.push_back(is_checked(MenuId::KEIKA) ? ELAPSED_ON_LINE : ELAPSED_OFF_LINE);
  lines.push_back(is_checked(MenuId::BGM) ? MUSIC_ON_LINE : MUSIC_OFF_LINE);
  std::string error;
  if (!write_text_file_atomic(SETTINGS_FILE_NAME, lines, error)) {
    write_default_settings();
    apply_default_settings(false);
  }
}

void MainWindow::choose_background(MenuId item, int code) {
  if (!is_checked(item)) {
    check_background(code);
    state.background = code;
  }
  save_settings();
  redraw_all();
}

void MainWindow::SIDOU_Click() {
  if (is_checked(MenuId::SIDOU)) {
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) frame_cell(PLAIN_CELL_COLOUR, x, y);
    }
    for (int y = 1; y <= 7; ++y) frame_cell(PLAIN_CELL_COLOUR, UPPER_HAND_COLUMN, y);
    for (int y = 3; y <= 9; ++y) frame_cell(PLAIN_CELL_COLOUR, LOWER_HAND_COLUMN, y);
    set_checked(MenuId::SIDOU, false);
    state.guidance_on = OFF;
    state.guide_colour = PLAIN_CELL_COLOUR;
  } else {
    set_checked(MenuId::SIDOU, true);
    state.guidance_on = ON;
    state.guide_colour = GUIDE_ON_COLOUR;
  }
  save_settings();
}

void MainWindow::KEIKA_Click() {
  if (is_checked(MenuId::KEIKA)) {
    set_checked(MenuId::KEIKA, false);
    clear_clock(state.lower_side);
    clear_clock(state.upper_side);
  } else {
    set_checked(MenuId::KEIKA, true);
    show_clock(state.upper_side, state.upper_clock);
    show_clock(state.lower_side, state.lower_clock);
  }
  save_settings();
}

void MainWindow::BGM_Click() {
  if (is_checked(MenuId::BGM)) {
    set_checked(MenuId::BGM, false);
    sound_.stop(snd_bgm);
  } else {
    set_checked(MenuId::BGM, true);
    sound_.play_looping(snd_bgm);
  }
  save_settings();
}

void MainWindow::VER_Click() {
  hide_file_panel();
  sound_.play(snd_other);
  tell(about_text(), "Kumora Shogi");
}

}  // namespace kumora
