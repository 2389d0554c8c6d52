#include "tests/gui/window_account.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "settings/menu_tree.h"
#include "view/board_diagram.h"
#include "view/eval_graph.h"
#include "view/game_window.h"
#include "view/surface_view.h"

namespace kumora {

namespace {

QString on_off(bool on) { return on ? "on" : "off"; }

// A list's state; its rows go in lines of their own, so that a row added
// shows as one new line.
QString list_state(const QListWidget& list, const QString& key, WindowAccount& account) {
  for (int i = 0; i < list.count(); ++i) {
    account[QString("%1/row %2").arg(key).arg(i, 3, 10, QChar('0'))] =
        list.item(i)->text().replace('\n', "\\n");
  }
  const QListWidgetItem* current = list.currentItem();
  return QString("rows %1 current %2 \"%3\" top %4")
      .arg(list.count())
      .arg(list.currentRow())
      .arg(current ? current->text() : QString())
      .arg(list.indexAt(QPoint(2, 2)).row());
}

// What a widget of this kind shows, beyond where it stands. Pictures are
// told by what they show, never by their pixels: those are compared, with a
// tolerance, by the looks test.
QString widget_contents(QWidget& widget, const QString& key, WindowAccount& account) {
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    if (label->pixmap().isNull()) return "\"" + label->text() + "\"";
    const QSize size = label->pixmap().deviceIndependentSize().toSize();
    return QString("picture %1x%2").arg(size.width()).arg(size.height());
  }
  if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    return "\"" + button->text() + "\" enabled " + on_off(button->isEnabled()) + " checked " +
           on_off(button->isChecked());
  }
  if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
    return "\"" + edit->text() + "\" enabled " + on_off(edit->isEnabled());
  }
  if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    return QString("\"%1\" of %2").arg(combo->currentText()).arg(combo->count());
  }
  if (auto* list = qobject_cast<QListWidget*>(&widget)) return list_state(*list, key, account);
  if (auto* slider = qobject_cast<QAbstractSlider*>(&widget)) {
    return QString("%1 of %2").arg(slider->value()).arg(slider->maximum());
  }
  if (auto* view = qobject_cast<SurfaceView*>(&widget)) return view->describe();
  if (auto* diagram = qobject_cast<BoardDiagram*>(&widget)) {
    return QString("diagram %1 \"%2\"")
        .arg(diagram->shows() == BoardDiagram::Shows::Before ? "before" : "after")
        .arg(QString::fromStdString(diagram->diagram().caption));
  }
  if (auto* graph = qobject_cast<EvalGraph*>(&widget)) return graph->describe();
  return {};
}

void add_widgets(QWidget& widget, const QString& key, WindowAccount& account) {
  const QPoint at = widget.isWindow() ? QPoint(0, 0) : widget.mapTo(widget.window(), QPoint(0, 0));
  QString line =
      QString("%1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(widget.width()).arg(widget.height());
  if (widget.isWindow()) line += " \"" + widget.windowTitle() + "\"";
  const QString contents = widget_contents(widget, key, account);
  account[key] = contents.isEmpty() ? line : line + " " + contents;
  QMap<QString, int> seen;
  for (QObject* child : widget.children()) {
    auto* child_widget = qobject_cast<QWidget*>(child);
    if (child_widget == nullptr || !child_widget->isVisible()) continue;
    const QString kind = child_widget->metaObject()->className();
    add_widgets(*child_widget, key + "/" + kind + ":" + QString::number(seen[kind]++), account);
  }
}

void add_menus(GameWindow& window, WindowAccount& account) {
  for (int i = 0; i < MENU_COUNT; ++i) {
    const MenuItemInfo& info = MENU_TREE[i];
    const QAction* action = window.action(info.id);
    if (action == nullptr) continue;
    account["menu " + menu_name(info)] =
        QString("\"%1\" enabled %2 ticked %3")
            .arg(action->text(), on_off(action->isEnabled()), on_off(action->isChecked()));
  }
}

void add_game(GameWindow& window, WindowAccount& account) {
  const Game& game = window.logic().game();
  const GameState& state = game.state;
  account["game"] = QString("turn %1 lower %2 moves %3 winner %4 vs_com %5 record %6 reversed %7")
                        .arg(side_code(state.turn))
                        .arg(side_code(state.lower_side))
                        .arg(state.move_count)
                        .arg(side_code(state.winner))
                        .arg(static_cast<int>(state.vs_com))
                        .arg(state.record_mode)
                        .arg(state.reversed);
  account["record"] = QString("%1 of %2").arg(game.record.shown).arg(game.record.length);
  // The surface as drawn: every picture, text and frame still visible.
  for (const auto& lines : {window.shown().describe(), window.shown().describe_frames()}) {
    for (const std::string& line : lines) {
      const size_t at = line.find(" = ");
      // A place drawn on twice without being painted over shows both.
      QString key = "board " + QString::fromStdString(line.substr(0, at));
      while (account.contains(key)) key += " again";
      account[key] = QString::fromStdString(line.substr(at + 3));
    }
  }
}

}  // namespace

QString menu_name(const MenuItemInfo& item) {
  return QString::fromUtf8(item.name.data(), static_cast<int>(item.name.size()));
}

WindowAccount take_account(GameWindow& window) {
  WindowAccount account;
  add_widgets(window, "GameWindow", account);
  add_menus(window, account);
  add_game(window, account);
  return account;
}

QStringList account_changes(const WindowAccount& before, const WindowAccount& now) {
  QStringList changes;
  for (auto it = now.begin(); it != now.end(); ++it) {
    if (before.value(it.key()) != it.value()) changes << it.key() + " = " + it.value();
  }
  for (auto it = before.begin(); it != before.end(); ++it) {
    if (!now.contains(it.key())) changes << it.key() + " gone";
  }
  changes.sort();
  return changes;
}

}  // namespace kumora
