#include "tools/scenario/scenario_runner.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "com/level_computer_player.h"
#include "core/text_file.h"
#include "tools/scenario/recording_ports.h"
#include "tools/scenario/scenario_net.h"
#include "tools/scenario/scenario_queries.h"
#include "view/qt_canvas.h"
#include "view/replay_canvas.h"
#include "window/main_window.h"
#include "window/mouse_input.h"

namespace kumora {

namespace {

struct BadLine {
  std::string why;
};

std::vector<std::string> split_words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

// The rest of the line after its first word.
std::string rest_of_line(const std::string& line) {
  const size_t start = line.find_first_not_of(" \t");
  const size_t space = line.find(' ', start);
  return space == std::string::npos ? std::string() : line.substr(space + 1);
}

int to_int(const std::string& word) {
  size_t used = 0;
  int value = 0;
  try {
    value = std::stoi(word, &used);
  } catch (...) {
    throw BadLine{"not a whole number: " + word};
  }
  if (used != word.size()) throw BadLine{"not a whole number: " + word};
  return value;
}

double to_double(const std::string& word) {
  size_t used = 0;
  double value = 0;
  try {
    value = std::stod(word, &used);
  } catch (...) {
    throw BadLine{"not a number: " + word};
  }
  if (used != word.size()) throw BadLine{"not a number: " + word};
  return value;
}

// A program the script runs: the window's logic and its LEVEL1-3 computer.
struct RunnerProgram {
  RunnerProgram(Canvas& canvas, Dialogs& dialogs, SoundPort& sound, Host& host)
      : window(canvas, dialogs, sound, host, computer) {}
  LevelComputerPlayer computer;
  MainWindow window;
};

class ScriptRun {
 public:
  ScriptRun(std::istream& script, std::ostream& out, std::int64_t engine_nodes)
      : engine_nodes_(engine_nodes),
        script_(script),
        out_(out),
        shown_(surface_),
        canvas_(shown_),
        dialogs_(out),
        sound_(out),
        observer_(out) {
    start_program(1);
  }

  void load() { window_->on_window_opened(); }

  // The program is closed and started again in the same directory.
  void restart() {
    nets_.erase(current_);
    start_program(current_);
    canvas_.reset_marks();
    load();
  }

  // Program `number` takes the commands that follow; a second program is
  // started in the same directory at its first command, beside the first.
  void switch_to(int number) {
    const bool started = programs_.count(number) != 0;
    if (!started) start_program(number);
    current_ = number;
    program_ = programs_[number].get();
    window_ = &program_->window;
    if (!started) load();
  }

  // Runs every line; the line number of a failure goes to `line_number`.
  void run(int& line_number);

 private:
  void run_line(const std::string& line);
  void run_menu(const std::vector<std::string>& words);
  void run_click(const std::vector<std::string>& words, bool in_cells);
  void run_setup();
  void run_net(const std::vector<std::string>& words);
  void run_write(const std::string& file);
  void run_cat(const std::string& file);
  bool next_line(std::string& line);
  void start_program(int number) {
    auto program = std::make_unique<RunnerProgram>(canvas_, dialogs_, sound_, host_);
    program->window.set_observer(&observer_);
    program->window.set_engine_nodes(engine_nodes_);
    program_ = program.get();
    window_ = &program->window;
    programs_[number] = std::move(program);
  }

