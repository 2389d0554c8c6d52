// The transposition table: what earlier searches found about a position,
// keyed by its Zobrist key.  Allocated once, when the engine is made, and
// shared by the threads of a search, which read and write it without a lock.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

#include "engine/zobrist.h"

namespace kumora {

enum class Bound : std::uint8_t { None = 0, Upper = 1, Lower = 2, Exact = 3 };

struct TableEntry {
  PositionKey key = 0;
  std::int16_t score = 0;
  std::uint16_t move = 0;  // move_code of the best move found, 0 for none
  std::int8_t depth = 0;
  Bound bound = Bound::None;
  std::uint8_t generation = 0;
};

class TranspositionTable {
 public:
  explicit TranspositionTable(int megabytes);

  void clear();
  // A new search begins: older entries give way first.  Not while threads search.
  void next_generation() { ++generation_; }

  // A copy of the entry of this key, if there is one.
  std::optional<TableEntry> probe(PositionKey key) const;
  void store(PositionKey key, int score, int depth, Bound bound, std::uint16_t move);
  // Starts loading the bucket of a key that will be probed soon.
  void prefetch(PositionKey key) const { __builtin_prefetch(&bucket_of(key)); }

 private:
  static constexpr int WAYS = 4;
  // An entry as two words: the data, and the key mixed with the data, so
  // that a read meeting halves of two writes of other threads finds no key.
  struct Slot {
    std::atomic<std::uint64_t> check{0};
    std::atomic<std::uint64_t> data{0};
  };
  // One cache line, so that a probe reads one line from memory.
  struct alignas(64) Bucket {
    Slot slot[WAYS];
  };
  struct Release {
    void operator()(Bucket* buckets) const;
  };

  Bucket& bucket_of(PositionKey key) const { return buckets_[key & mask_]; }
  static std::uint64_t pack(const TableEntry& entry);
  static TableEntry unpack(PositionKey key, std::uint64_t data);
  // The entry of a slot as it reads now; its key is 0 when the slot holds none.
  static TableEntry read(const Slot& slot);

  std::unique_ptr<Bucket[], Release> buckets_;
  std::uint64_t mask_ = 0;
  std::uint8_t generation_ = 0;
};

}  // namespace kumora
