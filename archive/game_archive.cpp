#include "archive/game_archive.h"

#include <algorithm>
#include <filesystem>

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

}  // namespace

bool is_archive_file_name(const std::string& file_name) {
  if (!is_timestamp(file_name) || !ends_with(file_name, RECORD_FILE_EXTENSION)) return false;
  const std::string extension = RECORD_FILE_EXTENSION;
  return file_name.size() == TIMESTAMP_LENGTH + extension.size() ||
         file_name[TIMESTAMP_LENGTH] == ' ';
}

bool GameArchive::make_folder(std::string& error) const {
  return kumora::make_folder(folder_, error);
}

std::string GameArchive::new_game_name(const std::string& timestamp) const {
  std::error_code error;
  std::string name = timestamp;
  for (int n = 2; std::filesystem::exists(record_file_path(folder_, name), error); ++n) {
    name = timestamp + " (" + std::to_string(n) + ")";
  }
  return name;
}

bool GameArchive::write_game(const std::string& name, const RecordHeaderTexts& texts,
                             bool sente_is_lower, const Kifu& kifu, std::string& error) const {
  if (!make_folder(error)) return false;
  Kifu whole = kifu;
  whole.kifu_pos = whole.kifu_len;
  std::string bytes;
  if (!cp932_text(record_file_lines(texts, sente_is_lower, whole), bytes)) {
    error = tr_text("Record", "棋譜ﾌｧｲﾙに書けない文字があります");
    return false;
  }
  if (!replace_file_atomically(record_file_path(folder_, name), bytes, error)) return false;
  remove_oldest();
  return true;
}

bool GameArchive::keep_replaced(const std::string& path, const std::string& timestamp,
                                std::string& error) const {
  if (!make_folder(error)) return false;
  const std::string original = std::filesystem::path(path).filename().string();
  const std::string name =
      new_game_name(timestamp + " 上書き前 " + utf8_prefix(without_extension(original),
                                                           MAX_KEPT_NAME_BYTES));
  std::string bytes;
  const FileRead read = read_regular_file(path, RECORD_FILE_MAX_BYTES, bytes);
  if (!read.ok()) {
    error = read_failure_reason(read, tr_text("File", "棋譜ﾌｧｲﾙ"));
    return false;
  }
  return replace_file_atomically(record_file_path(folder_, name), bytes, error);
}

std::vector<std::string> GameArchive::games_newest_first() const {
  std::vector<std::string> names = regular_files(folder_, is_archive_file_name);
  std::sort(names.rbegin(), names.rend());
  return names;
}

void GameArchive::remove_oldest() const {
  const std::vector<std::string> names = games_newest_first();
  for (size_t i = ARCHIVE_KEEPS; i < names.size(); ++i) {
    std::error_code error;
    std::filesystem::remove(std::filesystem::path(folder_) / names[i], error);
  }
}

}  // namespace kumora
