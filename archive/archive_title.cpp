#include "archive/archive_title.h"

#include "core/levels.h"
#include "settings/handicap.h"

namespace kumora {

namespace {
const std::string COM_TITLE = "ＣＯＭ対局 LEVEL";
const std::string TWO_PERSON_TITLE = "人間対局";
const std::string TURNED_MARK = " 反転";
const std::string RESIGNED_MARK = " 投了";
const std::string TIME_MARK = " 時間切れ";
}  // namespace

std::string archive_title(const ArchivedGameKind& kind) {
  const std::string mode = kind.vs_com ? COM_TITLE + level_name(kind.level) : TWO_PERSON_TITLE;
  std::string title = kind.handicap ? mode + " " + japanese_caption(kind.handicap_grade) : mode;
  if (!kind.time_control.none()) title += " " + time_control_title(kind.time_control);
  if (kind.turned) title += TURNED_MARK;
  if (kind.ended == GameEnd::RESIGNED) title += RESIGNED_MARK;
  if (kind.ended == GameEnd::TIME_RAN_OUT) title += TIME_MARK;
  return title;
}

namespace {

// Cuts `ending` off the title; false when the title does not end so.
bool cut_ending(std::string& title, const std::string& ending) {
  if (title.size() <= ending.size() ||
      title.compare(title.size() - ending.size(), ending.size(), ending) != 0) {
    return false;
  }
  title.resize(title.size() - ending.size());
  return true;
}

// The grade whose caption ends the title, cut off; false when none does.
bool cut_handicap(std::string& title, int& grade) {
  for (int g = LOWEST_GRADE; g <= HIGHEST_GRADE; ++g) {
    if (cut_ending(title, " " + japanese_caption(g))) {
      grade = g;
      return true;
    }
  }
  return false;
}

// The time control that ends the title, cut off; false when none does.
bool cut_time_control(std::string& title, TimeControl& control) {
  const size_t at = find_time_control_title(title);
  if (at == std::string::npos || !parse_time_control_title(title.substr(at), control)) {
    return false;
  }
  title.resize(at - 1);
  return true;
}

}  // namespace

bool parse_archive_title(const std::string& whole_title, ArchivedGameKind& kind) {
  std::string title = whole_title;
  kind = ArchivedGameKind{};
  if (cut_ending(title, RESIGNED_MARK)) {
    kind.ended = GameEnd::RESIGNED;
  } else if (cut_ending(title, TIME_MARK)) {
    kind.ended = GameEnd::TIME_RAN_OUT;
  }
  kind.turned = cut_ending(title, TURNED_MARK);
  cut_time_control(title, kind.time_control);
  kind.handicap = cut_handicap(title, kind.handicap_grade);
  if (title == TWO_PERSON_TITLE) return true;
  if (title.compare(0, COM_TITLE.size(), COM_TITLE) != 0) return false;
  const int level = level_named(title.substr(COM_TITLE.size()));
  if (level == 0) return false;
  kind.vs_com = true;
  kind.level = level;
  return true;
}

}  // namespace kumora
