#include "view/graph_points.h"

#include <cstdlib>

#include "engine/engine.h"

namespace kumora {

namespace {

bool sees_king_capture(int value) { return std::abs(value) >= ENGINE_MATE_BOUND; }

}  // namespace

std::vector<std::optional<int>> graph_points(const std::vector<std::optional<int>>& values) {
  std::vector<std::optional<int>> points(values.size());
  for (size_t i = 0; i < values.size(); ++i) {
    const std::optional<int>& value = values[i];
    if (!value) continue;
    if (i == 0 || sees_king_capture(*value)) {
      points[i] = value;
    } else if (const std::optional<int>& before = values[i - 1]) {
      points[i] = sees_king_capture(*before) ? *value : (*value + *before) / 2;
    }
  }
  return points;
}

}  // namespace kumora
