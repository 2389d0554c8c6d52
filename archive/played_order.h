// The order of "when played" for record files: the time each file was last
// written, which the archive sets to the program's clock when a game's move
// is written (a copy kept before a save takes the time of the file it copies).
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace kumora {

// The time of a timestamp "2026-12-07 11-30-05" in local time; 0 when it is
// not one.
std::time_t timestamp_time(const std::string& timestamp);

// The names (files of `folder`) ordered the most recently played first. A
// time later than `now`, written while the clock was ahead, tells nothing of
// when the game was played and ranks behind every other; ties go by name,
// the later first. A link counts by its own time, not by what it points to.
std::vector<std::string> newest_played_first(const std::string& folder,
                                             std::vector<std::string> names, std::time_t now);

}  // namespace kumora
