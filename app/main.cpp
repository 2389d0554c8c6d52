// Kumora Shogi: the program.
#include <QApplication>
#include <iostream>

#include <csignal>

#include "app/command_line.h"
#include "app/program_start.h"
#include "app/working_folder.h"
#include "settings/user_folders.h"
#include "sound/sound_glue.h"
#include "view/desktop_settings.h"
#include "view/game_window.h"
#include "view/language.h"

namespace {

constexpr int EXIT_FOLDER_UNUSABLE = 1;
constexpr int EXIT_USAGE = 2;

// Answers --help, --version and a mistake; returns the exit status.
int answer(const kumora::CommandLine& line) {
  using Request = kumora::CommandLine::Request;
  const std::string folder = kumora::shown_path(kumora::user_data_folder());
  if (line.request == Request::HELP) {
    std::cout << kumora::usage_text(folder);
    return 0;
  }
  if (line.request == Request::VERSION) {
    std::cout << kumora::version_text() << '\n';
    return 0;
  }
  std::cerr << "kumora-shogi: " << line.mistake << "\n\n" << kumora::usage_text(folder);
  return EXIT_USAGE;
}

bool enter_user_folder() {
  const std::string folder = kumora::user_data_folder();
  std::string error;
  if (kumora::enter_working_folder(folder, error)) return true;
  std::cerr << "kumora-shogi: cannot work in the folder " << folder << ": " << error << '\n';
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file-size limit a write fails with EFBIG and is reported like any
  // other failed write, instead of the signal ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  const kumora::CommandLine line = kumora::parse_command_line({argv + 1, argv + argc});
  if (line.request != kumora::CommandLine::Request::RUN) return answer(line);
  if (line.user_folder && !enter_user_folder()) return EXIT_FOLDER_UNUSABLE;

  QApplication app(argc, argv);
  kumora::set_up_application();

  // Japanese unless English is asked for or was chosen before, whatever the
  // system's language.
  kumora::LanguageSwitch language(kumora::program_translation_folders());
  if (!language.choose(kumora::start_language(line.language))) {
    std::cerr << "kumora-shogi: the English texts (kumora_en.qm) could not be found\n";
  }

  // Sounds come from the current directory, or else from the installed data folder.
  const QString data_dir = QApplication::applicationDirPath() + "/../share/kumora-shogi";
  kumora::SdlSoundPort sound({data_dir.toStdString()});
  kumora::GameWindow window(sound, language);
  kumora::open_game_window(window, line);
  return app.exec();
}
