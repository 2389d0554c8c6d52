#include "kifu/record_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/code_page.h"
#include "kifu/record_line.h"
#include "tests/kifu/record_fixtures.h"

namespace kumora {
namespace {

using testing::GameRecorder;
using testing::TemporaryFolder;

const RecordHeaderTexts TEXTS{"名人戦", "先手太郎", "後手花子"};

std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void write_bytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string cp932(const std::string& utf8) {
  std::string bytes;
  EXPECT_TRUE(utf8_to_cp932(utf8, bytes)) << utf8;
  return bytes;
}

std::string crlf_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A record file's text with plain ASCII headers and the given move lines.
std::string record_text(const std::vector<std::string>& moves) {
  std::vector<std::string> lines = {"title", "top", "bottom"};
  lines.insert(lines.end(), moves.begin(), moves.end());
  return crlf_lines(lines);
}

TEST(RecordHeader, PutsThePlayerShownAtTheTopOnLineTwo) {
  EXPECT_EQ(record_header_lines(TEXTS, true),
            (std::vector<std::string>{"名人戦", "後手花子", "先手太郎"}));
  EXPECT_EQ(record_header_lines(TEXTS, false),
            (std::vector<std::string>{"名人戦", "先手太郎", "後手花子"}));
}

TEST(SaveRecordFile, WritesCodePage932HeaderAndOneLinePerMove) {
  TemporaryFolder folder;
  const GameRecorder game = testing::game_with_captures_drops_and_promotions();
  const SaveOutcome saved = save_record_file(folder.path(), "対局1", TEXTS, true, game.record);
  ASSERT_TRUE(saved.ok) << saved.message;
  EXPECT_EQ(saved.path, folder.path() + "/対局1.棋譜");

  std::string expected =
      cp932("名人戦") + "\r\n" + cp932("後手花子") + "\r\n" + cp932("先手太郎") + "\r\n";
  for (int i = 1; i <= game.record.shown; ++i) {
    expected += format_move_line(game.record.entry[i]) + "\r\n";
  }
  EXPECT_EQ(file_bytes(saved.path), expected);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"対局1.棋譜"});
}

TEST(SaveRecordFile, WritesOnlyTheMovesUpToTheShownPosition) {
  TemporaryFolder folder;
  GameRecorder game = testing::game_with_captures_drops_and_promotions();
  game.record.shown = 3;
  const SaveOutcome saved = save_record_file(folder.path(), "途中", TEXTS, true, game.record);
  ASSERT_TRUE(saved.ok);
  RecordFileContents read;
  ASSERT_TRUE(load_record_file(saved.path, read).ok);
  EXPECT_EQ(read.record.length, 3);
}

void expect_same_moves(const MoveRecord& written, const MoveRecord& read) {
  ASSERT_EQ(read.length, written.shown);
  EXPECT_EQ(read.shown, 0);
  for (int i = 1; i <= read.length; ++i) {
    const RecordEntry& w = written.entry[i];
    const RecordEntry& r = read.entry[i];
    EXPECT_EQ(std::vector<int>({r.from_x, r.from_y, r.to_x, r.to_y, r.placed, r.moved, r.taken}),
              std::vector<int>({w.from_x, w.from_y, w.to_x, w.to_y, w.placed, w.moved, w.taken}))
        << "entry " << i;
    EXPECT_EQ(r.lower_clock_before, static_cast<int>(w.lower_clock_before)) << i;
    EXPECT_EQ(r.lower_clock_after, static_cast<int>(w.lower_clock_after)) << i;
    EXPECT_EQ(r.upper_clock_before, static_cast<int>(w.upper_clock_before)) << i;
    EXPECT_EQ(r.upper_clock_after, static_cast<int>(w.upper_clock_after)) << i;
  }
}

