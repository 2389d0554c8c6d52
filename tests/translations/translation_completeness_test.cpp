// The English interface is complete: lupdate, run over the sources as
// translations/lupdate.sh runs it, finds no text the repository's .ts leaves
// without a finished translation, the .ts holds no text the program no longer
// uses, every translation keeps the placeholders of its text, and every
// Japanese text of the program's sources is either one lupdate found or one
// translations/untranslated.txt lists as staying as it is (piece kanji, move
// notation, file contents and names).
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kumora {
namespace {

const QString SOURCE_ROOT = QString::fromUtf8(KUMORA_SOURCE_DIR);
// The folders of the program itself; tools and tests show no interface.
const QStringList PROGRAM_FOLDERS = {"core",  "analysis", "com", "engine", "kifu", "settings",
                                     "sound", "archive",  "net", "window", "view", "app"};

using Key = std::pair<QString, QString>;  // context, text

struct TsMessage {
  QString translation;
  QString comment;
  bool finished = false;
  bool in_use = true;  // not marked obsolete or vanished
};

// A text element with its <byte value="xd"/> children read back as characters.
QString element_text(QXmlStreamReader& xml) {
  QString text;
  const QString name = xml.name().toString();
  while (xml.readNext() != QXmlStreamReader::Invalid) {
    if (xml.isEndElement() && xml.name() == name) break;
    if (xml.isCharacters()) text += xml.text();
    if (xml.isStartElement() && xml.name() == u"byte") {
      const QString value = xml.attributes().value("value").toString();
      const bool hex = value.startsWith('x');
      text += QChar(value.mid(hex ? 1 : 0).toInt(nullptr, hex ? 16 : 10));
    }
  }
  return text;
}

std::map<Key, TsMessage> read_ts(const QString& path) {
  std::map<Key, TsMessage> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    ADD_FAILURE() << "cannot read " << path.toStdString();
    return messages;
  }
  QXmlStreamReader xml(&file);
  QString context, source;
  TsMessage message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      if (xml.name() == u"name") context = element_text(xml);
      if (xml.name() == u"message") message = TsMessage{};
      if (xml.name() == u"source") source = element_text(xml);
      if (xml.name() == u"extracomment") message.comment = element_text(xml);
      if (xml.name() == u"translation") {
        const QString type = xml.attributes().value("type").toString();
        message.finished = type.isEmpty();
        message.in_use = type != "obsolete" && type != "vanished";
        message.translation = element_text(xml);
      }
    } else if (xml.isEndElement() && xml.name() == u"message") {
      messages[{context, source}] = message;
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

std::string describe(const Key& key) {
  return key.first.toStdString() + " \"" + key.second.toStdString() + "\"";
}

std::set<QString> placeholders(const QString& text) {
  std::set<QString> found;
  static const QRegularExpression marker("%[1-9]");
  for (const auto& match : marker.globalMatch(text)) found.insert(match.captured());
  return found;
}

class Translations : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    repository_ = read_ts(SOURCE_ROOT + "/translations/kumora_en.ts");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fresh = dir.filePath("found.ts");
    QProcess lupdate;
    lupdate.start(SOURCE_ROOT + "/translations/lupdate.sh",
                  {QString::fromUtf8(KUMORA_LUPDATE), SOURCE_ROOT, fresh});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    found_ = read_ts(fresh);
    ASSERT_GT(found_.size(), 100u);
  }

  static std::map<Key, TsMessage> repository_;
  static std::map<Key, TsMessage> found_;
};

std::map<Key, TsMessage> Translations::repository_;
std::map<Key, TsMessage> Translations::found_;

TEST_F(Translations, EveryTextHasAFinishedEnglishTranslation) {
  for (const auto& [key, message] : found_) {
    const auto kept = repository_.find(key);
    if (kept == repository_.end()) {
      ADD_FAILURE() << "not in kumora_en.ts: " << describe(key);
    } else if (!kept->second.finished || kept->second.translation.isEmpty()) {
      ADD_FAILURE() << "no finished translation: " << describe(key);
    }
  }
}

// Texts no longer used would only mislead whoever translates next.
TEST_F(Translations, TheTsFileHoldsOnlyTextsInUse) {
  for (const auto& [key, message] : repository_) {
    EXPECT_TRUE(found_.count(key) && message.in_use) << "no longer used: " << describe(key);
  }
}

// A translation may leave out or add a placeholder only where the text's
// comment for translators offers it.
TEST_F(Translations, TranslationsKeepThePlaceholders) {
  for (const auto& [key, message] : repository_) {
    const std::set<QString> source = placeholders(key.second);
    const std::set<QString> offered = placeholders(message.comment);
    for (const QString& used : placeholders(message.translation)) {
      EXPECT_TRUE(source.count(used) || offered.count(used))
          << used.toStdString() << " in " << describe(key);
    }
    if (!offered.empty()) continue;
    for (const QString& needed : source) {
      EXPECT_TRUE(message.translation.contains(needed))
          << needed.toStdString() << " lost in " << describe(key);
    }
  }
}

// The string literals of a source file with the code before each.
struct Literal {
  QString written;  // as between the quotes
  QString text;     // escapes resolved
  QString code_before;
  int line = 0;
  bool continues = false;  // follows another literal: one text with it
};

