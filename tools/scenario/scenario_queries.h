// The query commands of the scenario runner: what they print.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "com/search_context.h"
#include "tools/scenario/recording_ports.h"
#include "window/main_window.h"

namespace kumora {

void print_dump(std::ostream& out, const MainWindow& window);
void print_marks(std::ostream& out, const RecordingCanvas& canvas);
void print_reach(std::ostream& out, MainWindow& window, int x, int y, ReachMode mode);

// Commands served by later parts of the window (file panel, analysis,
// search, menu ticks); false when the command is unknown.
// `computer_context` is what the window's LEVEL1-3 computer last prepared.
bool run_extra_command(const std::vector<std::string>& words, const std::string& line,
                       MainWindow& window, const ComContext& computer_context, std::ostream& out);

// The commands that prepare and show files as someone else leaves them:
// link, fifo, sized, copies, touch, ls, stat.
bool run_file_command(const std::vector<std::string>& words, const std::string& line,
                      std::ostream& out);

// The side panel's move list, as the window would show it.
void print_move_list(std::ostream& out, const MainWindow& window);

// The commands of the record-file panel: type, dir, pick, return.
bool run_panel_command(const std::vector<std::string>& words, const std::string& line,
                       MainWindow& window, std::ostream& out);

}  // namespace kumora
