#include "net/message.h"

#include "net/words.h"

namespace kumora {

namespace {

constexpr int MAX_WORDS = 2 + KEYS_PER_LINE;

struct KindName {
  MessageKind kind;
  const char* name;
};

constexpr KindName KIND_NAMES[] = {
    {MessageKind::SETUP, "setup"},
    {MessageKind::GAME, "game"},
    {MessageKind::KEYS, "keys"},
    {MessageKind::MOVE, "move"},
    {MessageKind::RESIGN, "resign"},
    {MessageKind::TAKEBACK, "takeback"},
    {MessageKind::TAKEBACK_YES, "takeback-yes"},
    {MessageKind::TAKEBACK_NO, "takeback-no"},
    {MessageKind::CLOCK, "clock"},
    {MessageKind::PING, "ping"},
    {MessageKind::BYE, "bye"},
};

const char* kind_name(MessageKind kind) { return KIND_NAMES[static_cast<int>(kind)].name; }

bool kind_of_name(std::string_view name, MessageKind& kind) {
  for (const KindName& entry : KIND_NAMES) {
    if (name == entry.name) {
      kind = entry.kind;
      return true;
    }
  }
  return false;
}

const char* side_word(NetSide side) { return side == NetSide::SENTE ? "sente" : "gote"; }

bool parse_side(std::string_view word, NetSide& side) {
  if (word != "sente" && word != "gote") return false;
  side = word == "sente" ? NetSide::SENTE : NetSide::GOTE;
  return true;
}

// The reasons a side gives when it closes on a line it refuses.
bool is_refusal_reason(CloseReason reason) {
  return reason != CloseReason::PEER && reason != CloseReason::LOST &&
         reason != CloseReason::UNREACHABLE;
}

std::string joined(std::initializer_list<int> numbers) {
  std::string text;
  for (int number : numbers) text += " " + std::to_string(number);
  return text;
}

std::string format_arguments(const Message& m) {
  switch (m.kind) {
    case MessageKind::SETUP:
      return std::string(" ") + side_word(m.side) +
             joined({m.time_control.main_seconds, m.time_control.byoyomi_seconds,
                     m.time_control.increment_seconds});
    case MessageKind::KEYS: {
      std::string text = joined({m.count});
      for (int i = 0; i < m.key_count; ++i) text += " " + format_key(m.keys[i]);
      return text;
    }
    case MessageKind::MOVE:
      return joined({m.move.from_x, m.move.from_y, m.move.to_x, m.move.to_y, m.move.moved,
                     m.move.placed, m.move.taken}) +
             " " + format_key(m.move.key_after);
    case MessageKind::CLOCK:
      return joined({m.clock.sente_ms, m.clock.gote_ms});
    case MessageKind::BYE:
      return m.reason == CloseReason::PEER ? "" : std::string(" ") + reason_word(m.reason);
    case MessageKind::PING:
      return "";
    default:  // GAME, RESIGN, TAKEBACK*
      return joined({m.count});
  }
}

// Reads numbers[i] from the words in order, each within its range.
struct Field {
  int* value;
  int low;
  int high;
};

bool parse_fields(const std::string_view* words, int count, std::initializer_list<Field> fields) {
  if (count != static_cast<int>(fields.size())) return false;
  for (const Field& field : fields) {
    if (!parse_number(*words++, field.low, field.high, *field.value)) return false;
  }
  return true;
}

bool parse_setup(const std::string_view* words, int count, Message& m) {
  TimeControl& tc = m.time_control;
  return count == 4 && parse_side(words[0], m.side) &&
         parse_fields(words + 1, 3,
                      {{&tc.main_seconds, 0, MAX_TIME_CONTROL_SECONDS},
                       {&tc.byoyomi_seconds, 0, MAX_TIME_CONTROL_SECONDS},
                       {&tc.increment_seconds, 0, MAX_TIME_CONTROL_SECONDS}});
}

bool parse_keys(const std::string_view* words, int count, Message& m) {
  m.key_count = count - 1;
  if (m.key_count < 1 || !parse_number(words[0], 1, MAX_GAME_MOVES - m.key_count + 1, m.count)) {
    return false;
  }
  for (int i = 0; i < m.key_count; ++i) {
    if (!parse_key(words[1 + i], m.keys[i])) return false;
  }
  return true;
}

bool parse_move(const std::string_view* words, int count, Message& m) {
  NetMove& move = m.move;
  return count == 8 && parse_key(words[7], move.key_after) &&
         parse_fields(words, 7,
                      {{&move.from_x, -1, 11},
                       {&move.from_y, 0, 9},
                       {&move.to_x, 1, 9},
                       {&move.to_y, 1, 9},
                       {&move.moved, -999, 999},
                       {&move.placed, -999, 999},
                       {&move.taken, -999, 999}});
}

bool parse_bye(const std::string_view* words, int count, Message& m) {
  if (count == 0) {
    m.reason = CloseReason::PEER;
    return true;
  }
  return count == 1 && reason_from_word(words[0], m.reason) && is_refusal_reason(m.reason);
}

bool parse_arguments(const std::string_view* words, int count, Message& m) {
  switch (m.kind) {
    case MessageKind::SETUP:
      return parse_setup(words, count, m);
    case MessageKind::GAME:
    case MessageKind::RESIGN:
      return parse_fields(words, count, {{&m.count, 0, MAX_GAME_MOVES}});
    case MessageKind::KEYS:
      return parse_keys(words, count, m);
    case MessageKind::MOVE:
      return parse_move(words, count, m);
    case MessageKind::TAKEBACK:
    case MessageKind::TAKEBACK_YES:
    case MessageKind::TAKEBACK_NO:
      return parse_fields(words, count, {{&m.count, 0, MAX_GAME_MOVES - 1}});
    case MessageKind::CLOCK:
      return parse_fields(
          words, count,
          {{&m.clock.sente_ms, 0, MAX_CLOCK_MS}, {&m.clock.gote_ms, 0, MAX_CLOCK_MS}});
    case MessageKind::PING:
      return count == 0;
    case MessageKind::BYE:
      return parse_bye(words, count, m);
  }
  return false;
}

}  // namespace

Message counted_message(MessageKind kind, int count) {
  Message message;
  message.kind = kind;
  message.count = count;
  return message;
}

Message setup_message(NetSide joiner_side, const TimeControl& time_control) {
  Message message = counted_message(MessageKind::SETUP);
  message.side = joiner_side;
  message.time_control = time_control;
  return message;
}

Message move_message(const NetMove& move) {
  Message message = counted_message(MessageKind::MOVE);
  message.move = move;
  return message;
}

Message clock_message(const ClockReport& clock) {
  Message message = counted_message(MessageKind::CLOCK);
  message.clock = clock;
  return message;
}

Message bye_message(CloseReason reason) {
  Message message = counted_message(MessageKind::BYE);
  message.reason = reason;
  return message;
}

std::string format_body(const Message& message) {
  return kind_name(message.kind) + format_arguments(message);
}

bool parse_body(std::string_view body, Message& message) {
  std::string_view words[MAX_WORDS];
  int count = 0;
  Message read;
  if (!split_words(body, words, MAX_WORDS, count) || !kind_of_name(words[0], read.kind) ||
      !parse_arguments(words + 1, count - 1, read)) {
    return false;
  }
  message = read;
  return true;
}

}  // namespace kumora
