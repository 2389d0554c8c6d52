#include "app/working_folder.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "settings/user_folders.h"

namespace kumora {

bool enter_working_folder(const std::string& folder, std::string& error) {
  if (!make_folder(folder, error)) return false;
  // Kumora.ini and the records are written there: a folder only to look at
  // would lose every save.
  if (access(folder.c_str(), W_OK | X_OK) != 0) {
    error = std::strerror(errno);
    return false;
  }
  std::error_code code;
  std::filesystem::current_path(folder, code);
  if (code) {
    error = code.message();
    return false;
  }
  return true;
}

}  // namespace kumora
