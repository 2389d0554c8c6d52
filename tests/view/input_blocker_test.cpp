// While the program waits, nothing a person does with mouse, wheel or keys
// reaches the window, a double click included; Esc asks for the end once.
// What the window lets through (its menu bar, a box) gets everything, Esc too.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <memory>
#include <vector>

#include "tests/view/qt_app.h"
#include "view/input_blocker.h"

namespace kumora {
namespace {

class CountingWidget : public QWidget {
 public:
  int inputs = 0;

 protected:
  bool event(QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Wheel:
        ++inputs;
        break;
      default:
        break;
    }
    return QWidget::event(event);
  }
};

std::vector<std::unique_ptr<QEvent>> what_a_person_does() {
  const QPointF at(10, 10);
  std::vector<std::unique_ptr<QEvent>> events;
  for (const QEvent::Type type :
       {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
    events.push_back(std::make_unique<QMouseEvent>(type, at, at, Qt::LeftButton, Qt::LeftButton,
                                                   Qt::NoModifier));
  }
  events.push_back(std::make_unique<QKeyEvent>(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier));
  events.push_back(std::make_unique<QKeyEvent>(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier));
  events.push_back(std::make_unique<QWheelEvent>(at, at, QPoint(), QPoint(0, 120), Qt::NoButton,
                                                 Qt::NoModifier, Qt::NoScrollPhase, false));
  return events;
}

TEST(InputBlocker, NoInputReachesTheWindowWhileItLives) {
  ensure_qt_app();
  CountingWidget window;
  {
    InputBlocker blocker;
    for (const auto& event : what_a_person_does())
      QCoreApplication::sendEvent(&window, event.get());
    EXPECT_EQ(window.inputs, 0);
    EXPECT_FALSE(blocker.end_requested());
  }
  for (const auto& event : what_a_person_does()) QCoreApplication::sendEvent(&window, event.get());
  EXPECT_EQ(window.inputs, 6);
}

TEST(InputBlocker, EscAsksForTheEndOnce) {
  ensure_qt_app();
  CountingWidget window;
  InputBlocker blocker;
  int asked = 0;
  blocker.on_end_requested = [&] { ++asked; };
  for (int i = 0; i < 2; ++i) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &escape);
  }
  EXPECT_TRUE(blocker.end_requested());
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(window.inputs, 0);
}

TEST(InputBlocker, WhatIsLetThroughGetsEverythingTheRestNothing) {
  ensure_qt_app();
  CountingWidget window;
  CountingWidget menu_bar;
  InputBlocker blocker;
  blocker.lets_through = [&](const QObject* target) { return target == &menu_bar; };
  for (const auto& event : what_a_person_does()) {
    QCoreApplication::sendEvent(&menu_bar, event.get());
    QCoreApplication::sendEvent(&window, event.get());
  }
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&menu_bar, &escape);
  EXPECT_EQ(menu_bar.inputs, 7);
  EXPECT_EQ(window.inputs, 0);
  EXPECT_FALSE(blocker.end_requested()) << "Esc closes a menu or a box";
  QCoreApplication::sendEvent(&window, &escape);
  EXPECT_TRUE(blocker.end_requested());
}

}  // namespace
}  // namespace kumora
