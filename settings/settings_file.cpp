#include "settings/settings_file.h"

namespace kumora {

namespace {
struct BackgroundName {
  int code;
  const char* line;
};
constexpr BackgroundName BACKGROUND_LINES[] = {
    {BACKGROUND_MIDORI, "背景画=緑"},  {BACKGROUND_TAKE, "背景画=竹"},
    {BACKGROUND_TATAMI, "背景画=畳"},  {BACKGROUND_UCHU, "背景画=宇宙"},
    {BACKGROUND_RENGA, "背景画=煉瓦"},
};
}  // namespace

int background_of_line(const std::string& line) {
  for (const BackgroundName& name : BACKGROUND_LINES) {
    if (line == name.line) return name.code;
  }
  return 0;
}

std::string background_line(int code) {
  for (const BackgroundName& name : BACKGROUND_LINES) {
    if (code == name.code) return name.line;
  }
  return {};
}

std::vector<std::string> default_settings_lines() {
  return {background_line(BACKGROUND_MIDORI), GUIDANCE_OFF_LINE, ELAPSED_ON_LINE, MUSIC_ON_LINE};
}

}  // namespace kumora
