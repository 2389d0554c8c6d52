#include "view/desktop_settings.h"

#include <climits>
#include <cstdint>

#include "core/levels.h"
#include "settings/user_folders.h"

namespace kumora {

namespace {

const char* const PLACE_KEYS[] = {"x", "y", "width", "height"};

// A whole number that fits an int; none for any other text.
std::optional<int> whole_number(const std::string& text) {
  const size_t digits = text.size() - (text.rfind('-', 0) == 0 ? 1 : 0);
  if (digits == 0 || digits > 10) return std::nullopt;
  std::int64_t value = 0;
  for (size_t i = text.size() - digits; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  if (text[0] == '-') value = -value;
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

std::string yes_no(bool value) { return value ? "true" : "false"; }

}  // namespace

DesktopSettings::DesktopSettings() : file_(user_config_folder() + "/window.ini") {}

std::optional<WindowPlace> DesktopSettings::window_place() const {
  int numbers[4];
  for (int i = 0; i < 4; ++i) {
    const std::optional<int> number = whole_number(file_.value(PLACE_KEYS[i]));
    if (!number) return std::nullopt;
    numbers[i] = *number;
  }
  return WindowPlace{numbers[0], numbers[1], numbers[2], numbers[3],
                     file_.value("maximized") == "true"};
}

void DesktopSettings::set_window_place(const WindowPlace& place) {
  set({{"x", std::to_string(place.x)},
       {"y", std::to_string(place.y)},
       {"width", std::to_string(place.width)},
       {"height", std::to_string(place.height)},
       {"maximized", yes_no(place.maximized)}});
}

bool DesktopSettings::side_panel_shown() const {
  return file_.value("side_panel", "true") != "false";
}

void DesktopSettings::set_side_panel_shown(bool shown) { set({{"side_panel", yes_no(shown)}}); }

bool DesktopSettings::quick_com_moves() const { return file_.value("quick_com_moves") == "true"; }

void DesktopSettings::set_quick_com_moves(bool quick) { set({{"quick_com_moves", yes_no(quick)}}); }

Language DesktopSettings::language() const {
  Language language = Language::JAPANESE;
  language_from_code(file_.value("language"), language);
  return language;
}

void DesktopSettings::set_language(Language language) {
  set({{"language", language_code(language)}});
}

std::optional<int> DesktopSettings::level() const {
  const int level = level_named(file_.value("level"));
  if (level == 0) return std::nullopt;
  return level;
}

void DesktopSettings::set_level(int level) {
  if (is_known_level(level)) set({{"level", level_name(level)}});
}

TimeControl DesktopSettings::time_control() const {
  TimeControl control;
  parse_time_control_numbers(file_.value("time_control"), control);
  return control;
}

void DesktopSettings::set_time_control(const TimeControl& control) {
  set({{"time_control", time_control_numbers(control)}});
}

void DesktopSettings::set(const std::map<std::string, std::string>& values) {
  std::string error;
  file_.set(values, error);
}

Language start_language(std::optional<Language> asked) {
  return asked ? *asked : DesktopSettings().language();
}

}  // namespace kumora
