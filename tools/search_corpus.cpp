// kumora-search-corpus: makes the stored positions of the computer's turn and
// their signature.
//
//   kumora-search-corpus --make-corpus   plays seeded games and rewrites
//                                        tests/data/search_corpus.txt
//   kumora-search-corpus --regenerate    rewrites tests/data/search_signature.txt
//                                        from the program's search on those
//                                        positions and on the ones built by hand
//                                        (tests/data/search_corpus_patterns.txt)
//   kumora-search-corpus                 prints the signature lines that differ
//
// The games start from the even position or a handicap grade; the person
// plays random moves that prefer captures and checks, the computer mostly
// plays its search's move at the game's level.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "analysis/analyze_board.h"
#include "com/com_search.h"
#include "com/com_turn.h"
#include "rules/drops_promotion.h"
#include "rules/make_move.h"
#include "rules/reach_map.h"
#include "tests/support/search_corpus.h"

namespace kumora {
namespace {

constexpr unsigned SEED = 20240923;
constexpr int POSITIONS_WANTED = 320;
constexpr int MAX_PLIES = 120;

// Square and piece of handicap grades -9..10 (index grade + 9).
struct GradeSquare {
  int x, y, piece;
};
constexpr GradeSquare GRADE_SQUARES[20] = {
    {6, 9, -110}, {4, 9, -110}, {7, 9, -100}, {3, 9, -100}, {8, 9, -30}, {2, 9, -30}, {9, 9, -20},
    {1, 9, -20},  {8, 8, -900}, {2, 8, -800}, {8, 2, 800},  {2, 2, 900}, {9, 1, 20},  {1, 1, 20},
    {8, 1, 30},   {2, 1, 30},   {7, 1, 100},  {3, 1, 100},  {6, 1, 110}, {4, 1, 110}};

int below(std::mt19937& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

GameState handicap_setup(int grade) {
  GameState state;
  set_initial_position(state);
  for (int g = 0; g >= grade + 1; --g) {  // strong grades empty S(0), S(-1), ...
    const GradeSquare& s = GRADE_SQUARES[g + 9];
    state.board(s.x, s.y) = EMPTY;
  }
  for (int g = 1; g <= grade; ++g) {
    const GradeSquare& s = GRADE_SQUARES[g + 9];
    state.board(s.x, s.y) = EMPTY;
  }
  return state;
}

struct Move {
  int from_x, from_y, to_x, to_y, piece;
};

// The person's moves: chain moves of every lower piece and the drops the
// person may make (first link legal for the kind, no second pawn).
void lower_moves(const GameState& state, std::vector<Move>& moves) {
  ReachState reach;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int code = state.board(x, y);
      if (code > -10) continue;
      build_reach_map(reach, state.board, x, y, REACH_DESTINATIONS);
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
          if (reach.reach_map(tx, ty)) moves.push_back({x, y, tx, ty, code});
    }
  for (int k = 1; k <= 7; ++k) {
    if (state.lower_hand[k] <= 0) continue;
    const int piece = -HAND_SLOT_CODES[k];
    reach.reach_map.clear();
    reach.reach_expanded.clear();
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int code = state.board(x, y);
        const bool legal = (k == 1 || k == 2) ? y != 1 : (k == 3 ? y > 2 : true);
        if (code <= -10 && legal)
          spread_reach(reach, state.board, x, y, code, Flood::Drop, REACH_DESTINATIONS);
      }
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty)
        if (reach.reach_map(tx, ty) &&
            !second_pawn_in_file(state.board, LOWER_HAND_COLUMN, tx, piece))
          moves.push_back({LOWER_HAND_COLUMN, k + 2, tx, ty, piece});
  }
}

int lower_placed(std::mt19937& rng, const Move& m) {
  const int promoted = promoted_code(m.from_x, m.from_y, m.to_x, m.to_y, m.piece);
  if (promoted == m.piece || !may_stay_unpromoted(m.to_y, m.piece)) return promoted;
  return below(rng, 3) == 0 ? m.piece : promoted;
}

bool gives_check_to_upper(const GameState& state, const Move& m, int placed) {
  GameState after = state;
  AttackTables tables;
  make_move(after, m.from_x, m.from_y, m.to_x, m.to_y, placed);
  analyze_board(after, tables);
  return tables.lower_attack_count(after.upper_king_x, after.upper_king_y) > 0;
}

