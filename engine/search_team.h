// The helper threads of a search on several cores: each searches the same
// position on the shared table with a work space of its own, without limits,
// until the search that decides the move has finished.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "engine/engine.h"

namespace kumora {

class SearchTeam {
 public:
  SearchTeam();
  ~SearchTeam();
  SearchTeam(const SearchTeam&) = delete;
  SearchTeam& operator=(const SearchTeam&) = delete;

  // Starts `count` helpers on the position; the caller keeps `position`,
  // `parameters` and `table` alive until stop().
  void start(int count, const EnginePosition& position, const EngineParameters& parameters,
             TranspositionTable& table);
  // Stops the helpers and waits for them; answers the nodes they searched.
  std::int64_t stop();

 private:
  std::vector<std::unique_ptr<SearchWorkspace>> workspaces_;  // kept between searches
  std::vector<std::thread> threads_;
  std::vector<std::int64_t> nodes_;
  std::atomic<bool> stop_{false};
};

}  // namespace kumora
