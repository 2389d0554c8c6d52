// What the program needs of a sound device: the port the window's logic
// plays its sounds through, and the sound glue implements on the sound
// library. Its own folder, so that both sides use it without seeing each other.
#pragma once

#include <string>

namespace kumora {

// The sound library's device and buffers, looked up by file name.
class SoundPort {
 public:
  virtual ~SoundPort() = default;
  // Opens the sound device; false when no device could be created.
  virtual bool initialize() = 0;
  // Loads a .wav file of the current directory; 0 when there is no device or no
  // such file. A read failure returns 0 and sets `error` to the whole warning
  // to show (what could not be read, the file, the system's reason).
  virtual int load_wave(const std::string& file, int flags, std::string& error) = 0;
  virtual void play(int buffer) = 0;
  virtual void play_looping(int buffer) = 0;
  virtual void stop(int buffer) = 0;
  virtual void free(int buffer) = 0;
  // Shuts the device down (when one was opened).
  virtual void terminate() = 0;
};

}  // namespace kumora
