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

Language DesktopSettings::language() const {
  Language language = Language::JAPANESE;
  language_from_code(settings_.value("language").toString().toStdString(), language);
  return language;
}

void DesktopSettings::set_language(Language language) {
  settings_.setValue("language", language_code(language));
  settings_.sync();
}

Language start_language(std::optional<Language> asked) {
  return asked ? *asked : DesktopSettings().language();
}

}  // namespace kumora
