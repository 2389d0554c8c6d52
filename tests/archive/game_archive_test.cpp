// The archive of kept games: names by start time, unique; the newest games
// kept and only the archive's own files removed; a replaced save copied in.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "archive/archive_title.h"
#include "archive/game_archive.h"
#include "archive/game_lock.h"
#include "archive/played_order.h"
#include "archive/replayed_game.h"
#include "core/file_read.h"
#include "core/levels.h"
#include "core/text_file.h"
#include "settings/handicap.h"

namespace kumora {
namespace {

namespace fs = std::filesystem;

const std::time_t NOW = timestamp_time("2026-12-07 20-00-00");

class ArchiveFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("kumora-archive-" + std::to_string(::getpid()));
    fs::remove_all(root_);
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string folder() const { return (root_ / "games").string(); }

  static MoveRecord one_move() {
    MoveRecord record;
    record.entry[1] = RecordEntry{8, 8, 8, 6, 0, -900, -900, 0, 3, 0, 0};
    record.length = 1;
    return record;
  }

  fs::path root_;
};

TEST_F(ArchiveFolder, NamesGamesByTheirStartAndNeverReusesAName) {
  GameArchive archive(folder());
  std::string error;
  const std::string first = archive.new_game_name("2026-12-07 11-30-05");
  EXPECT_EQ(first, "2026-12-07 11-30-05");
  ASSERT_TRUE(archive.write_game(first, {"人間対局", "先手", "後手"}, true, one_move(), NOW, error))
      << error;
  const std::string second = archive.new_game_name("2026-12-07 11-30-05");
  EXPECT_EQ(second, "2026-12-07 11-30-05 (2)");
  EXPECT_TRUE(is_archive_file_name(first + ".棋譜"));
  EXPECT_TRUE(is_archive_file_name(second + ".棋譜"));
}

TEST_F(ArchiveFolder, WritesTheWholeRecordNotOnlyUpToTheShownPosition) {
  GameArchive archive(folder());
  MoveRecord record = one_move();
  record.entry[2] = RecordEntry{2, 2, 2, 4, 0, 900, 900, 3, 3, 0, 5};
  record.length = 2;
  record.shown = 0;  // stepped back to the start
  std::string error;
  ASSERT_TRUE(archive.write_game("2026-12-07 11-30-05", {"人間対局", "先手", "後手"}, true, record,
                                 NOW, error));
  RecordFileContents read;
  ASSERT_TRUE(load_record_file(folder() + "/2026-12-07 11-30-05.棋譜", read).ok);
  EXPECT_EQ(read.record.length, 2);
  EXPECT_EQ(read.title, "人間対局");
}

TEST_F(ArchiveFolder, KeepsTheNewestGamesAndRemovesNothingElse) {
  fs::create_directories(folder());
  for (const char* other : {"mine.棋譜", "2026-01-01.棋譜", "notes.txt"}) {
    std::ofstream(fs::path(folder()) / other) << "x";
  }
  GameArchive archive(folder());
  std::string error;
  for (int i = 0; i < ARCHIVE_KEEPS + 3; ++i) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "2026-12-07 %02d-%02d-00", 10 + i / 60, i % 60);
    ASSERT_TRUE(archive.write_game(stamp, {"人間対局", "先手", "後手"}, true, one_move(),
                                   timestamp_time(stamp), error));
  }
  const std::vector<std::string> kept = archive.games_newest_first(NOW);
  ASSERT_EQ(kept.size(), static_cast<size_t>(ARCHIVE_KEEPS));
  EXPECT_EQ(kept.front(), "2026-12-07 13-22-00.棋譜");
  EXPECT_EQ(kept.back(), "2026-12-07 10-03-00.棋譜");
  for (const char* other : {"mine.棋譜", "2026-01-01.棋譜", "notes.txt"}) {
    EXPECT_TRUE(fs::exists(fs::path(folder()) / other)) << other;
  }
}

