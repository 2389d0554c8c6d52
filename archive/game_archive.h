// The archive of the person's games: a folder holding one record file per
// game, written again after every move and named by the date and time the
// game started, so that no game is lost. The newest games are kept; the
// archive removes only files of its own naming.
#pragma once

#include <string>
#include <vector>

#include "kifu/kifu.h"
#include "kifu/record_file.h"

namespace kumora {

constexpr int ARCHIVE_KEEPS = 200;

// A name of the archive's own: "YYYY-MM-DD HH-MM-SS" followed by ".棋譜" or
// by a blank, more text and ".棋譜".
bool is_archive_file_name(const std::string& file_name);

class GameArchive {
 public:
  explicit GameArchive(std::string folder) : folder_(std::move(folder)) {}

  const std::string& folder() const { return folder_; }

  // A file name (without the extension) for a game started at `timestamp`
  // ("2026-12-07 11-30-05") that no file of the folder has yet.
  std::string new_game_name(const std::string& timestamp) const;

  // Writes the whole record (entries 1..kifu_len) atomically under `name`,
  // then removes the oldest games beyond the newest ARCHIVE_KEEPS.
  bool write_game(const std::string& name, const RecordHeaderTexts& texts, bool sente_is_lower,
                  const Kifu& kifu, std::string& error) const;

  // Copies the record file at `path`, about to be replaced by a save, into
  // the archive.
  bool keep_replaced(const std::string& path, const std::string& timestamp,
                     std::string& error) const;

  // The archive's record files, newest first.
  std::vector<std::string> games_newest_first() const;

 private:
  bool make_folder(std::string& error) const;
  void remove_oldest() const;

  std::string folder_;
};

}  // namespace kumora
