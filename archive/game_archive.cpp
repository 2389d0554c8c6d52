#include "archive/game_archive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "archive/kept_game.h"
#include "archive/played_order.h"

#include "core/atomic_file.h"
#include "core/file_read.h"
#include "core/folder_files.h"
#include "core/text_file.h"

#include "core/translation.h"
#include "settings/user_folders.h"

namespace kumora {

namespace {

constexpr size_t TIMESTAMP_LENGTH = 19;  // "2026-12-07 11-30-05"
constexpr size_t MAX_KEPT_NAME_BYTES = 120;

bool is_timestamp(const std::string& text) {
  if (text.size() < TIMESTAMP_LENGTH) return false;
  static const char PATTERN[] = "dddd-dd-dd dd-dd-dd";
  for (size_t i = 0; i < TIMESTAMP_LENGTH; ++i) {
    const char c = text[i];
    if (PATTERN[i] == 'd' ? (c < '0' || c > '9') : c != PATTERN[i]) return false;
  }
  return true;
}

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The first `bytes` bytes of a UTF-8 text, not cutting a character.
std::string utf8_prefix(const std::string& text, size_t bytes) {
  if (text.size() <= bytes) return text;
  size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

std::string without_extension(const std::string& file_name) {
  const std::string extension = RECORD_FILE_EXTENSION;
  return ends_with(file_name, extension) ? file_name.substr(0, file_name.size() - extension.size())
                                         : file_name;
}

// Anything at all under the name, a dangling link too.
bool name_in_use(const std::string& path) {
  struct stat info {};
  return lstat(path.c_str(), &info) == 0;
}

// Which file stands under the name, as it is now: device, inode, size and
// time; empty unless it is a regular file within the size of a record.
std::string file_identity(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<unsigned long long>(info.st_size) > RECORD_FILE_MAX_BYTES) {
    return {};
  }
  return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + ":" +
         std::to_string(info.st_size) + ":" + std::to_string(info.st_mtim.tv_sec) + "." +
         std::to_string(info.st_mtim.tv_nsec);
}

}  // namespace

bool is_archive_file_name(const std::string& file_name) {
  if (!is_timestamp(file_name) || !ends_with(file_name, RECORD_FILE_EXTENSION)) return false;
  const std::string extension = RECORD_FILE_EXTENSION;
  return file_name.size() == TIMESTAMP_LENGTH + extension.size() ||
         file_name[TIMESTAMP_LENGTH] == ' ';
}

std::string archive_name_timestamp(const std::string& name) {
  return name.substr(0, TIMESTAMP_LENGTH);
}

bool GameArchive::make_folder(std::string& error) const {
  return kumora::make_folder(folder_, error);
}

std::string GameArchive::new_game_name(const std::string& timestamp,
                                       const std::function<bool(const std::string&)>& taken) const {
  std::string name = timestamp;
  for (int n = 2; name_in_use(record_file_path(folder_, name)) || (taken && taken(name)); ++n) {
    name = timestamp + " (" + std::to_string(n) + ")";
  }
  return name;
}

bool GameArchive::write_game(const std::string& name, const RecordHeaderTexts& texts,
                             bool sente_is_lower, const MoveRecord& record, std::time_t now,
                             std::string& error) const {
  if (!make_folder(error)) return false;
  MoveRecord whole = record;
  whole.shown = whole.length;
  std::string bytes;
  if (!cp932_text(record_file_lines(texts, sente_is_lower, whole), bytes)) {
    error = tr_text("Record", "棋譜ﾌｧｲﾙに書けない文字があります");
    return false;
  }
  const std::string path = record_file_path(folder_, name);
  if (!replace_file_atomically(path, bytes, error)) return false;
  stamp_played(path, now);
  remove_oldest(name + RECORD_FILE_EXTENSION, now);
  return true;
}

bool GameArchive::keep_replaced(const std::string& path, const std::string& timestamp,
                                std::string& error) const {
  if (!make_folder(error)) return false;
  const std::string original = std::filesystem::path(path).filename().string();
  const std::string name = new_game_name(
      timestamp + " 上書き前 " + utf8_prefix(without_extension(original), MAX_KEPT_NAME_BYTES));
  std::string bytes;
  const FileRead read = read_regular_file(path, RECORD_FILE_MAX_BYTES, bytes);
  if (!read.ok()) {
    error = read_failure_reason(read, tr_text("File", "棋譜ﾌｧｲﾙ"));
    return false;
  }
  const std::string copy = record_file_path(folder_, name);
  if (!replace_file_atomically(copy, bytes, error)) return false;
  stamp_played(copy, timestamp_time(timestamp));
  return true;
}

std::vector<std::string> GameArchive::games_newest_first(std::time_t now) const {
  return newest_played_first(folder_, regular_files(folder_, is_archive_file_name), now);
}

void GameArchive::stamp_played(const std::string& path, std::time_t now) const {
  // Within one second, each write a nanosecond later than the one before.
  long latest = -1;
  for (const std::string& name : regular_files(folder_, is_archive_file_name)) {
    struct stat info {};
    if (lstat((folder_ + "/" + name).c_str(), &info) == 0 && info.st_mtim.tv_sec == now) {
      latest = std::max(latest, info.st_mtim.tv_nsec);
    }
  }
  const long nanoseconds = std::min(latest + 1, 999999999L);
  const struct timespec times[2] = {{now, nanoseconds}, {now, nanoseconds}};
  utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

bool GameArchive::written_here(const std::string& file_name) const {
  const std::string path = folder_ + "/" + file_name;
  const std::string identity = file_identity(path);
  if (identity.empty()) return false;
  const auto found = checked_.find(file_name);
  if (found != checked_.end() && found->second.first == identity) return found->second.second;
  std::string bytes;
  const bool ours = read_regular_file(path, RECORD_FILE_MAX_BYTES, bytes).ok() &&
                    file_identity(path) == identity && reads_as_written_record(bytes);
  checked_[file_name] = {identity, ours};
  return ours;
}

void GameArchive::remove_oldest(const std::string& playing, std::time_t now) const {
  const std::vector<std::string> names = games_newest_first(now);
  if (names.size() <= static_cast<size_t>(ARCHIVE_KEEPS)) return;
  int kept = 1;  // the game being played, wherever it ranks
  for (const std::string& name : names) {
    if (name == playing || !written_here(name) || ++kept <= ARCHIVE_KEEPS) continue;
    // Removed only as it was checked: a file put in its place meanwhile stays.
    const std::string path = folder_ + "/" + name;
    if (file_identity(path) == checked_[name].first) unlink(path.c_str());
    checked_.erase(name);
  }
}

}  // namespace kumora