TEST(RecordFileRoundTrip, ReadsBackAGameWithCapturesDropsAndPromotions) {
  TemporaryFolder folder;
  const GameRecorder game = testing::game_with_captures_drops_and_promotions();
  const SaveOutcome saved = save_record_file(folder.path(), "game", TEXTS, true, game.record);
  ASSERT_TRUE(saved.ok);

  RecordFileContents read;
  const LoadOutcome loaded = load_record_file(saved.path, read);
  ASSERT_TRUE(loaded.ok) << loaded.message;
  EXPECT_EQ(read.title, "名人戦");
  EXPECT_EQ(read.top_name, "後手花子");
  EXPECT_EQ(read.bottom_name, "先手太郎");
  expect_same_moves(game.record, read.record);

  GameState replayed;
  set_initial_position(replayed);
  for (int i = 1; i <= read.record.length; ++i) redo_entry(replayed, read.record.entry[i]);
  EXPECT_EQ(replayed.board, game.state.board);
  for (int slot = 1; slot <= 7; ++slot) {
    EXPECT_EQ(replayed.lower_hand[slot], game.state.lower_hand[slot]) << slot;
    EXPECT_EQ(replayed.upper_hand[slot], game.state.upper_hand[slot]) << slot;
  }
  EXPECT_EQ(replayed.lower_clock, 1253);  // 3.25 + 12.75 + 2.5 + 1234.9, truncated
}

TEST(RecordFileRoundTrip, KeepsAGameTheUpperPlayerStarted) {
  TemporaryFolder folder;
  GameRecorder game;
  game.play(2, 2, 2, 4, ROOK, 2);  // through its pawn
  game.play(8, 8, 8, 6, -ROOK, 3);
  game.play(8, 2, 7, 4, BISHOP, 4);
  const SaveOutcome saved = save_record_file(folder.path(), "上手", TEXTS, false, game.record);
  ASSERT_TRUE(saved.ok);
  RecordFileContents read;
  ASSERT_TRUE(load_record_file(saved.path, read).ok);
  EXPECT_EQ(read.top_name, "先手太郎");
  EXPECT_EQ(read.bottom_name, "後手花子");
  expect_same_moves(game.record, read.record);
  EXPECT_GE(read.record.entry[1].moved, 10);
}

TEST(SaveRecordFile, RefusesANameThatLeavesTheFolderOrHoldsControls) {
  TemporaryFolder folder;
  const GameRecorder game = testing::game_with_captures_drops_and_promotions();
  struct Case {
    std::string name;
    const char* message;
  };
  const Case cases[] = {
      {"sub/game", "ﾌｧｲﾙ名に「/」や「\\」は使えません"},
      {"..\\game", "ﾌｧｲﾙ名に「/」や「\\」は使えません"},
      {"..", "ﾌｧｲﾙ名に「..」は使えません"},
      {"a..b", "ﾌｧｲﾙ名に「..」は使えません"},
      {"line\nbreak", "ﾌｧｲﾙ名に制御文字は使えません"},
      {"tab\there", "ﾌｧｲﾙ名に制御文字は使えません"},
      {"del\x7F", "ﾌｧｲﾙ名に制御文字は使えません"},
      {"c1\xC2\x85", "ﾌｧｲﾙ名に制御文字は使えません"},
      {"bad\xFF", "ﾌｧｲﾙ名に使えない文字があります"},
      {std::string(201, 'a'), "ﾌｧｲﾙ名が長すぎます"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(record_file_name_problem(c.name), c.message);
    const SaveOutcome saved = save_record_file(folder.path(), c.name, TEXTS, true, game.record);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, c.message);
  }
  EXPECT_TRUE(folder.names().empty());
  EXPECT_EQ(record_file_name_problem("第1局 (2024)"), "");
  EXPECT_EQ(record_file_name_problem(std::string(200, 'a')), "");
}

TEST(SaveRecordFile, NamesTheFieldThatCodePage932CannotHold) {
  TemporaryFolder folder;
  const GameRecorder game = testing::game_with_captures_drops_and_promotions();
  struct Case {
    RecordHeaderTexts texts;
    const char* message;
  };
  const Case cases[] = {
      {{"対局\xF0\x9F\x98\x80", "a", "b"},
       "対局名の「\xF0\x9F\x98\x80」は棋譜ﾌｧｲﾙに書き込めません"},
      {{"t", "한국", "b"}, "先手の「한」は棋譜ﾌｧｲﾙに書き込めません"},
      // iconv would turn this wave dash silently into another character
      {{"t", "a", "〜"}, "後手の「〜」は棋譜ﾌｧｲﾙに書き込めません"},
      {{"t", "a\rb", "c"}, "先手に改行などの制御文字は使えません"},
      // its code page 932 bytes are "ぃA" in UTF-8
      {{"縺ア", "a", "b"}, "対局名の「縺ア」は棋譜ﾌｧｲﾙに正しく書き込めません"},
  };
  for (const Case& c : cases) {
    const SaveOutcome saved = save_record_file(folder.path(), "game", c.texts, true, game.record);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, c.message);
  }
  EXPECT_TRUE(folder.names().empty());
  const SaveOutcome fine =
      save_record_file(folder.path(), "game", {"", "ｱｲｳ①", "～"}, true, game.record);
  EXPECT_TRUE(fine.ok) << fine.message;
}