// A random move of the person that prefers captures and checks.
bool play_lower(std::mt19937& rng, GameState& state) {
  std::vector<Move> moves;
  lower_moves(state, moves);
  if (moves.empty()) return false;
  std::vector<Move> captures;
  std::vector<Move> checks;
  for (const Move& m : moves) {
    if (state.board(m.to_x, m.to_y) >= 10) captures.push_back(m);
    if (below(rng, 4) == 0 && gives_check_to_upper(state, m, m.piece)) checks.push_back(m);
  }
  const int choice = below(rng, 10);
  const std::vector<Move>& pool = (choice < 3 && !captures.empty()) ? captures
                                  : (choice < 6 && !checks.empty()) ? checks
                                                                    : moves;
  const Move& m = pool[below(rng, static_cast<int>(pool.size()))];
  make_move(state, m.from_x, m.from_y, m.to_x, m.to_y, lower_placed(rng, m));
  return true;
}

// The computer's move: the search's choice, or now and then a random candidate.
struct RandomPick : CandidateSink {
  std::mt19937& rng;
  int seen = 0;
  ComMove pick;
  explicit RandomPick(std::mt19937& r) : rng(r) {}
  void scored(int fx, int fy, int tx, int ty, int placed, Score) override {
    if (below(rng, ++seen) == 0) pick = {fx, fy, tx, ty, 0, placed, 0, true};
  }
};

bool play_upper(std::mt19937& rng, GameState& state) {
  ComPosition turn(state, state.level);
  RandomPick random(rng);
  ComMove move = turn.best_move(&random);
  if (!move.found) return false;
  if (below(rng, 5) == 0) move = random.pick;
  make_move(state, move.from_x, move.from_y, move.to_x, move.to_y, move.placed);
  return true;
}

bool worth_storing(const GameState& state, std::mt19937& rng) {
  bool lower_king = false;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) lower_king |= state.board(x, y) == -KING;
  return lower_king && state.winner == NO_GAME && below(rng, 3) == 0;
}

std::vector<GameState> make_corpus() {
  std::mt19937 rng(SEED);
  std::vector<GameState> positions;
  while (static_cast<int>(positions.size()) < POSITIONS_WANTED) {
    const int grade = below(rng, 3) == 0 ? 0 : below(rng, 21) - 10;
    GameState state = handicap_setup(grade);
    state.level = 1 + below(rng, 3);
    bool upper = below(rng, 2) == 0;
    for (int ply = 0; ply < MAX_PLIES && state.winner == NO_GAME; ++ply) {
      if (upper && worth_storing(state, rng)) {
        recompute_hand_totals(state);
        positions.push_back(state);
      }
      if (!(upper ? play_upper(rng, state) : play_lower(rng, state))) break;
      upper = !upper;
    }
  }
  positions.resize(POSITIONS_WANTED);
  return positions;
}

std::vector<std::string> signatures(const std::vector<GameState>& positions) {
  std::vector<std::string> lines;
  for (size_t n = 0; n < positions.size(); ++n)
    for (int level = 1; level <= 3; ++level)
      lines.push_back(testing::search_signature(positions[n], static_cast<int>(n), level));
  return lines;
}

int compare_signatures(const std::vector<std::string>& lines) {
  std::ifstream in(testing::signature_file());
  std::string stored;
  int differences = 0;
  for (const std::string& line : lines) {
    if (!std::getline(in, stored) || stored != line) {
      std::printf("stored: %s\nnow:    %s\n", stored.c_str(), line.c_str());
      ++differences;
    }
  }
  std::printf("%d of %zu lines differ\n", differences, lines.size());
  return differences == 0 ? 0 : 1;
}

}  // namespace
}  // namespace kumora

int main(int argc, char** argv) {
  using namespace kumora;
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "--make-corpus") {
    testing::write_corpus(testing::corpus_file(), make_corpus());
    std::printf("wrote %s\n", testing::corpus_file().c_str());
    return 0;
  }
  const std::vector<std::string> lines = signatures(testing::stored_positions());
  if (command == "--regenerate") {
    std::ofstream out(testing::signature_file());
    for (const std::string& line : lines) out << line << '\n';
    std::printf("wrote %zu lines to %s\n", lines.size(), testing::signature_file().c_str());
    return 0;
  }
  return compare_signatures(lines);
}
