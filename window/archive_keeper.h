// Keeps every game the person plays in the archive of kept games, without
// being asked: the game so far is written after every move, a record file a
// save is about to replace is copied there first, and "前回の続き" resumes the
// newest game that did not end.
#pragma once

#include <string>

#include "archive/game_archive.h"
#include "window/services.h"

namespace kumora {

class LevelsHandicap;

class ArchiveKeeper {
 public:
  ArchiveKeeper(WindowServices& services, LevelsHandicap& levels)
      : s_(services), levels_(levels), archive_(std::string()) {}

  void set_folder(const std::string& folder) { archive_ = GameArchive(folder); }
  const GameArchive& archive() const { return archive_; }

  // After every move: the whole record written to the game's file.
  void move_recorded();
  // The game was reset: the next move starts a new file.
  void game_closed() { file_name_.clear(); }
  // Before a save replaces the file at `path`.
  void keep_replaced(const std::string& path);
  // "前回の続き".
  void ZENKAI_Click();

 private:
  // False while the position cannot be written as a record from its start
  // (the board was turned round).
  bool representable() const;
  RecordHeaderTexts header_texts() const;
  void report_failure(const std::string& error);
  // The newest kept game that did not end; false when there is none.
  bool find_unfinished(std::string& name, RecordFileContents& contents) const;
  void resume(const std::string& name, const RecordFileContents& contents);

  WindowServices& s_;
  LevelsHandicap& levels_;
  GameArchive archive_;
  std::string file_name_;  // the present game's file, without the extension
  bool failure_reported_ = false;
};

}  // namespace kumora
