#include "core/translation.h"

#include <atomic>

namespace kumora {

namespace {
// Set by the window's thread; read on the worker threads too.
std::atomic<TextLookup> installed_lookup{nullptr};
}  // namespace

std::string tr_text(const char* context, const char* source) {
  const TextLookup lookup = installed_lookup.load();
  return lookup ? lookup(context, source) : std::string(source);
}

std::string fill_in(std::string_view text, std::initializer_list<std::string_view> arguments) {
  std::string filled;
  filled.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const bool placeholder = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' &&
                             text[i + 1] <= '9' &&
                             static_cast<size_t>(text[i + 1] - '1') < arguments.size();
    if (!placeholder) {
      filled += text[i];
      continue;
    }
    filled += *(arguments.begin() + (text[i + 1] - '1'));
    ++i;
  }
  return filled;
}

void set_text_lookup(TextLookup lookup) { installed_lookup.store(lookup); }

bool language_from_code(std::string_view code, Language& language) {
  if (code == "ja") {
    language = Language::JAPANESE;
    return true;
  }
  if (code == "en") {
    language = Language::ENGLISH;
    return true;
  }
  return false;
}

const char* language_code(Language language) { return language == Language::ENGLISH ? "en" : "ja"; }

}  // namespace kumora
