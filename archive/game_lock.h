// A kept game held by one running program: two programs that resume the
// same game, or start one in the same second, never write the same file.
// The lock is a file of the game's name in the hidden folder ".locks" of the
// archive, locked with flock; it is let go when the program ends, however.
#pragma once

#include <string>

namespace kumora {

class GameLock {
 public:
  enum class Outcome {
    TAKEN,       // this program holds the game now
    HELD,        // another program holds it
    UNAVAILABLE  // no lock can be made here (the folder is not writable...)
  };

  GameLock() = default;
  ~GameLock() { release(); }
  GameLock(const GameLock&) = delete;
  GameLock& operator=(const GameLock&) = delete;

  // Takes the game `name` of the archive `folder`, letting go of the one
  // held before.
  Outcome take(const std::string& folder, const std::string& name);
  void release();
  const std::string& name() const { return name_; }

 private:
  int fd_ = -1;
  std::string path_;
  std::string name_;
};

}  // namespace kumora
