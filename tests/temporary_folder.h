// A fresh folder for one test, removed afterwards.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace kumora::testing {

class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kumora-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    if (!old_current_.empty()) std::filesystem::current_path(old_current_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // The names in the folder, sorted.
  std::vector<std::string> names() const {
    std::vector<std::string> found;
    for (const auto& item : std::filesystem::directory_iterator(path_)) {
      found.push_back(item.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    return found;
  }
  // Makes the folder the current directory until the folder is removed.
  void enter() {
    old_current_ = std::filesystem::current_path();
    std::filesystem::current_path(path_);
  }

 private:
  std::string path_;
  std::filesystem::path old_current_;
};

}  // namespace kumora::testing
