#include "window/file_panel.h"

#include "kifu/record_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kumora {

namespace {

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool is_user_mount(const std::string& point, const std::string& type) {
  static const char* const SYSTEM_TYPES[] = {
      "proc", "sysfs", "devtmpfs", "devpts", "tmpfs", "cgroup", "cgroup2", "securityfs",
      "pstore", "bpf", "debugfs", "tracefs", "mqueue", "hugetlbfs", "configfs", "fusectl",
      "autofs", "binfmt_misc", "overlay", "nsfs", "rpc_pipefs", "efivarfs", "ramfs"};
  for (const char* system : SYSTEM_TYPES) {
    if (type == system) return false;
  }
  return point.rfind("/proc", 0) != 0 && point.rfind("/sys", 0) != 0 &&
         point.rfind("/dev", 0) != 0 && point.rfind("/run/user", 0) != 0;
}

}  // namespace

std::vector<std::string> list_record_files(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code type_error;
    if (ends_with(name, RECORD_FILE_EXTENSION) && it->is_regular_file(type_error)) {
      names.push_back(name);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> list_drives() {
  std::vector<std::string> drives = {"/"};
  std::ifstream mounts("/proc/self/mounts");
  std::string line;
  while (std::getline(mounts, line)) {
    std::istringstream fields(line);
    std::string device, point, type;
    if (!(fields >> device >> point >> type)) continue;
    if (point == "/" || !is_user_mount(point, type)) continue;
    if (std::find(drives.begin(), drives.end(), point) == drives.end()) drives.push_back(point);
  }
  return drives;
}

}  // namespace kumora
