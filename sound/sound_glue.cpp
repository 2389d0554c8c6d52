#include "sound/sound_glue.h"

#include <sys/stat.h>

#include "core/file_read.h"
#include "core/translation.h"
#include "sound/kumora_sound.h"

namespace kumora {

namespace {

bool is_regular_file(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::string find_sound_file(const std::string& name, const std::vector<std::string>& more_dirs) {
  if (is_regular_file(name)) return name;
  for (const std::string& dir : more_dirs) {
    if (dir.empty()) continue;
    std::string path = dir.back() == '/' ? dir + name : dir + "/" + name;
    if (is_regular_file(path)) return path;
  }
  return "";
}

SdlSoundPort::~SdlSoundPort() { terminate(); }

bool SdlSoundPort::initialize() {
  if (device_ == 0) device_ = dsInitialize(nullptr);
  return device_ != 0;
}

int SdlSoundPort::load_wave(const std::string& file, int flags, std::string& error) {
  error.clear();
  if (device_ == 0) return 0;
  const std::string found = find_sound_file(file, fallback_dirs_);
  const std::string path = found.empty() ? file : found;
  std::string image;
  const FileRead read = read_regular_file(path, SOUND_FILE_MAX_BYTES, image);
  if (read.status == ReadStatus::Missing) return 0;  // no such file: silently
  if (!read.ok()) {
    error = fill_in(tr_text("Sound", "ｻｳﾝﾄﾞﾌｧｲﾙを読み込めませんでした\r%1\r%2"),
                    {path, read_failure_reason(read, tr_text("File", "ｻｳﾝﾄﾞﾌｧｲﾙ"))});
    return 0;
  }
  return dsCreateDSB(device_, image.data(), image.size(), flags);
}

void SdlSoundPort::play(int buffer) { dsPlay(buffer); }
void SdlSoundPort::play_looping(int buffer) { dsPlayLooping(buffer); }
void SdlSoundPort::stop(int buffer) { dsStop(buffer); }
void SdlSoundPort::free(int buffer) { dsFree(buffer); }

void SdlSoundPort::terminate() {
  if (device_ != 0) dsTerminate(device_);
  device_ = 0;
}

}  // namespace kumora
