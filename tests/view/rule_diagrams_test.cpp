// The diagrams of the "遊び方" window are checked against the rules library:
// a diagram that shows a move the program would not play, or refuse for
// another reason than the picture says, fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "core/guidance.h"
#include "rules/candidates.h"
#include "rules/drops_promotion.h"
#include "rules/movement.h"
#include "view/rules_contents.h"

namespace kumora {
namespace {

std::string name_of(const RuleDiagram& diagram) { return diagram.caption; }

int piece_at_click(const GameState& state, DiagramSquare square) {
  return square.x == LOWER_HAND_COLUMN ? -HAND_SLOT_CODES[square.y - 2]
                                       : state.board(square.x, square.y);
}

// The clicks of a move replayed as the person's mouse input judges them: each
// click by can_step_or_chain, the final square by the two-pawn rule, the ban on
// capturing with a dropped piece and forced promotion, in that order.
MoveOutcome judge_clicks(const RuleDiagram& diagram) {
  const GameState state = diagram_state(diagram);
  const Board& board = state.board;
  const auto& clicks = diagram.clicks;
  const DiagramSquare origin = clicks.front();
  const int travelling = piece_at_click(state, origin);
  DiagramSquare from = origin;
  int piece = travelling;
  for (size_t i = 1; i < clicks.size(); ++i) {
    const DiagramSquare to = clicks[i];
    const bool last = i + 1 == clicks.size();
    EXPECT_NE(to, origin) << "a click on the start cancels: " << name_of(diagram);
    const int chain_count = static_cast<int>(i) - 1;
    if (!can_step_or_chain(board, from.x, from.y, to.x, to.y, piece, chain_count)) {
      EXPECT_TRUE(last) << "clicks after a refused one: " << name_of(diagram);
      return MoveOutcome::NotAChain;
    }
    if (is_lower_piece(board(to.x, to.y))) {
      EXPECT_FALSE(last) << "ends on an own piece: " << name_of(diagram);
      from = to;
      piece = board(to.x, to.y);
      continue;
    }
    EXPECT_TRUE(last) << "the move ends at its first empty or enemy square: " << name_of(diagram);
    const bool right = diagram.right_button;
    const bool promotes = promoted_code(origin.x, origin.y, to.x, to.y, travelling) != travelling;
    if (second_pawn_in_file(board, origin.x, to.x, travelling) && !(right && promotes))
      return MoveOutcome::TwoPawns;
    if (origin.x == LOWER_HAND_COLUMN && board(to.x, to.y) != EMPTY)
      return MoveOutcome::DropCaptures;
    if (!may_stay_unpromoted(to.y, travelling) && !right) return MoveOutcome::NeedsRightButton;
    return MoveOutcome::Played;
  }
  ADD_FAILURE() << "no final square: " << name_of(diagram);
  return MoveOutcome::NotAChain;
}

// The sections, kept for the whole test run so that pointers into them stay valid.
const std::vector<RuleSection>& sections() {
  static const std::vector<RuleSection> kept = rule_sections();
  return kept;
}

template <typename Visit>
void for_each_diagram(Visit visit) {
  for (const RuleSection& section : sections())
    for (const RuleDiagram& diagram : section.diagrams) visit(section, diagram);
}

TEST(RuleDiagrams, EveryMoveIsPlayedOrRefusedAsItsPictureShows) {
  int moves = 0;
  for_each_diagram([&](const RuleSection&, const RuleDiagram& diagram) {
    if (diagram.marks != DiagramMarks::Move) return;
    ++moves;
    ASSERT_GE(diagram.clicks.size(), 2u) << name_of(diagram);
    EXPECT_EQ(judge_clicks(diagram), diagram.outcome) << name_of(diagram);
    // A red badge on the final square promises a promotion.
    if (diagram.right_button && diagram.outcome == MoveOutcome::Played) {
      const GameState state = diagram_state(diagram);
      const DiagramSquare from = diagram.clicks.front(), to = diagram.clicks.back();
      const int piece = piece_at_click(state, from);
      EXPECT_NE(promoted_code(from.x, from.y, to.x, to.y, piece), piece) << name_of(diagram);
    }
  });
  EXPECT_GE(moves, 12);
}

// Everything that decides the rules' answer is in the picture: no piece or
// click outside the excerpt, positions that can arise in a game.
TEST(RuleDiagrams, ShowWholeAndPossiblePositions) {
  for_each_diagram([&](const RuleSection&, const RuleDiagram& diagram) {
    const GameState state = diagram_state(diagram);
    std::map<int, int> kings;
    for (const DiagramPiece& piece : diagram.pieces) {
      EXPECT_TRUE(diagram.shows(piece.square)) << name_of(diagram);
      if (std::abs(piece.code) == KING) ++kings[piece.code];
    }
    int placed = 0;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) placed += state.board(x, y) != EMPTY;
    EXPECT_EQ(placed, static_cast<int>(diagram.pieces.size()))
        << "two pieces on a square: " << name_of(diagram);
    for (const auto& [king, count] : kings) EXPECT_EQ(count, 1) << name_of(diagram);
    for (int x = 1; x <= 9; ++x) {
      int lower_pawns = 0, upper_pawns = 0;
      for (int y = 1; y <= 9; ++y) {
        lower_pawns += state.board(x, y) == -PAWN;
        upper_pawns += state.board(x, y) == PAWN;
      }
      EXPECT_LE(lower_pawns, 1) << "two pawns in a column: " << name_of(diagram);
      EXPECT_LE(upper_pawns, 1) << "two pawns in a column: " << name_of(diagram);
    }
    for (const DiagramSquare& click : diagram.clicks) {
      if (click.x == LOWER_HAND_COLUMN)
        EXPECT_GT(state.lower_hand[click.y - 2], 0)
            << "a drop of a piece not held: " << name_of(diagram);
      else
        EXPECT_TRUE(diagram.shows(click)) << name_of(diagram);
    }
  });
}

// The examples each chapter promises are there.
TEST(RuleDiagrams, TheChaptersHoldTheirExamples) {
  std::map<std::string, std::vector<const RuleDiagram*>> chapters;
  for_each_diagram([&](const RuleSection& section, const RuleDiagram& diagram) {
    chapters[section.title].push_back(&diagram);
  });
  auto any = [&](const std::string& title, auto test) {
    const auto& diagrams = chapters[title];
    return std::any_of(diagrams.begin(), diagrams.end(), [&](const RuleDiagram* d) {
      return d->marks == DiagramMarks::Move && test(*d, diagram_state(*d));
    });
  };
  auto played = [](const RuleDiagram& d) { return d.outcome == MoveOutcome::Played; };
  auto final_code = [](const RuleDiagram& d, const GameState& s) {
    return s.board(d.clicks.back().x, d.clicks.back().y);
  };
  const std::string chain = "駒の動かし方（つなぎ移動）";
  EXPECT_TRUE(
      any(chain, [&](const auto& d, const auto&) { return played(d) && d.clicks.size() == 3; }));
  EXPECT_TRUE(
      any(chain, [&](const auto& d, const auto&) { return played(d) && d.clicks.size() == 5; }));
  EXPECT_TRUE(
      any(chain, [&](const auto& d, const auto& s) { return played(d) && final_code(d, s) > 0; }));
  EXPECT_TRUE(any(chain, [&](const auto& d, const auto& s) {
    return d.outcome == MoveOutcome::NotAChain &&
           std::abs(s.board(d.clicks[0].x, d.clicks[0].y)) == PAWN;
  }));
  const std::string drops = "持駒を打つ";
  auto drop_with_links = [&](size_t clicks) {
    return any(drops, [&](const auto& d, const auto&) {
      return played(d) && d.clicks[0].x == LOWER_HAND_COLUMN && d.clicks.size() == clicks;
    });
  };
  EXPECT_TRUE(drop_with_links(3));
  EXPECT_TRUE(drop_with_links(4));
  EXPECT_TRUE(any("成り", [](const auto& d, const auto&) {
    return d.outcome == MoveOutcome::NeedsRightButton;
  }));
  EXPECT_TRUE(
      any("二歩", [](const auto& d, const auto&) { return d.outcome == MoveOutcome::TwoPawns; }));
  EXPECT_TRUE(any("勝ち負け", [&](const auto& d, const auto& s) {
    return played(d) && final_code(d, s) == KING;
  }));
}

TEST(RuleDiagrams, TheLosingPositionHasNoMoveAndTheOthersDo) {
  int losing = 0;
  for_each_diagram([&](const RuleSection&, const RuleDiagram& diagram) {
    const GameState state = diagram_state(diagram);
    const bool movable = side_has_candidate(state.board, state.lower_hand, -1);
    if (diagram.marks == DiagramMarks::NoMove) {
      ++losing;
      EXPECT_FALSE(movable) << name_of(diagram);
    } else if (diagram.marks == DiagramMarks::Move && diagram.outcome == MoveOutcome::Played) {
      EXPECT_TRUE(movable) << name_of(diagram);
    }
  });
  EXPECT_EQ(losing, 1);
}

// After a link every framed empty or enemy square ends the move, so a
// guidance diagram must not frame a square the program would then refuse,
// nor hide a framed square outside its excerpt.
TEST(RuleDiagrams, GuidanceFramesOnlyWhatThePictureShowsAndPlays) {
  for_each_diagram([&](const RuleSection&, const RuleDiagram& diagram) {
    if (diagram.marks != DiagramMarks::Guidance) return;
    const GameState state = diagram_state(diagram);
    const DiagramSquare from = diagram.clicks.back();
    const int chain_count = static_cast<int>(diagram.clicks.size()) - 1;
    const SquareMarks frames =
        guidance_squares(state.board, from.x, from.y, piece_at_click(state, from), chain_count);
    int framed = 0;
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) {
        if (!frames(x, y)) continue;
        ++framed;
        EXPECT_TRUE(diagram.shows({x, y})) << x << "," << y << " " << name_of(diagram);
        if (chain_count == 0 || is_lower_piece(state.board(x, y))) continue;
        RuleDiagram ended = diagram;
        ended.clicks.push_back({x, y});
        EXPECT_EQ(judge_clicks(ended), MoveOutcome::Played)
            << x << "," << y << " " << name_of(diagram);
      }
    }
    EXPECT_GE(framed, 3) << name_of(diagram);
  });
}

