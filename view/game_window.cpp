#include "view/game_window.h"

#include <algorithm>

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QTime>

#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>

#include "core/translation.h"
#include "view/busy_menus.h"
#include "view/eval_worker.h"
#include "view/file_panel_widgets.h"
#include "view/graph_points.h"
#include "view/input_blocker.h"
#include "view/language.h"
#include "view/rules_window.h"
#include "view/side_panel.h"
#include "view/surface_view.h"
#include "view/time_control_dialog.h"
#include "view/window_fit.h"
#include "view/window_layout.h"
#include "view/window_network.h"
#include "window/game_summary.h"
#include "window/last_move.h"
#include "window/record_positions.h"

namespace kumora {

namespace {
constexpr int TIMER1_INTERVAL_MS = 50;

bool carries_check_mark(MenuId id) {
  return item_level(id) != 0 || is_display_choice(id) || id == MenuId::JAPANESE ||
         id == MenuId::ENGLISH;
}

QString qt_text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

GameWindow::GameWindow(SoundPort& sound, LanguageSwitch& language)
    : surface_(1.0),
      canvas_(surface_),
      view_(new SurfaceView(surface_)),
      file_panel_(new FilePanelWidgets(view_)),
      side_panel_(new SidePanel),
      status_(new QLabel),
      logic_(canvas_, *this, sound, *this, level_computer_),
      language_(language) {
  setWindowIcon(QIcon(QPixmap::fromImage(Pictures().picture(-KING, 2.0))));
  setFocusPolicy(Qt::StrongFocus);
  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(view_, 1);
  row->addWidget(side_panel_, 0);
  setCentralWidget(central);
  statusBar()->addWidget(status_, 1);
  surface_.fill(WINDOW_COLOUR);
  surface_.set_refresh_callback([this] { view_->repaint(); });
  view_->on_mouse_press = [this](int button, double x, double y) {
    deliver([&] { logic_.on_mouse_down(button, 0, x, y); });
  };
  view_->on_scale_needed = [this](double scale) {
    if (std::abs(scale - surface_.scale()) > 1e-6) canvas_.rescale(scale);
    view_->update();
  };
  network_ = std::make_unique<WindowNetwork>(
      this, logic_, [this](const std::function<void()>& handler) { deliver(handler); });
  side_panel_->on_position_chosen = [this](int position) {
    deliver([&] { logic_.step_to(position); });
  };
  eval_ = std::make_unique<EvalWorker>(engine_value_for_lower);
  eval_->on_values = [this](const std::vector<std::optional<int>>& values) {
    side_panel_->show_values(graph_points(values));
  };
  timer1_.setInterval(TIMER1_INTERVAL_MS);
  connect(&timer1_, &QTimer::timeout, this, [this] {
    // A tick while a handler waits or shows a box only brings the clock up
    // to date: a loss on time is found by the next tick after it.
    deliver([this] { handling_ > 1 ? logic_.show_running_clock() : logic_.on_clock_tick(); });
  });
  view_->on_resized = [this] { place_file_panel(); };
  build_menus();
  add_shortcuts();
  connect_file_panel();
  show_texts();
  lay_out_side_panel();
}

GameWindow::~GameWindow() = default;

void GameWindow::load() {
  deliver([this] {
    logic_.on_window_opened(isMaximized());
    if (settings_.quick_com_moves()) logic_.run_menu(MenuId::QUICK_COM_MOVES);
  });
  if (ended_) return;
  restore_play_choices();
  const std::optional<WindowPlace> place = settings_.window_place();
  if (place) {
    restore_place(*place);
  } else {
    size_for_screen();
  }
}

void GameWindow::restore_play_choices() {
  logic_.set_time_control(settings_.time_control());
  const std::optional<int> level = settings_.level();
  if (level && *level != logic_.game().state.level) {
    deliver([&] { logic_.run_menu(level_item(*level)); });
  }
}

bool GameWindow::confirm_resignation() {
  if (!logic_.can_resign()) return true;  // the logic refuses as with no game
  return message_box(tr_text("Game", "投了しますか？"), tr_text("Game", "投了"), BoxButtons::YesNo,
                     BoxIcon::None);
}

void GameWindow::choose_time_control() {
  const std::optional<TimeControl> chosen = ask_time_control(this, logic_.time_control());
  if (!chosen) return;
  logic_.set_time_control(*chosen);
  settings_.set_time_control(*chosen);
}

void GameWindow::restore_place(const WindowPlace& place) {
  const QPoint corner(std::clamp(place.x, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                      std::clamp(place.y, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  QScreen* on = QGuiApplication::screenAt(corner);
  if (on == nullptr) on = screen();
  setGeometry(fit_to_screen(place, on->availableGeometry(), minimumSize()));
  if (place.maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void GameWindow::size_for_screen() {
  const QRect available = screen()->availableGeometry();
  const int chrome = chrome_height();
  const int window_height = static_cast<int>(available.height() * 0.8);
  const int panel = settings_.side_panel_shown() ? side_panel_width(window_height) : 0;
  int surface_height = window_height - chrome;
  int surface_width = surface_height * SURFACE_W_TWIPS / SURFACE_H_TWIPS;
  const int room = static_cast<int>(available.width() * 0.95) - panel;
  if (surface_width > room) {
    surface_width = room;
    surface_height = surface_width * SURFACE_H_TWIPS / SURFACE_W_TWIPS;
  }
  resize(surface_width + panel, surface_height + chrome);
  move(available.center() - rect().center());
}

void GameWindow::remember_geometry() {
  const bool normal = !isMaximized() && !isFullScreen();
  const QRect inside = normal ? geometry() : normalGeometry();
  settings_.set_window_place(
      {inside.x(), inside.y(), inside.width(), inside.height(), isMaximized()});
}

QAction* GameWindow::action(MenuId id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

void GameWindow::build_menus() {
  QMenu* parents[3] = {nullptr, nullptr, nullptr};
  auto* languages = new QActionGroup(this);
  for (const MenuItemInfo& item : MENU_TREE) {
    const MenuId id = item.id;
    if (menu_has_children(id)) {
      QMenu* menu = item.depth == 0 ? menuBar()->addMenu(QString())
                                    : parents[item.depth - 1]->addMenu(QString());
      connect(menu, &QMenu::aboutToShow, this,
              [this, id] { deliver([&] { logic_.run_menu(id); }); });
      parents[item.depth] = menu;
      menus_[id] = menu;
      continue;
    }
    QAction* action = item.depth == 0 ? menuBar()->addAction(QString())
                                      : parents[item.depth - 1]->addAction(QString());
    actions_[id] = action;
    action->setCheckable(carries_check_mark(id));
    if (id == MenuId::JAPANESE || id == MenuId::ENGLISH) languages->addAction(action);
    connect(action, &QAction::triggered, this, [this, id] {
      if (is_window_only_item(id)) {
        run_window_item(id);
        return;
      }
      if (id == MenuId::RESIGN && !confirm_resignation()) return;
      deliver([&] { logic_.run_menu(id); });
      if (item_level(id) != 0) settings_.set_level(logic_.game().state.level);
      if (id == MenuId::QUICK_COM_MOVES) settings_.set_quick_com_moves(logic_.is_checked(id));
    });
  }
  sync_check_marks();
}

// Shown in the menus beside their items.
void GameWindow::add_shortcuts() {
  const std::pair<MenuId, QKeySequence> keys[] = {
      {MenuId::READ_RECORD, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {MenuId::WRITE_RECORD, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {MenuId::TAKE_BACK, QKeySequence(Qt::CTRL | Qt::Key_Z)},
      {MenuId::HOW_TO_PLAY, QKeySequence(Qt::Key_F1)}};
  for (const auto& [id, key] : keys) {
    if (QAction* shortcut = action(id)) shortcut->setShortcut(key);
  }
}

void GameWindow::show_texts() {
  setWindowTitle(tr("雲羅将棋 Kumora Shogi"));
  for (const MenuItemInfo& item : MENU_TREE) {
    const QString caption = qt_text(tr_text(MENU_CONTEXT, item.caption.data()));
    if (const auto menu = menus_.find(item.id); menu != menus_.end())
      menu->second->setTitle(caption);
    if (QAction* item_action = action(item.id)) item_action->setText(caption);
  }
  file_panel_->retranslate();
  side_panel_->retranslate();
  // The menu bar at the smallest width may wrap into more rows in one
  // language than in the other.
  const QSize surface = smallest_window(0);
  setMinimumSize(surface.width(), surface.height() + menuBar()->heightForWidth(surface.width()) +
                                      statusBar()->sizeHint().height());
}

void GameWindow::choose_language(Language language) {
  if (!language_.choose(language)) {
    QMessageBox::warning(this, QStringLiteral("Kumora Shogi"),
                         QStringLiteral("英語の表示に必要なﾌｧｲﾙ kumora_en.qm が見つかりません。\n"
                                        "The English texts (kumora_en.qm) could not be found."));
  } else {
    settings_.set_language(language);
  }
  show_texts();
  if (rules_ != nullptr) {
    // Built anew in the new language, where the old one was.
    const bool shown = rules_->isVisible();
    const QByteArray geometry = rules_->saveGeometry();
    delete rules_;
    rules_ = nullptr;
    if (shown) {
      open_rules_window();
      rules_->restoreGeometry(geometry);
    }
  }
  // The captions printed on the board, the status line and the side panel.
  deliver([this] {
    logic_.redraw_all();
    logic_.redraw_game_texts();
  });
}

void GameWindow::open_rules_window() {
  if (rules_ == nullptr) rules_ = new RulesWindow(this);
  rules_->show();
  rules_->raise();
  rules_->activateWindow();
}

void GameWindow::run_window_item(MenuId id) {
  if (id == MenuId::SIDE_PANEL) set_side_panel_shown(!settings_.side_panel_shown());
  if (id == MenuId::HOW_TO_PLAY) open_rules_window();
  if (id == MenuId::TIME_CONTROL) choose_time_control();
  if (id == MenuId::NET_HOST) network_->host();
  if (id == MenuId::NET_JOIN) network_->join();
  if (id == MenuId::JAPANESE) choose_language(Language::JAPANESE);
  if (id == MenuId::ENGLISH) choose_language(Language::ENGLISH);
  sync_check_marks();
}

void GameWindow::set_side_panel_shown(bool shown) {
  // The board keeps its size: the window grows or shrinks by the panel.
  const int change = shown ? side_panel_width(height()) : -side_panel_width(height());
  const bool was_visible = side_panel_->isVisible();
  settings_.set_side_panel_shown(shown);
  if (!isMaximized() && !isFullScreen() && shown != was_visible) {
    resize(width() + change, height());
  }
  lay_out_side_panel();
}

int GameWindow::chrome_height() const {
  return menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
}

// The panel follows the window's height in width and texts, and steps aside
// while it would leave the board too narrow; its menu tick stays as chosen.
void GameWindow::lay_out_side_panel() {
  side_panel_->set_text_scale(side_panel_text_scale(height()));
  side_panel_->setFixedWidth(side_panel_width(height()));
  side_panel_->setVisible(settings_.side_panel_shown() && side_panel_fits(size()));
}

void GameWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  lay_out_side_panel();
}

void GameWindow::connect_file_panel() {
  file_panel_->on_drive_chosen = [this](const std::string& drive) {
    deliver([&] { logic_.choose_drive(drive); });
  };
  file_panel_->on_dir_chosen = [this](const std::string& path) {
    deliver([&] { logic_.open_folder(path); });
  };
  file_panel_->on_file_clicked = [this](const std::string& name) {
    deliver([&] { logic_.pick_file(name); });
  };
  file_panel_->on_text_edited = [this](int index, const std::string& text) {
    logic_.set_panel_text(index, text);
  };
  file_panel_->on_return = [this] { deliver([this] { logic_.confirm_file(); }); };
}

void GameWindow::place_file_panel() {
  const QPointF origin = view_->surface_origin();
  file_panel_->place(view_->fit_factor() / TWIPS_PER_PIXEL, origin.x(), origin.y());
}

void GameWindow::sync_check_marks() {
  for (auto& [id, item] : actions_) {
    if (!item->isCheckable()) continue;
    if (id == MenuId::SIDE_PANEL) {
      item->setChecked(settings_.side_panel_shown());
    } else if (id == MenuId::JAPANESE || id == MenuId::ENGLISH) {
      item->setChecked((id == MenuId::ENGLISH) == (language_.current() == Language::ENGLISH));
    } else {
      item->setChecked(logic_.is_checked(id));
    }
  }
}

void GameWindow::sync_view() {
  const Game& game = logic_.game();
  side_panel_->show_summary(summarize(game));
  status_->setText(QString::fromStdString(logic_.status_text()));
  view_->set_background(logic_.appearance().background);
  view_->set_last_move(last_move_squares(game));
  view_->set_chain_numbers(logic_.chain_numbers());
  if (!side_panel_->isHidden()) eval_->evaluate(record_positions(game));
}

void GameWindow::deliver(const std::function<void()>& handler) {
  if (ended_) return;
  ++handling_;
  try {
    handler();
    --handling_;
  } catch (const ProgramEnded&) {
    --handling_;
    ended_ = true;
    timer1_.stop();
    remember_geometry();
    QApplication::quit();
    return;
  }
  sync_check_marks();
  file_panel_->sync(logic_.file_panel());
  sync_view();
  view_->update();
}

bool GameWindow::message_box(const std::string& text, const std::string& title, BoxButtons buttons,
                             BoxIcon icon) {
  QMessageBox box(
      icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
      QString::fromStdString(title), QString::fromStdString(text),
      buttons == BoxButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, this);
  return box.exec() != QMessageBox::No;
}

float GameWindow::now() {
  return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

std::string GameWindow::timestamp() {
  return QDateTime::currentDateTime().toString("yyyy-MM-dd HH-mm-ss").toStdString();
}

bool GameWindow::keep_alive(const std::function<void(QEventLoop&)>& arm) {
  QEventLoop loop;
  InputBlocker blocker;
  blocker.on_end_requested = [&loop] { loop.quit(); };
  blocker.lets_through = [this](const QObject* target) {
    return reaches_while_busy(target, *this);
  };
  InputBlocker* outer = waiting_;
  waiting_ = &blocker;
  if (outer == nullptr) enable_game_commands(actions_, menus_, false);
  arm(loop);
  loop.exec();
  if (outer == nullptr) enable_game_commands(actions_, menus_, true);
  waiting_ = outer;
  const bool end_requested = blocker.end_requested();
  if (end_requested && outer != nullptr) outer->request_end();
  return !end_requested;
}

bool GameWindow::wait(double seconds) {
  return keep_alive([seconds](QEventLoop& loop) {
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
  });
}

bool GameWindow::wait_for(const std::function<bool()>& done) {
  constexpr int POLL_MS = 5;
  QTimer poll;
  return keep_alive([&](QEventLoop& loop) {
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
      if (done()) loop.quit();
    });
    poll.start(POLL_MS);
  });
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
    deliver([this] { logic_.run_menu(MenuId::STEP_BACK); });
    return;
  }
  if (event->key() == Qt::Key_Right && event->modifiers() == Qt::NoModifier) {
    deliver([this] { logic_.run_menu(MenuId::STEP_FORWARD); });
    return;
  }
  // Esc with the record-file panel open closes the panel.
  if (event->key() == Qt::Key_Escape && logic_.file_panel_open()) {
    deliver([this] { logic_.close_file_panel(); });
    return;
  }
  // Other keys typed into a text box of the panel belong to the box.
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
  if (code != 0) deliver([&] { logic_.on_key_press(code); });
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
  remember_geometry();
  if (!ended_) deliver([this] { logic_.on_window_closed(); });
  event->accept();
}

}  // namespace kumora
