// A game's time control: each side's main time, then byoyomi (the same time
// for every move once the main time is used up) and an increment (added to
// the main time after each move). All zero is none: the clocks then only
// count the time each side has spent.
#pragma once

#include <string>

namespace kumora {

struct TimeControl {
  int main_seconds = 0;
  int byoyomi_seconds = 0;
  int increment_seconds = 0;

  bool none() const { return main_seconds == 0 && byoyomi_seconds == 0 && increment_seconds == 0; }
  bool operator==(const TimeControl&) const = default;
};

// Ten hours: the clocks show hours with two digits.
constexpr int TIME_CONTROL_MAX_SECONDS = 36000;

// None, or some time to make the first move in (main time or byoyomi), each
// part 0..TIME_CONTROL_MAX_SECONDS.
bool valid_time_control(const TimeControl& control);

// The control as a kept game's title names it, the same in both languages:
// "持ち時間5分 秒読み10秒", "持ち時間3分 加算5秒", "秒読み30秒"; empty for none.
std::string time_control_title(const TimeControl& control);

// The control a text names, exactly as time_control_title writes it;
// false for any other text.
bool parse_time_control_title(const std::string& text, TimeControl& control);

// Where, in a longer title, the control's title begins: the first of its
// words after a blank; std::string::npos when there is none.
size_t find_time_control_title(const std::string& title);

// The control in words, in the chosen language: "持ち時間5分 秒読み10秒"; empty
// for none.
std::string time_control_caption(const TimeControl& control);

// "300 10 0" for a settings file, and back; false for any other text.
std::string time_control_numbers(const TimeControl& control);
bool parse_time_control_numbers(const std::string& text, TimeControl& control);

}  // namespace kumora
