// The transposition table: what earlier searches found about a position,
// keyed by its Zobrist key.  Allocated once, when the engine is made.
#pragma once

#include <cstdint>
#include <memory>

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
  // A new search begins: older entries give way first.
  void next_generation() { ++generation_; }

  // The entry of this key, or null.
  const TableEntry* probe(PositionKey key) const;
  // Starts loading the bucket of a key that will be probed soon.
  void prefetch(PositionKey key) const { __builtin_prefetch(&bucket_of(key)); }
  void store(PositionKey key, int score, int depth, Bound bound, std::uint16_t move);

 private:
  static constexpr int WAYS = 4;
  // One cache line, so that a probe reads one line from memory.
  struct alignas(64) Bucket {
    TableEntry entry[WAYS];
  };

  Bucket& bucket_of(PositionKey key) const { return buckets_[key & mask_]; }

  struct Release {
    void operator()(Bucket* buckets) const;
  };
  std::unique_ptr<Bucket[], Release> buckets_;
  std::uint64_t mask_ = 0;
  std::uint8_t generation_ = 0;
};

}  // namespace kumora