// Limits the size of files this process may write, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit saved_{};
  void (*old_handler_)(int) = nullptr;
};

TEST(SaveRecordFile, AFailedWriteKeepsTheOldFileWhole) {
  TemporaryFolder folder;
  GameRecorder short_game;
  short_game.play(8, 8, 8, 6, -ROOK, 5);
  const SaveOutcome first = save_record_file(folder.path(), "game", TEXTS, true, short_game.record);
  ASSERT_TRUE(first.ok);
  const std::string old_bytes = file_bytes(first.path);

  const GameRecorder long_game = testing::game_with_captures_drops_and_promotions();
  SaveOutcome second;
  {
    const FileSizeLimit limit(old_bytes.size() + 10);
    second = save_record_file(folder.path(), "game", TEXTS, true, long_game.record);
  }
  EXPECT_FALSE(second.ok);
  EXPECT_EQ(second.message,
            "棋譜ﾌｧｲﾙを書き込めませんでした\r" + first.path + "\r" + std::strerror(EFBIG));
  EXPECT_EQ(file_bytes(first.path), old_bytes);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"game.棋譜"});
}

TEST(SaveRecordFile, SaysWhyAVanishedFolderCannotBeWritten) {
  TemporaryFolder folder;
  const GameRecorder game = testing::game_with_captures_drops_and_promotions();
  const std::string gone = folder.path() + "/gone";
  const SaveOutcome saved = save_record_file(gone, "game", TEXTS, true, game.record);
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.message,
            "棋譜ﾌｧｲﾙを書き込めませんでした\r" + gone + "/game.棋譜\r" + std::strerror(ENOENT));
}

TEST(LoadRecordFile, SaysWhyAFileCannotBeRead) {
  TemporaryFolder folder;
  RecordFileContents read;
  const std::string missing = folder.path() + "/missing.棋譜";
  LoadOutcome loaded = load_record_file(missing, read);
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.message,
            "棋譜ﾌｧｲﾙを読み込めませんでした\r" + missing + "\r" + std::strerror(ENOENT));

  loaded = load_record_file(folder.path(), read);
  EXPECT_EQ(loaded.message,
            "棋譜ﾌｧｲﾙを読み込めませんでした\r" + folder.path() + "\r通常のﾌｧｲﾙではありません");

  const std::string big = folder.path() + "/big.棋譜";
  write_bytes(big, std::string((1 << 20) + 1, 'x'));
  EXPECT_EQ(load_record_file(big, read).message,
            "棋譜ﾌｧｲﾙを読み込めませんでした\r" + big + "\r棋譜ﾌｧｲﾙとしては大きすぎます");
}

// The rooks' first moves, each through its own pawn.
const char* const ROOK_8886 = " 8886-900-900   0    0    5    0    0";
const char* const ROOK_2224 = " 2224 900 900   0    5    5    0    2";

// The first six moves of game_with_captures_drops_and_promotions.
const char* const KING_5976 = " 5976-950-950   0    0    0    0    0";
const char* const SILVER_3192 = " 3192 100 100   0    0    0    0    0";
const char* const KNIGHT_8965 = " 8965 -30 -30   0    0    0    0    0";
const char* const SILVER_7174 = " 7174 100 100   0    0    0    0    0";
const char* const TOKIN_7753 = " 7753 -11 -10  10    0    0    0    0";
const char* const KNIGHT_8165 = " 8165  30  30 -30    0    0    0    0";

