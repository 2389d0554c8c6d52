// Answers the window's modal message boxes as a person would: it watches for a
// box, writes down its title, text and icon, and clicks a button on it.
#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <utility>

namespace kumora {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool yes_no = false;
  QString answer;  // the caption of the button clicked
};

class BoxAnswerer : public QObject {
  Q_OBJECT
 public:
  BoxAnswerer();

  // The answer for the next Yes/No box (QMessageBox::Yes or QMessageBox::No).
  // OK boxes need none; a Yes/No box without one is answered No and reported.
  void queue_answer(QMessageBox::StandardButton answer);
  // From now on a Yes/No box with no queued answer is answered by `chooser`
  // (given the box) instead of No, and not reported as unanswered.
  void answer_unqueued_with(std::function<QMessageBox::StandardButton(const SeenBox&)> chooser);
  // The boxes answered since the last call.
  QList<SeenBox> take_seen();
  // Yes/No boxes that came without a queued answer since the last call.
  int take_unanswered();

 private:
  void answer_open_box();

  QTimer poll_;
  QList<QMessageBox::StandardButton> answers_;
  std::function<QMessageBox::StandardButton(const SeenBox&)> chooser_;
  QList<SeenBox> seen_;
  int unanswered_ = 0;
};

// Boxes by title and text, in the order they came.
using Boxes = QList<std::pair<QString, QString>>;

// "" when the boxes answered since the last look are `expected` and none of
// them lacked its answer; otherwise what came instead.
QString unexpected_boxes(BoxAnswerer& answerer, const Boxes& expected);

// "TITLE" "TEXT" of a box, for failure messages.
QString describe(const QList<SeenBox>& boxes);

}  // namespace kumora
