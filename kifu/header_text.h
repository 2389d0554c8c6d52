// Header lines of a record file as text to show.
#pragma once

#include <string>

namespace kumora {

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool is_valid_utf8(const std::string& bytes);

// A header line's bytes as UTF-8. The program writes code page 932, but a
// file edited elsewhere may hold UTF-8. Japanese in UTF-8 often happens to be
// valid code page 932 as well ("田中" is), while Japanese in code page 932 is
// practically never valid UTF-8, so well-formed UTF-8 is taken as UTF-8 and
// everything else as code page 932, a byte that starts no character becoming
// U+FFFD.
std::string decode_header_line(const std::string& bytes);

// Number of characters (code points) of a UTF-8 text.
int utf8_length(const std::string& text);

}  // namespace kumora
