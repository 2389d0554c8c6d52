#include "archive/archive_title.h"

#include "settings/handicap.h"

namespace kumora {

namespace {
const std::string COM_TITLE = "ＣＯＭ対局 LEVEL";
const std::string TWO_PERSON_TITLE = "人間対局";
}  // namespace

std::string archive_title(const ArchivedGameKind& kind) {
  const std::string mode = kind.vs_com ? COM_TITLE + std::to_string(kind.level) : TWO_PERSON_TITLE;
  return kind.handicap ? mode + " " + japanese_caption(kind.handicap_grade) : mode;
}

namespace {

// The grade whose caption ends the title, cut off; false when none does.
bool cut_handicap(std::string& title, int& grade) {
  for (int g = LOWEST_GRADE; g <= HIGHEST_GRADE; ++g) {
    const std::string ending = " " + japanese_caption(g);
    if (title.size() > ending.size() &&
        title.compare(title.size() - ending.size(), ending.size(), ending) == 0) {
      title.resize(title.size() - ending.size());
      grade = g;
      return true;
    }
  }
  return false;
}

}  // namespace

bool parse_archive_title(const std::string& whole_title, ArchivedGameKind& kind) {
  std::string title = whole_title;
  kind = ArchivedGameKind{};
  kind.handicap = cut_handicap(title, kind.handicap_grade);
  if (title == TWO_PERSON_TITLE) return true;
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
