// The texts a person reads are written in Japanese where they are used; in
// English the program shows their translations instead. Without a lookup
// installed every text is shown as it is written, so the libraries without
// Qt, and everything the Japanese interface shows, behave exactly as before.
//
// The texts are found by Qt's lupdate (translations/README.md): tr_text and
// tr_noop take a string literal for the context and one for the text, so
// that lupdate reads them as QCoreApplication::translate and
// QT_TRANSLATE_NOOP.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kumora {

// The text of `source` in the chosen language; `context` groups the texts by
// where they appear ("Game", "Record", "Menu", ...).
std::string tr_text(const char* context, const char* source);

// Marks a text of a table for translation; the table keeps the Japanese text
// and whoever shows it translates it with tr_text in the same context.
constexpr const char* tr_noop(const char* context, const char* source) {
  (void)context;
  return source;
}

// `text` with %1..%9 replaced by the arguments in order, so that a
// translation can place them where its language wants them. A % followed by
// anything else, or by a number without its argument, stays as it is.
std::string fill_in(std::string_view text, std::initializer_list<std::string_view> arguments);

// How a text is looked up: the translation of `source` in `context`, or
// `source` itself when there is none.
using TextLookup = std::string (*)(const char* context, const char* source);

// Installs the lookup tr_text uses; nullptr shows every text as written.
void set_text_lookup(TextLookup lookup);

// The languages of the interface. Japanese is the program's own and the
// default, whatever the system's language.
enum class Language { JAPANESE, ENGLISH };

// The language of a code as the command line and the settings write it,
// "ja" or "en"; false for any other text.
bool language_from_code(std::string_view code, Language& language);
const char* language_code(Language language);

}  // namespace kumora
