// The computer's search written the plain way: literal reach maps copied into
// local tables, one analysis per scored version, nothing kept between
// candidates.  It defines what com's search must answer, candidate by
// candidate.
#pragma once

#include "com/com_search.h"

namespace kumora::literal {

ComMove search_best_move(ComWorld& w, CandidateSink* sink, TurnTicker* ticker);

// The mate test through one coverage map per upper piece and hand kind.
bool lower_king_mated(ComWorld& w);

}  // namespace kumora::literal
