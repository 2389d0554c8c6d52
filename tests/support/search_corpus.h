// The stored positions of the computer's turn and their signature: the
// choice of the search at every level, with a digest of every candidate.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/attack_tables.h"
#include "com/com_search.h"
#include "com/com_turn.h"
#include "core/game_state.h"
#include "rules/reach_state.h"

namespace kumora::testing {

// Files of tests/data: the positions of played games (rewritten by
// kumora-search-corpus --make-corpus), the positions built by hand for the
// scoring patterns those games never meet, and the signature of both.
std::string corpus_file();
std::string pattern_corpus_file();
std::string signature_file();

// A corpus position is a board, both hands and the level of the game it
// came from; everything else is set up by ComPosition.
std::vector<GameState> read_corpus(const std::string& path);
void write_corpus(const std::string& path, const std::vector<GameState>& positions);

// Every stored position: the played ones, then the ones built by hand.
std::vector<GameState> stored_positions();

// Every scoring of a turn, in order, folded into a count and a digest.
struct CandidateDigest : CandidateSink {
  int count = 0;
  uint64_t hash = 1469598103934665603ULL;
  void scored(int fx, int fy, int tx, int ty, int placed, Score score) override;
};

// One line of the signature: position, level, the move, its score, and the
// digest of the candidates.
std::string signature_line(int position, int level, const ComMove& move,
                           const CandidateDigest& digest);

// The computer's turn on the position at the level, as a line.
std::string search_signature(const GameState& position, int index, int level);

}  // namespace kumora::testing
