// Message boxes and the four sounds: loading them at start, playing them,
// and releasing them at the end.
#pragma once

#include <string>

#include "window/port/ports.h"

namespace kumora {

class Messages {
 public:
  Messages(Dialogs& dialogs, SoundPort& sound) : dialogs_(dialogs), sound_(sound) {}

  // An OK box with the plain look of the program's messages.
  void tell(const std::string& text, const std::string& title);
  bool ask_yes_no(const std::string& text, const std::string& title);
  // The refusal sound followed by a message.
  void refuse(const std::string& text, const std::string& title);
  // A warning of the sound library: exclamation icon, title "Kumora.dll".
  void warn(const std::string& text);

  // Opens the sound device and loads the four sounds.
  void load_sounds();
  // Frees the four sounds and shuts the sound library down.
  void release_sounds();

  void play_click() { sound_.play(snd_click_); }
  void play_forbid() { sound_.play(snd_forbid_); }
  void play_other() { sound_.play(snd_other_); }
  void start_music() { sound_.play_looping(snd_bgm_); }
  void stop_music() { sound_.stop(snd_bgm_); }

 private:
  int load_wave(const std::string& file, int flags);

  Dialogs& dialogs_;
  SoundPort& sound_;
  bool sound_device_ = false;
  int snd_other_ = 0, snd_forbid_ = 0, snd_click_ = 0, snd_bgm_ = 0;
};

}  // namespace kumora
