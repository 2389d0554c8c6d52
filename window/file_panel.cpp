#include "window/file_panel.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/code_page.h"
#include "core/folder_files.h"
#include "kifu/record_file.h"

namespace kumora {

namespace {

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool is_user_mount(const std::string& point, const std::string& type) {
  static const char* const SYSTEM_TYPES[] = {
      "proc",    "sysfs",      "devtmpfs",   "devpts",   "tmpfs",   "cgroup",
      "cgroup2", "securityfs", "pstore",     "bpf",      "debugfs", "tracefs",
      "mqueue",  "hugetlbfs",  "configfs",   "fusectl",  "autofs",  "binfmt_misc",
      "overlay", "nsfs",       "rpc_pipefs", "efivarfs", "ramfs"};
  for (const char* system : SYSTEM_TYPES) {
    if (type == system) return false;
  }
  return point.rfind("/proc", 0) != 0 && point.rfind("/sys", 0) != 0 &&
         point.rfind("/dev", 0) != 0 && point.rfind("/run/user", 0) != 0;
}

bool is_octal_digit(char c) { return c >= '0' && c <= '7'; }

// A field of the mounts table: the kernel writes a blank, a tab, a line feed
// and a backslash as a backslash and three octal digits.
std::string unescaped(const std::string& field) {
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && is_octal_digit(field[i + 1]) &&
        is_octal_digit(field[i + 2]) && is_octal_digit(field[i + 3])) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                               (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> list_record_files(const std::string& folder) {
  std::vector<std::string> names = regular_files(folder, [](const std::string& name) {
    return ends_with(file_name_text(name), RECORD_FILE_EXTENSION);
  });
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> user_mount_points(const std::string& mounts) {
  std::vector<std::string> points;
  std::istringstream lines(mounts);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, point, type;
    if (!(fields >> device >> point >> type)) continue;
    point = unescaped(point);
    if (point == "/" || !is_user_mount(point, type)) continue;
    if (std::find(points.begin(), points.end(), point) == points.end()) points.push_back(point);
  }
  return points;
}

std::vector<std::string> list_drives() {
  std::ifstream file("/proc/self/mounts");
  std::ostringstream mounts;
  mounts << file.rdbuf();
  std::vector<std::string> drives = {"/"};
  for (const std::string& point : user_mount_points(mounts.str())) drives.push_back(point);
  return drives;
}

}  // namespace kumora
