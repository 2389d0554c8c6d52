// What the window remembers in the desktop's settings folder
// ($XDG_CONFIG_HOME/kumora-shogi/window.ini): its size and place, the side
// panel and the language. Kumora.ini keeps only the game's four options.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "core/translation.h"
#include "settings/key_value_file.h"

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
  // Japanese until another language is chosen.
  Language language() const;
  void set_language(Language language);

 private:
  // The file cannot be written: the choice is kept for this run only.
  void set(const std::map<std::string, std::string>& values);

  KeyValueFile file_;
};

// The language a start shows: the one asked for on the command line, else
// the one remembered.
Language start_language(std::optional<Language> asked);

}  // namespace kumora
