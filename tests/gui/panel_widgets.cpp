#include "tests/gui/panel_widgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "tests/gui/window_driver.h"

namespace kumora {

namespace {

template <typename W>
QList<W*> from_top(QWidget& view) {
  QList<W*> found = view.findChildren<W*>(Qt::FindDirectChildrenOnly);
  std::sort(found.begin(), found.end(),
            [](W* a, W* b) { return a->geometry().top() < b->geometry().top(); });
  return found;
}

}  // namespace

bool PanelWidgets::complete() const {
  return drive1 && dir1 && file1 && text[1] && text[2] && text[3] && text[4] && command1;
}

PanelWidgets find_panel_widgets(QWidget& view) {
  PanelWidgets panel;
  const QList<QComboBox*> combos = from_top<QComboBox>(view);
  const QList<QListWidget*> lists = from_top<QListWidget>(view);
  const QList<QLineEdit*> texts = from_top<QLineEdit>(view);
  const QList<QPushButton*> buttons = from_top<QPushButton>(view);
  if (combos.size() != 1 || lists.size() != 2 || texts.size() != 4 || buttons.size() != 1)
    return panel;
  panel.drive1 = combos[0];
  panel.dir1 = lists[0];
  panel.file1 = lists[1];
  panel.text[2] = texts[0];
  panel.text[3] = texts[1];
  panel.text[4] = texts[2];
  panel.text[1] = texts[3];
  panel.command1 = buttons[0];
  return panel;
}

bool click_listed_file(WindowDriver& driver, const PanelWidgets& panel, const QString& name,
                       int timeout_ms) {
  QList<QListWidgetItem*> items;
  const bool listed = QTest::qWaitFor(
      [&] { return !(items = panel.file1->findItems(name, Qt::MatchExactly)).isEmpty(); },
      timeout_ms);
  if (!listed) return false;
  driver.click_widget(*panel.file1, panel.file1->visualItemRect(items.first()).center());
  return true;
}

}  // namespace kumora
