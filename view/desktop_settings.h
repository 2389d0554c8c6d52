// What the window remembers in the desktop's settings folder
// ($XDG_CONFIG_HOME/kumora-shogi/): its size and place and the side panel.
// Kumora.ini keeps only the game's four options.
#pragma once

#include <QByteArray>
#include <QSettings>

namespace kumora {

class DesktopSettings {
 public:
  DesktopSettings();

  QByteArray window_geometry() const;
  void set_window_geometry(const QByteArray& geometry);
  bool side_panel_shown() const;
  void set_side_panel_shown(bool shown);

 private:
  QSettings settings_;
};

}  // namespace kumora
