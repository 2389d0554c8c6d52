// The record-file panel as the window's logic sees it: showing and hiding
// it, keeping its lists in step, saving the record and reading a file back
// for replay.
#pragma once

#include <string>

#include "kifu/record_file.h"
#include "window/file_panel.h"
#include "window/game.h"
#include "window/game_lifecycle.h"
#include "window/port/ports.h"
#include "window/reporter.h"
#include "window/screen.h"

namespace kumora {

class Drawing;
class Messages;
class ArchiveKeeper;

class FilePanel {
 public:
  FilePanel(Game& game, Drawing& drawing, Messages& messages, Reporter& reporter, Host& host,
            GameLifecycle& lifecycle, Screen& screen, ArchiveKeeper& archive)
      : game_(game),
        drawing_(drawing),
        messages_(messages),
        reporter_(reporter),
        host_(host),
        lifecycle_(lifecycle),
        screen_(screen),
        archive_(archive) {}

  // What the panel shows; the text boxes are edited from outside.
  const FilePanelState& state() const { return panel_; }
  void set_text(int index, const std::string& text) { panel_.text[index] = text; }

  void open_read_panel();
  void open_write_panel();
  // "最近の対局": the panel on the folder of kept games, newest first.
  void open_recent_games();
  void choose_drive(const std::string& drive);
  void open_folder(const std::string& path);
  void confirm_file();
  void pick_file(const std::string& file_name);
  void show_file_panel(bool drive_visible, bool dir_visible, bool file_visible);
  void show_save_fields(int mode);
  void hide();
  // Prints the header lines of the record read for replay again.
  void print_headers();

 private:
  void refresh_file_list();
  // Before a save: the file it would replace copied into the archive. False,
  // with the person told why, when it could not be; nothing is written then.
  bool keep_file_replaced(const RecordHeaderTexts& texts);

  Game& game_;
  Drawing& drawing_;
  Messages& messages_;
  Reporter& reporter_;
  Host& host_;
  GameLifecycle& lifecycle_;
  Screen& screen_;
  ArchiveKeeper& archive_;
  FilePanelState panel_;
  // The header lines of the record last read for replay.
  struct Headers {
    std::string title, top_name, bottom_name;
  } headers_;
};

}  // namespace kumora
