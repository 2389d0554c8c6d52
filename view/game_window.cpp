#include "view/game_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QEventLoop>
#include <QIcon>
#include <QPixmap>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTime>

#include "view/file_panel_widgets.h"
#include "view/input_blocker.h"
#include "view/surface_view.h"

namespace kumora {

namespace {
constexpr int TIMER1_INTERVAL_MS = 50;

bool carries_check_mark(MenuId id) {
  switch (id) {
    case MenuId::LEVEL1: case MenuId::LEVEL2: case MenuId::LEVEL3:
    case MenuId::MIDORI: case MenuId::TATAMI: case MenuId::TAKE: case MenuId::UCHU:
    case MenuId::RENGA: case MenuId::SIDOU: case MenuId::KEIKA: case MenuId::BGM:
      return true;
    default:
      return false;
  }
}

QString qt_text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

GameWindow::GameWindow(SoundPort& sound)
    : surface_(1.0), canvas_(surface_), view_(new SurfaceView(surface_, this)),
      file_panel_(new FilePanelWidgets(view_)), logic_(canvas_, *this, sound, *this) {
  setWindowTitle("雲羅将棋 Kumora Shogi");
  setWindowIcon(QIcon(QPixmap::fromImage(Pictures().picture(-KING, 2.0))));
  setFocusPolicy(Qt::StrongFocus);
  setCentralWidget(view_);
  surface_.fill(WINDOW_COLOUR);
  surface_.set_refresh_callback([this] { view_->repaint(); });
  view_->on_mouse_press = [this](int button, double x, double y) {
    deliver([&] { logic_.Form_MouseDown(button, 0, x, y); });
  };
  view_->on_scale_needed = [this](double scale) {
    if (std::abs(scale - surface_.scale()) > 1e-6) canvas_.rescale(scale);
    view_->update();
  };
  timer1_.setInterval(TIMER1_INTERVAL_MS);
  connect(&timer1_, &QTimer::timeout, this, [this] {
    deliver([this] { logic_.Timer1_Timer(); });
  });
  view_->on_resized = [this] { place_file_panel(); };
  build_menus();
  connect_file_panel();
}

void GameWindow::load() {
  deliver([this] { logic_.Form_Load(isMaximized()); });
  if (ended_) return;
  // The form's height counts its caption and menu bar; here the caption is
  // the window manager's, so the client area gets the menu bar and the surface
  // at the form's width, with no empty band above or below the surface.
  const WindowPlacement placement = logic_.placement();
  const int w = placement.width / TWIPS_PER_PIXEL;
  const int h = menuBar()->sizeHint().height() + w * SURFACE_H_TWIPS / SURFACE_W_TWIPS;
  resize(w, h);
  move(placement.left / TWIPS_PER_PIXEL, placement.top / TWIPS_PER_PIXEL);
}

void GameWindow::build_menus() {
  QMenu* parents[3] = {nullptr, nullptr, nullptr};
  for (const MenuItemInfo& item : MENU_TREE) {
    const MenuId id = item.id;
    if (menu_has_children(id)) {
      QMenu* menu = item.depth == 0 ? menuBar()->addMenu(qt_text(item.caption))
                                    : parents[item.depth - 1]->addMenu(qt_text(item.caption));
      connect(menu, &QMenu::aboutToShow, this, [this, id] {
        deliver([&] { logic_.run_menu(id); });
      });
      parents[item.depth] = menu;
      continue;
    }
    QAction* action = item.depth == 0 ? menuBar()->addAction(qt_text(item.caption))
                                      : parents[item.depth - 1]->addAction(qt_text(item.caption));
    if (carries_check_mark(id)) {
      action->setCheckable(true);
      checkable_[id] = action;
    }
    connect(action, &QAction::triggered, this, [this, id] {
      deliver([&] { logic_.run_menu(id); });
    });
  }
  sync_check_marks();
}

void GameWindow::connect_file_panel() {
  file_panel_->on_drive_chosen = [this](const std::string& drive) {
    deliver([&] { logic_.Drive1_Change(drive); });
  };
  file_panel_->on_dir_chosen = [this](const std::string& path) {
    deliver([&] { logic_.Dir1_Change(path); });
  };
  file_panel_->on_file_clicked = [this](const std::string& name) {
    deliver([&] { logic_.File1_Click(name); });
  };
  file_panel_->on_text_edited = [this](int index, const std::string& text) {
    logic_.set_panel_text(index, text);
  };
  file_panel_->on_return = [this] { deliver([this] { logic_.Command1_Click(); }); };
}

void GameWindow::place_file_panel() {
  const QPointF origin = view_->surface_origin();
  file_panel_->place(view_->fit_factor() / TWIPS_PER_PIXEL, origin.x(), origin.y());
}

void GameWindow::sync_check_marks() {
  for (auto& [id, action] : checkable_) action->setChecked(logic_.is_checked(id));
}

void GameWindow::deliver(const std::function<void()>& handler) {
  if (ended_) return;
  try {
    handler();
  } catch (const ProgramEnded&) {
    ended_ = true;
    timer1_.stop();
    QApplication::quit();
    return;
  }
  sync_check_marks();
  file_panel_->sync(logic_.file_panel());
  view_->update();
}

bool GameWindow::message_box(const std::string& text, const std::string& title,
                             BoxButtons buttons, BoxIcon icon) {
  QMessageBox box(icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                  QString::fromStdString(title), QString::fromStdString(text),
                  buttons == BoxButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                               : QMessageBox::Ok,
                  this);
  return box.exec() != QMessageBox::No;
}

float GameWindow::now() {
  return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

std::string GameWindow::timestamp() {
  return QDateTime::currentDateTime().toString("yyyy-MM-dd HH-mm-ss").toStdString();
}

bool GameWindow::wait(double seconds) {
  QEventLoop loop;
  InputBlocker blocker;
  blocker.on_end_requested = [&loop] { loop.quit(); };
  InputBlocker* outer = waiting_;
  waiting_ = &blocker;
  QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
  loop.exec();
  waiting_ = outer;
  const bool end_requested = blocker.end_requested();
  if (end_requested && outer != nullptr) outer->request_end();
  return !end_requested;
}

void GameWindow::set_timer_enabled(bool enabled) {
  if (enabled) {
    if (!timer1_.isActive()) timer1_.start();
  } else {
    timer1_.stop();
  }
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
  // The arrow keys step through the record like "戻" and "進".
  if (event->key() == Qt::Key_Left && event->modifiers() == Qt::NoModifier) {
    deliver([this] { logic_.run_menu(MenuId::REPLAY); });
    return;
  }
  if (event->key() == Qt::Key_Right && event->modifiers() == Qt::NoModifier) {
    deliver([this] { logic_.run_menu(MenuId::AFTER); });
    return;
  }
  // Keys typed into a text box of the record-file panel belong to the box:
  // Esc there must not end the program and lose the game.
  if (qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  const QString text = event->text();
  int code = 0;
  if (event->key() == Qt::Key_Escape) {
    code = KEY_ESCAPE;
  } else if (!text.isEmpty()) {
    code = text.at(0).unicode();
  }
  if (code != 0) deliver([&] { logic_.Form_KeyPress(code); });
  QMainWindow::keyPressEvent(event);
}

void GameWindow::closeEvent(QCloseEvent* event) {
  if (waiting_ != nullptr) {
    // The logic is in the middle of a handler: it ends the program as soon
    // as its wait returns.
    waiting_->request_end();
    event->ignore();
    return;
  }
  if (!ended_) deliver([this] { logic_.Form_Unload(); });
  event->accept();
}

}  // namespace kumora
