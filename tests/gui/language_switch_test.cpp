// The language of the real window: その他 → Language / 言語 → English turns
// the menus, the status line, the side panel, the rules window and the boxes
// (their buttons too) into English at once, in the middle of a game; the
// choice is remembered for the next start, and --lang ja overrides it.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QTest>
#include <memory>

#include "app/command_line.h"
#include "app/program_start.h"
#include "tests/gui/box_answerer.h"
#include "tests/gui/panel_widgets.h"
#include "tests/gui/program_setup.h"
#include "tests/gui/screenshots.h"
#include "tests/gui/window_test_case.h"
#include "view/desktop_settings.h"
#include "view/game_window.h"
#include "view/language.h"
#include "view/rules_window.h"
#include "view/side_panel.h"
#include "view/surface_view.h"

namespace kumora {

namespace {
QString u8(const char* text) { return QString::fromUtf8(text); }

QStringList bar_captions(GameWindow& window) {
  QStringList captions;
  for (const QAction* action : window.menuBar()->actions()) captions << action->text();
  return captions;
}
}  // namespace

class LanguageSwitching : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void english_turns_the_whole_window_at_once();
  void boxes_and_their_buttons_are_in_english();
  void japanese_comes_back_the_same_way();
  void the_choice_is_remembered_and_lang_overrides_it();

 private:
  MainWindow& logic() { return window_->logic(); }
  void expect_boxes(const Boxes& expected) {
    const QString unexpected = unexpected_boxes(boxes_, expected);
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));
  }

  LanguageSwitch* language_ = nullptr;
};

void LanguageSwitching::initTestCase() {
  QVERIFY(enter_fresh_folder());
  // The system's language (LANG=en_US.UTF-8, set by the test) does not
  // choose the program's.
  QCOMPARE(QLocale::system().language(), QLocale::English);
  language_ = &set_up_like_the_program();
  QCOMPARE(language_->choose(start_language(std::nullopt)), true);
  QVERIFY(open_window(*language_));
  QCOMPARE(bar_captions(*window_).value(0), u8("対局"));
}

void LanguageSwitching::english_turns_the_whole_window_at_once() {
  QVERIFY(driver_->choose({u8("△")}));
  QVERIFY(driver_->choose({u8("対局"), u8("対局(人間)"), u8("スタート")}));
  expect_boxes({{" ", u8("先手の番です")}});
  for (const auto& [x, y] : {std::pair{8, 8}, {8, 7}, {8, 6}}) driver_->click_cell(x, y);
  QCOMPARE(window_->status_line().text(), u8("後手の番です"));
  save_screenshot_if_asked(*window_, "window-japanese");
  window_->action(MenuId::HOW_TO_PLAY)->trigger();

  QVERIFY(driver_->choose({u8("その他"), "Language / 言語", "English"}));
  QCOMPARE(bar_captions(*window_), QStringList({"Game", "Position", "Back", "Forward", u8("△"),
                                                u8("▽"), "Hint", "Record", "Options", "Other"}));
  QCOMPARE(window_->action(MenuId::VS_COM_AS_SENTE)->text(), "Sente (First)");
  QVERIFY(window_->action(MenuId::ENGLISH)->isChecked());
  QVERIFY(!window_->action(MenuId::JAPANESE)->isChecked());
  QCOMPARE(window_->windowTitle(), "Kumora Shogi");
  QCOMPARE(window_->status_line().text(), "Gote's turn");
  QListWidget& moves = window_->side_panel().move_list();
  QCOMPARE(moves.item(0)->text(), "Start position");
  QCOMPARE(moves.item(1)->text(), u8("1 ▲２六飛"));  // the notation stays
  const QStringList panel_texts = [&] {
    QStringList texts;
    for (const QLabel* label : window_->side_panel().findChildren<QLabel*>())
      texts << label->text();
    return texts;
  }();
  QVERIFY2(panel_texts.contains("Gote to move"), qPrintable(panel_texts.join(" | ")));
  QVERIFY(panel_texts.contains("Two players, Handicap: 3-kyu"));
  // The rules window was open: it is built anew in English, still open.
  RulesWindow* rules = window_->findChild<RulesWindow*>();
  QVERIFY(rules != nullptr && rules->isVisible());
  QCOMPARE(rules->windowTitle(), "How to Play - Kumora Shogi");
  QCOMPARE(rules->section_headings().front()->text(), "1. Moving a piece (the chain move)");
  // Its contents list shows every title whole, broken into lines that fit.
  const auto* contents = rules->findChild<QListWidget*>();
  QVERIFY(contents != nullptr);
  QString first = contents->item(0)->text();
  QVERIFY(first.contains('\n'));
  QCOMPARE(first.replace('\n', ' '), "1. Moving a piece (the chain move)");
  const QFontMetrics metrics(contents->font());
  for (int i = 0; i < contents->count(); ++i) {
    for (const QString& line : contents->item(i)->text().split('\n')) {
      QVERIFY2(metrics.horizontalAdvance(line) < contents->viewport()->width() - 16,
               qPrintable(line));
    }
  }
  rules->close();
  save_screenshot_if_asked(*window_, "window-english");
  // The game goes on in English.
  for (const auto& [x, y] : {std::pair{2, 2}, {2, 3}, {2, 4}}) driver_->click_cell(x, y);
  QCOMPARE(window_->status_line().text(), "Sente's turn");
  expect_boxes({});
}