// The first example as a player reads it: the rook on ２八 steps onto the pawn
// on ２七 and ends on ２六; the pawn stays. A capture fills the hand.
TEST(RuleDiagrams, ResultsMoveOnlyTheTravellingPiece) {
  const RuleDiagram& rook = sections().front().diagrams.front();
  const GameState after = diagram_result(rook);
  EXPECT_EQ(after.board(at(2, 6).x, at(2, 6).y), -ROOK);
  EXPECT_EQ(after.board(at(2, 7).x, at(2, 7).y), -PAWN);
  EXPECT_EQ(after.board(at(2, 8).x, at(2, 8).y), EMPTY);

  for_each_diagram([&](const RuleSection&, const RuleDiagram& diagram) {
    if (!diagram.show_result) return;
    const GameState before = diagram_state(diagram);
    const GameState result = diagram_result(diagram);
    const int captured = before.board(diagram.clicks.back().x, diagram.clicks.back().y);
    EXPECT_EQ(result.lower_hand_total, before.lower_hand_total + (captured != EMPTY) -
                                           (diagram.clicks.front().x == LOWER_HAND_COLUMN))
        << name_of(diagram);
    for (size_t i = 1; i + 1 < diagram.clicks.size(); ++i) {
      const DiagramSquare link = diagram.clicks[i];
      EXPECT_EQ(result.board(link.x, link.y), before.board(link.x, link.y)) << name_of(diagram);
    }
    // Every example is the reader's move, a drop too: it ends with their piece.
    EXPECT_LT(result.board(diagram.clicks.back().x, diagram.clicks.back().y), 0)
        << name_of(diagram);
  });
}

}  // namespace
}  // namespace kumora
