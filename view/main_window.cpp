#include "view/main_window.h"

#include <filesystem>

#include "settings/settings_file.h"

namespace kumora {

namespace {
const char* const SOUND_WARNING_TITLE = "Kumora.dll";
constexpr int EFFECT_FLAGS = 3;
constexpr int MUSIC_FLAGS = 1;
}  // namespace

MainWindow::MainWindow(Canvas& canvas, Dialogs& dialogs, SoundPort& sound, Host& host)
    : canvas_(canvas), dialogs_(dialogs), sound_(sound), host_(host) {}

void MainWindow::Form_Load(bool maximised) {
  sound_init();
  load_sounds();

  state = GameState{};
  // Tatami until the settings file names a background. No background item is
  // ticked before that: a first line naming none leaves them all unticked.
  state.background = BACKGROUND_TATAMI;
  state.lower_side = state.GOTE;
  state.upper_side = state.SENTE;
  state.level = 3;
  set_checked(MenuId::LEVEL1, false);
  set_checked(MenuId::LEVEL2, false);
  set_checked(MenuId::LEVEL3, true);
  state.kifu_mode = OFF;
  state.guidance_on = OFF;
  kifu.kifu_len = 0;

  std::error_code error;
  Dir1_Change(std::filesystem::current_path(error).string());
  load_settings();
  reset_game();

  if (!maximised) {
    window_top = 0;
    window_left = 0;
    window_width = 9000;
    window_height = 8000;
  }
}

void MainWindow::reset_game() {
  state.handicap_grade = 0;
  state.handicap_set = OFF;
  state.vs_com = MODE_MAN;
  state.winner = NO_GAME;
  state.turn = NO_GAME;
  kifu.kifu_pos = 0;
  state.move_count = 0;
  state.reversed = OFF;

  set_timer1(false);
  state.upper_clock = 0;
  state.lower_clock = 0;
  state.turn_elapsed = 0;
  shown_seconds = 0;
  state.stepped = OFF;
  state.kifu_mode = OFF;
  kifu.entry[0].placed = 10;
  state.select_state = 0;

  set_initial_position(state);
  recompute_hand_totals(state);
  redraw_all();
}

void MainWindow::set_timer1(bool enabled) {
  timer1_enabled_ = enabled;
  host_.set_timer_enabled(enabled);
}

void MainWindow::warn(const std::string& text) {
  dialogs_.message_box(text, SOUND_WARNING_TITLE, BoxButtons::Ok, BoxIcon::Exclamation);
}

void MainWindow::tell(const std::string& text, const std::string& title) {
  dialogs_.message_box(text, title, BoxButtons::Ok, BoxIcon::None);
}

bool MainWindow::ask_yes_no(const std::string& text, const std::string& title) {
  return dialogs_.message_box(text, title, BoxButtons::YesNo, BoxIcon::None);
}

void MainWindow::refuse(const std::string& text, const std::string& title) {
  sound_.play(snd_forbid);
  tell(text, title);
}

void MainWindow::sound_init() {
  sound_device_ = sound_.initialize();
  if (!sound_device_) warn("Direct Soundインターフェースが作成できません。");
}

int MainWindow::load_wave(const std::string& file, int flags) {
  if (!sound_device_) return 0;
  std::string error;
  const int buffer = sound_.load_wave(file, flags, error);
  if (!error.empty()) warn(error);
  return buffer;
}

void MainWindow::load_sounds() {
  snd_other = load_wave("その他.wav", EFFECT_FLAGS);
  snd_forbid = load_wave("禁止.wav", EFFECT_FLAGS);
  snd_click = load_wave("駒打音.wav", EFFECT_FLAGS);
  snd_bgm = load_wave("BGM.wav", MUSIC_FLAGS);
}

void MainWindow::release_sounds() {
  sound_.free(snd_other);
  sound_.free(snd_forbid);
  sound_.free(snd_click);
  sound_.free(snd_bgm);
  snd_other = snd_forbid = snd_click = snd_bgm = 0;
  if (sound_device_) sound_.terminate();
  sound_device_ = false;
}

void MainWindow::end_program() {
  if (program_ended_) return;
  release_sounds();
  program_ended_ = true;
  host_.quit();
  throw ProgramEnded{};
}

void MainWindow::clock_shown(int side, const std::string& text) {
  if (observer_) observer_->clock_printed(side == state.lower_side, text);
}

void MainWindow::OWARI_Click() { end_program(); }

void MainWindow::Form_KeyPress(int key_code) {
  if (key_code == KEY_ESCAPE) end_program();
}

void MainWindow::Form_Unload() { end_program(); }

void MainWindow::run_menu(MenuId id) {
  switch (id) {
    case MenuId::TAIKYOKU: TAIKYOKU_Click(); break;
    case MenuId::START: START_Click(); break;
    case MenuId::SENTE: SENTE_Click(); break;
    case MenuId::GOTE: GOTE_Click(); break;
    case MenuId::LEVEL1: LEVEL1_Click(); break;
    case MenuId::LEVEL2: LEVEL2_Click(); break;
    case MenuId::LEVEL3: LEVEL3_Click(); break;
    case MenuId::LBEL_UP: LBEL_UP_Click(); break;
    case MenuId::LEBEL_DOWN: LEBEL_DOWN_Click(); break;
    case MenuId::OWARI: OWARI_Click(); break;
    case MenuId::STOP: STOP_Click(); break;
    case MenuId::CANCEL: CANCEL_Click(); break;
    case MenuId::REVERSE: REVERSE_Click(); break;
    case MenuId::REPLAY: REPLAY_Click(); break;
    case MenuId::AFTER: AFTER_Click(); break;
    case MenuId::OPTION: OPTION_Click(); break;
    case MenuId::KIFU_READ: KIFU_READ_Click(); break;
    case MenuId::KIFU_WRITE: KIFU_WRITE_Click(); break;
    case MenuId::MIDORI: choose_background(id, BACKGROUND_MIDORI); break;
    case MenuId::TATAMI: choose_background(id, BACKGROUND_TATAMI); break;
    case MenuId::TAKE: choose_background(id, BACKGROUND_TAKE); break;
    case MenuId::UCHU: choose_background(id, BACKGROUND_UCHU); break;
    case MenuId::RENGA: choose_background(id, BACKGROUND_RENGA); break;
    case MenuId::SIDOU: SIDOU_Click(); break;
    case MenuId::KEIKA: KEIKA_Click(); break;
    case MenuId::BGM: BGM_Click(); break;
    case MenuId::VER: VER_Click(); break;
    default: break;
  }
}

}  // namespace kumora
