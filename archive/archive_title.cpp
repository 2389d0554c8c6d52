#include "archive/archive_title.h"

namespace kumora {

namespace {
const std::string COM_TITLE = "ＣＯＭ対局 LEVEL";
const std::string TWO_PERSON_TITLE = "人間対局";
}  // namespace

std::string archive_title(const ArchivedGameKind& kind) {
  if (!kind.vs_com) return TWO_PERSON_TITLE;
  return COM_TITLE + std::to_string(kind.level);
}

bool parse_archive_title(const std::string& title, ArchivedGameKind& kind) {
  if (title == TWO_PERSON_TITLE) {
    kind = ArchivedGameKind{};
    return true;
  }
  if (title.size() != COM_TITLE.size() + 1 || title.compare(0, COM_TITLE.size(), COM_TITLE) != 0) {
    return false;
  }
  const char digit = title.back();
  if (digit < '1' || digit > '9') return false;
  kind.vs_com = true;
  kind.level = digit - '0';
  return true;
}

}  // namespace kumora
