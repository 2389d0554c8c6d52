#include "settings/key_value_file.h"

#include <filesystem>

#include "core/atomic_file.h"
#include "core/file_read.h"
#include "core/text_file.h"
#include "settings/user_folders.h"

namespace kumora {

namespace {

constexpr const char* SECTION_LINE = "[General]";

bool is_key(const std::string& key) {
  return !key.empty() && key.find_first_of("\r\n=[]") == std::string::npos;
}

bool is_value(const std::string& value) { return value.find_first_of("\r\n") == std::string::npos; }

}  // namespace

KeyValueFile::KeyValueFile(std::string path) : path_(std::move(path)) {
  std::string bytes;
  if (!read_regular_file(path_, KEY_VALUE_FILE_MAX_BYTES, bytes).ok()) return;
  for (const std::string& line : split_lines(bytes)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos || line[0] == '[' || line[0] == '#' || line[0] == ';') {
      continue;
    }
    values_[line.substr(0, equals)] = line.substr(equals + 1);
  }
}

std::string KeyValueFile::value(const std::string& key, const std::string& fallback) const {
  const auto found = values_.find(key);
  return found == values_.end() ? fallback : found->second;
}

bool KeyValueFile::set(const std::map<std::string, std::string>& values, std::string& error) {
  for (const auto& [key, value] : values) {
    if (is_key(key) && is_value(value)) values_[key] = value;
  }
  std::string bytes = std::string(SECTION_LINE) + "\n";
  for (const auto& [key, value] : values_) bytes += key + "=" + value + "\n";
  const std::string folder = std::filesystem::path(path_).parent_path().string();
  if (!folder.empty() && !make_folder(folder, error)) return false;
  return replace_file_atomically(path_, bytes, error);
}

}  // namespace kumora
