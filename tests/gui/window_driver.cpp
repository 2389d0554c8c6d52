#include "tests/gui/window_driver.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "view/game_window.h"
#include "view/surface_view.h"

namespace kumora {

namespace {

constexpr int MENU_OPEN_TIMEOUT_MS = 5000;
constexpr int WINDOW_ACTIVE_TIMEOUT_MS = 5000;
constexpr double SURFACE_W_PIXELS = 600;
constexpr double SURFACE_H_PIXELS = 480;

QAction* find_caption(const QList<QAction*>& actions, const QString& caption) {
  for (QAction* action : actions)
    if (action->text() == caption) return action;
  return nullptr;
}

}  // namespace

double cell_left_twips(int x) { return 1050 + 495.0 * x; }
double cell_top_twips(int y) { return 100 + 615.0 * y; }

SurfaceView& WindowDriver::view() const { return *window_.findChild<SurfaceView*>(); }

bool WindowDriver::set_view_size(QSize size) {
  // The side panel's width follows the window's height: a few rounds settle it.
  for (int round = 0; round < 4 && view().size() != size; ++round) {
    const QSize before = view().size();
    window_.resize(window_.size() + size - before);
    if (!QTest::qWaitFor([&] { return view().size() != before; }, WINDOW_ACTIVE_TIMEOUT_MS)) break;
  }
  return QTest::qWaitFor([&] { return view().size() == size; }, WINDOW_ACTIVE_TIMEOUT_MS);
}

void WindowDriver::give_focus_back(QWidget& top) {
  if (top.isActiveWindow()) return;
  top.activateWindow();
  if (!QTest::qWaitForWindowActive(&top, WINDOW_ACTIVE_TIMEOUT_MS))
    qWarning("the window did not become active");
}

void WindowDriver::click_at(QWidget& widget, QPoint position, Qt::MouseButton button) {
  QWidget* top = widget.window();
  give_focus_back(*top);
  QTest::mouseClick(top->windowHandle(), button, Qt::NoModifier, widget.mapTo(top, position));
}

bool WindowDriver::choose(const QStringList& captions) {
  QMenuBar& bar = *window_.menuBar();
  QAction* action = find_caption(bar.actions(), captions.value(0));
  if (action == nullptr) {
    qWarning("no item %s on the menu bar", qPrintable(captions.value(0)));
    return false;
  }
  click_at(bar, bar.actionGeometry(action).center(), Qt::LeftButton);
  for (int depth = 1; depth < captions.size(); ++depth) {
    QMenu* menu = action->menu();
    if (menu == nullptr ||
        !QTest::qWaitFor([menu] { return menu->isVisible(); }, MENU_OPEN_TIMEOUT_MS)) {
      qWarning("the menu %s did not open", qPrintable(action->text()));
      return false;
    }
    action = find_caption(menu->actions(), captions[depth]);
    if (action == nullptr) {
      qWarning("no item %s in the menu %s", qPrintable(captions[depth]), qPrintable(menu->title()));
      return false;
    }
    click_at(*menu, menu->actionGeometry(action).center(), Qt::LeftButton);
  }
  return true;
}

void WindowDriver::click_cell(int x, int y, Qt::MouseButton button, QPointF within) {
  const QPointF point = shown_at(cell_left_twips(x) + CELL_W_TWIPS * within.x(),
                                 cell_top_twips(y) + CELL_H_TWIPS * within.y());
  click_at(view(), point.toPoint(), button);
}

void WindowDriver::click_widget(QWidget& widget, QPoint position) {
  click_at(widget, position == QPoint(-1, -1) ? widget.rect().center() : position, Qt::LeftButton);
}

void WindowDriver::click_list_row(QListWidget& list, int row) {
  click_widget(*list.viewport(), list.visualItemRect(list.item(row)).center());
}

void WindowDriver::press_key(Qt::Key key) {
  give_focus_back(window_);
  QTest::keyClick(window_.windowHandle(), key);
}

void WindowDriver::press_key_combination(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  give_focus_back(window_);
  QTest::keyClick(window_.windowHandle(), key, modifiers);
}

void WindowDriver::type_text(const QString& text) {
  give_focus_back(window_);
  for (QChar c : text) {
    QTest::sendKeyEvent(QTest::KeyAction::Click, window_.windowHandle(), Qt::Key_unknown,
                        QString(c), Qt::NoModifier);
  }
}

double WindowDriver::shown_scale() const {
  const SurfaceView& v = view();
  return std::min(v.width() / SURFACE_W_PIXELS, v.height() / SURFACE_H_PIXELS);
}

QPointF WindowDriver::shown_at(double tx, double ty) const {
  const SurfaceView& v = view();
  const double s = shown_scale();
  const double left = (v.width() - SURFACE_W_PIXELS * s) / 2;
  const double top = (v.height() - SURFACE_H_PIXELS * s) / 2;
  return QPointF(left + tx / 15 * s, top + ty / 15 * s);
}

QImage WindowDriver::grab_view() const {
  return view().grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRect WindowDriver::twips_in_grab(double left, double top, double width, double height) const {
  const double ratio = view().devicePixelRatioF();
  const QPointF a = shown_at(left, top) * ratio;
  const QPointF b = shown_at(left + width, top + height) * ratio;
  return QRect(QPoint(std::lround(a.x()), std::lround(a.y())),
               QPoint(std::lround(b.x()) - 1, std::lround(b.y()) - 1));
}

QRect WindowDriver::cell_in_grab(int x, int y) const {
  return twips_in_grab(cell_left_twips(x), cell_top_twips(y), CELL_W_TWIPS, CELL_H_TWIPS);
}

}  // namespace kumora
