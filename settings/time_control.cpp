#include "settings/time_control.h"

#include <sstream>
#include <vector>

#include "core/translation.h"

namespace kumora {

namespace {

// The parts of a control and the word that names each, as titles write them.
struct Part {
  const char* title_word;
  const char* caption;  // translated, %1 the duration
  int TimeControl::*seconds;
};

const Part PARTS[] = {
    {"持ち時間", tr_noop("TimeControl", "持ち時間%1"), &TimeControl::main_seconds},
    {"秒読み", tr_noop("TimeControl", "秒読み%1"), &TimeControl::byoyomi_seconds},
    {"加算", tr_noop("TimeControl", "加算%1"), &TimeControl::increment_seconds},
};

const char* const MINUTES = "分";
const char* const SECONDS = "秒";

std::string japanese_duration(int seconds) {
  const int minutes = seconds / 60;
  const int rest = seconds % 60;
  std::string text;
  if (minutes > 0) text += std::to_string(minutes) + MINUTES;
  if (rest > 0 || minutes == 0) text += std::to_string(rest) + SECONDS;
  return text;
}

std::string translated_duration(int seconds) {
  const int minutes = seconds / 60;
  const int rest = seconds % 60;
  if (minutes == 0) return fill_in(tr_text("TimeControl", "%1秒"), {std::to_string(rest)});
  if (rest == 0) return fill_in(tr_text("TimeControl", "%1分"), {std::to_string(minutes)});
  return fill_in(tr_text("TimeControl", "%1分%2秒"),
                 {std::to_string(minutes), std::to_string(rest)});
}

// Reads digits at `at`, moving past them; false when there are none or too many.
bool read_number(const std::string& text, size_t& at, int& value) {
  const size_t start = at;
  value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 6) {
    value = value * 10 + (text[at] - '0');
    ++at;
  }
  return at > start && (at == text.size() || text[at] < '0' || text[at] > '9');
}

bool read_word(const std::string& text, size_t& at, const std::string& word) {
  if (text.compare(at, word.size(), word) != 0) return false;
  at += word.size();
  return true;
}

// A duration exactly as japanese_duration writes it.
bool parse_duration(const std::string& text, int& seconds) {
  size_t at = 0;
  int number = 0;
  if (!read_number(text, at, number)) return false;
  seconds = number;
  if (read_word(text, at, MINUTES)) {
    seconds = number * 60;
    int rest = 0;
    if (at < text.size() && !(read_number(text, at, rest) && read_word(text, at, SECONDS))) {
      return false;
    }
    seconds += rest;
  } else if (!read_word(text, at, SECONDS)) {
    return false;
  }
  return at == text.size() && japanese_duration(seconds) == text;
}

std::vector<std::string> words_of(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

}  // namespace

bool valid_time_control(const TimeControl& control) {
  for (const Part& part : PARTS) {
    const int seconds = control.*part.seconds;
    if (seconds < 0 || seconds > TIME_CONTROL_MAX_SECONDS) return false;
  }
  return control.none() || control.main_seconds > 0 || control.byoyomi_seconds > 0;
}

std::string time_control_title(const TimeControl& control) {
  std::string text;
  for (const Part& part : PARTS) {
    const int seconds = control.*part.seconds;
    if (seconds == 0) continue;
    if (!text.empty()) text += " ";
    text += part.title_word + japanese_duration(seconds);
  }
  return text;
}

bool parse_time_control_title(const std::string& text, TimeControl& control) {
  TimeControl read;
  const std::vector<std::string> words = words_of(text);
  size_t next_part = 0;
  for (const std::string& word : words) {
    bool known = false;
    for (; next_part < std::size(PARTS) && !known; ++next_part) {
      const std::string name = PARTS[next_part].title_word;
      if (word.compare(0, name.size(), name) != 0) continue;
      int seconds = 0;
      if (!parse_duration(word.substr(name.size()), seconds) || seconds == 0) return false;
      read.*PARTS[next_part].seconds = seconds;
      known = true;
    }
    if (!known) return false;
  }
  if (read.none() || !valid_time_control(read) || time_control_title(read) != text) return false;
  control = read;
  return true;
}

size_t find_time_control_title(const std::string& title) {
  size_t first = std::string::npos;
  for (const Part& part : PARTS) {
    const size_t at = title.find(std::string(" ") + part.title_word);
    if (at != std::string::npos && (first == std::string::npos || at < first)) first = at;
  }
  return first == std::string::npos ? first : first + 1;
}

std::string time_control_caption(const TimeControl& control) {
  std::string text;
  for (const Part& part : PARTS) {
    const int seconds = control.*part.seconds;
    if (seconds == 0) continue;
    if (!text.empty()) text += " ";
    text += fill_in(tr_text("TimeControl", part.caption), {translated_duration(seconds)});
  }
  return text;
}

std::string time_control_numbers(const TimeControl& control) {
  return std::to_string(control.main_seconds) + " " + std::to_string(control.byoyomi_seconds) +
         " " + std::to_string(control.increment_seconds);
}

bool parse_time_control_numbers(const std::string& text, TimeControl& control) {
  const std::vector<std::string> words = words_of(text);
  if (words.size() != 3) return false;
  int values[3];
  for (int i = 0; i < 3; ++i) {
    size_t at = 0;
    if (!read_number(words[i], at, values[i]) || at != words[i].size()) return false;
  }
  const TimeControl read{values[0], values[1], values[2]};
  if (!valid_time_control(read)) return false;
  control = read;
  return true;
}

}  // namespace kumora
