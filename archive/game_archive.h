// The archive of the person's games: a folder holding one record file per
// game, written again after every move and named by the date and time the
// game started, so that no game is lost. The most recently played games are
// kept; the archive removes only record files it wrote itself, never the
// game being played.
#pragma once

#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "kifu/move_record.h"
#include "kifu/record_file.h"

namespace kumora {

constexpr int ARCHIVE_KEEPS = 200;

// A name of the archive's own: "YYYY-MM-DD HH-MM-SS" followed by ".棋譜" or
// by a blank, more text and ".棋譜".
bool is_archive_file_name(const std::string& file_name);

// The date and time an archive name begins with ("2026-12-07 11-30-05").
std::string archive_name_timestamp(const std::string& name);

class GameArchive {
 public:
  explicit GameArchive(std::string folder) : folder_(std::move(folder)) {}

  const std::string& folder() const { return folder_; }

  // A file name (without the extension) for a game started at `timestamp`
  // ("2026-12-07 11-30-05") that nothing in the folder has yet, and that
  // `taken` (a name another program holds) does not refuse.
  std::string new_game_name(const std::string& timestamp,
                            const std::function<bool(const std::string&)>& taken = {}) const;

  // Writes the whole record (entries 1..length) atomically under `name`,
  // as played at `now` (the program's clock), then removes the least
  // recently played of the archive's own games beyond ARCHIVE_KEEPS, never
  // `name` itself.
  bool write_game(const std::string& name, const RecordHeaderTexts& texts, bool sente_is_lower,
                  const MoveRecord& record, std::time_t now, std::string& error) const;

  // Copies the record file at `path`, about to be replaced by a save, into
  // the archive, as kept at `timestamp` (the program's clock, which names it).
  bool keep_replaced(const std::string& path, const std::string& timestamp,
                     std::string& error) const;

  // The record files of the archive's naming, most recently played first
  // as of `now` (newest_played_first).
  std::vector<std::string> games_newest_first(std::time_t now) const;

 private:
  bool make_folder(std::string& error) const;
  void remove_oldest(const std::string& playing, std::time_t now) const;
  // Gives the file just written the time `now` of the program's clock as the
  // time it was played, ordered after every other file of the same second.
  void stamp_played(const std::string& path, std::time_t now) const;
  // A record file the archive wrote: a regular file within the size of a
  // record that reads as one. Remembered by the file's identity and time.
  bool written_here(const std::string& file_name) const;

  std::string folder_;
  mutable std::map<std::string, std::pair<std::string, bool>> checked_;
};

}  // namespace kumora
