#include "core/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/translation.h"

namespace kumora {

namespace {

FileRead failed(int error) {
  const bool missing = error == ENOENT || error == ENOTDIR;
  return {missing ? ReadStatus::Missing : ReadStatus::Failed, std::strerror(error)};
}

// Reads at most max_bytes + 1 bytes, so that a file grown past the limit
// since fstat is still caught.
FileRead read_limited(int fd, size_t max_bytes, std::string& bytes) {
  char buffer[65536];
  while (true) {
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return failed(errno);
    if (count == 0) return {ReadStatus::Read, {}};
    bytes.append(buffer, static_cast<size_t>(count));
    if (bytes.size() > max_bytes) return {ReadStatus::TooLarge, {}};
  }
}

FileRead read_open_file(int fd, size_t max_bytes, std::string& bytes) {
  struct stat info {};
  if (fstat(fd, &info) != 0) return failed(errno);
  if (!S_ISREG(info.st_mode)) return {ReadStatus::NotRegular, {}};
  if (static_cast<unsigned long long>(info.st_size) > max_bytes) return {ReadStatus::TooLarge, {}};
  return read_limited(fd, max_bytes, bytes);
}

}  // namespace

FileRead read_regular_file(const std::string& path, size_t max_bytes, std::string& bytes) {
  bytes.clear();
  // Without O_NONBLOCK opening a named pipe would wait for a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return failed(errno);
  FileRead result = read_open_file(fd, max_bytes, bytes);
  close(fd);
  if (!result.ok()) bytes.clear();
  return result;
}

std::string read_failure_reason(const FileRead& read, const std::string& kind) {
  switch (read.status) {
    case ReadStatus::NotRegular:
      return tr_text("File", "通常のﾌｧｲﾙではありません");
    case ReadStatus::TooLarge:
      return fill_in(tr_text("File", "%1としては大きすぎます"), {kind});
    default:
      return read.system_error;
  }
}

}  // namespace kumora
