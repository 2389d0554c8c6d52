#include "engine/parameters.h"

namespace kumora {

namespace {

struct Named {
  std::string_view name;
  int EngineParameters::*member;
};

constexpr Named NAMED[] = {
    {"pawn", &EngineParameters::pawn},
    {"lance", &EngineParameters::lance},
    {"knight", &EngineParameters::knight},
    {"silver", &EngineParameters::silver},
    {"gold", &EngineParameters::gold},
    {"bishop", &EngineParameters::bishop},
    {"rook", &EngineParameters::rook},
    {"tokin", &EngineParameters::tokin},
    {"promoted_lance", &EngineParameters::promoted_lance},
    {"promoted_knight", &EngineParameters::promoted_knight},
    {"promoted_silver", &EngineParameters::promoted_silver},
    {"horse", &EngineParameters::horse},
    {"dragon", &EngineParameters::dragon},
    {"hand_percent", &EngineParameters::hand_percent},
    {"mobility", &EngineParameters::mobility},
    {"immobile", &EngineParameters::immobile},
    {"king_zone_reach", &EngineParameters::king_zone_reach},
    {"king_zone_drop", &EngineParameters::king_zone_drop},
    {"king_zone_guard", &EngineParameters::king_zone_guard},
    {"null_move", &EngineParameters::null_move},
    {"late_move_reduction", &EngineParameters::late_move_reduction},
    {"futility_margin", &EngineParameters::futility_margin},
    {"late_move_pruning", &EngineParameters::late_move_pruning},
    {"internal_reduction", &EngineParameters::internal_reduction},
    {"quiet_futility", &EngineParameters::quiet_futility},
};

}  // namespace

bool set_engine_parameter(EngineParameters& parameters, std::string_view name, int value) {
  for (const Named& named : NAMED) {
    if (named.name != name) continue;
    parameters.*named.member = value;
    return true;
  }
  return false;
}

}  // namespace kumora
