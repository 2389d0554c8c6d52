// The sound glue: SoundPort on the sound library's C interface, and the names
// of the program's four sounds.
#pragma once

#include <string>
#include <vector>

#include "sound/port/sound_port.h"

namespace kumora {

// The four sound files, looked up in the current directory (UTF-8 names).
inline constexpr const char* SOUND_FILE_OTHER = "その他.wav";
inline constexpr const char* SOUND_FILE_FORBID = "禁止.wav";
inline constexpr const char* SOUND_FILE_CLICK = "駒打音.wav";
inline constexpr const char* SOUND_FILE_BGM = "BGM.wav";

// The flags of load_wave: 3 for the effects, 1 for the music.
constexpr int SOUND_FLAGS_EFFECT = 3;
constexpr int SOUND_FLAGS_MUSIC = 1;

// Finds a sound file by name: the current directory first (the name as given,
// relative to it), then each folder of `more_dirs` in order. Returns the path
// of the first regular file found, or "" when there is none.
std::string find_sound_file(const std::string& name,
                            const std::vector<std::string>& more_dirs = {});

// The SoundPort of the real program. It only reports: the window logic shows
// the warnings.
class SdlSoundPort : public SoundPort {
 public:
  SdlSoundPort() = default;
  // Sound files missing from the current directory are then looked up in these
  // folders, in order (the installed program's data folder).
  explicit SdlSoundPort(std::vector<std::string> fallback_dirs)
      : fallback_dirs_(std::move(fallback_dirs)) {}
  SdlSoundPort(const SdlSoundPort&) = delete;
  SdlSoundPort& operator=(const SdlSoundPort&) = delete;
  // Closes the device if terminate was not called.
  ~SdlSoundPort() override;

  bool initialize() override;
  // 0 without a device or when `file` does not exist (silently); otherwise the
  // whole file goes to dsCreateDSB. A file that cannot be read (the system
  // refuses, no regular file, over 16 MB) returns 0 and sets `error` to the
  // warning to show: "ｻｳﾝﾄﾞﾌｧｲﾙを読み込めませんでした", the file, and why;
  // `error` is cleared otherwise.
  int load_wave(const std::string& file, int flags, std::string& error) override;
  void play(int buffer) override;
  void play_looping(int buffer) override;
  void stop(int buffer) override;
  void free(int buffer) override;
  void terminate() override;

  // The device handle, 0 when none is open.
  int device() const { return device_; }

 private:
  int device_ = 0;
  std::vector<std::string> fallback_dirs_;
};

}  // namespace kumora
