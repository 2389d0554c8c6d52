#include "settings/user_folders.h"

#include <cstdlib>
#include <filesystem>

#include "core/translation.h"

namespace kumora {

namespace {

std::string absolute_variable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

// $VARIABLE/kumora-shogi, or else the folder under the home folder.
std::string program_folder(const char* variable, const char* under_home) {
  std::string base = absolute_variable(variable);
  if (base.empty()) {
    const std::string home = absolute_variable("HOME");
    base = (home.empty() ? std::string("/tmp") : home) + under_home;
  }
  return base + "/kumora-shogi";
}

}  // namespace

std::string user_data_folder() { return program_folder("XDG_DATA_HOME", "/.local/share"); }

std::string user_config_folder() { return program_folder("XDG_CONFIG_HOME", "/.config"); }

std::string shown_path(const std::string& path) {
  const std::string home = absolute_variable("HOME");
  if (home.size() > 1 && path.compare(0, home.size(), home) == 0 &&
      (path.size() == home.size() || path[home.size()] == '/')) {
    return "~" + path.substr(home.size());
  }
  return path;
}

bool make_folder(const std::string& path, std::string& error) {
  std::error_code code;
  std::filesystem::create_directories(path, code);
  if (!code && std::filesystem::is_directory(path, code)) return true;
  error = code ? code.message() : tr_text("File", "ﾌｫﾙﾀﾞではありません");
  return false;
}

}  // namespace kumora
