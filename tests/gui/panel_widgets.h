// The record-file panel's widgets as the test finds them on the window, told
// apart by where they stand (the panel's controls are not named).
#pragma once

class QComboBox;
class QListWidget;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace kumora {

class WindowDriver;

struct PanelWidgets {
  QComboBox* drive1 = nullptr;
  QListWidget* dir1 = nullptr;   // the upper list
  QListWidget* file1 = nullptr;  // the lower list
  QLineEdit* text[5] = {};       // Text1..Text4 at 1..4
  QPushButton* command1 = nullptr;
  bool complete() const;
};

// Text2, Text3, Text4 stand in this order from the top, Text1 below them.
PanelWidgets find_panel_widgets(QWidget& view);

// Waits up to `timeout_ms` for the file list to show `name`, then clicks it;
// false when it never showed.
bool click_listed_file(WindowDriver& driver, const PanelWidgets& panel, const QString& name,
                       int timeout_ms);

}  // namespace kumora
