// Reading a whole file that the program did not write itself, safely: only a
// regular file (a named pipe, a device or a folder in its place is refused
// without blocking), and only up to a size fitting what it should hold.
#pragma once

#include <cstddef>
#include <string>

namespace kumora {

// Sizes a file read in one piece may have.
constexpr size_t SETTINGS_FILE_MAX_BYTES = 4 * 1024;       // four short lines
constexpr size_t RECORD_FILE_MAX_BYTES = 1024 * 1024;      // 500 lines of 37 characters
constexpr size_t SOUND_FILE_MAX_BYTES = 16 * 1024 * 1024;  // a few seconds of sound

enum class ReadStatus {
  Read,        // the whole file is in `bytes`
  Missing,     // no such file
  NotRegular,  // a folder, a named pipe, a device...
  TooLarge,    // more than the size allowed
  Failed,      // the system refused; system_error says why
};

struct FileRead {
  ReadStatus status = ReadStatus::Failed;
  std::string system_error;  // the system's text for Missing and Failed
  bool ok() const { return status == ReadStatus::Read; }
};

// Reads the file at `path` (a symbolic link is followed, then checked) whole
// into `bytes`, which is left empty unless the read succeeds.
FileRead read_regular_file(const std::string& path, size_t max_bytes, std::string& bytes);

// Why a read failed, as a message line in the chosen language: "通常のﾌｧｲﾙではありません",
// "%1としては大きすぎます" with `kind` (the file's kind as shown, "棋譜ﾌｧｲﾙ"), or
// the system's text.
std::string read_failure_reason(const FileRead& read, const std::string& kind);

}  // namespace kumora
