// What the window remembers in the desktop's settings folder
// ($XDG_CONFIG_HOME/kumora-shogi/): its size and place, the side panel and
// the language. Kumora.ini keeps only the game's four options.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <optional>

#include "core/translation.h"

namespace kumora {

class DesktopSettings {
 public:
  DesktopSettings();

  QByteArray window_geometry() const;
  void set_window_geometry(const QByteArray& geometry);
  bool side_panel_shown() const;
  void set_side_panel_shown(bool shown);
  // Japanese until another language is chosen.
  Language language() const;
  void set_language(Language language);

 private:
  QSettings settings_;
};

// The language a start shows: the one asked for on the command line, else
// the one remembered.
Language start_language(std::optional<Language> asked);

}  // namespace kumora
