// Reading a kept game: what kind of game its title says it was, and its
// moves played from the position that kind starts from (the even position,
// or the position of its handicap grade).
#pragma once

#include <string>

#include "archive/archive_title.h"
#include "kifu/record_file.h"

namespace kumora {

// The position a kept game of this kind starts from.
Board kept_game_start(const ArchivedGameKind& kind);

// False when the file is no kept game (its title is not one the archive
// writes) or its moves do not replay; `outcome` then says why when it can.
bool read_kept_game(const std::string& path, RecordFileContents& contents, ArchivedGameKind& kind,
                    LoadOutcome& outcome);

// Whether a file's bytes are a record as the program writes them: every line
// ended by CR LF, at least one move, and the moves replaying from the
// position a kept game's title names, or else from the initial position.
bool reads_as_written_record(const std::string& bytes);

}  // namespace kumora
