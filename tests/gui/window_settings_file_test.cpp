// The window's settings file (window.ini) as an attacker leaves it: a link
// to a file of someone else's, a named pipe, and sizes no screen has, in the
// file's own form and in the form earlier versions wrote. The window opens
// usable on the screen, and nothing but window.ini itself is ever written.
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "tests/gui/program_setup.h"
#include "tests/gui/window_test_case.h"
#include "view/desktop_settings.h"
#include "view/game_window.h"
#include "view/language.h"
#include "view/side_panel.h"

namespace kumora {

namespace {

// A start or an end that hangs is ended by the alarm instead of the test's
// timeout.
constexpr unsigned HANG_SECONDS = 30;

QString settings_path() {
  return QString::fromUtf8(qgetenv("XDG_CONFIG_HOME")) + "/kumora-shogi/window.ini";
}

QByteArray content(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool write_file(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// What QWidget::saveGeometry wrote (format 3.0) for a window of this inside
// on a screen `screen_width` wide.
QByteArray old_geometry(const QRect& inside, int screen_width) {
  QByteArray bytes;
  QDataStream stream(&bytes, QIODevice::WriteOnly);
  stream.setVersion(QDataStream::Qt_4_0);
  stream << quint32(0x1D9D0CB) << quint16(3) << quint16(0) << inside << inside << qint32(0)
         << quint8(0) << quint8(0) << qint32(screen_width) << inside;
  return bytes;
}

bool is_link(const QString& path) {
  struct stat info {};
  return lstat(path.toLocal8Bit().constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace

class WindowSettingsFile : public WindowTestCase {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void a_link_is_replaced_and_what_it_points_to_left_alone();
  void a_named_pipe_neither_hangs_the_start_nor_the_end();
  void absurd_sizes_give_a_window_that_fits_the_screen_data();
  void absurd_sizes_give_a_window_that_fits_the_screen();

 private:
  // Starts as the program does: the language read first, then the window.
  bool start();
  // Closes the window as the person does; it writes what it remembers.
  void close_window();

  LanguageSwitch* language_ = nullptr;
};

void WindowSettingsFile::initTestCase() {
  QVERIFY(enter_fresh_folder());
  language_ = &set_up_like_the_program();
  QVERIFY(QDir().mkpath(QFileInfo(settings_path()).path()));
}

void WindowSettingsFile::init() { QFile::remove(settings_path()); }

bool WindowSettingsFile::start() {
  alarm(HANG_SECONDS);
  const bool chosen = language_->choose(start_language(std::nullopt));
  const bool opened = open_window(*language_);
  alarm(0);
  return chosen && opened;
}

void WindowSettingsFile::close_window() {
  alarm(HANG_SECONDS);
  window_->close();
  alarm(0);
  QTRY_VERIFY_WITH_TIMEOUT(window_->logic().program_ended(), WAIT_MS);
  window_.reset();
}

void WindowSettingsFile::a_link_is_replaced_and_what_it_points_to_left_alone() {
  const QString victim = dir_.filePath("someone-elses.txt");
  QVERIFY(write_file(victim, "language=en\nnot yours\n"));
  QVERIFY(QFile::link(victim, settings_path()));
  QVERIFY(start());
  // Read through the link: the language it names.
  QCOMPARE(window_->action(MenuId::ENGLISH)->isChecked(), true);
  window_->action(MenuId::SIDE_PANEL)->trigger();
  close_window();
  QCOMPARE(content(victim), QByteArray("language=en\nnot yours\n"));
  QVERIFY(!is_link(settings_path()));
  QCOMPARE(DesktopSettings().side_panel_shown(), false);
  QCOMPARE(DesktopSettings().language(), Language::ENGLISH);
  language_->choose(Language::JAPANESE);
}

void WindowSettingsFile::a_named_pipe_neither_hangs_the_start_nor_the_end() {
  QCOMPARE(mkfifo(settings_path().toLocal8Bit().constData(), 0600), 0);
  QVERIFY(start());
  QCOMPARE(window_->action(MenuId::JAPANESE)->isChecked(), true);
  QVERIFY(window_->side_panel().isVisible());
  window_->action(MenuId::SIDE_PANEL)->trigger();
  close_window();
  // Replaced by the settings, never opened.
  QCOMPARE(DesktopSettings().side_panel_shown(), false);
}

void WindowSettingsFile::absurd_sizes_give_a_window_that_fits_the_screen_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<bool>("old_form");
  QTest::newRow("100000 x 100000")
      << QByteArray("x=10\ny=10\nwidth=100000\nheight=100000\n") << false;
  QTest::newRow("near INT_MAX")
      << QByteArray("x=2147483000\ny=-2147483000\nwidth=2147483647\nheight=2147483646\n") << false;
  QTest::newRow("nothing at all") << QByteArray("x=0\ny=0\nwidth=0\nheight=-5\n") << false;
  QTest::newRow("as earlier versions wrote") << QByteArray() << true;
}

void WindowSettingsFile::absurd_sizes_give_a_window_that_fits_the_screen() {
  QFETCH(QByteArray, file);
  QFETCH(bool, old_form);
  if (old_form) {
    QSettings old(settings_path(), QSettings::IniFormat);
    const int screen_width = QGuiApplication::primaryScreen()->geometry().width();
    old.setValue("geometry", old_geometry(QRect(0, 0, 100000, 100000), screen_width));
    old.sync();
  } else {
    QVERIFY(write_file(settings_path(), "[General]\n" + file));
  }
  QVERIFY(start());
  const QRect screen = window_->screen()->availableGeometry();
  const QRect inside = window_->geometry();
  QVERIFY2(screen.contains(inside), qPrintable(QString("window at %1,%2 %3x%4 on a screen of %5x%6")
                                                   .arg(inside.x())
                                                   .arg(inside.y())
                                                   .arg(inside.width())
                                                   .arg(inside.height())
                                                   .arg(screen.width())
                                                   .arg(screen.height())));
  // Never below the smallest window, in which the board is whole.
  QVERIFY(window_->minimumWidth() >= 360 && window_->minimumHeight() >= 288);
  QVERIFY2(inside.width() >= window_->minimumWidth() && inside.height() >= window_->minimumHeight(),
           qPrintable(QString("%1x%2").arg(inside.width()).arg(inside.height())));
  // The board is drawn at the window's size, not at a giant one.
  const QSize drawn = window_->surface().image().size();
  QVERIFY2(drawn.width() <= 2 * screen.width() && drawn.height() <= 2 * screen.height(),
           qPrintable(QString("surface of %1x%2").arg(drawn.width()).arg(drawn.height())));
  close_window();
}

}  // namespace kumora

QTEST_MAIN(kumora::WindowSettingsFile)
#include "window_settings_file_test.moc"
