// kumora-make-sounds DIR: writes the program's four sound files into DIR
// (created when missing). Each file is written to a temporary name in DIR
// first and then renamed, so a file is either the old one or the whole new one.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "assets/sound_synth.h"

namespace {

bool write_atomically(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (f == nullptr) {
    std::fprintf(stderr, "kumora-make-sounds: %s: %s\n", temp.c_str(), std::strerror(errno));
    return false;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  int err = errno;
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
    if (ok) err = errno;
    std::fprintf(stderr, "kumora-make-sounds: %s: %s\n", path.c_str(), std::strerror(err));
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: kumora-make-sounds DIR\n");
    return 2;
  }
  std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "kumora-make-sounds: %s: %s\n", dir.c_str(), ec.message().c_str());
    return 1;
  }
  for (const kumora::synth::SoundFile& file : kumora::synth::sound_files()) {
    kumora::synth::Audio audio = file.make();
    if (!write_atomically(dir / file.name, kumora::synth::encode_wav(audio))) return 1;
  }
  return 0;
}
