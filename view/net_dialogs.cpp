#include "view/net_dialogs.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/translation.h"

namespace kumora {

namespace {

const char* const CONTEXT = "NetDialog";

QString text(const char* source) { return QString::fromStdString(tr_text(CONTEXT, source)); }

// How often the invitation looks whether the other side came.
constexpr int WATCH_MS = 200;

}  // namespace

std::optional<HostOptions> ask_host_options(QWidget* parent, const TimeControl& time_control) {
  QDialog dialog(parent);
  dialog.setWindowTitle(text(tr_noop("NetDialog", "相手を待つ")));
  auto* column = new QVBoxLayout(&dialog);
  column->addWidget(new QLabel(text(tr_noop("NetDialog", "あなたの手番"))));
  auto* sides = new QButtonGroup(&dialog);
  const std::pair<SideChoice, const char*> choices[] = {
      {SideChoice::SENTE, tr_noop("NetDialog", "先手")},
      {SideChoice::GOTE, tr_noop("NetDialog", "後手")},
      {SideChoice::RANDOM, tr_noop("NetDialog", "ランダム")}};
  auto* side_row = new QHBoxLayout;
  for (const auto& [side, caption] : choices) {
    auto* button = new QRadioButton(text(caption));
    sides->addButton(button, static_cast<int>(side));
    side_row->addWidget(button);
  }
  sides->button(static_cast<int>(SideChoice::RANDOM))->setChecked(true);
  column->addLayout(side_row);
  auto* on_time = new QCheckBox(
      time_control.none()
          ? text(tr_noop("NetDialog", "持ち時間を使う"))
          : QString::fromStdString(fill_in(tr_text("NetDialog", "持ち時間を使う（%1）"),
                                           {time_control_caption(time_control)})));
  on_time->setEnabled(!time_control.none());
  on_time->setChecked(!time_control.none());
  column->addWidget(on_time);
  column->addWidget(
      new QLabel(text(tr_noop("NetDialog", "持ち時間は「対局」→「持ち時間」で決めます。"))));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  column->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  HostOptions options;
  options.side = static_cast<SideChoice>(sides->checkedId());
  if (on_time->isChecked()) options.time_control = time_control;
  return options;
}

std::optional<Invitation> ask_invitation(QWidget* parent) {
  QString pasted;
  while (true) {
    bool ok = false;
    pasted =
        QInputDialog::getText(parent, text(tr_noop("NetDialog", "相手に接続")),
                              text(tr_noop("NetDialog", "相手から届いた招待を貼り付けて下さい")),
                              QLineEdit::Normal, pasted, &ok);
    if (!ok) return std::nullopt;
    Invitation invitation;
    if (parse_invitation(pasted.toStdString(), invitation)) return invitation;
    QMessageBox::warning(
        parent, text(tr_noop("NetDialog", "相手に接続")),
        text(tr_noop("NetDialog",
                     "招待として読めません。アドレス、ポートと対局コードを確かめて下さい")));
  }
}

InvitationDialog::InvitationDialog(QWidget* parent, const std::string& invitation,
                                   std::function<bool()> still_waiting, std::function<void()> stop)
    : QDialog(parent),
      text_(new QLineEdit(QString::fromStdString(invitation))),
      watch_(new QTimer(this)) {
  setWindowTitle(text(tr_noop("NetDialog", "相手を待っています")));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel(text(
      tr_noop("NetDialog", "この招待を相手に伝えて下さい。相手が接続すると対局が始まります。"))));
  text_->setReadOnly(true);
  text_->setObjectName("invitation");
  // Wide enough to read the whole invitation aloud (within reason), and
  // showing its start when it is longer.
  const int whole = text_->fontMetrics().horizontalAdvance(text_->text()) + 24;
  text_->setMinimumWidth(std::min(whole, 900));
  text_->setCursorPosition(0);
  auto* copy = new QPushButton(text(tr_noop("NetDialog", "コピー")));
  copy->setObjectName("copy_invitation");
  auto* row = new QHBoxLayout;
  row->addWidget(text_, 1);
  row->addWidget(copy);
  column->addLayout(row);
  auto* give_up = new QPushButton(text(tr_noop("NetDialog", "待つのをやめる")));
  column->addWidget(give_up);
  connect(copy, &QPushButton::clicked, this,
          [this] { QApplication::clipboard()->setText(text_->text()); });
  connect(give_up, &QPushButton::clicked, this, [this, stop] {
    stop();
    close();
  });
  connect(watch_, &QTimer::timeout, this, [this, still_waiting] {
    if (!still_waiting()) close();
  });
  watch_->start(WATCH_MS);
}

}  // namespace kumora
