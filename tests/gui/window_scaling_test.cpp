// The window at several sizes (and, run with QT_SCALE_FACTOR=2, on a
// double-density screen): the surface is shown whole and uniformly scaled,
// drawn at the device's resolution, the panel widgets stand on their places of
// the surface, and clicks land on the cell the person sees under the pointer.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <memory>

#include "tests/gui/box_answerer.h"
#include "tests/gui/cell_looks.h"
#include "tests/gui/panel_widgets.h"
#include "tests/gui/program_setup.h"
#include "tests/gui/window_test_case.h"
#include "view/game_window.h"
#include "view/surface_view.h"
#include "window/file_panel.h"

namespace kumora {

namespace {

// Widgets are placed on whole pixels: a pixel off either way.
constexpr int PLACE_TOLERANCE = 1;

QString u8(const char* text) { return QString::fromUtf8(text); }

struct CornerCell {
  int x, y;
  QPointF within;  // the point clicked, near the board's corner
};

// The board's four corner cells, each clicked near the board's own corner.
constexpr double NEAR = 0.15, FAR = 0.85;
const CornerCell CORNERS[] = {
    {1, 1, {NEAR, NEAR}}, {9, 1, {FAR, NEAR}}, {1, 9, {NEAR, FAR}}, {9, 9, {FAR, FAR}}};

bool near(int a, double b) { return std::abs(a - b) <= PLACE_TOLERANCE + 0.5; }

}  // namespace

class WindowScaling : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void opens_showing_the_surface_at_its_natural_size();
  void surface_at_the_device_resolution_data() { sizes(); }
  void surface_at_the_device_resolution();
  void panel_widgets_follow_the_surface_data() { sizes(); }
  void panel_widgets_follow_the_surface();
  void clicks_land_on_the_cell_shown_data() { sizes(); }
  void clicks_land_on_the_cell_shown();

 private:
  static void sizes();
  void resize_window();
  QString misplaced(QWidget& widget, const TwipRect& rect) const;
};

void WindowScaling::sizes() {
  QTest::addColumn<QSize>("size");
  QTest::newRow("larger") << QSize(900, 760);
  QTest::newRow("wide") << QSize(1000, 520);
  QTest::newRow("tall") << QSize(520, 900);
  QTest::newRow("small") << QSize(430, 400);
  QTest::newRow("odd") << QSize(777, 611);
}

void WindowScaling::resize_window() {
  QFETCH(QSize, size);
  QVERIFY(driver_->set_view_size(size));
  QTest::qWait(50);  // the repaint at the new scale
}

