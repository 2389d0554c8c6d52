#include "tests/gui/box_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <utility>

namespace kumora {

namespace {
constexpr int POLL_INTERVAL_MS = 20;
}

BoxAnswerer::BoxAnswerer() {
  poll_.setInterval(POLL_INTERVAL_MS);
  connect(&poll_, &QTimer::timeout, this, &BoxAnswerer::answer_open_box);
  poll_.start();
}

void BoxAnswerer::queue_answer(QMessageBox::StandardButton answer) { answers_.append(answer); }

void BoxAnswerer::answer_unqueued_with(
    std::function<QMessageBox::StandardButton(const SeenBox&)> chooser) {
  chooser_ = std::move(chooser);
}

QList<SeenBox> BoxAnswerer::take_seen() { return std::exchange(seen_, {}); }

int BoxAnswerer::take_unanswered() { return std::exchange(unanswered_, 0); }

void BoxAnswerer::answer_open_box() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  SeenBox seen{
      box->windowTitle(), box->text(), box->icon(), box->button(QMessageBox::Yes) != nullptr, {}};
  QMessageBox::StandardButton answer = QMessageBox::Ok;
  if (seen.yes_no) {
    if (answers_.isEmpty() && chooser_) {
      answer = chooser_(seen);
    } else if (answers_.isEmpty()) {
      ++unanswered_;
      answer = QMessageBox::No;
    } else {
      answer = answers_.takeFirst();
    }
  }
  QAbstractButton* button = box->button(answer);
  if (button == nullptr) return;
  seen.answer = button->text();
  seen_.append(seen);
  QTest::mouseClick(button, Qt::LeftButton);
}

QString unexpected_boxes(BoxAnswerer& answerer, const Boxes& expected) {
  const QList<SeenBox> seen = answerer.take_seen();
  Boxes got;
  for (const SeenBox& box : seen) got.append({box.title, box.text});
  const int unanswered = answerer.take_unanswered();
  if (got == expected && unanswered == 0) return {};
  return QString("boxes seen: %1; Yes/No boxes without an answer: %2")
      .arg(describe(seen))
      .arg(unanswered);
}

QString describe(const QList<SeenBox>& boxes) {
  QStringList lines;
  for (const SeenBox& box : boxes) lines << QString("\"%1\" \"%2\"").arg(box.title, box.text);
  return lines.isEmpty() ? QString("(no box)") : lines.join("; ");
}

}  // namespace kumora
