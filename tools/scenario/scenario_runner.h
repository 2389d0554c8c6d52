// Runs a scenario script against the window's logic and writes its transcript.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

namespace kumora {

constexpr int SCENARIO_OK = 0;
constexpr int SCENARIO_BAD_LINE = 2;
constexpr int SCENARIO_UNANSWERED = 3;

// The strong search always plays by a node budget in the runner, so that its
// transcripts come out the same on every machine.
constexpr std::int64_t DEFAULT_SCENARIO_NODES = 20000;

// Runs the script in the current directory; returns the exit status.
int run_scenario(std::istream& script, std::ostream& out, std::ostream& err,
                 std::int64_t engine_nodes = DEFAULT_SCENARIO_NODES);

}  // namespace kumora
