// Tuning matches set the engine's numbers by name: each name reaches its own
// number and no other.
#include "engine/parameters.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>
#include <type_traits>

namespace kumora {
namespace {

constexpr size_t NUMBER_COUNT = sizeof(EngineParameters) / sizeof(int);
static_assert(std::is_trivially_copyable_v<EngineParameters> &&
              sizeof(EngineParameters) % sizeof(int) == 0);

std::array<int, NUMBER_COUNT> numbers_of(const EngineParameters& parameters) {
  std::array<int, NUMBER_COUNT> numbers;
  std::memcpy(numbers.data(), &parameters, sizeof parameters);
  return numbers;
}

TEST(EngineParameters, EachNameSetsANumberOfItsOwn) {
  const char* const names[] = {"pawn",
                               "lance",
                               "knight",
                               "silver",
                               "gold",
                               "bishop",
                               "rook",
                               "tokin",
                               "promoted_lance",
                               "promoted_knight",
                               "promoted_silver",
                               "horse",
                               "dragon",
                               "hand_percent",
                               "mobility",
                               "immobile",
                               "king_zone_reach",
                               "king_zone_drop",
                               "king_zone_guard",
                               "null_move",
                               "late_move_reduction",
                               "futility_margin",
                               "late_move_pruning",
                               "internal_reduction",
                               "quiet_futility"};
  const auto defaults = numbers_of(EngineParameters{});
  std::set<size_t> reached;
  for (const char* name : names) {
    EngineParameters parameters;
    ASSERT_TRUE(set_engine_parameter(parameters, name, 12345)) << name;
    const auto numbers = numbers_of(parameters);
    std::vector<size_t> changed;
    for (size_t i = 0; i < NUMBER_COUNT; ++i) {
      if (numbers[i] != defaults[i]) changed.push_back(i);
    }
    ASSERT_EQ(changed.size(), 1u) << name;
    EXPECT_EQ(numbers[changed[0]], 12345) << name;
    EXPECT_TRUE(reached.insert(changed[0]).second) << name << " sets another name's number";
  }
  EXPECT_EQ(reached.size(), NUMBER_COUNT) << "a number without a name";
}

TEST(EngineParameters, AnUnknownNameChangesNothing) {
  EngineParameters parameters;
  EXPECT_FALSE(set_engine_parameter(parameters, "queen", 900));
  EXPECT_FALSE(set_engine_parameter(parameters, "Pawn", 900));
  EXPECT_EQ(numbers_of(parameters), numbers_of(EngineParameters{}));
}

}  // namespace
}  // namespace kumora
