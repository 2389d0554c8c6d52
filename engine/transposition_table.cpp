#include "engine/transposition_table.h"

#include <sys/mman.h>

#include <cstdlib>
#include <memory>
#include <new>

namespace kumora {

namespace {

// The table is read at random places all over: on pages of 2 MiB, where the
// system gives them, far fewer of its reads miss the address cache.
constexpr std::size_t LARGE_PAGE = std::size_t{2} << 20;

}  // namespace

void TranspositionTable::Release::operator()(Bucket* buckets) const { std::free(buckets); }

TranspositionTable::TranspositionTable(int megabytes) {
  std::uint64_t count = 1;
  const std::uint64_t wanted = static_cast<std::uint64_t>(megabytes) * 1024 * 1024 / sizeof(Bucket);
  while (count * 2 <= wanted) count *= 2;
  const std::size_t bytes = count * sizeof(Bucket);
  const std::size_t alignment = bytes >= LARGE_PAGE ? LARGE_PAGE : alignof(Bucket);
  void* memory = std::aligned_alloc(alignment, bytes);
  if (memory == nullptr) throw std::bad_alloc();
  if (alignment == LARGE_PAGE) madvise(memory, bytes, MADV_HUGEPAGE);
  auto* buckets = static_cast<Bucket*>(memory);
  std::uninitialized_value_construct_n(buckets, count);
  buckets_.reset(buckets);
  mask_ = count - 1;
}

void TranspositionTable::clear() {
  for (std::uint64_t i = 0; i <= mask_; ++i) buckets_[i] = Bucket{};
  generation_ = 0;
}

const TableEntry* TranspositionTable::probe(PositionKey key) const {
  const Bucket& bucket = bucket_of(key);
  for (const TableEntry& entry : bucket.entry)
    if (entry.key == key && entry.bound != Bound::None) return &entry;
  return nullptr;
}

// Replaces the entry of the same key, else the one worth least: shallow and old.
void TranspositionTable::store(PositionKey key, int score, int depth, Bound bound,
                               std::uint16_t move) {
  Bucket& bucket = bucket_of(key);
  TableEntry* victim = &bucket.entry[0];
  int victim_worth = 1 << 30;
  for (TableEntry& entry : bucket.entry) {
    if (entry.key == key) {
      // A shallower result does not replace a deeper one unless it is exact.
      if (depth + 2 < entry.depth && bound != Bound::Exact && entry.generation == generation_)
        return;
      victim = &entry;
      break;
    }
    const int age = static_cast<std::uint8_t>(generation_ - entry.generation);
    const int worth = entry.bound == Bound::None ? -1000 : entry.depth - 8 * age;
    if (worth < victim_worth) {
      victim = &entry;
      victim_worth = worth;
    }
  }
  if (move == 0 && victim->key == key) move = victim->move;
  *victim = {key, static_cast<std::int16_t>(score), move,
             static_cast<std::int8_t>(depth < 127 ? depth : 127), bound, generation_};
}

}  // namespace kumora
