// Drives the real game window as a person does: the mouse on the menu bar, the
// menus, the board and the panel widgets, the keyboard on the window. Every
// event goes in through the window system's door (QWindow), so it reaches
// whatever widget is really under the pointer or holds the focus.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QStringList>

class QAction;
class QListWidget;
class QWidget;

namespace kumora {

class GameWindow;
class SurfaceView;

// The virtual screen runs no window manager: when a message box closes, nobody
// gives the focus back to the game window. The driver does it before each
// click and key, as a desktop's window manager would.
class WindowDriver {
 public:
  explicit WindowDriver(GameWindow& window) : window_(window) {}

  SurfaceView& view() const;
  // Resizes the window so that the board's view gets `size` logical pixels.
  bool set_view_size(QSize size);

  // Chooses a menu item by its captions from the bar down ({"対局", "対局(人間)",
  // "スタート"}), clicking the bar and each menu. False (with a warning) when a
  // caption is missing or a menu does not open.
  bool choose(const QStringList& captions);
  // A mouse click on a cell; `within` is the point inside the cell in parts of
  // its width and height (the centre by default).
  void click_cell(int x, int y, Qt::MouseButton button = Qt::LeftButton,
                  QPointF within = QPointF(0.5, 0.5));
  // A mouse click on a widget of the window (by default at its centre).
  void click_widget(QWidget& widget, QPoint position = QPoint(-1, -1));
  // A mouse click on the centre of a list's row.
  void click_list_row(QListWidget& list, int row);
  void press_key(Qt::Key key);
  void press_key_combination(Qt::Key key, Qt::KeyboardModifiers modifiers);
  // Types text with one key event a character into the widget with the focus.
  void type_text(const QString& text);

  // Where the surface point (tx, ty) in twips is shown, in the view's logical
  // pixels: the 9000 x 7200 twip surface scaled uniformly to fit and centred.
  QPointF shown_at(double tx, double ty) const;
  // The surface as the view shows it, in device pixels.
  QImage grab_view() const;
  // The device-pixel rectangle of cell (x, y) in grab_view(); also the hand
  // columns -1 and 11.
  QRect cell_in_grab(int x, int y) const;
  // The device-pixel rectangle of a twip rectangle in grab_view().
  QRect twips_in_grab(double left, double top, double width, double height) const;
  // Logical pixels per 15 twips (one pixel of the surface at scale 1).
  double shown_scale() const;

 private:
  void give_focus_back(QWidget& top);
  void click_at(QWidget& widget, QPoint position, Qt::MouseButton button);
  GameWindow& window_;
};

// The twip rectangle of a cell.
double cell_left_twips(int x);
double cell_top_twips(int y);
constexpr double CELL_W_TWIPS = 495;
constexpr double CELL_H_TWIPS = 615;

}  // namespace kumora
