// The side panel's words and the last move's squares, from a game played
// through the window's logic.
#include <gtest/gtest.h>

#include "kifu/record.h"
#include "rules/reverse.h"
#include "window/game_summary.h"
#include "window/last_move.h"
#include "window/record_positions.h"
#include "window/whole_game.h"

namespace kumora {
namespace {

void play(Game& game, const RecordEntry& e) {
  GameState& state = game.state;
  record_move(game.record, state.board, e.from_x, e.from_y, e.to_x, e.to_y, e.moved, e.placed, 0, 0,
              0, 0);
  redo_entry(state, game.record.entry[game.record.shown]);
  state.turn = opposite(state.turn);
}

// Two people: the lower rook through its pawn to ２六, the upper bishop
// through its pawn... as record entries played on the initial position.
Game two_person_game() {
  Game game;
  GameState& state = game.state;
  set_initial_position(state);
  state.lower_side = state.sente;
  state.turn = state.sente;
  play(game, {8, 8, 8, 6, 0, -900, -900});
  play(game, {2, 2, 2, 4, 0, 900, 900});
  return game;
}

TEST(GameSummary, SaysWhoseTurnTheModeAndTheMoves) {
  Game game = two_person_game();
  GameSummary summary = summarize(game);
  EXPECT_EQ(summary.turn, "先手の番");
  EXPECT_EQ(summary.mode, "人間対局");
  EXPECT_EQ(summary.moves, (std::vector<std::string>{"1 ▲２六飛", "2 △８四飛"}));
  EXPECT_EQ(summary.position, 2);

  game.state.vs_com = MODE_COM;
  game.state.level = 2;
  game.state.turn = game.state.upper_side();
  summary = summarize(game);
  EXPECT_EQ(summary.turn, "後手の番（ＣＯＭ）");
  EXPECT_EQ(summary.mode, "ＣＯＭ対局 LEVEL2");
  // The person playing 後手: the computer above moves first.
  game.state.lower_side = game.state.gote();
  game.state.turn = game.state.upper_side();
  EXPECT_EQ(summarize(game).turn, "先手の番（ＣＯＭ）");

  game.state.turn = NO_GAME;
  game.state.handicap_set = true;
  game.state.handicap_grade = 1;
  summary = summarize(game);
  EXPECT_EQ(summary.turn, "対局していません");
  EXPECT_EQ(summary.mode, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
}

TEST(LastMove, MarksOriginDestinationAndTheChainBetween) {
  Game game = two_person_game();
  LastMoveSquares last = last_move_squares(game);
  ASSERT_TRUE(last.present);
  EXPECT_EQ(last.from, (Cell{2, 2}));
  EXPECT_EQ(last.to, (Cell{2, 4}));
  EXPECT_EQ(last.links, (std::vector<Cell>{{2, 3}}));

  game.record.shown = 1;  // stepped back: the lower rook's move is the last one shown
  game.state.board(2, 4) = EMPTY;
  game.state.board(2, 2) = ROOK;
  last = last_move_squares(game);
  EXPECT_EQ(last.from, (Cell{8, 8}));
  EXPECT_EQ(last.links, (std::vector<Cell>{{8, 7}}));

  game.record.shown = 0;
  EXPECT_FALSE(last_move_squares(game).present);
}

// A drop starts on its hand cell: the row the person picked, or for the
// computer's drop from the upper hand the slot it records, shown on row 8 - slot.
TEST(LastMove, ADropStartsOnItsHandCell) {
  Game game = two_person_game();
  game.state.lower_hand[2] = 1;
  game.state.upper_hand[2] = 1;
  play(game, {LOWER_HAND_COLUMN, 4, 5, 5, 0, -LANCE, -LANCE});
  EXPECT_EQ(last_move_squares(game).from, (Cell{LOWER_HAND_COLUMN, 4}));
  play(game, {UPPER_HAND_COLUMN, 6, 4, 4, 0, LANCE, LANCE});
  EXPECT_EQ(last_move_squares(game).from, (Cell{UPPER_HAND_COLUMN, 6}));
  game.state.vs_com = MODE_COM;
  game.record.entry[4].from_y = 2;
  EXPECT_EQ(last_move_squares(game).from, (Cell{UPPER_HAND_COLUMN, 6}));
}

TEST(RecordPositions, OneAfterEachMoveWithTheSideToMove) {
  Game game = two_person_game();
  game.record.shown = 1;  // stepped back: the positions are the same
  game.state.board(2, 4) = EMPTY;
  game.state.board(2, 2) = ROOK;
  const std::vector<EnginePosition> positions = record_positions(game);
  ASSERT_EQ(positions.size(), 3u);
  EXPECT_EQ(positions[0].board(8, 8), -ROOK);
  EXPECT_EQ(positions[0].side, -1);
  EXPECT_EQ(positions[1].board(8, 6), -ROOK);
  EXPECT_EQ(positions[1].side, +1);
  EXPECT_EQ(positions[2].board(2, 4), ROOK);
  EXPECT_EQ(positions[2].side, -1);
  EXPECT_EQ(positions[2].moves_played, 2);
  game.record.length = game.record.shown = 0;
  EXPECT_TRUE(record_positions(game).empty());
}

// The board turned round after three moves and a fourth made on it: the
// list and the graph keep all four, the graph's positions as shown now.
TEST(RecordPositions, TheWholeGameAcrossATurnOfTheBoard) {
  Game game = two_person_game();
  play(game, {1, 9, 1, 6, 0, -LANCE, -LANCE});
  keep_moves_before_turn(game);
  reverse_position(game.state);
  game.record.shown = game.record.length = 0;
  play(game, {1, 7, 1, 6, 0, -PAWN, -PAWN});  // the second player's pawn, now below

  const GameSummary summary = summarize(game);
  EXPECT_EQ(summary.moves,
            (std::vector<std::string>{"1 ▲２六飛", "2 △８四飛", "3 ▲９六香", "4 △１四歩"}));
  EXPECT_EQ(summary.position, 4);
  const MoveRecord whole = whole_game(game);
  EXPECT_EQ(whole.entry[4].from_x, 9);
  EXPECT_EQ(whole.entry[4].moved, PAWN);

  const std::vector<EnginePosition> positions = record_positions(game);
  ASSERT_EQ(positions.size(), 5u);
  EXPECT_EQ(positions[1].board(2, 4), ROOK);  // the first rook's move, seen turned
  EXPECT_EQ(positions[1].side, -1);
  EXPECT_EQ(positions[3].board(9, 4), LANCE);
  EXPECT_EQ(positions[3].board(9, 1), EMPTY);
  EXPECT_EQ(positions[4].board, game.state.board);
  EXPECT_EQ(positions[4].side, +1);
}

}  // namespace
}  // namespace kumora
