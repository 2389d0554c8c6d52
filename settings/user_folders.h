// The folders of the user's own that the program keeps its files in.
#pragma once

#include <string>

namespace kumora {

// "$XDG_DATA_HOME/kumora-shogi", or "~/.local/share/kumora-shogi" when the
// variable is unset or not an absolute path.
std::string user_data_folder();

// "$XDG_CONFIG_HOME/kumora-shogi", or "~/.config/kumora-shogi": where the
// window keeps what it remembers between runs.
std::string user_config_folder();

// The path with the home folder written as "~", as a person reads it.
std::string shown_path(const std::string& path);

// Creates a folder and the folders above it; false (with the reason) when it
// cannot be made or is not a folder.
bool make_folder(const std::string& path, std::string& error);

}  // namespace kumora
