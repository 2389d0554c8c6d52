#include "engine/background_search.h"

#include <atomic>
#include <thread>

namespace kumora {

BackgroundResult think_in_background(Engine& engine, const EnginePosition& position,
                                     const EngineLimits& limits, const SearchWaiter& wait) {
  std::atomic<bool> stop{false};
  std::atomic<bool> done{false};
  BackgroundResult outcome;
  std::thread worker([&] {
    outcome.result = engine.think(position, limits, &stop);
    done = true;
  });
  outcome.given_up = !wait([&] { return done.load(); });
  if (outcome.given_up) stop = true;
  worker.join();
  return outcome;
}

}  // namespace kumora
