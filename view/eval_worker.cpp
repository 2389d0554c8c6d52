#include "view/eval_worker.h"

#include <QMetaObject>

#include <sys/resource.h>
#include <unistd.h>

namespace kumora {

namespace {

PositionKey key_of(const EnginePosition& p) {
  return engine_key(p.board, p.lower_hand, p.upper_hand, p.side);
}

}  // namespace

EvalWorker::EvalWorker(PositionValuer valuer, std::int64_t nodes_per_position)
    : valuer_(std::move(valuer)), nodes_(nodes_per_position), thread_([this] { run(); }) {}

EvalWorker::~EvalWorker() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void EvalWorker::evaluate(std::vector<EnginePosition> positions) {
  std::vector<PositionKey> keys;
  for (const EnginePosition& p : positions) keys.push_back(key_of(p));
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (keys == keys_) return;
    positions_ = std::move(positions);
    keys_ = std::move(keys);
  }
  publish();
  wake_.notify_all();
}

std::vector<std::optional<int>> EvalWorker::known_values() const {
  std::vector<std::optional<int>> values;
  for (PositionKey key : keys_) {
    const auto found = values_.find(key);
    values.push_back(found == values_.end() ? std::nullopt : std::optional<int>(found->second));
  }
  return values;
}

// Only a call by name crosses to the window's thread, with nothing of the
// worker's in it: deliver() then reads the values under the lock.
void EvalWorker::publish() { QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection); }

void EvalWorker::deliver() {
  std::vector<std::optional<int>> values;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    values = known_values();
  }
  if (on_values) on_values(values);
}

void EvalWorker::run() {
  // Behind play: the window and the computer's search come first.
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
  std::unique_lock<std::mutex> lock(mutex_);
  while (true) {
    // The first position asked for that has no value yet.
    const EnginePosition* next = nullptr;
    PositionKey next_key = 0;
    for (size_t i = 0; i < positions_.size() && next == nullptr; ++i) {
      if (values_.count(keys_[i]) == 0) {
        next = &positions_[i];
        next_key = keys_[i];
      }
    }
    if (stopping_) return;
    if (next == nullptr) {
      wake_.wait(lock);
      continue;
    }
    const EnginePosition position = *next;
    lock.unlock();
    const int value = valuer_(position, nodes_);
    lock.lock();
    values_[next_key] = value;
    lock.unlock();
    publish();
    lock.lock();
  }
}

}  // namespace kumora
