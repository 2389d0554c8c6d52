#include "view/time_control_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/translation.h"

namespace kumora {

namespace {

const char* const CONTEXT = "TimeControlDialog";

QString text(const char* source) { return QString::fromStdString(tr_text(CONTEXT, source)); }

QSpinBox* seconds_box(int maximum, int value, const char* suffix) {
  auto* box = new QSpinBox;
  box->setRange(0, maximum);
  box->setValue(value);
  box->setSuffix(text(suffix));
  return box;
}

}  // namespace

std::optional<TimeControl> ask_time_control(QWidget* parent, const TimeControl& current) {
  QDialog dialog(parent);
  dialog.setWindowTitle(text(tr_noop("TimeControlDialog", "持ち時間")));
  auto* minutes = seconds_box(TIME_CONTROL_MAX_SECONDS / 60, current.main_seconds / 60,
                              tr_noop("TimeControlDialog", " 分"));
  auto* main_rest = seconds_box(59, current.main_seconds % 60, tr_noop("TimeControlDialog", " 秒"));
  auto* byoyomi =
      seconds_box(600, std::min(current.byoyomi_seconds, 600), tr_noop("TimeControlDialog", " 秒"));
  auto* increment = seconds_box(600, std::min(current.increment_seconds, 600),
                                tr_noop("TimeControlDialog", " 秒"));
  auto* main_row = new QHBoxLayout;
  main_row->addWidget(minutes);
  main_row->addWidget(main_rest);
  auto* form = new QFormLayout;
  form->addRow(text(tr_noop("TimeControlDialog", "持ち時間")), main_row);
  form->addRow(text(tr_noop("TimeControlDialog", "秒読み")), byoyomi);
  form->addRow(text(tr_noop("TimeControlDialog", "加算（1手ごと）")), increment);
  auto* note = new QLabel(text(tr_noop(
      "TimeControlDialog", "次に始める対局から使います。\nすべて0にすると持ち時間なしです。")));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* column = new QVBoxLayout(&dialog);
  column->addLayout(form);
  column->addWidget(note);
  column->addWidget(buttons);
  const auto chosen = [&] {
    return TimeControl{minutes->value() * 60 + main_rest->value(), byoyomi->value(),
                       increment->value()};
  };
  // Only an increment would leave no time for the first move.
  const auto check = [&] {
    buttons->button(QDialogButtonBox::Ok)->setEnabled(valid_time_control(chosen()));
  };
  for (QSpinBox* box : {minutes, main_rest, byoyomi, increment}) {
    QObject::connect(box, &QSpinBox::valueChanged, &dialog, check);
  }
  check();
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return chosen();
}

}  // namespace kumora
