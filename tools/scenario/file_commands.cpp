// The scenario commands that prepare and show files as someone else than the
// program leaves them: links, named pipes, large files, many copies, times,
// and the listing of a folder. The file name a command ends with is the rest
// of its line, so that names may hold blanks.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "archive/played_order.h"
#include "tools/scenario/scenario_queries.h"

namespace kumora {

namespace {

namespace fs = std::filesystem;

// The rest of the line after its first `words` words.
std::string rest_after(const std::string& line, int words) {
  size_t at = line.find_first_not_of(" \t");
  for (int word = 0; word < words && at != std::string::npos; ++word) {
    at = line.find_first_of(" \t", at);
    if (at != std::string::npos) at = line.find_first_not_of(" \t", at);
  }
  return at == std::string::npos ? std::string() : line.substr(at);
}

long long whole_number(const std::string& word) {
  try {
    size_t used = 0;
    const long long value = std::stoll(word, &used);
    return used == word.size() ? value : -1;
  } catch (...) {
    return -1;
  }
}

void report(std::ostream& out, bool done, const std::string& what) {
  if (!done) out << "error cannot " << what << "\n";
}

void make_copies(const std::vector<std::string>& words, const std::string& line,
                 std::ostream& out) {
  const long long count = whole_number(words[1]);
  const std::string prefix = rest_after(line, 3);
  std::error_code error;
  struct stat source {};
  bool done = count > 0 && !prefix.empty() && stat(words[2].c_str(), &source) == 0;
  // Into a folder made when missing.
  if (done && fs::path(prefix).has_parent_path()) {
    fs::create_directories(fs::path(prefix).parent_path(), error);
  }
  for (long long i = 1; done && i <= count; ++i) {
    char number[32];
    std::snprintf(number, sizeof number, " %03lld.棋譜", i);
    const std::string copy = prefix + number;
    // Each copy with the source's time.
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    done = fs::copy_file(words[2], copy, fs::copy_options::overwrite_existing, error) &&
           utimensat(AT_FDCWD, copy.c_str(), times, 0) == 0;
  }
  report(out, done, "copy " + words[2]);
}

void set_time(const std::vector<std::string>& words, const std::string& line, std::ostream& out) {
  const std::time_t time = timestamp_time(words[1] + " " + words[2]);
  const std::string name = rest_after(line, 3);
  const struct timespec times[2] = {{time, 0}, {time, 0}};
  report(out, time > 0 && utimensat(AT_FDCWD, name.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0,
         "touch " + name);
}

void make_sized(const std::vector<std::string>& words, const std::string& line, std::ostream& out) {
  const long long bytes = whole_number(words[1]);
  const std::string name = rest_after(line, 2);
  const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const bool done = bytes >= 0 && fd >= 0 && ftruncate(fd, bytes) == 0;
  if (fd >= 0) close(fd);
  report(out, done, "make " + name);
}

// "file NAME N bytes", "link NAME -> TARGET", "pipe NAME", "folder NAME".
std::string kind_of(const fs::directory_entry& entry) {
  std::error_code error;
  const fs::file_status status = entry.symlink_status(error);
  const std::string name = entry.path().filename().string();
  if (fs::is_symlink(status)) {
    return "link " + name + " -> " + fs::read_symlink(entry.path(), error).string();
  }
  if (fs::is_regular_file(status)) {
    return "file " + name + " " + std::to_string(entry.file_size(error)) + " bytes";
  }
  if (fs::is_fifo(status)) return "pipe " + name;
  if (fs::is_directory(status)) return "folder " + name;
  return "other " + name;
}

void list_folder(const std::string& folder, std::ostream& out) {
  std::vector<std::string> lines;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    lines.push_back(kind_of(*it));
  }
  if (error) out << "error cannot list " << folder << "\n";
  std::sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    return a.substr(a.find(' ')) < b.substr(b.find(' '));
  });
  for (const std::string& line : lines) out << line << "\n";
}

}  // namespace

bool run_file_command(const std::vector<std::string>& words, const std::string& line,
                      std::ostream& out) {
  const std::string& command = words[0];
  if (command == "link" && words.size() >= 3) {
    std::error_code error;
    fs::create_symlink(words[1], rest_after(line, 2), error);
    report(out, !error, "link " + rest_after(line, 2));
  } else if (command == "fifo" && words.size() >= 2) {
    report(out, mkfifo(rest_after(line, 1).c_str(), 0644) == 0, "make " + rest_after(line, 1));
  } else if (command == "sized" && words.size() >= 3) {
    make_sized(words, line, out);
  } else if (command == "copies" && words.size() >= 4) {
    make_copies(words, line, out);
  } else if (command == "touch" && words.size() >= 4) {
    set_time(words, line, out);
  } else if (command == "ls" && words.size() >= 2) {
    list_folder(rest_after(line, 1), out);
  } else if (command == "stat" && words.size() >= 2) {
    const fs::directory_entry entry(rest_after(line, 1));
    std::error_code error;
    out << (entry.exists(error) || entry.is_symlink(error) ? kind_of(entry)
                                                           : "none " + rest_after(line, 1))
        << "\n";
  } else {
    return false;
  }
  return true;
}

}  // namespace kumora
