// Code page 932 and UTF-8: the program's one place for converting text
// between the files it keeps (code page 932) and what it shows (UTF-8).
#pragma once

#include <string>

namespace kumora {

// UTF-8 to code page 932; false when a character has no code page 932 form
// (also for the few characters iconv would map silently to something else).
bool utf8_to_cp932(const std::string& utf8, std::string& cp932);

// Code page 932 to UTF-8; false on a byte sequence that is not code page 932.
bool cp932_to_utf8(const std::string& cp932, std::string& utf8);

// Code page 932 to UTF-8, a byte that starts no character becoming U+FFFD.
std::string cp932_to_utf8_replacing(const std::string& bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool is_valid_utf8(const std::string& bytes);

// Number of characters (code points) of a UTF-8 text.
int utf8_length(const std::string& text);

// The code points of a UTF-8 text, a byte that starts no character becoming U+FFFD.
std::u32string utf8_code_points(const std::string& utf8);

// A file or folder name's bytes as text to show: UTF-8 as it is, anything
// else (a name copied from a system that writes code page 932) as code page
// 932, a byte that starts no character becoming U+FFFD. To open the file the
// bytes themselves are used, never this text.
std::string file_name_text(const std::string& bytes);

// Text of unknown encoding, code page 932 or UTF-8, as UTF-8. Many short
// texts are valid in both ("ﾏｲ" in code page 932 is "ϲ" in UTF-8, "田中" in
// UTF-8 is "迚ｰ荳ｭ" in code page 932), so when both decodings exist the one
// that reads more like Japanese wins: kana, kanji, ASCII and full-width forms
// over rare scripts; on a tie code page 932, the program's own format.
std::string decode_japanese_text(const std::string& bytes);

}  // namespace kumora
