#include "view/input_blocker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace kumora {

namespace {

bool is_input(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputBlocker::InputBlocker() { QCoreApplication::instance()->installEventFilter(this); }

InputBlocker::~InputBlocker() { QCoreApplication::instance()->removeEventFilter(this); }

void InputBlocker::request_end() {
  if (end_requested_) return;
  end_requested_ = true;
  if (on_end_requested) on_end_requested();
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  if (lets_through && is_input(event->type()) && lets_through(watched)) {
    return QObject::eventFilter(watched, event);
  }
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    request_end();
    return true;
  }
  if (is_input(event->type())) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace kumora
