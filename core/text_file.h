// Text files as the program keeps them: code page 932 with CR LF line ends.
#pragma once

#include <string>
#include <vector>

namespace kumora {

struct TextFileLines {
  std::vector<std::string> lines;  // UTF-8, line ends removed
  bool every_line_crlf = true;     // every line, the last included, ended with CR LF
};

// The lines of a text's bytes: split at LF, a CR before it dropped; a final
// line end starts no further line.
std::vector<std::string> split_lines(const std::string& bytes);

// The bytes of a text file holding the lines: each in code page 932 and ended
// by CR LF. False when a line has a character code page 932 cannot hold.
bool cp932_text(const std::vector<std::string>& lines, std::string& bytes);

// Reads a whole text file, a regular file no larger than a record file;
// false when it cannot be read.
bool read_text_file(const std::string& path, TextFileLines& out);

// Writes the lines in code page 932, each ended by CR LF, with
// replace_file_atomically. On failure the old file is left untouched and
// `error` says why.
bool write_text_file_atomic(const std::string& path, const std::vector<std::string>& lines,
                            std::string& error);

}  // namespace kumora
