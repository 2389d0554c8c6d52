// The dialogs of 対局 → ネット対局: what the host offers (the side it plays
// and whether the game is on time), the invitation it passes on, copyable
// with one click, and the invitation the joiner pastes.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "net/net_port.h"

class QLineEdit;
class QTimer;

namespace kumora {

// 相手を待つ: the side and the time control (the one chosen under 持ち時間,
// or none); nothing when the person cancels.
std::optional<HostOptions> ask_host_options(QWidget* parent, const TimeControl& time_control);

// 相手に接続: the invitation pasted; nothing when the person cancels. A text
// that is no invitation is refused with a message and asked again.
std::optional<Invitation> ask_invitation(QWidget* parent);

// Shown while the host waits: the invitation with a copy button. It closes
// itself once `still_waiting` answers false; 待つのをやめる calls `stop`.
class InvitationDialog : public QDialog {
 public:
  InvitationDialog(QWidget* parent, const std::string& invitation,
                   std::function<bool()> still_waiting, std::function<void()> stop);

 private:
  QLineEdit* text_;
  QTimer* watch_;
};

}  // namespace kumora
