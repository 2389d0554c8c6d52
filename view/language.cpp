#include "view/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kumora {

namespace {

const char* const ENGLISH_FILE = "kumora_en";

std::string translated_by_qt(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

QStringList program_translation_folders() {
  const QString program_dir = QCoreApplication::applicationDirPath();
  return {program_dir + "/translations", program_dir + "/../share/kumora-shogi/translations"};
}

LanguageSwitch::LanguageSwitch(QStringList folders) : folders_(std::move(folders)) {
  qt_japanese_loaded_ = qt_japanese_.load(QLocale(QLocale::Japanese), "qtbase", "_",
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

// The translators take themselves out of the application as they go.
LanguageSwitch::~LanguageSwitch() { set_text_lookup(nullptr); }

bool LanguageSwitch::load_english() {
  if (english_loaded_) return true;
  for (const QString& folder : folders_) {
    if (english_.load(ENGLISH_FILE, folder)) return english_loaded_ = true;
  }
  return false;
}

bool LanguageSwitch::choose(Language language) {
  const bool available = language == Language::JAPANESE || load_english();
  const bool english = available && language == Language::ENGLISH;
  QCoreApplication::removeTranslator(&english_);
  QCoreApplication::removeTranslator(&qt_japanese_);
  // Qt's own texts are English unless its Japanese translation is installed;
  // the program's Japanese texts are shown as written, without a lookup.
  if (english) {
    QCoreApplication::installTranslator(&english_);
  } else if (qt_japanese_loaded_) {
    QCoreApplication::installTranslator(&qt_japanese_);
  }
  set_text_lookup(english ? translated_by_qt : nullptr);
  current_ = english ? Language::ENGLISH : Language::JAPANESE;
  return available;
}

}  // namespace kumora