  std::int64_t engine_nodes_;
  std::istream& script_;
  std::ostream& out_;
  int line_number_ = 0;
  ImageCanvas surface_;
  ReplayCanvas shown_;  // what the surface shows, for `surface`
  RecordingCanvas canvas_;
  RecordingDialogs dialogs_;
  RecordingSound sound_;
  FakeHost host_;
  TranscriptObserver observer_;
  std::map<int, std::unique_ptr<RunnerProgram>> programs_;
  // Each program's network, made at its first `net` line.
  std::map<int, std::unique_ptr<ScenarioNet>> nets_;
  int current_ = 1;
  RunnerProgram* program_ = nullptr;
  MainWindow* window_ = nullptr;
};

bool ScriptRun::next_line(std::string& line) {
  if (!std::getline(script_, line)) return false;
  ++line_number_;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

void ScriptRun::run(int& line_number) {
  std::string line;
  while (next_line(line)) {
    line_number = line_number_;
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    run_line(line.substr(first));
  }
}

void ScriptRun::run_line(const std::string& line) {
  const std::vector<std::string> words = split_words(line);
  // A form feed or a vertical tab splits into no word at all.
  if (words.empty()) throw BadLine{"no command, only white space"};
  const std::string& command = words[0];
  auto need = [&](size_t count) {
    if (words.size() != count) throw BadLine{"wrong number of words for " + command};
  };
  if (command == "menu") {
    need(2);
    run_menu(words);
  } else if (command == "click" || command == "press") {
    run_click(words, command == "click");
  } else if (command == "key") {
    need(2);
    window_->on_key_press(to_int(words[1]));
  } else if (command == "answer") {
    need(2);
    if (words[1] != "yes" && words[1] != "no") throw BadLine{"answer yes or answer no"};
    dialogs_.queue_answer(words[1] == "yes");
  } else if (command == "time" && words.size() == 3 && words[1] == "step") {
    host_.step = to_double(words[2]);
  } else if (command == "time") {
    need(2);
    host_.time_of_day = to_double(words[1]);
  } else if (command == "tick") {
    need(1);
    if (window_->clock_timer_enabled()) window_->on_clock_tick();
  } else if (command == "timecontrol") {
    need(4);
    const TimeControl control{to_int(words[1]), to_int(words[2]), to_int(words[3])};
    if (!valid_time_control(control)) {
      throw BadLine{"timecontrol takes seconds 0..36000, a main time or byoyomi first"};
    }
    window_->set_time_control(control);
  } else if (command == "setup") {
    need(1);
    run_setup();
  } else if (command == "write") {
    if (words.size() < 2) throw BadLine{"write FILE"};
    run_write(rest_of_line(line));
  } else if (command == "cat") {
    if (words.size() < 2) throw BadLine{"cat FILE"};
    run_cat(rest_of_line(line));
  } else if (command == "dump") {
    need(1);
    print_dump(out_, *window_);
  } else if (command == "marks") {
    need(1);
    print_marks(out_, canvas_);
  } else if (command == "paints") {
    need(1);
    for (const std::string& paint : canvas_.take_paints()) out_ << paint << "\n";
  } else if (command == "surface") {
    need(1);
    for (const std::string& line : shown_.describe()) out_ << line << "\n";
  } else if (command == "reach") {
    need(4);
    const int x = to_int(words[1]);
    const int y = to_int(words[2]);
    const bool board_square = x >= 1 && x <= 9;
    if ((board_square && (y < 1 || y > 9)) || (!board_square && (y < 1 || y > 7))) {
      throw BadLine{"reach needs a board square or a hand index 1..7"};
    }
    const int mode = to_int(words[3]);
    if (mode != 1 && mode != 2) throw BadLine{"reach MODE is 1 or 2"};
    print_reach(out_, *window_, x, y, static_cast<ReachMode>(mode));
  } else if (command == "shot") {
    if (words.size() < 2) throw BadLine{"shot FILE"};
    if (!surface_.save_png(rest_of_line(line)))
      out_ << "error cannot write " << rest_of_line(line) << "\n";
  } else if (command == "restart") {
    need(1);
    restart();
  } else if (command == "instance") {
    need(2);
    const int number = to_int(words[1]);
    if (number != 1 && number != 2) throw BadLine{"instance 1 or instance 2"};
    switch_to(number);
  } else if (command == "status") {
    need(1);
    out_ << "status " << quoted(window_->status_text()) << "\n";
  } else if (command == "step") {
    need(2);
    window_->step_to(to_int(words[1]));
  } else if (command == "net") {
    run_net(words);
  } else if (command == "echo") {
    // Flushed: a test that runs the runner beside another program watches for it.
    out_ << rest_of_line(line) << std::endl;
  } else if (!run_extra_command(words, line, *window_, program_->computer.context(), out_)) {
    throw BadLine{"unknown command " + command};
  }
}

void ScriptRun::run_menu(const std::vector<std::string>& words) {
  MenuId id;
  if (!find_menu_item(words[1], id)) throw BadLine{"no menu item " + words[1]};
  window_->run_menu(id);
}

void ScriptRun::run_click(const std::vector<std::string>& words, bool in_cells) {
  if (words.size() != 3 && words.size() != 4) throw BadLine{"click X Y [right]"};
  int button = MOUSE_LEFT;
  if (words.size() == 4) {
    if (words[3] != "right") throw BadLine{"the button can only be right"};
    button = MOUSE_RIGHT;
  }
  double x = to_double(words[1]);
  double y = to_double(words[2]);
  if (in_cells) {
    x = BOARD_X0 + CELL_W * (to_int(words[1]) + 0.5);
    y = BOARD_Y0 + CELL_H * (to_int(words[2]) + 0.5);
  }
  window_->on_mouse_down(button, 0, x, y);
}

void ScriptRun::run_net(const std::vector<std::string>& words) {
  std::unique_ptr<ScenarioNet>& net = nets_[current_];
  if (!net) net = std::make_unique<ScenarioNet>(*window_, out_);
  std::string error;
  if (!net->run(words, error)) throw BadLine{error};
}

void ScriptRun::run_setup() {
  GameState& state = window_->game().state;
  observer_.muted = true;
  window_->reset_game();
  for (int y = 1; y <= 9; ++y) {
    std::string line;
    if (!next_line(line)) throw BadLine{"setup needs 9 board rows"};
    const std::vector<std::string> codes = split_words(line);
    if (codes.size() != 9) throw BadLine{"a board row needs 9 codes"};
    for (int x = 1; x <= 9; ++x) state.board(x, y) = to_int(codes[x - 1]);
  }
  const char* hand_names[2] = {"lower_hand", "upper_hand"};
  int* hands[2] = {state.lower_hand, state.upper_hand};
  for (int h = 0; h < 2; ++h) {
    std::string line;
    if (!next_line(line)) throw BadLine{"setup needs both hands"};
    const std::vector<std::string> words = split_words(line);
    if (words.size() != 8 || words[0] != hand_names[h]) {
      throw BadLine{std::string("expected ") + hand_names[h] + " and 7 counts"};
    }
    for (int slot = 1; slot <= 7; ++slot) hands[h][slot] = to_int(words[slot]);
  }
  recompute_hand_totals(state);
  window_->redraw_all();
  observer_.muted = false;
}

void ScriptRun::run_write(const std::string& file) {
  std::vector<std::string> lines;
  std::string line;
  while (true) {
    if (!next_line(line)) throw BadLine{"write without end"};
    if (line == "end") break;
    lines.push_back(line);
  }
  std::string error;
  if (!write_text_file_atomic(file, lines, error)) {
    throw BadLine{"cannot write " + file + ": " + error};
  }
}

void ScriptRun::run_cat(const std::string& file) {
  TextFileLines text;
  if (!read_text_file(file, text)) {
    out_ << "error cannot read " << file << "\n";
    return;
  }
  for (const std::string& line : text.lines) out_ << "| " << line << "\n";
  out_ << (text.every_line_crlf ? "eof crlf" : "eof other") << "\n";
}

}  // namespace

int run_scenario(std::istream& script, std::ostream& out, std::ostream& err,
                 std::int64_t engine_nodes) {
  // The run's directory is the home folder, so that the kept games go inside
  // it and never to the user's files.
  std::error_code error;
  setenv("HOME", std::filesystem::current_path(error).c_str(), 1);
  unsetenv("XDG_DATA_HOME");
  ScriptRun session(script, out, engine_nodes);
  int line_number = 0;
  try {
    session.load();
    session.run(line_number);
  } catch (const ProgramEnded&) {
    out << "exit\n";
  } catch (const UnansweredBox&) {
    return SCENARIO_UNANSWERED;
  } catch (const BadLine& bad) {
    out.flush();
    err << "line " << line_number << ": " << bad.why << "\n";
    return SCENARIO_BAD_LINE;
  }
  return SCENARIO_OK;
}

}  // namespace kumora
