// Switches the whole interface between Japanese and English: the program's
// texts (tr_text in the libraries without Qt, tr() in the Qt classes) and
// Qt's own (the buttons of message boxes, the text boxes' menus).
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include "core/translation.h"

namespace kumora {

// Where the program's translations (kumora_en.qm) are looked for: beside the
// program in the build tree, then in the installed data folder.
QStringList program_translation_folders();

class LanguageSwitch {
 public:
  // `folders`: where kumora_en.qm is looked for, in order. Nothing is
  // installed until choose() is called.
  explicit LanguageSwitch(QStringList folders);
  ~LanguageSwitch();
  LanguageSwitch(const LanguageSwitch&) = delete;
  LanguageSwitch& operator=(const LanguageSwitch&) = delete;

  // Shows the interface in `language` from now on. False when English was
  // asked for and its translations could not be read: Japanese stays.
  bool choose(Language language);
  Language current() const { return current_; }

 private:
  bool load_english();

  QStringList folders_;
  QTranslator english_;
  QTranslator qt_japanese_;
  bool english_loaded_ = false;
  bool qt_japanese_loaded_ = false;
  Language current_ = Language::JAPANESE;
};

}  // namespace kumora
