// Stepping through the move record: "最初", "戻" and "進".
#pragma once

#include "window/services.h"

namespace kumora {

class RecordStepping {
 public:
  explicit RecordStepping(WindowServices& services) : s_(services) {}

  void CANCEL_Click();
  void REPLAY_Click();
  void AFTER_Click();

 private:
  WindowServices& s_;
};

}  // namespace kumora
