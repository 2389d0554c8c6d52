// Whole-process figures of the real window, for `make bench`:
//   kumora-bench-window startup   prints when the window was first painted
//   kumora-bench-window game      plays a whole game against the computer
// The script beside it runs both under /usr/bin/time -v.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "com/com_turn.h"
#include "rules/chain_path.h"
#include "rules/reach_map.h"
#include "rules/reverse.h"
#include "sound/sound_glue.h"
#include "view/game_window.h"
#include "view/language.h"

namespace kumora {
namespace {

// The real window, with message boxes answered at once: OK, and No to
// "続けますか？" so that the program ends with the game.
class BenchWindow : public GameWindow {
 public:
  using GameWindow::GameWindow;
  bool message_box(const std::string&, const std::string&, BoxButtons buttons, BoxIcon) override {
    return buttons == BoxButtons::Ok;
  }
  // The animation's waits only cost time, not memory.
  bool wait(double) override { return true; }
};

// Reports the wall-clock time of the first paint of a widget, then quits.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      std::printf("first-paint-epoch-ms %.3f\n",
                  std::chrono::duration<double, std::milli>(now).count());
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

// Cell centre in twips.
double centre_x(int x) { return BOARD_X0 + CELL_W * (x + 0.5); }
double centre_y(int y) { return BOARD_Y0 + CELL_H * (y + 0.5); }

// Presses the mouse along the chain from (from_x, from_y) to (to_x, to_y);
// true when a move was played.
bool click_chain(MainWindow& w, int from_x, int click_y, int to_x, int to_y, int moved,
                 bool promote) {
  GameState& s = w.game().state;
  ReachState reach;
  if (!find_chain_path(reach, s.board, from_x, click_y, to_x, to_y, moved)) return false;
  const int before = s.move_count;
  for (int i = 1; i <= 8; ++i) {
    const bool last = reach.path_x[i] == to_x && reach.path_y[i] == to_y;
    w.on_mouse_down(last && promote ? MOUSE_RIGHT : MOUSE_LEFT, 0, centre_x(reach.path_x[i]),
                    centre_y(reach.path_y[i]));
    if (last) break;
  }
  return s.move_count != before || s.turn == NO_GAME;
}

// The person plays the move the computer would play in the person's place.
bool person_plays_best(MainWindow& w) {
  GameState turned = w.game().state;
  reverse_position(turned);
  ComPosition position(turned, turned.level);
  const ComMove best = position.best_move();
  if (!best.found) return false;
  const bool drop = best.from_x == UPPER_HAND_COLUMN;
  const int from_x = drop ? LOWER_HAND_COLUMN : 10 - best.from_x;
  const int click_y = drop ? best.from_y + 2 : 10 - best.from_y;
  return click_chain(w, from_x, click_y, 10 - best.to_x, 10 - best.to_y, -best.moved,
                     best.placed != best.moved);
}

// Otherwise a random own piece or hand kind and a random square of its reach map.
bool person_plays_random(MainWindow& w, std::mt19937& random) {
  GameState& s = w.game().state;
  for (int attempt = 0; attempt < 500; ++attempt) {
    int from_x, from_y, click_y;
    if (std::uniform_int_distribution<int>(0, 4)(random) == 0 && s.lower_hand_total > 0) {
      const int slot = std::uniform_int_distribution<int>(1, 7)(random);
      if (s.lower_hand[slot] <= 0) continue;
      from_x = LOWER_HAND_COLUMN;
      from_y = slot;
      click_y = slot + 2;
    } else {
      from_x = std::uniform_int_distribution<int>(1, 9)(random);
      from_y = click_y = std::uniform_int_distribution<int>(1, 9)(random);
      if (s.board(from_x, from_y) > -10) continue;
    }
    ReachState reach;
    build_reach_map(reach, s.board, from_x, from_y, REACH_DESTINATIONS);
    const int to_x = std::uniform_int_distribution<int>(1, 9)(random);
    const int to_y = std::uniform_int_distribution<int>(1, 9)(random);
    if (!reach.reach_map(to_x, to_y)) continue;
    const int moved =
        from_x == LOWER_HAND_COLUMN ? -HAND_SLOT_CODES[from_y] : s.board(from_x, from_y);
    if (click_chain(w, from_x, click_y, to_x, to_y, moved, true)) return true;
  }
  return false;
}

int play_game(BenchWindow& window) {
  MainWindow& w = window.logic();
  std::mt19937 random(2024);
  int moves = 0;
  try {
    w.run_menu(MenuId::VS_COM_AS_SENTE);
    while (w.game().state.turn != NO_GAME && moves < 400) {
      if (!person_plays_best(w) && !person_plays_random(w, random)) break;
      ++moves;
    }
  } catch (const ProgramEnded&) {
  }
  std::printf("person-moves %d record %d\n", moves, w.game().record.length);
  return 0;
}

}  // namespace
}  // namespace kumora

int main(int argc, char** argv) {
  const bool game = argc > 1 && std::strcmp(argv[1], "game") == 0;
  QApplication app(argc, argv);
  kumora::SdlSoundPort sound;
  // Started as the program starts: in Japanese, with Qt's Japanese texts.
  kumora::LanguageSwitch language(kumora::program_translation_folders());
  language.choose(kumora::Language::JAPANESE);
  kumora::BenchWindow window(sound, language);
  if (game) {
    window.load();
    return kumora::play_game(window);
  }
  kumora::FirstPaint first_paint;
  window.centralWidget()->installEventFilter(&first_paint);
  window.load();
  window.show();
  return app.exec();
}