void LanguageSwitching::boxes_and_their_buttons_are_in_english() {
  QVERIFY(driver_->choose({u8("△")}));
  expect_boxes(
      {{"Handicap", "Not possible in the middle of a game\r\rChoose Position → Start Over first"}});
  // A record read for replay, and a click on the board asks Yes/No.
  QFile record(u8("english.棋譜"));
  QVERIFY(record.open(QIODevice::WriteOnly));
  record.write("Title\r\nSente\r\nGote\r\n 8886-900-900   0    0    0    0    0\r\n");
  record.close();
  QVERIFY(driver_->choose({"Record", "Load"}));
  const PanelWidgets panel = find_panel_widgets(driver_->view());
  QVERIFY(panel.complete());
  const QList<QListWidgetItem*> items =
      panel.file1->findItems(u8("english.棋譜"), Qt::MatchExactly);
  QCOMPARE(items.size(), 1);
  driver_->click_widget(*panel.file1->viewport(), panel.file1->visualItemRect(items[0]).center());
  expect_boxes({{"Game Record", "The game record has been loaded"},
                {"Game Record", "Step through the record with 'Forward'"}});
  QCOMPARE(window_->status_line().text(), "Step through the record with Forward and Back");
  boxes_.queue_answer(QMessageBox::Yes);
  driver_->click_cell(5, 5);
  const QList<SeenBox> seen = boxes_.take_seen();
  QCOMPARE(seen.size(), 1);
  QVERIFY(seen[0].yes_no);
  QCOMPARE(seen[0].text, "Step through the record with 'Forward'");
  QCOMPARE(QString(seen[0].answer).remove('&'), "Yes");
  QCOMPARE(logic().game().state.record_mode, true);
}

void LanguageSwitching::japanese_comes_back_the_same_way() {
  QVERIFY(driver_->choose({"Other", "Language / 言語", u8("日本語")}));
  QCOMPARE(bar_captions(*window_).value(0), u8("対局"));
  QCOMPARE(window_->status_line().text(), u8("棋譜は「進」と「戻」で見ます"));
  QVERIFY(window_->action(MenuId::JAPANESE)->isChecked());
  boxes_.queue_answer(QMessageBox::Yes);
  driver_->click_cell(5, 5);
  const QList<SeenBox> seen = boxes_.take_seen();
  QCOMPARE(seen.size(), 1);
  QCOMPARE(seen[0].text, u8("棋譜を '進 'で進めて下さい"));
  QVERIFY2(seen[0].answer.startsWith(u8("はい")), qPrintable(seen[0].answer));
  QVERIFY(driver_->choose({u8("その他"), "Language / 言語", "English"}));
}

void LanguageSwitching::the_choice_is_remembered_and_lang_overrides_it() {
  QCOMPARE(DesktopSettings().language(), Language::ENGLISH);
  window_.reset();
  // The next start, without options: English, and the strong levels by time.
  const CommandLine plain = parse_command_line({});
  QVERIFY(language_->choose(start_language(plain.language)));
  {
    GameWindow again(*sound_, *language_);
    open_game_window(again, plain);
    QCOMPARE(bar_captions(again).value(0), "Game");
    QCOMPARE(again.status_line().text(), "Start a game from the Game menu");
    QCOMPARE(again.logic().engine_nodes(), 0);
  }
  // With --lang ja: Japanese, and the remembered choice stays; --nodes
  // reaches the window's search.
  const CommandLine asked = parse_command_line({"--lang", "ja", "--nodes", "3000"});
  QVERIFY(language_->choose(start_language(asked.language)));
  GameWindow japanese(*sound_, *language_);
  open_game_window(japanese, asked);
  QCOMPARE(bar_captions(japanese).value(0), u8("対局"));
  QCOMPARE(japanese.status_line().text(), u8("「対局」で対局を始めて下さい"));
  QVERIFY(japanese.action(MenuId::JAPANESE)->isChecked());
  QCOMPARE(DesktopSettings().language(), Language::ENGLISH);
  QCOMPARE(japanese.logic().engine_nodes(), 3000);
}

}  // namespace kumora

QTEST_MAIN(kumora::LanguageSwitching)
#include "language_switch_test.moc"
