#include "engine/zobrist.h"

#include <array>

namespace kumora {

namespace {

// The piece codes that get words, upper then lower.
constexpr int KEYED_KINDS[] = {
    PAWN,  LANCE,          KNIGHT,          SILVER,          GOLD,          BISHOP, ROOK,  KING,
    TOKIN, PROMOTED_LANCE, PROMOTED_KNIGHT, PROMOTED_SILVER, PROMOTED_GOLD, HORSE,  DRAGON};
constexpr int KIND_COUNT = sizeof(KEYED_KINDS) / sizeof(KEYED_KINDS[0]);
constexpr int HAND_COUNTS = MAX_KEYED_HAND_COUNT + 1;

constexpr int WORD_COUNT = 2 * KIND_COUNT * 81 + 2 * 8 * HAND_COUNTS + 1;

constexpr std::uint64_t splitmix(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

constexpr std::array<PositionKey, WORD_COUNT> make_words() {
  std::array<PositionKey, WORD_COUNT> words{};
  std::uint64_t state = 0x4B756D6F7261ULL;
  for (PositionKey& word : words) word = splitmix(state);
  return words;
}

constexpr std::array<PositionKey, WORD_COUNT> WORDS = make_words();
constexpr int HAND_BASE = 2 * KIND_COUNT * 81;

// The word row of every code from -KING to KING: owner and kind; -1 for no piece.
constexpr std::array<std::int8_t, 2 * KING + 1> make_rows() {
  std::array<std::int8_t, 2 * KING + 1> rows{};
  for (auto& row : rows) row = -1;
  for (int k = 0; k < KIND_COUNT; ++k) {
    rows[KING + KEYED_KINDS[k]] = static_cast<std::int8_t>(KIND_COUNT + k);
    rows[KING - KEYED_KINDS[k]] = static_cast<std::int8_t>(k);
  }
  return rows;
}

constexpr std::array<std::int8_t, 2 * KING + 1> ROWS = make_rows();

}  // namespace

PositionKey square_key(int code, int x, int y) {
  if (code < -KING || code > KING || !Board::on_board(x, y)) return 0;
  const int row = ROWS[code + KING];
  return row < 0 ? 0 : WORDS[row * 81 + (x - 1) * 9 + (y - 1)];
}

PositionKey hand_key(int side, int slot, int count) {
  if (count <= 0 || slot < 1 || slot > 7) return 0;
  if (count > MAX_KEYED_HAND_COUNT) count = MAX_KEYED_HAND_COUNT;
  const int owner = side > 0 ? 1 : 0;
  return WORDS[HAND_BASE + (owner * 8 + slot) * HAND_COUNTS + count];
}

PositionKey lower_to_move_key() { return WORDS[WORD_COUNT - 1]; }

PositionKey position_key(const Board& board, const int* lower_hand, const int* upper_hand,
                         int side_to_move) {
  PositionKey key = side_to_move < 0 ? lower_to_move_key() : 0;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) key ^= square_key(board(x, y), x, y);
  for (int slot = 1; slot <= 7; ++slot)
    key ^= hand_key(-1, slot, lower_hand[slot]) ^ hand_key(+1, slot, upper_hand[slot]);
  return key;
}

}  // namespace kumora
