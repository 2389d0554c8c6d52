#include "core/folder_files.h"

#include <filesystem>

namespace kumora {

std::vector<std::string> regular_files(const std::string& folder,
                                       const std::function<bool(const std::string&)>& wanted) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code type_error;
    if (wanted(name) && it->is_regular_file(type_error)) names.push_back(name);
  }
  return names;
}

}  // namespace kumora
