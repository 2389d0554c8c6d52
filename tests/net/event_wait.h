// Runs Qt's event loop until a condition holds. The bound is generous: it
// only keeps a broken test from hanging, and no test measures time with it.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

namespace kumora {

constexpr int GENEROUS_WAIT_MS = 10000;

inline bool wait_until(const std::function<bool()>& done, int milliseconds = GENEROUS_WAIT_MS) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > milliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  }
  return true;
}

}  // namespace kumora
