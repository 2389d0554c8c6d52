#include "net/close_reason.h"

#include "core/translation.h"

namespace kumora {

namespace {

struct ReasonText {
  CloseReason reason;
  const char* word;
  const char* found_here;  // what this side found wrong
};

// One row for each reason, in the enum's order.
constexpr ReasonText REASONS[] = {
    {CloseReason::CODE, "code", tr_noop("Network", "対局コードが違います")},
    {CloseReason::MALFORMED, "malformed",
     tr_noop("Network", "相手から形式の正しくない行が届きました")},
    {CloseReason::OVERSIZED, "oversized", tr_noop("Network", "相手から長すぎる行が届きました")},
    {CloseReason::MAC, "mac", tr_noop("Network", "相手から認証できない行が届きました")},
    {CloseReason::SEQUENCE, "sequence", tr_noop("Network", "相手から順番の飛んだ行が届きました")},
    {CloseReason::REPLAY, "replay", tr_noop("Network", "相手から既に届いた行が再び届きました")},
    {CloseReason::TURN, "turn", tr_noop("Network", "相手が手番でないのに指しました")},
    {CloseReason::ILLEGAL, "illegal", tr_noop("Network", "相手から指せない手が届きました")},
    {CloseReason::TIMEOUT, "timeout", tr_noop("Network", "相手から応答がありません")},
    {CloseReason::FLOOD, "flood", tr_noop("Network", "相手から多すぎるデータが届きました")},
    {CloseReason::PEER, "peer", tr_noop("Network", "相手が接続を終えました")},
    {CloseReason::VERSION, "version", tr_noop("Network", "相手のプログラムと通信の版が合いません")},
    {CloseReason::LOST, "lost", tr_noop("Network", "接続が切れました")},
    {CloseReason::UNREACHABLE, "unreachable", tr_noop("Network", "相手に接続できません")},
};

const ReasonText& row(CloseReason reason) { return REASONS[static_cast<int>(reason)]; }

}  // namespace

const char* reason_word(CloseReason reason) { return row(reason).word; }

bool reason_from_word(std::string_view word, CloseReason& reason) {
  for (const ReasonText& text : REASONS) {
    if (word == text.word) {
      reason = text.reason;
      return true;
    }
  }
  return false;
}

std::string close_message(CloseReason reason, bool by_peer) {
  const bool said_by_peer = by_peer && reason != CloseReason::PEER && reason != CloseReason::CODE &&
                            reason != CloseReason::VERSION;
  if (!said_by_peer) return tr_text("Network", row(reason).found_here);
  return fill_in(tr_text("Network", "相手がこちらからの行を拒んで接続を切りました（%1）"),
                 {reason_word(reason)});
}

std::string joins_stopped_message() {
  return tr_text("Network", "対局コードの誤りが続いたため、この招待での接続を受け付けません");
}

}  // namespace kumora
