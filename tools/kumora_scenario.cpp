// kumora-scenario: drives the window's logic from a script, headless, and
// writes a transcript of what a person would see and hear.
#include <QGuiApplication>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/scenario/scenario_runner.h"
#include "view/language.h"

namespace {

int usage() {
  std::cerr << "usage: kumora-scenario [--dir DIR] [--nodes N] [--lang en|ja] SCRIPT   (SCRIPT "
               "may be - for standard input;\n       N: the node budget of LEVEL4, LEVEL5 and the "
               "hint, default "
            << kumora::DEFAULT_SCENARIO_NODES << "; the language of the texts, default ja)\n";
  return kumora::SCENARIO_BAD_LINE;
}

std::string fresh_temporary_directory() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "kumora-scenario-XXXXXX").string();
  if (!mkdtemp(pattern.data())) return {};
  return pattern;
}

}  // namespace

int main(int argc, char** argv) {
  // As in the program: past a file-size limit a write fails with EFBIG.
  std::signal(SIGXFSZ, SIG_IGN);
  std::string dir;
  std::string script_name;
  std::int64_t nodes = kumora::DEFAULT_SCENARIO_NODES;
  kumora::Language language = kumora::Language::JAPANESE;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--dir") == 0 && i + 1 < argc) {
      dir = argv[++i];
    } else if (std::strcmp(argv[i], "--nodes") == 0 && i + 1 < argc) {
      char* end = nullptr;
      nodes = std::strtoll(argv[++i], &end, 10);
      if (*end != '\0' || nodes <= 0) return usage();
    } else if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
      if (!kumora::language_from_code(argv[++i], language)) return usage();
    } else if (script_name.empty()) {
      script_name = argv[i];
    } else {
      return usage();
    }
  }
  if (script_name.empty()) return usage();

  std::ifstream script_file;
  if (script_name != "-") {
    script_file.open(script_name, std::ios::binary);
    if (!script_file) {
      std::cerr << "kumora-scenario: cannot read " << script_name << "\n";
      return kumora::SCENARIO_BAD_LINE;
    }
  }
  std::istream& script = script_name == "-" ? std::cin : script_file;

  if (dir.empty()) dir = fresh_temporary_directory();
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  std::filesystem::current_path(dir, error);
  if (error) {
    std::cerr << "kumora-scenario: cannot use the directory " << dir << "\n";
    return kumora::SCENARIO_BAD_LINE;
  }

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  kumora::LanguageSwitch texts(kumora::program_translation_folders());
  if (!texts.choose(language)) {
    std::cerr << "kumora-scenario: the English texts (translations/kumora_en.qm) could not be "
                 "found beside the runner\n";
    return kumora::SCENARIO_BAD_LINE;
  }
  const int status = kumora::run_scenario(script, std::cout, std::cerr, nodes);
  std::cout.flush();
  return status;
}
