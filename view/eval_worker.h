// Values the positions of the record for the evaluation graph on a thread of
// its own, with a small node budget, so that play never waits for it. A
// position valued once keeps its value; a new request replaces the old one.
#pragma once

#include <QObject>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

#include "engine/engine.h"

namespace kumora {

// The search the graph asks: one position's value for the lower player,
// within a node budget. Called on the worker's thread.
using PositionValuer = std::function<int(const EnginePosition&, std::int64_t nodes)>;

class EvalWorker : public QObject {
  Q_OBJECT
 public:
  explicit EvalWorker(PositionValuer valuer, std::int64_t nodes_per_position = 4000);
  ~EvalWorker() override;

  // Values for these positions, from the lower player's side; on_values is
  // called on this object's thread each time more are known.
  void evaluate(std::vector<EnginePosition> positions);
  std::function<void(const std::vector<std::optional<int>>&)> on_values;

 private:
  void run();
  // The values known so far for the positions asked for (the lock held).
  std::vector<std::optional<int>> known_values() const;
  void publish();
  // On this object's thread: hands on_values the values known now.
  Q_INVOKABLE void deliver();

  const PositionValuer valuer_;
  const std::int64_t nodes_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<EnginePosition> positions_;
  std::vector<PositionKey> keys_;
  std::unordered_map<PositionKey, int> values_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace kumora