TEST(LoadRecordText, RefusesABadLineByItsNumberAndTouchesNothing) {
  struct Case {
    std::vector<std::string> moves;
    int line;
    const char* reason;
  };
  const Case cases[] = {
      {{std::string(ROOK_8886) + "0"}, 4, "37文字より長い行です"},
      {{ROOK_8886, " 2224 900 9O0   0    5    5    0    2"},
       5,
       "10-13桁目に数字でない文字があります"},
      {{" 8886-900-900   0    0    5    0   ５"}, 4, "半角でない文字があります"},
      {{" 8880-900-900   0    0    5    0    0"}, 4, "移動先が盤の外です"},
      {{" 8686-900-900   0    0    5    0    0"}, 4, "移動元の駒が記録と違います"},
      {{" 8886-800-800   0    0    5    0    0"}, 4, "移動元の駒が記録と違います"},
      {{" 8886-901-900   0    0    5    0    0"}, 4, "成りの記録が正しくありません"},
      {{" 8886-900-900  10    0    5    0    0"}, 4, "取った駒が盤面と違います"},
      {{" 8788 -10 -10-900    0    5    0    0"}, 4, "自分の駒を取っています"},
      {{"10776 -10 -10   0    0    5    0    0"}, 4, "移動元が盤の外です"},
      {{"11355 -10 -10   0    0    5    0    0"}, 4, "持ち駒にない駒を打っています"},
      {{"11355 -11 -11   0    0    5    0    0"}, 4, "打てない駒です"},
      {{"11355  10  10   0    0    5    0    0"}, 4, "打てない駒です"},
      {{"11255 -10 -10   0    0    5    0    0"}, 4, "持ち駒の位置が正しくありません"},
      {{"-1855  10  10   0    0    5    0    0"}, 4, "持ち駒の位置が正しくありません"},
      {{"-1055  10  10   0    0    5    0    0"}, 4, "持ち駒の位置が正しくありません"},
      {{"-1755  10  10   0    0    5    0    0"}, 4, "持ち駒にない駒を打っています"},
      {{" 8886-900-900   0    0   -5    0    0"}, 4, "時間が負の値です"},
      {{ROOK_8886, " 2836-800-800   0    5    9    0    0"}, 5, "同じ側が続けて指しています"},
      // the pawn on 7七 jumps to 1一
      {{" 3791 -11 -10  20    0    5    0    0"}, 4, "その升へは動けません"},
      // takes a pawn and promotes, then drops it on its own pawn
      {{KING_5976, SILVER_3192, KNIGHT_8965, SILVER_7174, TOKIN_7753, KNIGHT_8165,
        "11317 -10 -10 -10    0    0    0    0"},
       10,
       "駒のある升に打っています"},
  };
  for (const Case& c : cases) {
    RecordFileContents out;
    out.title = "before";
    out.record.length = 7;
    const LoadOutcome loaded = load_record_text(record_text(c.moves), out);
    EXPECT_FALSE(loaded.ok) << c.reason;
    EXPECT_EQ(loaded.line_number, c.line) << c.reason;
    EXPECT_EQ(loaded.message,
              "棋譜ﾌｧｲﾙの" + std::to_string(c.line) + "行目が正しくありません\r" + c.reason);
    EXPECT_EQ(out.title, "before");
    EXPECT_EQ(out.record.length, 7);
  }
}

TEST(LoadRecordText, SaysWhichLineBetweenMovesIsEmpty) {
  for (const std::string blank : {"", "   "}) {
    RecordFileContents out;
    const LoadOutcome loaded = load_record_text(record_text({ROOK_8886, blank, ROOK_2224}), out);
    EXPECT_FALSE(loaded.ok);
    EXPECT_EQ(loaded.line_number, 5);
    EXPECT_EQ(loaded.message, "棋譜ﾌｧｲﾙの5行目が空です");
  }
}

TEST(LoadRecordText, EndsWithTheCaptureOfAKing) {
  const std::vector<std::string> moves = {
      KING_5976,           SILVER_3192,         KNIGHT_8965,         SILVER_7174,
      " 3916-100-100   0", " 2275 900 900   0", " 7773 -10 -10  10", " 7485 100 100   0",
      " 2826-800-800   0", " 7576 900 900-950"};  // the rook takes the lower king
  RecordFileContents read;
  ASSERT_TRUE(load_record_text(record_text(moves), read).ok);
  EXPECT_EQ(read.record.length, 10);

  std::vector<std::string> longer = moves;
  longer.push_back(" 2634-801-800  10    0    0    0    0");
  const LoadOutcome loaded = load_record_text(record_text(longer), read);
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.message, "棋譜ﾌｧｲﾙの14行目が正しくありません\r王が取られた後の指し手です");
}

// Both kings step aside and back: `count` moves that replay.
std::vector<std::string> king_shuffle(int count) {
  const char* const steps[] = {" 5958-950-950   0", " 5152 950 950   0", " 5859-950-950   0",
                               " 5251 950 950   0"};
  std::vector<std::string> moves;
  for (int i = 0; i < count; ++i) moves.push_back(steps[i % 4]);
  return moves;
}

