#include "window/messages.h"

#include "core/translation.h"

namespace kumora {

namespace {
const char* const SOUND_WARNING_TITLE = "Kumora.dll";
constexpr int EFFECT_FLAGS = 3;
constexpr int MUSIC_FLAGS = 1;
}  // namespace

void Messages::tell(const std::string& text, const std::string& title) {
  dialogs_.message_box(text, title, BoxButtons::Ok, BoxIcon::None);
}

bool Messages::ask_yes_no(const std::string& text, const std::string& title) {
  return dialogs_.message_box(text, title, BoxButtons::YesNo, BoxIcon::None);
}

void Messages::refuse(const std::string& text, const std::string& title) {
  play_forbid();
  tell(text, title);
}

void Messages::warn(const std::string& text) {
  dialogs_.message_box(text, SOUND_WARNING_TITLE, BoxButtons::Ok, BoxIcon::Exclamation);
}

int Messages::load_wave(const std::string& file, int flags) {
  if (!sound_device_) return 0;
  std::string error;
  const int buffer = sound_.load_wave(file, flags, error);
  if (!error.empty()) warn(error);
  return buffer;
}

void Messages::load_sounds() {
  sound_device_ = sound_.initialize();
  if (!sound_device_) warn(tr_text("Sound", "Direct Soundインターフェースが作成できません。"));
  snd_other_ = load_wave("その他.wav", EFFECT_FLAGS);
  snd_forbid_ = load_wave("禁止.wav", EFFECT_FLAGS);
  snd_click_ = load_wave("駒打音.wav", EFFECT_FLAGS);
  snd_bgm_ = load_wave("BGM.wav", MUSIC_FLAGS);
}

void Messages::release_sounds() {
  sound_.free(snd_other_);
  sound_.free(snd_forbid_);
  sound_.free(snd_click_);
  sound_.free(snd_bgm_);
  snd_other_ = snd_forbid_ = snd_click_ = snd_bgm_ = 0;
  if (sound_device_) sound_.terminate();
  sound_device_ = false;
}

}  // namespace kumora
