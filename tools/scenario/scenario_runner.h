// Runs a scenario script against the window's logic and writes its transcript.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace kumora {

constexpr int SCENARIO_OK = 0;
constexpr int SCENARIO_BAD_LINE = 2;
constexpr int SCENARIO_UNANSWERED = 3;

// Runs the script in the current directory; returns the exit status.
int run_scenario(std::istream& script, std::ostream& out, std::ostream& err);

}  // namespace kumora
