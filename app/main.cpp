// Kumora Shogi: the program.
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <csignal>

#include "sound/sound_glue.h"
#include "view/game_window.h"
#include "view/pictures.h"

int main(int argc, char** argv) {
  // Past a file-size limit a write fails with EFBIG and is reported like any
  // other failed write, instead of the signal ending the program.
  std::signal(SIGXFSZ, SIG_IGN);
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kumora Shogi");
  QApplication::setApplicationVersion(KUMORA_VERSION);

  QTranslator qt_japanese;
  if (qt_japanese.load(QLocale(QLocale::Japanese), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_japanese);
  }
  QApplication::setFont(QFont(kumora::JAPANESE_FONT, 10));

  // Sounds come from the current directory, or else from the installed data folder.
  const QString data_dir = QApplication::applicationDirPath() + "/../share/kumora-shogi";
  kumora::SdlSoundPort sound({data_dir.toStdString()});
  kumora::GameWindow window(sound);
  window.load();
  window.show();
  return app.exec();
}
