// A small settings file of the program's own: "key=value" lines under a
// "[General]" line, read whole and written whole through the same safe path
// as every other file (a regular file of bounded size, never written through
// a link). What the window remembers between runs is kept in one.
#pragma once

#include <map>
#include <string>

namespace kumora {

// Far more than the few lines the program writes.
constexpr size_t KEY_VALUE_FILE_MAX_BYTES = 16 * 1024;

class KeyValueFile {
 public:
  // Reads the file at `path`. A file that cannot be read (missing, no
  // regular file, too large) reads as holding nothing.
  explicit KeyValueFile(std::string path);

  // The value of `key`, or `fallback` when the file has none.
  std::string value(const std::string& key, const std::string& fallback = {}) const;

  // Sets the values and writes the whole file, its folder made when missing.
  // Keys the program does not know are written back as they were read.
  // False, with the reason in `error`, when the file cannot be written.
  bool set(const std::map<std::string, std::string>& values, std::string& error);

 private:
  std::string path_;
  std::map<std::string, std::string> values_;
};

}  // namespace kumora
