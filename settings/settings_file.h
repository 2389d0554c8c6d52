// The settings file "Kumora.ini": four lines for the background, move
// guidance, the elapsed-time display and the music.
#pragma once

#include <string>
#include <vector>

namespace kumora {

inline constexpr const char* SETTINGS_FILE_NAME = "Kumora.ini";

// Background codes of the five pictures.
constexpr int BACKGROUND_MIDORI = 2;
constexpr int BACKGROUND_TATAMI = 3;
constexpr int BACKGROUND_TAKE = 4;
constexpr int BACKGROUND_UCHU = 5;
constexpr int BACKGROUND_RENGA = 6;

// The background code a first line names, or 0 when it names none.
int background_of_line(const std::string& line);
// The first line for a background code; empty for an unknown code.
std::string background_line(int code);

inline constexpr const char* GUIDANCE_ON_LINE = "移動指導=ON";
inline constexpr const char* GUIDANCE_OFF_LINE = "移動指導=OFF";
inline constexpr const char* ELAPSED_ON_LINE = "経過時間=ON";
inline constexpr const char* ELAPSED_OFF_LINE = "経過時間=OFF";
inline constexpr const char* MUSIC_ON_LINE = "BGM=ON";
inline constexpr const char* MUSIC_OFF_LINE = "BGM=OFF";

// The four lines written when the file is missing or unreadable.
std::vector<std::string> default_settings_lines();

}  // namespace kumora
