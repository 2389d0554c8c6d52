#include "tools/scenario/recording_ports.h"

#include <cmath>
#include <cstdio>
#include <thread>

#include "core/constants.h"

namespace kumora {

void RecordingCanvas::reset_marks() {
  for (auto& column : marks_) {
    for (int& colour : column) colour = PLAIN_CELL_COLOUR;
  }
}

std::string one_decimal(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

void RecordingCanvas::paint_picture(int code, double x, double y) {
  surface_.paint_picture(code, x, y);
  paints_.push_back("pic " + std::to_string(code) + " " + one_decimal(x) + " " + one_decimal(y));
}

std::vector<std::string> RecordingCanvas::take_paints() {
  std::vector<std::string> taken;
  taken.swap(paints_);
  return taken;
}

void RecordingCanvas::frame_rect(int colour, double x1, double y1, double x2, double y2) {
  surface_.frame_rect(colour, x1, y1, x2, y2);
  const double column = (x1 - BOARD_X0) / CELL_W;
  const double row = (y1 - BOARD_Y0) / CELL_H;
  const bool whole_cell = std::abs(x2 - x1 - CELL_W) < 0.5 && std::abs(y2 - y1 - CELL_H) < 0.5;
  if (!whole_cell || column != std::floor(column) || row != std::floor(row)) return;
  const int x = static_cast<int>(column);
  const int y = static_cast<int>(row);
  if (x >= -1 && x <= 11 && y >= 0 && y <= 10) marks_[x + 1][y] = colour;
}

void RecordingCanvas::print_text(double x, double y, const std::string& text, int colour, int size,
                                 bool bold) {
  surface_.print_text(x, y, text, colour, size, bold);
  paints_.push_back("text " + one_decimal(x) + " " + one_decimal(y) + " " + std::to_string(colour) +
                    " " + std::to_string(size) + " " + quoted(text));
}

bool RecordingDialogs::message_box(const std::string& text, const std::string& title,
                                   BoxButtons buttons, BoxIcon icon) {
  out_ << "box " << quoted(title) << " " << quoted(text) << " ";
  if (buttons == BoxButtons::Ok) {
    out_ << (icon == BoxIcon::Exclamation ? "ok!" : "ok") << "\n";
    return true;
  }
  if (answers_.empty()) {
    out_ << "yesno\nerror unanswered\n";
    out_.flush();
    throw UnansweredBox{};
  }
  const bool yes = answers_.front();
  answers_.pop_front();
  out_ << "yesno -> " << (yes ? "yes" : "no") << "\n";
  return yes;
}

float FakeHost::now() {
  const double read = time_of_day;
  if (step != 0) time_of_day = std::fmod(time_of_day + step, 86400.0);
  return static_cast<float>(read);
}

bool FakeHost::wait_for(const std::function<bool()>& done) {
  while (!done()) std::this_thread::yield();
  return true;
}

std::string FakeHost::timestamp() {
  const int seconds = static_cast<int>(time_of_day);
  char text[32];
  std::snprintf(text, sizeof text, "2026-01-01 %02d-%02d-%02d", seconds / 3600 % 24,
                seconds / 60 % 60, seconds % 60);
  return text;
}

int RecordingSound::load_wave(const std::string& file, int, std::string&) {
  const int handle = next_handle_++;
  names_[handle] = file;
  return handle;
}

void RecordingSound::log(const char* verb, int buffer) {
  auto found = names_.find(buffer);
  if (found != names_.end()) out_ << verb << " " << found->second << "\n";
}

void TranscriptObserver::clock_printed(bool lower, const std::string& text) {
  if (!muted) out_ << "clock " << (lower ? "lower " : "upper ") << text << "\n";
}

void TranscriptObserver::move_made(int fx, int fy, int tx, int ty, int moved, int placed,
                                   int taken) {
  if (muted) return;
  out_ << "move " << fx << " " << fy << " " << tx << " " << ty << " " << moved << " " << placed
       << " " << taken << "\n";
}

void TranscriptObserver::path_shown(const int* xs, const int* ys, int count) {
  if (muted) return;
  out_ << "path";
  for (int i = 0; i < count; ++i) out_ << " " << xs[i] << "," << ys[i];
  out_ << "\n";
}

}  // namespace kumora