TEST_F(ArchiveFolder, PrunesOnlyRecordsItWroteAndNeverTheGameBeingPlayed) {
  // 200 kept games of later names, played in the same second as the game
  // below, to its last nanosecond: that game ranks last of all.
  const fs::path games(folder());
  fs::create_directories(games);
  std::string record;
  ASSERT_TRUE(
      cp932_text({"人間対局", "後手", "先手", " 8886-900-900   0    0    0    0    0"}, record));
  for (int i = 0; i < ARCHIVE_KEEPS; ++i) {
    char name[40];
    std::snprintf(name, sizeof name, "2099-01-01 00-00-00 %03d.棋譜", i);
    std::ofstream(games / name, std::ios::binary) << record;
    const struct timespec times[2] = {{NOW, 999999999}, {NOW, 999999999}};
    utimensat(AT_FDCWD, (games / name).c_str(), times, 0);
  }
  std::ofstream(games / "2000-01-01 00-00-00 lf.棋譜")
      << "title\nA\nB\n 8886-900-900   0    0    0    0    0\n";
  std::ofstream(games / "2000-01-01 00-00-01 no moves.棋譜") << "title\r\nA\r\nB\r\n\r\n";
  fs::create_symlink("2099-01-01 00-00-00 100.棋譜", games / "2000-01-01 00-00-02 link.棋譜");
  std::ofstream(games / "2000-01-01 00-00-03 big.棋譜", std::ios::binary) << record;
  fs::resize_file(games / "2000-01-01 00-00-03 big.棋譜", 2 * RECORD_FILE_MAX_BYTES);
  const std::vector<std::string> foreign = {
      "2000-01-01 00-00-00 lf.棋譜", "2000-01-01 00-00-01 no moves.棋譜",
      "2000-01-01 00-00-02 link.棋譜", "2000-01-01 00-00-03 big.棋譜"};
  for (const std::string& name : foreign) {
    const struct timespec old[2] = {{0, 0}, {0, 0}};
    utimensat(AT_FDCWD, (games / name).c_str(), old, AT_SYMLINK_NOFOLLOW);
  }

  GameArchive archive(folder());
  std::string error;
  ASSERT_TRUE(archive.write_game("2026-12-07 11-30-05", {"人間対局", "先手", "後手"}, true,
                                 one_move(), NOW, error));
  EXPECT_TRUE(fs::exists(games / "2026-12-07 11-30-05.棋譜"));
  for (const std::string& name : foreign) {
    EXPECT_TRUE(fs::exists(fs::symlink_status(games / name))) << name;
  }
  // The one of the 200 that goes is the last by name of those tied.
  EXPECT_FALSE(fs::exists(games / "2099-01-01 00-00-00 000.棋譜"));
  EXPECT_TRUE(fs::exists(games / "2099-01-01 00-00-00 001.棋譜"));
}

TEST_F(ArchiveFolder, CopiesAFileAboutToBeReplaced) {
  fs::create_directories(root_);
  const std::string saved = (root_ / "first game.棋譜").string();
  std::ofstream(saved, std::ios::binary) << "title\r\nA\r\nB\r\n";
  GameArchive archive(folder());
  std::string error;
  ASSERT_TRUE(archive.keep_replaced(saved, "2026-12-07 11-30-05", error)) << error;
  const fs::path copy = fs::path(folder()) / "2026-12-07 11-30-05 上書き前 first game.棋譜";
  std::string bytes;
  ASSERT_TRUE(read_regular_file(copy.string(), RECORD_FILE_MAX_BYTES, bytes).ok());
  EXPECT_EQ(bytes, "title\r\nA\r\nB\r\n");
}

TEST_F(ArchiveFolder, AFolderThatCannotBeMadeIsReportedNotThrown) {
  fs::create_directories(root_);
  std::ofstream(root_ / "games") << "a file where the folder should be";
  GameArchive archive(folder());
  std::string error;
  EXPECT_FALSE(archive.write_game("2026-12-07 11-30-05", {"人間対局", "先手", "後手"}, true,
                                  one_move(), NOW, error));
  EXPECT_FALSE(error.empty());
}

TEST_F(ArchiveFolder, AGameIsHeldByOneProgramAtATime) {
  fs::create_directories(folder());
  GameLock first, second;
  EXPECT_EQ(first.take(folder(), "2026-12-07 11-30-05"), GameLock::Outcome::TAKEN);
  EXPECT_EQ(second.take(folder(), "2026-12-07 11-30-05"), GameLock::Outcome::HELD);
  EXPECT_EQ(second.take(folder(), "2026-12-07 11-30-05 (2)"), GameLock::Outcome::TAKEN);
  first.release();
  EXPECT_EQ(second.take(folder(), "2026-12-07 11-30-05"), GameLock::Outcome::TAKEN);
  second.release();
  EXPECT_TRUE(fs::is_empty(fs::path(folder()) / ".locks"));
  // Locks are never made through a link planted in the folder's place.
  fs::remove(fs::path(folder()) / ".locks");
  fs::create_symlink(root_, fs::path(folder()) / ".locks");
  EXPECT_EQ(first.take(folder(), "2026-12-07 11-30-05"), GameLock::Outcome::UNAVAILABLE);
}

// A kind as the archive writes it, with no time control and not ended.
ArchivedGameKind game_kind(bool vs_com, int level, bool handicap = false, int grade = 0) {
  ArchivedGameKind kind;
  kind.vs_com = vs_com;
  kind.level = level;
  kind.handicap = handicap;
  kind.handicap_grade = grade;
  return kind;
}

