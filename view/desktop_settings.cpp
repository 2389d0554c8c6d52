#include "view/desktop_settings.h"

namespace kumora {

DesktopSettings::DesktopSettings()
    : settings_(QSettings::IniFormat, QSettings::UserScope, "kumora-shogi", "window") {}

QByteArray DesktopSettings::window_geometry() const {
  return settings_.value("geometry").toByteArray();
}

void DesktopSettings::set_window_geometry(const QByteArray& geometry) {
  settings_.setValue("geometry", geometry);
  settings_.sync();
}

bool DesktopSettings::side_panel_shown() const {
  return settings_.value("side_panel", true).toBool();
}

void DesktopSettings::set_side_panel_shown(bool shown) {
  settings_.setValue("side_panel", shown);
  settings_.sync();
}

}  // namespace kumora
