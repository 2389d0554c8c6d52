// Reading "Kumora.ini": what each of its four lines says.
#pragma once

#include <string>

namespace kumora {

// The file as load_settings applies it. Lines are compared whole and exactly
// with the code page 932 form of the lines the program writes.
struct SettingsRead {
  bool opened = false;       // the file could be read at all
  int lines_present = 0;     // how many of the four lines the file has, 0..4
  int background = 0;        // background code line 1 names; 0 when it names none
  bool guidance_on = false;  // line 2 is "移動指導=ON"
  bool elapsed_on = false;   // line 3 is "経過時間=ON"
  bool music_on = false;     // line 4 is "BGM=ON"

  // All four lines are there; otherwise the defaults are to be written.
  bool complete() const { return opened && lines_present == 4; }
};

// The file's bytes: lines end at LF, a CR before it is dropped, and a final
// line end starts no further line. Lines beyond the fourth are ignored.
SettingsRead read_settings_lines(const std::string& bytes);

// The file at `path`; opened = false when it cannot be read, or is no regular
// file, or is far larger than four lines (a pipe or a device in its place
// would otherwise block the start or fill the memory).
SettingsRead read_settings_file(const std::string& path);

}  // namespace kumora
