#include "sound/sound_glue.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "sound/kumora_sound.h"

namespace kumora {

namespace {

bool is_regular_file(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Reads the whole file; on failure returns false with errno's value in `err`.
bool read_whole_file(int fd, std::vector<unsigned char>& out, int& err) {
  unsigned char chunk[65536];
  for (;;) {
    ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n > 0) {
      out.insert(out.end(), chunk, chunk + n);
    } else if (n == 0) {
      return true;
    } else if (errno != EINTR) {
      err = errno;
      return false;
    }
  }
}

}  // namespace

std::string find_sound_file(const std::string& name, const std::vector<std::string>& more_dirs) {
  if (is_regular_file(name)) return name;
  for (const std::string& dir : more_dirs) {
    if (dir.empty()) continue;
    std::string path = dir.back() == '/' ? dir + name : dir + "/" + name;
    if (is_regular_file(path)) return path;
  }
  return "";
}

SdlSoundPort::~SdlSoundPort() { terminate(); }

bool SdlSoundPort::initialize() {
  if (device_ == 0) device_ = dsInitialize(nullptr);
  return device_ != 0;
}

int SdlSoundPort::load_wave(const std::string& file, int flags, std::string& error) {
  error.clear();
  if (device_ == 0) return 0;
  const std::string found = find_sound_file(file, fallback_dirs_);
  int fd = ::open(found.empty() ? file.c_str() : found.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return 0;  // no such file: silently
    error = std::strerror(errno);
    return 0;
  }
  std::vector<unsigned char> image;
  int err = 0;
  bool ok = read_whole_file(fd, image, err);
  ::close(fd);
  if (!ok) {
    error = std::strerror(err);
    return 0;
  }
  return dsCreateDSB(device_, image.data(), image.size(), flags);
}

void SdlSoundPort::play(int buffer) { dsPlay(buffer); }
void SdlSoundPort::play_looping(int buffer) { dsPlayLooping(buffer); }
void SdlSoundPort::stop(int buffer) { dsStop(buffer); }
void SdlSoundPort::free(int buffer) { dsFree(buffer); }

void SdlSoundPort::terminate() {
  if (device_ != 0) dsTerminate(device_);
  device_ = 0;
}

}  // namespace kumora
