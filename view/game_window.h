// The real main window: a Qt window around the window's logic. Every menu
// command, mouse press, key press and timer tick goes to the logic's
// handlers. Around the board it adds what only the screen needs: the side
// panel, the status line, the last move's marks, the rules window, a size
// and place remembered between runs, and the choice of language.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "com/level_computer_player.h"
#include "view/desktop_settings.h"
#include "view/qt_canvas.h"
#include "view/replay_canvas.h"
#include "window/main_window.h"

class QAction;
class QEventLoop;
class QLabel;
class QMenu;

namespace kumora {

class SurfaceView;
class FilePanelWidgets;
class InputBlocker;
class SidePanel;
class EvalWorker;
class LanguageSwitch;
class WindowNetwork;

class GameWindow : public QMainWindow, public Dialogs, public Host {
  Q_OBJECT
 public:
  // Shows its texts in the language `language` has chosen, and switches it
  // when the person chooses another.
  GameWindow(SoundPort& sound, LanguageSwitch& language);
  ~GameWindow() override;

  // Runs the load event and places the window.
  void load();
  MainWindow& logic() { return logic_; }
  // The window surface the view shows, at the device scale.
  const ImageCanvas& surface() const { return surface_; }
  // What the surface shows, picture by picture and text by text.
  const ReplayCanvas& shown() const { return canvas_; }
  SidePanel& side_panel() const { return *side_panel_; }
  QLabel& status_line() const { return *status_; }
  QAction* action(MenuId id) const;
  // Shows the whole window in `language` at once and remembers the choice
  // for the next start, as その他 → Language does.
  void choose_language(Language language);

  // Dialogs
  bool message_box(const std::string& text, const std::string& title, BoxButtons buttons,
                   BoxIcon icon) override;
  // Host
  float now() override;
  std::string timestamp() override;
  bool wait(double seconds) override;
  bool wait_for(const std::function<bool()>& done) override;
  void set_timer_enabled(bool enabled) override;
  void quit() override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_menus();
  // Shows the captions of the window, its menus and its panels in the
  // chosen language.
  void show_texts();
  void open_rules_window();
  void add_shortcuts();
  void connect_file_panel();
  void place_file_panel();
  void sync_check_marks();
  // Shows what the logic holds beyond the surface: side panel, status line,
  // the last move's marks, the background of the bands.
  void sync_view();
  void run_window_item(MenuId id);
  // The level and the time control chosen in an earlier run.
  void restore_play_choices();
  // Asks before 投了 gives the game up; true to go on.
  bool confirm_resignation();
  // 対局 → 持ち時間: the dialog, and the choice remembered.
  void choose_time_control();
  void set_side_panel_shown(bool shown);
  void lay_out_side_panel();
  // The menu bar's and the status line's height together.
  int chrome_height() const;
  // The first size: 80% of the screen's height at the board's proportions.
  void size_for_screen();
  // The place remembered, fitted to the screen it falls on.
  void restore_place(const WindowPlace& place);
  void remember_geometry();
  // Runs the event loop, input discarded, until `finished` says so or the
  // person asks to end the program; false in that case.
  bool keep_alive(const std::function<void(QEventLoop&)>& arm);
  // Runs a handler of the logic; ends the program when the handler ends it.
  void deliver(const std::function<void()>& handler);

  ImageCanvas surface_;
  ReplayCanvas canvas_;
  SurfaceView* view_;
  FilePanelWidgets* file_panel_;
  SidePanel* side_panel_;
  QLabel* status_;
  QWidget* rules_ = nullptr;
  QTimer timer1_;
  LevelComputerPlayer level_computer_;
  MainWindow logic_;
  DesktopSettings settings_;
  std::unique_ptr<EvalWorker> eval_;
  std::unique_ptr<WindowNetwork> network_;
  LanguageSwitch& language_;
  std::map<MenuId, QAction*> actions_;
  std::map<MenuId, QMenu*> menus_;
  bool ended_ = false;
  // How many handlers are running, one inside another (a tick while a
  // handler waits or shows a box).
  int handling_ = 0;
  // While the logic waits: input is discarded, an end request is noted.
  InputBlocker* waiting_ = nullptr;
};

}  // namespace kumora
