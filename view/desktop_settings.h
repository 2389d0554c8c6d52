// What the window remembers in the desktop's settings folder
// ($XDG_CONFIG_HOME/kumora-shogi/window.ini): its size and place, the side
// panel, the language, the computer's level last chosen and the time control
// for new games. Kumora.ini keeps only the game's four options.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "core/translation.h"
#include "settings/key_value_file.h"
#include "settings/time_control.h"

namespace kumora {

// Where the window stood: its inside's corner and size as it was when last
// neither maximised nor full screen, and whether it was maximised. The
// numbers are as read, whatever they are: the window fits them to a screen.
struct WindowPlace {
  int x = 0, y = 0, width = 0, height = 0;
  bool maximized = false;
};

class DesktopSettings {
 public:
  DesktopSettings();

  // None until a place was remembered (or when the file holds no numbers).
  std::optional<WindowPlace> window_place() const;
  void set_window_place(const WindowPlace& place);
  bool side_panel_shown() const;
  void set_side_panel_shown(bool shown);
  // The computer's move shown in about half a second (ｵﾌﾟｼｮﾝ); off until chosen.
  bool quick_com_moves() const;
  void set_quick_com_moves(bool quick);
  // Japanese until another language is chosen.
  Language language() const;
  void set_language(Language language);
  // The level last chosen on the menu; none until one was (or when the file
  // names no level the menu has).
  std::optional<int> level() const;
  void set_level(int level);
  // None (all zero) until one was chosen, or when the file's is not valid.
  TimeControl time_control() const;
  void set_time_control(const TimeControl& control);

 private:
  // The file cannot be written: the choice is kept for this run only.
  void set(const std::map<std::string, std::string>& values);

  KeyValueFile file_;
};

// The language a start shows: the one asked for on the command line, else
// the one remembered.
Language start_language(std::optional<Language> asked);

}  // namespace kumora
