#include "archive/game_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kumora {

namespace {

constexpr int ATTEMPTS = 5;

// The regular file open on `fd` is the one the path names.
bool same_file(int fd, const std::string& path) {
  struct stat open {
  }, named{};
  return fstat(fd, &open) == 0 && S_ISREG(open.st_mode) && lstat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

GameLock::Outcome GameLock::take(const std::string& folder, const std::string& name) {
  release();
  const std::string locks = folder + "/.locks";
  if (mkdir(locks.c_str(), 0777) != 0 && errno != EEXIST) return Outcome::UNAVAILABLE;
  // A folder of its own, not a link to one elsewhere.
  struct stat info {};
  if (lstat(locks.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return Outcome::UNAVAILABLE;
  const std::string path = locks + "/" + name;
  for (int attempt = 0; attempt < ATTEMPTS; ++attempt) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) return Outcome::UNAVAILABLE;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const bool held = errno == EWOULDBLOCK;
      close(fd);
      return held ? Outcome::HELD : Outcome::UNAVAILABLE;
    }
    // The holder before may have removed the file between our open and our
    // lock: then the lock is on a file no one else will find; try again.
    if (same_file(fd, path)) {
      fd_ = fd;
      path_ = path;
      name_ = name;
      return Outcome::TAKEN;
    }
    close(fd);
  }
  return Outcome::UNAVAILABLE;
}

void GameLock::release() {
  if (fd_ < 0) return;
  // Removed while still locked, so that no one locks a file about to vanish.
  unlink(path_.c_str());
  close(fd_);
  fd_ = -1;
  path_.clear();
  name_.clear();
}

}  // namespace kumora
