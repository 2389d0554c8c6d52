// The computer's strength levels as the game numbers them: LEVEL1..LEVEL5 are
// 1..5, and the ladder between LEVEL3 and LEVEL4, "LEVEL3.1" .. "LEVEL3.9",
// is 31..39.
#pragma once

#include <string>

namespace kumora {

constexpr int LADDER_STEPS = 9;
constexpr int LADDER_LEVEL_BASE = 30;

inline bool is_ladder_level(int level) {
  return level > LADDER_LEVEL_BASE && level <= LADDER_LEVEL_BASE + LADDER_STEPS;
}

inline bool is_known_level(int level) {
  return (level >= 1 && level <= 5) || is_ladder_level(level);
}

// Does the engine play this level (LEVEL4, LEVEL5 and the ladder)?
inline bool is_engine_level(int level) {
  return level == 4 || level == 5 || is_ladder_level(level);
}

// The level as the menu and the captions name it after "LEVEL": "3", "3.1".
inline std::string level_name(int level) {
  if (!is_ladder_level(level)) return std::to_string(level);
  return "3." + std::to_string(level - LADDER_LEVEL_BASE);
}

// The level named so ("3", "3.1"), or 0 for no level.
inline int level_named(const std::string& name) {
  for (int level = 1; level <= LADDER_LEVEL_BASE + LADDER_STEPS; ++level)
    if (is_known_level(level) && level_name(level) == name) return level;
  return 0;
}

}  // namespace kumora
