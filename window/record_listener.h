// Who hears of each change to the game's record.
#pragma once

namespace kumora {

// The main window passes the news on to the network game and the archive.
class RecordListener {
 public:
  // The game changed: a move was added to the record (the person's or the
  // computer's), taken back, or the board turned round.
  virtual void move_recorded() = 0;

 protected:
  ~RecordListener() = default;
};

}  // namespace kumora
