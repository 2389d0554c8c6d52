// The record-file panel as Qt widgets over the window surface, placed at the
// panel's twip rectangles and scaled with the window.
#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <string>

#include "window/file_panel.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace kumora {

class FilePanelWidgets : public QObject {
  Q_OBJECT
 public:
  explicit FilePanelWidgets(QWidget* parent);

  // What the person does with the panel.
  std::function<void(const std::string&)> on_drive_chosen;
  std::function<void(const std::string&)> on_dir_chosen;
  std::function<void(const std::string&)> on_file_clicked;
  std::function<void(int, const std::string&)> on_text_edited;
  std::function<void()> on_return;

  // Shows what the window's logic holds.
  void sync(const FilePanelState& state);
  // Shows the labels and the button's caption in the chosen language.
  void retranslate();
  // Places the widgets: `factor` logical pixels per twip, the surface's top-left at (left, top).
  void place(double factor, double left, double top);

 private:
  void fill_drives(const FilePanelState& state);
  void fill_dirs(const FilePanelState& state);
  void fill_files(const FilePanelState& state);
  void place_backdrop();

  QComboBox* drive1_;
  QListWidget* dir1_;
  QListWidget* file1_;
  QLineEdit* text_[5] = {};
  QLabel* label_[5] = {};
  QPushButton* command1_;
  QFrame* backdrop_;
  double factor_ = 1.0 / 15;
  QPointF origin_;
  bool save_fields_shown_ = false;
  std::string shown_dir_;
  std::string shown_file_path_;
  bool syncing_ = false;
};

}  // namespace kumora
