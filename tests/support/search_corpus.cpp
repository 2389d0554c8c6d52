#include "tests/support/search_corpus.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "analysis/analyze_board.h"
#include "com/score.h"

namespace kumora::testing {

namespace {

std::string data_file(const char* name) {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "data" / name).string();
}

void expect_word(std::istream& in, const std::string& word) {
  std::string got;
  if (!(in >> got) || got != word) throw std::runtime_error("corpus: expected " + word);
}

void read_hand(std::istream& in, const char* name, int* hand) {
  expect_word(in, name);
  for (int k = 1; k <= 7; ++k) in >> hand[k];
}

void write_hand(std::ostream& out, const char* name, const int* hand) {
  out << name;
  for (int k = 1; k <= 7; ++k) out << ' ' << hand[k];
  out << '\n';
}

}  // namespace

std::string corpus_file() { return data_file("search_corpus.txt"); }
std::string pattern_corpus_file() { return data_file("search_corpus_patterns.txt"); }
std::string signature_file() { return data_file("search_signature.txt"); }

std::vector<GameState> read_corpus(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("corpus: cannot read " + path);
  std::vector<GameState> positions;
  std::string word;
  while (in >> word) {
    if (word == "#") {
      std::getline(in, word);
      continue;
    }
    if (word != "position") throw std::runtime_error("corpus: unexpected " + word);
    int index = 0;
    in >> index;
    GameState state;
    expect_word(in, "level");
    in >> state.level;
    read_hand(in, "upper_hand", state.upper_hand);
    read_hand(in, "lower_hand", state.lower_hand);
    for (int y = 1; y <= 9; ++y)
      for (int x = 1; x <= 9; ++x) in >> state.board(x, y);
    if (!in) throw std::runtime_error("corpus: truncated position");
    recompute_hand_totals(state);
    positions.push_back(state);
  }
  return positions;
}

void write_corpus(const std::string& path, const std::vector<GameState>& positions) {
  std::ofstream out(path);
  out << "# Positions with the computer (upper, positive codes) to move.\n"
      << "# Board rows 1..9 from the top, columns 1..9 from the left.\n";
  for (size_t n = 0; n < positions.size(); ++n) {
    const GameState& s = positions[n];
    out << "position " << n << "\nlevel " << s.level << '\n';
    write_hand(out, "upper_hand", s.upper_hand);
    write_hand(out, "lower_hand", s.lower_hand);
    for (int y = 1; y <= 9; ++y) {
      for (int x = 1; x <= 9; ++x) {
        std::string code = std::to_string(s.board(x, y));
        out << std::string(x == 1 ? 4 - code.size() : 5 - code.size(), ' ') << code;
      }
      out << '\n';
    }
  }
}

std::vector<GameState> stored_positions() {
  std::vector<GameState> positions = read_corpus(corpus_file());
  const std::vector<GameState> patterns = read_corpus(pattern_corpus_file());
  positions.insert(positions.end(), patterns.begin(), patterns.end());
  return positions;
}

void CandidateDigest::scored(int fx, int fy, int tx, int ty, int placed, Score score) {
  const int64_t fields[] = {fx, fy, tx, ty, placed, score};
  for (int64_t v : fields) {
    hash ^= static_cast<uint64_t>(v);
    hash *= 1099511628211ULL;
  }
  ++count;
}

std::string signature_line(int position, int level, const ComMove& move,
                           const CandidateDigest& digest) {
  std::ostringstream line;
  line << position << ' ' << level << ' ' << move.from_x << ' ' << move.from_y << ' ' << move.to_x
       << ' ' << move.to_y << ' ' << move.moved << ' ' << move.placed << ' '
       << score_text(move.score) << ' ' << digest.count << ' ' << std::hex << digest.hash;
  return line.str();
}

std::string search_signature(const GameState& position, int index, int level) {
  ComPosition turn(position, level);
  CandidateDigest digest;
  const ComMove move = turn.best_move(&digest);
  return signature_line(index, level, move, digest);
}

}  // namespace kumora::testing