TEST(LoadRecordText, HoldsAtMostFiveHundredMoves) {
  RecordFileContents read;
  ASSERT_TRUE(load_record_text(record_text(king_shuffle(500)), read).ok);
  EXPECT_EQ(read.record.length, 500);
  const LoadOutcome loaded = load_record_text(record_text(king_shuffle(501)), read);
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.message,
            "棋譜ﾌｧｲﾙの504行目が正しくありません\r500手を超える棋譜は読み込めません");
}

TEST(LoadRecordText, FindsNoMovesInAFileOfHeadersOnly) {
  struct Case {
    std::string text;
    const char* title;
    const char* bottom;
  };
  const Case cases[] = {
      {"", "", ""},
      {"only a title", "only a title", ""},
      {"t\r\ntop\r\nbottom\r\n", "t", "bottom"},
      {"t\r\ntop\r\nbottom\r\n\r\n\r\n", "t", "bottom"},
      {"t\r\n\r\n\r\n", "t", ""},
  };
  for (const Case& c : cases) {
    RecordFileContents read;
    read.record.length = 9;
    ASSERT_TRUE(load_record_text(c.text, read).ok) << c.text;
    EXPECT_EQ(read.record.length, 0) << c.text;
    EXPECT_EQ(read.title, c.title);
    EXPECT_EQ(read.bottom_name, c.bottom);
  }
}

TEST(LoadRecordText, ReadsShortLinesTrailingEmptyLinesAndALastLineWithoutEnd) {
  RecordFileContents read;
  const std::string text = record_text({" 8886-900-900   0", ROOK_2224, "", "  ", ""});
  ASSERT_TRUE(load_record_text(text, read).ok);
  EXPECT_EQ(read.record.length, 2);
  EXPECT_EQ(read.record.entry[1].lower_clock_after, 0);
  EXPECT_EQ(read.record.entry[2].upper_clock_after, 2);

  ASSERT_TRUE(load_record_text("t\ntop\nbottom\n" + std::string(ROOK_8886), read).ok);
  EXPECT_EQ(read.record.length, 1);
  EXPECT_EQ(read.record.entry[1].lower_clock_after, 5);
}

TEST(LoadRecordText, ShowsHeadersInCodePage932OrUtf8) {
  RecordFileContents read;
  const std::string text = cp932("名人戦") + "\r\n" + "田中" + "\r\n" + "ab\xFF\x81" + "\r\n";
  ASSERT_TRUE(load_record_text(text, read).ok);
  EXPECT_EQ(read.title, "名人戦");
  EXPECT_EQ(read.top_name, "田中");
  EXPECT_EQ(read.bottom_name, "ab\xEF\xBF\xBD\xEF\xBF\xBD");

  // After a byte order mark every header that is UTF-8 is taken as UTF-8.
  ASSERT_TRUE(load_record_text("\xEF\xBB\xBF名人戦\r\n\xC3\xA9\r\n" + cp932("先手"), read).ok);
  EXPECT_EQ(read.title, "名人戦");
  EXPECT_EQ(read.top_name, "é");
  EXPECT_EQ(read.bottom_name, "先手");
}

TEST(RecordFileRoundTrip, HalfWidthKatakanaHeadersReadBackAsWritten) {
  TemporaryFolder folder;
  const GameRecorder game = testing::game_with_captures_drops_and_promotions();
  const SaveOutcome saved =
      save_record_file(folder.path(), "k", {"ﾏｲ", "ﾕｷ", "ﾘｶ"}, true, game.record);
  ASSERT_TRUE(saved.ok) << saved.message;
  RecordFileContents read;
  ASSERT_TRUE(load_record_file(saved.path, read).ok);
  EXPECT_EQ(read.title, "ﾏｲ");
  EXPECT_EQ(read.top_name, "ﾘｶ");
  EXPECT_EQ(read.bottom_name, "ﾕｷ");
}

TEST(TitleX, CentresByTheNumberOfCharacters) {
  EXPECT_DOUBLE_EQ(title_x("1234567890123"), 1050 + 495 * 3);
  EXPECT_DOUBLE_EQ(title_x("名人戦名人戦名人戦名人戦名人戦名人戦"), 1050 + 495 * 4);
  EXPECT_DOUBLE_EQ(title_x(""), 1050 + 495 * (3 - 13.0 / 5));
  EXPECT_DOUBLE_EQ(title_x("ｱｲｳ"), 1050 + 495 * (3 - 10.0 / 5));
}

}  // namespace
}  // namespace kumora
