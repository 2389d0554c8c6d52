// A search on a thread of its own while the caller waits in its own way (the
// window keeps its event loop running meanwhile).
#pragma once

#include <functional>

#include "engine/engine.h"

namespace kumora {

// Waits until done() answers true; false when the caller must give up at once.
using SearchWaiter = std::function<bool(const std::function<bool()>& done)>;

struct BackgroundResult {
  EngineResult result;
  bool given_up = false;  // the waiter gave up: the search was stopped early
};

// engine.think() on a worker thread; `wait` runs on the calling thread until
// the search ends, and when it gives up the search is stopped and joined.
BackgroundResult think_in_background(Engine& engine, const EnginePosition& position,
                                     const EngineLimits& limits, const SearchWaiter& wait);

}  // namespace kumora
