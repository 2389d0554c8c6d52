#include "settings/settings_read.h"

#include <algorithm>
#include <vector>

#include "core/code_page.h"
#include "core/file_read.h"
#include "core/text_file.h"
#include "settings/settings_file.h"

namespace kumora {

namespace {

std::string cp932_of(const std::string& utf8) {
  std::string cp932;
  utf8_to_cp932(utf8, cp932);
  return cp932;
}

// The code page 932 bytes of every line the program writes.
struct EncodedLines {
  std::vector<std::pair<int, std::string>> backgrounds;
  std::string guidance_on = cp932_of(GUIDANCE_ON_LINE);
  std::string elapsed_on = cp932_of(ELAPSED_ON_LINE);
  std::string music_on = cp932_of(MUSIC_ON_LINE);

  EncodedLines() {
    for (const int code : {BACKGROUND_MIDORI, BACKGROUND_TATAMI, BACKGROUND_TAKE, BACKGROUND_UCHU,
                           BACKGROUND_RENGA}) {
      backgrounds.emplace_back(code, cp932_of(background_line(code)));
    }
  }
};

const EncodedLines& encoded_lines() {
  static const EncodedLines lines;
  return lines;
}

}  // namespace

SettingsRead read_settings_lines(const std::string& bytes) {
  const EncodedLines& known = encoded_lines();
  const std::vector<std::string> lines = split_lines(bytes);
  SettingsRead read;
  read.opened = true;
  read.lines_present = static_cast<int>(std::min<size_t>(lines.size(), 4));
  if (lines.size() >= 1) {
    for (const auto& [code, line] : known.backgrounds) {
      if (lines[0] == line) read.background = code;
    }
  }
  if (lines.size() >= 2) read.guidance_on = lines[1] == known.guidance_on;
  if (lines.size() >= 3) read.elapsed_on = lines[2] == known.elapsed_on;
  if (lines.size() >= 4) read.music_on = lines[3] == known.music_on;
  return read;
}

SettingsRead read_settings_file(const std::string& path) {
  std::string bytes;
  if (!read_regular_file(path, SETTINGS_FILE_MAX_BYTES, bytes).ok()) return {};
  return read_settings_lines(bytes);
}

}  // namespace kumora
