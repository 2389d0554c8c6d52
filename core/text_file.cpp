#include "core/text_file.h"

#include "core/atomic_file.h"
#include "core/code_page.h"
#include "core/file_read.h"
#include "core/translation.h"

namespace kumora {

std::vector<std::string> split_lines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

bool read_text_file(const std::string& path, TextFileLines& out) {
  std::string bytes;
  if (!read_regular_file(path, RECORD_FILE_MAX_BYTES, bytes).ok()) return false;
  out.lines.clear();
  out.every_line_crlf = true;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const bool has_lf = end != std::string::npos;
    if (!has_lf) end = bytes.size();
    std::string raw = bytes.substr(start, end - start);
    const bool has_cr = !raw.empty() && raw.back() == '\r';
    if (has_cr) raw.pop_back();
    if (!(has_lf && has_cr)) out.every_line_crlf = false;
    std::string utf8;
    if (!cp932_to_utf8(raw, utf8)) utf8 = raw;
    out.lines.push_back(utf8);
    start = end + 1;
  }
  return true;
}

bool cp932_text(const std::vector<std::string>& lines, std::string& bytes) {
  bytes.clear();
  for (const std::string& line : lines) {
    std::string cp932;
    if (!utf8_to_cp932(line, cp932)) return false;
    bytes += cp932;
    bytes += "\r\n";
  }
  return true;
}

bool write_text_file_atomic(const std::string& path, const std::vector<std::string>& lines,
                            std::string& error) {
  std::string content;
  if (!cp932_text(lines, content)) {
    error = tr_text("File", "ﾌｧｲﾙに書き込めない文字があります");
    return false;
  }
  return replace_file_atomically(path, content, error);
}

}  // namespace kumora
