// libFuzzer target: any bytes as the settings file "Kumora.ini".
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/settings_file.h"
#include "settings/settings_read.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kumora;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const SettingsRead read = read_settings_lines(bytes);
  require(read.opened);
  require(read.lines_present >= 0 && read.lines_present <= 4);
  require(read.complete() == (read.lines_present == 4));
  require(read.background == 0 || !background_line(read.background).empty());
  require(read.lines_present >= 1 || read.background == 0);
  require(read.lines_present >= 2 || !read.guidance_on);
  require(read.lines_present >= 3 || !read.elapsed_on);
  require(read.lines_present >= 4 || !read.music_on);
  return 0;
}
