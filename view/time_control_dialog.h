// 対局 → 持ち時間: the person sets the time control of the games started
// afterwards: main time, byoyomi and an increment, all zero for none.
#pragma once

#include <optional>

#include "settings/time_control.h"

class QWidget;

namespace kumora {

// Shows the dialog with `current` filled in; the control chosen, or none
// when the person cancels.
std::optional<TimeControl> ask_time_control(QWidget* parent, const TimeControl& current);

}  // namespace kumora
