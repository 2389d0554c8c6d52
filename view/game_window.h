// The real main window: a Qt window around the window's logic. Every menu
// command, mouse press, key press and timer tick goes to the logic's handlers.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <map>

#include "window/main_window.h"
#include "view/qt_canvas.h"
#include "view/replay_canvas.h"

class QAction;
class QEventLoop;

namespace kumora {

class SurfaceView;
class FilePanelWidgets;
class InputBlocker;

class GameWindow : public QMainWindow, public Dialogs, public Host {
  Q_OBJECT
 public:
  explicit GameWindow(SoundPort& sound);

  // Runs the load event and places the window.
  void load();
  MainWindow& logic() { return logic_; }
  // The window surface the view shows, at the device scale.
  const ImageCanvas& surface() const { return surface_; }

  // Dialogs
  bool message_box(const std::string& text, const std::string& title, BoxButtons buttons,
                   BoxIcon icon) override;
  // Host
  float now() override;
  std::string timestamp() override;
  bool wait(double seconds) override;
  void set_timer_enabled(bool enabled) override;
  void quit() override {}

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_menus();
  void connect_file_panel();
  void place_file_panel();
  void sync_check_marks();
  // Runs a handler of the logic; ends the program when the handler ends it.
  void deliver(const std::function<void()>& handler);

  ImageCanvas surface_;
  ReplayCanvas canvas_;
  SurfaceView* view_;
  FilePanelWidgets* file_panel_;
  QTimer timer1_;
  MainWindow logic_;
  std::map<MenuId, QAction*> checkable_;
  bool ended_ = false;
  // While the logic waits: input is discarded, an end request is noted.
  InputBlocker* waiting_ = nullptr;
};

}  // namespace kumora
