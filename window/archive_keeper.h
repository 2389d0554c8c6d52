// Keeps every game the person plays in the archive of kept games, without
// being asked: the whole game, across a turn of the board and as it began,
// is written after every move; a game that no longer continues its file
// (play went on from an earlier position, or a move was taken back) goes to
// a file of its own, so that the longer game stays kept; a record file a
// save is about to replace is copied there first; and "前回の続き" resumes
// the most recently played game that did not end. A game's file is held by
// one running program: another that resumes it writes under a second name.
#pragma once

#include <string>

#include "archive/archive_title.h"
#include "archive/game_archive.h"
#include "archive/game_lock.h"
#include "window/game.h"
#include "window/game_lifecycle.h"
#include "window/pending_input.h"
#include "window/port/ports.h"
#include "window/screen.h"

namespace kumora {

class Clocks;
class Messages;
class LevelsHandicap;

class ArchiveKeeper {
 public:
  ArchiveKeeper(Game& game, Messages& messages, Clocks& clocks, Host& host,
                GameLifecycle& lifecycle, Screen& screen, PendingInput& pending_input,
                LevelsHandicap& levels)
      : game_(game),
        messages_(messages),
        clocks_(clocks),
        host_(host),
        lifecycle_(lifecycle),
        screen_(screen),
        pending_input_(pending_input),
        levels_(levels),
        archive_(std::string()) {}

  void set_folder(const std::string& folder) { archive_ = GameArchive(folder); }
  const GameArchive& archive() const { return archive_; }

  // After every move (and a take-back): the whole game written to its file.
  void move_recorded();
  // The game was lost by resignation or on time: its file says so, and
  // "前回の続き" no longer offers it.
  void game_ended(GameEnd how);
  // The game was reset: the next move starts a new file.
  void game_closed();
  // Before a save replaces the file at `path`: a regular file there is
  // copied into the archive. False, with the reason, when it could not be.
  bool keep_replaced(const std::string& path, std::string& error);
  // "前回の続き".
  void resume_last_game();

 private:
  ArchivedGameKind game_kind() const;
  RecordHeaderTexts header_texts(const ArchivedGameKind& kind) const;
  // A name of its own for the game, started at `timestamp`, held by this program.
  std::string claim_new_name(const std::string& timestamp);
  void report_failure(const std::string& error);
  // The most recently played kept game that did not end; false when none.
  bool find_unfinished(std::string& name, RecordFileContents& contents);
  void resume(const std::string& name, const RecordFileContents& contents);
  // The resumed game shown turned round, as it was left.
  void turn_as_left();
  // Goes on writing the kept game `name`, or under a second name when
  // another program holds it.
  void go_on_with(const std::string& name, const MoveRecord& kept);

  Game& game_;
  Messages& messages_;
  Clocks& clocks_;
  Host& host_;
  GameLifecycle& lifecycle_;
  Screen& screen_;
  PendingInput& pending_input_;
  LevelsHandicap& levels_;
  GameArchive archive_;
  GameLock lock_;
  std::string file_name_;  // the present game's file, without the extension
  std::string started_;    // when the present game began, naming its files
  MoveRecord kept_;        // what the present game's file holds
  GameEnd ended_ = GameEnd::NONE;
  bool failure_reported_ = false;
};

}  // namespace kumora
