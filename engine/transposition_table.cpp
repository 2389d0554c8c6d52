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
  for (std::uint64_t i = 0; i <= mask_; ++i)
    for (Slot& slot : buckets_[i].slot) {
      slot.check.store(0, std::memory_order_relaxed);
      slot.data.store(0, std::memory_order_relaxed);
    }
  generation_ = 0;
}

std::uint64_t TranspositionTable::pack(const TableEntry& e) {
  return static_cast<std::uint16_t>(e.score) | std::uint64_t{e.move} << 16 |
         std::uint64_t{static_cast<std::uint8_t>(e.depth)} << 32 |
         std::uint64_t{static_cast<std::uint8_t>(e.bound)} << 40 |
         std::uint64_t{e.generation} << 48;
}

TableEntry TranspositionTable::unpack(PositionKey key, std::uint64_t data) {
  TableEntry e;
  e.key = key;
  e.score = static_cast<std::int16_t>(data & 0xFFFF);
  e.move = static_cast<std::uint16_t>(data >> 16);
  e.depth = static_cast<std::int8_t>(data >> 32);
  e.bound = static_cast<Bound>((data >> 40) & 0xFF);
  e.generation = static_cast<std::uint8_t>(data >> 48);
  return e;
}

TableEntry TranspositionTable::read(const Slot& slot) {
  const std::uint64_t data = slot.data.load(std::memory_order_relaxed);
  return unpack(slot.check.load(std::memory_order_relaxed) ^ data, data);
}

std::optional<TableEntry> TranspositionTable::probe(PositionKey key) const {
  for (const Slot& slot : bucket_of(key).slot) {
    const TableEntry entry = read(slot);
    if (entry.key == key && entry.bound != Bound::None) return entry;
  }
  return std::nullopt;
}

// Replaces the entry of the same key, else the one worth least: shallow and old.
void TranspositionTable::store(PositionKey key, int score, int depth, Bound bound,
                               std::uint16_t move) {
  Bucket& bucket = bucket_of(key);
  Slot* victim = &bucket.slot[0];
  TableEntry victim_entry = read(*victim);
  int victim_worth = 1 << 30;
  for (Slot& slot : bucket.slot) {
    const TableEntry entry = read(slot);
    if (entry.key == key) {
      // A shallower result does not replace a deeper one unless it is exact.
      if (depth + 2 < entry.depth && bound != Bound::Exact && entry.generation == generation_)
        return;
      victim = &slot;
      victim_entry = entry;
      break;
    }
    const int age = static_cast<std::uint8_t>(generation_ - entry.generation);
    const int worth = entry.bound == Bound::None ? -1000 : entry.depth - 8 * age;
    if (worth < victim_worth) {
      victim = &slot;
      victim_entry = entry;
      victim_worth = worth;
    }
  }
  if (move == 0 && victim_entry.key == key) move = victim_entry.move;
  const std::uint64_t data =
      pack({key, static_cast<std::int16_t>(score), move,
            static_cast<std::int8_t>(depth < 127 ? depth : 127), bound, generation_});
  victim->data.store(data, std::memory_order_relaxed);
  victim->check.store(key ^ data, std::memory_order_relaxed);
}

}  // namespace kumora
