#include "core/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>

namespace kumora {

namespace {

constexpr const char* TEMPORARY_MARK = ".tmp-";
constexpr int NAME_ATTEMPTS = 100;
constexpr time_t STALE_SECONDS = 60 * 60;  // no save takes anywhere near an hour

std::string folder_of(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string extension_of(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool all_digits(const std::string& text) {
  return !text.empty() && text.size() <= 9 &&
         text.find_first_not_of("0123456789") == std::string::npos;
}

bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The process id in a temporary file name "NAME.tmp-PID[-N]" whose NAME is
// the target's or ends with its extension; 0 when the name is not of that form.
pid_t temporary_owner(const std::string& name, const std::string& target) {
  const size_t mark = name.rfind(TEMPORARY_MARK);
  if (mark == std::string::npos) return 0;
  const std::string stem = name.substr(0, mark);
  const std::string extension = extension_of(target);
  if (stem != target && (extension.empty() || !ends_with(stem, extension))) return 0;
  const std::string rest = name.substr(mark + std::strlen(TEMPORARY_MARK));
  const size_t dash = rest.find('-');
  const std::string pid = rest.substr(0, dash);
  if (!all_digits(pid) || (dash != std::string::npos && !all_digits(rest.substr(dash + 1)))) {
    return 0;
  }
  return static_cast<pid_t>(std::stol(pid));
}

bool process_running(pid_t pid) { return kill(pid, 0) == 0 || errno == EPERM; }

// A file, or a link, of ours left behind: its process ended, or it is old.
bool is_stale(const std::string& path, pid_t owner) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return false;
  if (!S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode)) return false;
  return !process_running(owner) || std::time(nullptr) - info.st_mtime > STALE_SECONDS;
}

// Creates the temporary file, exclusively and without following a link;
// answers its descriptor (or -1 with errno set) and its name in `temporary`.
int create_temporary(const std::string& path, mode_t mode, std::string& temporary) {
  const std::string stem = path + TEMPORARY_MARK + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
    temporary = stem + std::to_string(attempt);
    const int fd =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;  // errno is EEXIST
}

bool write_all(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t count = write(fd, bytes.data() + done, bytes.size() - done);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    done += static_cast<size_t>(count);
  }
  return true;
}

// What stands at the path to be replaced.
enum class Replaced { NOTHING, REGULAR_FILE, LINK, OTHER };

Replaced replaced_kind(const std::string& path, struct stat& info) {
  if (lstat(path.c_str(), &info) != 0) return Replaced::NOTHING;
  if (S_ISREG(info.st_mode)) return Replaced::REGULAR_FILE;
  return S_ISLNK(info.st_mode) ? Replaced::LINK : Replaced::OTHER;
}

// The new file gets the permissions of the regular file it replaces. In
// place of anything else (a link is replaced itself, never what it points
// to; a named pipe is never opened) it keeps the usual ones less the umask,
// as created.
bool keep_permissions(int fd, Replaced kind, const struct stat& old) {
  if (kind != Replaced::REGULAR_FILE) return true;
  return fchmod(fd, old.st_mode & 07777) == 0;
}

// Makes the rename itself survive a power cut; a folder that cannot be
// synced changes nothing of the result.
void sync_folder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

void remove_stale_temporaries(const std::string& path) {
  const std::string folder = folder_of(path);
  const std::string target = name_of(path);
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    const pid_t owner = temporary_owner(name, target);
    const std::string file = folder + "/" + name;
    if (owner > 0 && is_stale(file, owner)) unlink(file.c_str());
  }
  closedir(dir);
}

bool replace_file_atomically(const std::string& path, const std::string& bytes,
                             std::string& error) {
  struct stat old {};
  const Replaced kind = replaced_kind(path, old);
  remove_stale_temporaries(path);
  std::string temporary;
  const int fd = create_temporary(path, 0666, temporary);
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  bool ok = keep_permissions(fd, kind, old) && write_all(fd, bytes) && fsync(fd) == 0;
  int failure = errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    failure = errno;
  }
  if (ok && rename(temporary.c_str(), path.c_str()) != 0) {
    ok = false;
    failure = errno;
  }
  if (!ok) {
    unlink(temporary.c_str());
    error = std::strerror(failure);
    return false;
  }
  sync_folder(folder_of(path));
  return true;
}

}  // namespace kumora
