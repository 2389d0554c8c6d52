#include "engine/search_team.h"

#include "engine/search.h"

namespace kumora {

SearchTeam::SearchTeam() = default;

SearchTeam::~SearchTeam() { stop(); }

void SearchTeam::start(int count, const EnginePosition& position,
                       const EngineParameters& parameters, TranspositionTable& table) {
  stop();
  while (static_cast<int>(workspaces_.size()) < count)
    workspaces_.push_back(std::make_unique<SearchWorkspace>());
  nodes_.assign(count, 0);
  stop_ = false;
  for (int i = 0; i < count; ++i) {
    threads_.emplace_back([this, i, &position, &parameters, &table] {
      // Every second helper starts a ply deeper than the others.
      const int first_depth = 2 + i % 2;
      nodes_[i] = run_search(position, EngineLimits{}, &stop_, parameters, table, *workspaces_[i],
                             first_depth)
                      .nodes;
    });
  }
}

std::int64_t SearchTeam::stop() {
  stop_ = true;
  for (std::thread& thread : threads_) thread.join();
  threads_.clear();
  std::int64_t total = 0;
  for (std::int64_t n : nodes_) total += n;
  nodes_.clear();
  return total;
}

}  // namespace kumora