void WindowScaling::initTestCase() {
  QVERIFY(enter_fresh_folder());
  QVERIFY(open_window(set_up_like_the_program()));
  // The board alone, at the sizes below.
  window_->action(MenuId::SIDE_PANEL)->trigger();
  QVERIFY(driver_->set_view_size(QSize(600, 480)));
  QVERIFY(driver_->choose({u8("対局"), u8("対局(人間)"), u8("スタート")}));
  const QString unexpected = unexpected_boxes(boxes_, {{" ", u8("先手の番です")}});
  QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void WindowScaling::opens_showing_the_surface_at_its_natural_size() {
  // The run with QT_SCALE_FACTOR must really be on a denser screen.
  const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
  if (!factor.isEmpty()) QCOMPARE(driver_->view().devicePixelRatioF(), factor.toDouble());
  QCOMPARE(driver_->view().size(), QSize(600, 480));
  QCOMPARE(window_->surface().scale(), driver_->view().devicePixelRatioF());
}

void WindowScaling::surface_at_the_device_resolution() {
  resize_window();
  const double ratio = driver_->view().devicePixelRatioF();
  const double device_scale = driver_->shown_scale() * ratio;
  QVERIFY(std::abs(window_->surface().scale() - device_scale) < 1e-9);
  const QSize image = window_->surface().image().size();
  QVERIFY2(std::abs(image.width() - 600 * device_scale) <= 1 &&
               std::abs(image.height() - 480 * device_scale) <= 1,
           qPrintable(QString("surface of %1 x %2 pixels at scale %3")
                          .arg(image.width())
                          .arg(image.height())
                          .arg(device_scale)));
  // Whole and uniformly scaled: the corner cells and the middle show their pieces.
  struct Shown {
    int x, y, code, other;
  };
  const Shown cells[] = {{1, 1, 20, -20}, {9, 1, 20, -20},     {1, 9, -20, 20},
                         {9, 9, -20, 20}, {8, 8, -900, EMPTY}, {5, 5, EMPTY, -900}};
  for (const Shown& cell : cells) {
    const QString mismatch = cell_mismatch(*driver_, cell.x, cell.y, cell.code, cell.other);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  }
}

QString WindowScaling::misplaced(QWidget& widget, const TwipRect& rect) const {
  const QPointF top_left = driver_->shown_at(rect.left, rect.top);
  const QPointF bottom_right = driver_->shown_at(rect.left + rect.width, rect.top + rect.height);
  const QRect at = widget.geometry();
  if (near(at.left(), top_left.x()) && near(at.top(), top_left.y()) &&
      near(at.left() + at.width(), bottom_right.x()) &&
      near(at.top() + at.height(), bottom_right.y()))
    return {};
  return QString("%1 at (%2,%3 %4x%5), expected (%6,%7)-(%8,%9)")
      .arg(widget.metaObject()->className())
      .arg(at.left())
      .arg(at.top())
      .arg(at.width())
      .arg(at.height())
      .arg(top_left.x())
      .arg(top_left.y())
      .arg(bottom_right.x())
      .arg(bottom_right.y());
}

void WindowScaling::panel_widgets_follow_the_surface() {
  resize_window();
  QVERIFY(driver_->choose({u8("棋譜"), u8("書込")}));
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  QVERIFY(panel.complete());
  QVERIFY(panel.command1->isVisible());
  const std::pair<QWidget*, TwipRect> places[] = {
      {panel.drive1, DRIVE1_RECT},
      {panel.dir1, DIR1_RECT},
      {panel.command1, COMMAND1_RECT},
      {panel.text[TEXT_TITLE],
       {TEXT_BOX_LEFT, text_box_top(TEXT_TITLE), TEXT_BOX_WIDTH, TEXT_BOX_HEIGHT}},
      {panel.text[TEXT_FILE_NAME],
       {TEXT_BOX_LEFT, text_box_top(TEXT_FILE_NAME), TEXT_BOX_WIDTH, TEXT_BOX_HEIGHT}}};
  for (const auto& [widget, rect] : places) {
    const QString wrong = misplaced(*widget, rect);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
  }
  // The button takes the click at this size: with no file name it says so.
  driver_->click_widget(*panel.command1);
  const QString unexpected = unexpected_boxes(boxes_, {{"  ", u8("ﾌｧｲﾙ名が入力されていません")}});
  QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

void WindowScaling::clicks_land_on_the_cell_shown() {
  resize_window();
  MainWindow& logic = window_->logic();
  // The panel, left open, covers the upper left cells; a click on the board
  // where it is not hides it.
  driver_->click_cell(5, 5);
  QVERIFY(!find_panel_widgets(driver_->view()).dir1->isVisible());
  for (const CornerCell& corner : CORNERS) {
    driver_->click_cell(corner.x, corner.y, Qt::LeftButton, corner.within);
    QCOMPARE(logic.selection().cur_move[CUR_FROM_X], corner.x);
    QCOMPARE(logic.selection().cur_move[CUR_FROM_Y], corner.y);
    // An own piece is selected; clicking it again lets it go.
    if (logic.selection().piece_picked) driver_->click_cell(corner.x, corner.y);
    QVERIFY(!logic.selection().piece_picked);
  }
  const QString unexpected = unexpected_boxes(boxes_, {});
  QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
}

}  // namespace kumora

QTEST_MAIN(kumora::WindowScaling)
#include "window_scaling_test.moc"
