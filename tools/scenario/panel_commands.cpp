// The scenario commands that use the record-file panel as a person would.
#include <filesystem>

#include "core/code_page.h"
#include "tools/scenario/scenario_queries.h"

namespace kumora {

namespace {

// The text after the first two words of a line ("type Text2 the title").
std::string text_after_two_words(const std::string& line) {
  size_t at = line.find_first_not_of(" \t");
  for (int word = 0; word < 2 && at != std::string::npos; ++word) {
    at = line.find_first_of(" \t", at);
    if (at == std::string::npos) return {};
    if (word == 0) at = line.find_first_not_of(" \t", at);
  }
  return at == std::string::npos ? std::string() : line.substr(at + 1);
}

int text_box_index(const std::string& name) {
  if (name.size() == 5 && name.rfind("Text", 0) == 0 && name[4] >= '1' && name[4] <= '4') {
    return name[4] - '0';
  }
  return 0;
}

}  // namespace

bool run_panel_command(const std::vector<std::string>& words, const std::string& line,
                       MainWindow& window, std::ostream& out) {
  const FilePanelState& panel = window.file_panel();
  const std::string& command = words[0];
  if (command == "type" && words.size() >= 2) {
    const int index = text_box_index(words[1]);
    if (index == 0) return false;
    if (!panel.save_fields_visible) {
      out << "error " << words[1] << " is not shown\n";
      return true;
    }
    window.set_panel_text(index, text_after_two_words(line));
    return true;
  }
  if (command == "dir" && words.size() >= 2) {
    std::error_code error;
    const std::string name = line.substr(line.find(words[1], 3));
    const std::filesystem::path path = std::filesystem::absolute(name, error);
    window.open_folder(path.lexically_normal().string());
    return true;
  }
  if (command == "pick" && words.size() >= 2) {
    const std::string name = line.substr(line.find(words[1], 4));
    // NAME is the name as the list shows it; the file opens by its real name.
    const std::string* listed = nullptr;
    for (const std::string& file : panel.files) {
      if (file_name_text(file) == name) listed = &file;
    }
    if (!panel.file_visible || listed == nullptr) {
      out << "error " << name << " is not in the file list\n";
      return true;
    }
    window.pick_file(*listed);
    return true;
  }
  if (command == "return" && words.size() == 1) {
    if (!panel.save_fields_visible) {
      out << "error RETURN is not shown\n";
      return true;
    }
    window.confirm_file();
    return true;
  }
  return false;
}

}  // namespace kumora
