// While the window's logic waits (an animation, later the computer's search),
// the event loop keeps running so that the window repaints, but what the
// person does with mouse and keys is discarded, not queued. Esc and closing
// the window are noted, so the program can end as soon as the wait is over.
#pragma once

#include <QObject>
#include <functional>

namespace kumora {

class InputBlocker : public QObject {
  Q_OBJECT
 public:
  // Filters every event of the application while it lives.
  InputBlocker();
  ~InputBlocker() override;

  bool end_requested() const { return end_requested_; }
  // Called when the person asks to end the program (Esc, or the window closed).
  void request_end();
  // Called once when the end is requested.
  std::function<void()> on_end_requested;
  // When set: input for the objects it answers true for passes (Esc too).
  std::function<bool(const QObject*)> lets_through;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool end_requested_ = false;
};

}  // namespace kumora