QString resolved(const QString& written) {
  QString text;
  for (qsizetype i = 0; i < written.size(); ++i) {
    if (written[i] != '\\' || i + 1 == written.size()) {
      text += written[i];
      continue;
    }
    const QChar c = written[++i];
    text += c == 'r' ? QChar('\r') : c == 'n' ? QChar('\n') : c == 't' ? QChar('\t') : c;
  }
  return text;
}

std::vector<Literal> string_literals(const QString& source) {
  std::vector<Literal> literals;
  QString code;  // the code so far, comments left out
  int line = 1;
  qsizetype last_literal_end = -1;
  for (qsizetype i = 0; i < source.size(); ++i) {
    const QChar c = source[i];
    if (c == '\n') ++line;
    if (c == '/' && i + 1 < source.size() && source[i + 1] == '/') {
      while (i + 1 < source.size() && source[i + 1] != '\n') ++i;
      continue;
    }
    if (c == '/' && i + 1 < source.size() && source[i + 1] == '*') {
      for (i += 2; i + 1 < source.size() && !(source[i] == '*' && source[i + 1] == '/'); ++i) {
        if (source[i] == '\n') ++line;
      }
      ++i;
      continue;
    }
    if (c == '\'' && !(i > 0 && source[i - 1].isLetterOrNumber())) {  // not a digit separator
      for (++i; i < source.size() && source[i] != '\''; ++i) {
        if (source[i] == '\\') ++i;
      }
      code += "' '";
      continue;
    }
    if (c != '"') {
      code += c;
      continue;
    }
    Literal literal;
    literal.line = line;
    for (++i; i < source.size() && source[i] != '"'; ++i) {
      if (source[i] == '\\') literal.written += source[i++];
      literal.written += source[i];
    }
    literal.text = resolved(literal.written);
    const QString between = code.mid(last_literal_end);
    literal.continues = last_literal_end >= 0 && between.trimmed().isEmpty();
    literal.code_before = code.right(200);
    literals.push_back(literal);
    code += '"' + literal.written + '"';
    last_literal_end = code.size();
  }
  return literals;
}

bool is_japanese(const QString& text) {
  for (const QChar c : text) {
    if (c.unicode() > 0x7F) return true;
  }
  return false;
}

// What untranslated.txt lists: each line a text as written between quotes
// in the sources; lines starting with '#' explain.
std::set<QString> listed_untranslated() {
  std::set<QString> listed;
  QFile file(SOURCE_ROOT + "/translations/untranslated.txt");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    if (!line.isEmpty() && !line.startsWith('#')) listed.insert(line);
  }
  return listed;
}

TEST_F(Translations, EveryJapaneseTextIsTranslatedOrListedAsStaying) {
  static const QRegularExpression translated_with_context(
      R"re((?:tr_text|tr_noop|translate)\s*\(\s*"([^"]*)"\s*,\s*$)re");
  static const QRegularExpression translated_in_class(R"(\btr\s*\(\s*$)");
  std::set<QString> texts_found;
  for (const auto& [key, message] : found_) texts_found.insert(key.second);
  const std::set<QString> listed = listed_untranslated();
  std::set<QString> listed_and_seen;

  for (const QString& folder : PROGRAM_FOLDERS) {
    QDirIterator files(SOURCE_ROOT + "/" + folder, {"*.cpp", "*.h"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
      const QString path = files.next();
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      const std::vector<Literal> literals = string_literals(QString::fromUtf8(file.readAll()));
      const QString where = path.mid(SOURCE_ROOT.size() + 1);
      for (size_t i = 0; i < literals.size(); ++i) {
        if (literals[i].continues) continue;
        // One text: the literal and those written right after it.
        QString whole = literals[i].text;
        bool japanese = is_japanese(literals[i].text);
        for (size_t j = i + 1; j < literals.size() && literals[j].continues; ++j) {
          whole += literals[j].text;
          japanese = japanese || is_japanese(literals[j].text);
        }
        if (!japanese) continue;
        const auto with_context = translated_with_context.match(literals[i].code_before);
        if (with_context.hasMatch()) {
          EXPECT_TRUE(found_.count({with_context.captured(1), whole}))
              << where.toStdString() << ":" << literals[i].line << " not found by lupdate: \""
              << whole.toStdString() << "\"";
          continue;
        }
        if (translated_in_class.match(literals[i].code_before).hasMatch()) {
          EXPECT_TRUE(texts_found.count(whole))
              << where.toStdString() << ":" << literals[i].line << " not found by lupdate: \""
              << whole.toStdString() << "\"";
          continue;
        }
        for (size_t j = i; j < literals.size() && (j == i || literals[j].continues); ++j) {
          if (!is_japanese(literals[j].text)) continue;
          const bool is_listed = listed.count(literals[j].written) > 0;
          if (is_listed) listed_and_seen.insert(literals[j].written);
          EXPECT_TRUE(is_listed) << where.toStdString() << ":" << literals[j].line
                                 << " neither translated nor listed as staying: \""
                                 << literals[j].written.toStdString() << "\"";
        }
      }
    }
  }
  for (const QString& text : listed) {
    EXPECT_TRUE(listed_and_seen.count(text))
        << "untranslated.txt lists a text no longer in the sources: " << text.toStdString();
  }
}

}  // namespace
}  // namespace kumora