TEST(ArchiveTitle, NamesTheModeAndTheLevel) {
  ArchivedGameKind kind;
  ASSERT_TRUE(parse_archive_title(archive_title(game_kind(true, 2)), kind));
  EXPECT_TRUE(kind.vs_com);
  EXPECT_EQ(kind.level, 2);
  ASSERT_TRUE(parse_archive_title(archive_title(game_kind(false, 3)), kind));
  EXPECT_FALSE(kind.vs_com);
  const ArchivedGameKind handicap = game_kind(true, 5, true, -3);
  EXPECT_EQ(archive_title(handicap), "ＣＯＭ対局 LEVEL5 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段");
  ASSERT_TRUE(parse_archive_title(archive_title(handicap), kind));
  EXPECT_TRUE(kind.handicap);
  EXPECT_EQ(kind.handicap_grade, -3);
  EXPECT_EQ(kind.level, 5);
  ASSERT_TRUE(parse_archive_title("人間対局 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人", kind));
  EXPECT_EQ(kind.handicap_grade, -10);
  EXPECT_FALSE(kind.vs_com);
  EXPECT_FALSE(parse_archive_title("練習対局", kind));
  EXPECT_FALSE(parse_archive_title("ＣＯＭ対局 LEVEL", kind));
  // A step of the ladder between LEVEL3 and LEVEL4 is named as the menu names it.
  EXPECT_EQ(archive_title(game_kind(true, LADDER_LEVEL_BASE + 4)), "ＣＯＭ対局 LEVEL3.4");
  ASSERT_TRUE(parse_archive_title("ＣＯＭ対局 LEVEL3.4", kind));
  EXPECT_EQ(kind.level, LADDER_LEVEL_BASE + 4);
  EXPECT_FALSE(parse_archive_title("ＣＯＭ対局 LEVEL3.0", kind));
  EXPECT_FALSE(parse_archive_title("ＣＯＭ対局 LEVEL6", kind));
}

TEST(ArchiveTitle, EveryGradeAndLevelIsReadBackAsWritten) {
  for (int grade = LOWEST_GRADE; grade <= HIGHEST_GRADE; ++grade) {
    for (int level = 1; level <= 5; ++level) {
      const ArchivedGameKind written = game_kind(level != 5, level, true, grade);
      ArchivedGameKind read;
      ASSERT_TRUE(parse_archive_title(archive_title(written), read)) << archive_title(written);
      EXPECT_EQ(read.vs_com, written.vs_com);
      EXPECT_EQ(read.level, written.vs_com ? level : 3);
      EXPECT_TRUE(read.handicap);
      EXPECT_EQ(read.handicap_grade, grade) << archive_title(written);
    }
  }
}

TEST(ArchiveTitle, NamesTheTimeControlAndAGameGivenUpOrLostOnTime) {
  ArchivedGameKind written = game_kind(true, 4, true, 2);
  written.time_control = {300, 10, 0};
  written.turned = true;
  written.ended = GameEnd::TIME_RAN_OUT;
  EXPECT_EQ(archive_title(written),
            "ＣＯＭ対局 LEVEL4 ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級 持ち時間5分 秒読み10秒 反転 時間切れ");
  ArchivedGameKind read;
  ASSERT_TRUE(parse_archive_title(archive_title(written), read));
  EXPECT_EQ(read.time_control, written.time_control);
  EXPECT_TRUE(read.turned);
  EXPECT_EQ(read.handicap_grade, 2);
  EXPECT_EQ(read.ended, GameEnd::TIME_RAN_OUT);
  ASSERT_TRUE(parse_archive_title("人間対局 秒読み30秒 投了", read));
  EXPECT_EQ(read.time_control, (TimeControl{0, 30, 0}));
  EXPECT_EQ(read.ended, GameEnd::RESIGNED);
  EXPECT_FALSE(read.vs_com);
  ASSERT_TRUE(parse_archive_title("人間対局", read));
  EXPECT_TRUE(read.time_control.none());
  EXPECT_EQ(read.ended, GameEnd::NONE);
  EXPECT_FALSE(parse_archive_title("人間対局 持ち時間5", read));
}

TEST(ReplayedGame, AGameEndsWithAKingTakenOrASideThatCannotMove) {
  MoveRecord record;
  EXPECT_FALSE(replay_game(record).ended);
  record.entry[1] = RecordEntry{8, 8, 8, 6, 0, -900, -900, 0, 0, 0, 0};
  record.length = 1;
  const ReplayedGame after_one = replay_game(record);
  EXPECT_FALSE(after_one.ended);
  EXPECT_EQ(after_one.next_mover, 1);
  EXPECT_EQ(after_one.state.board(8, 6), -900);
  record.entry[1].taken = 950;  // the last move took a king
  EXPECT_TRUE(replay_game(record).ended);
}

TEST(ReplayedGame, AFullRecordHasEnded) {
  // Both rooks go two squares and back until the record holds no more.
  MoveRecord record;
  for (int i = 1; i <= RECORD_LIMIT; ++i) {
    const bool lower = i % 2 == 1;
    const bool out = ((i - 1) / 2) % 2 == 0;
    const int home = lower ? 8 : 2, away = lower ? 6 : 4, code = lower ? -900 : 900;
    record.entry[i] =
        RecordEntry{8, out ? home : away, 8, out ? away : home, 0, code, code, 0, 0, 0, 0};
  }
  record.length = RECORD_LIMIT - 1;
  EXPECT_FALSE(replay_game(record).ended);
  record.length = RECORD_LIMIT;
  EXPECT_TRUE(replay_game(record).ended);
}

}  // namespace
}  // namespace kumora
