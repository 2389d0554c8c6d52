#include "tests/gui/window_account.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAction>
#include <QComboBox>
#include <QCryptographicHash>
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

QString checksum(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().left(12);
}

QString checksum(const QImage& image) {
  const QImage plain = image.convertToFormat(QImage::Format_RGB32);
  return checksum(QByteArray(reinterpret_cast<const char*>(plain.constBits()),
                             static_cast<int>(plain.sizeInBytes())));
}

QString on_off(bool on) { return on ? "on" : "off"; }

QString list_state(const QListWidget& list) {
  QStringList rows;
  for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
  const QListWidgetItem* current = list.currentItem();
  return QString("rows %1 current %2 \"%3\" top %4 texts %5")
      .arg(list.count())
      .arg(list.currentRow())
      .arg(current ? current->text() : QString())
      .arg(list.indexAt(QPoint(2, 2)).row())
      .arg(checksum(rows.join('\n').toUtf8()));
}

// What a widget of this kind shows, beyond where it stands.
QString widget_contents(QWidget& widget) {
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    return label->pixmap().isNull() ? "\"" + label->text() + "\""
                                    : "picture " + checksum(label->pixmap().toImage());
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
  if (auto* list = qobject_cast<QListWidget*>(&widget)) return list_state(*list);
  if (auto* slider = qobject_cast<QAbstractSlider*>(&widget)) {
    return QString("%1 of %2").arg(slider->value()).arg(slider->maximum());
  }
  // The board, with the bands around it, and the rules' board diagrams.
  if (qobject_cast<SurfaceView*>(&widget) || qobject_cast<BoardDiagram*>(&widget)) {
    return "picture " + checksum(widget.grab().toImage());
  }
  if (auto* graph = qobject_cast<EvalGraph*>(&widget)) {
    return QString("values %1 picture %2")
        .arg(graph->known_values())
        .arg(checksum(graph->grab().toImage()));
  }
  return {};
}

void add_widgets(QWidget& widget, const QString& key, WindowAccount& account) {
  const QPoint at = widget.isWindow() ? QPoint(0, 0) : widget.mapTo(widget.window(), QPoint(0, 0));
  QString line =
      QString("%1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(widget.width()).arg(widget.height());
  if (widget.isWindow()) line += " \"" + widget.windowTitle() + "\"";
  const QString contents = widget_contents(widget);
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
                        .arg(state.turn)
                        .arg(state.lower_side)
                        .arg(state.move_count)
                        .arg(state.winner)
                        .arg(state.vs_com)
                        .arg(state.kifu_mode)
                        .arg(state.reversed);
  account["record"] = QString("%1 of %2").arg(game.kifu.kifu_pos).arg(game.kifu.kifu_len);
  account["board picture"] = checksum(window.surface().image());
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
