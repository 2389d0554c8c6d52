#include "view/file_panel_widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <cmath>
#include <filesystem>

#include "core/code_page.h"
#include "core/translation.h"
#include "view/pictures.h"

namespace kumora {

namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }

// Names and paths are shown readably, but kept as the file system's bytes,
// which need not be UTF-8, so that what is chosen opens.
QString shown(const std::string& name) { return qt(file_name_text(name)); }
QByteArray bytes_of(const std::string& name) {
  return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}
std::string name_in(const QVariant& data) { return data.toByteArray().toStdString(); }

constexpr int PATH_ROLE = Qt::UserRole + 1;  // the real bytes
constexpr int DEPTH_ROLE = Qt::UserRole + 2;

// Draws each folder of the directory list indented by its depth, so that the
// list reads as the path from the root down to the folders inside.
class IndentedFolders : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem shifted(option);
    shifted.rect.setLeft(option.rect.left() + indent(option, index));
    QStyledItemDelegate::paint(painter, shifted, index);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return QStyledItemDelegate::sizeHint(option, index) + QSize(indent(option, index), 0);
  }

 private:
  static int indent(const QStyleOptionViewItem& option, const QModelIndex& index) {
    return index.data(DEPTH_ROLE).toInt() * option.decorationSize.width() * 2 / 3;
  }
};

// The style's folder pictures: the window font has no pictographs.
QIcon folder_icon(bool open) {
  return QApplication::style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirIcon);
}

}  // namespace

FilePanelWidgets::FilePanelWidgets(QWidget* parent)
    : QObject(parent),
      drive1_(new QComboBox(parent)),
      dir1_(new QListWidget(parent)),
      file1_(new QListWidget(parent)),
      command1_(new QPushButton(parent)),
      backdrop_(new QFrame(parent)) {
  for (int i = 1; i <= 4; ++i) {
    text_[i] = new QLineEdit(parent);
    label_[i] = new QLabel(parent);
    label_[i]->setStyleSheet("QLabel { color: #2b2416; background: transparent; }");
    connect(text_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
      if (on_text_edited) on_text_edited(i, text.toStdString());
    });
  }
  connect(drive1_, &QComboBox::activated, this, [this](int index) {
    if (!syncing_ && on_drive_chosen) on_drive_chosen(name_in(drive1_->itemData(index)));
  });
  dir1_->setItemDelegate(new IndentedFolders(dir1_));
  connect(dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    if (on_dir_chosen) on_dir_chosen(name_in(item->data(PATH_ROLE)));
  });
  connect(dir1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (on_dir_chosen) on_dir_chosen(name_in(item->data(PATH_ROLE)));
  });
  connect(file1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (on_file_clicked) on_file_clicked(name_in(item->data(PATH_ROLE)));
  });
  connect(command1_, &QPushButton::clicked, this, [this] {
    if (on_return) on_return();
  });
  connect(text_[TEXT_FILE_NAME], &QLineEdit::returnPressed, this, [this] {
    if (on_return) on_return();
  });
  backdrop_->setObjectName("filePanelBackdrop");
  backdrop_->setStyleSheet(
      "#filePanelBackdrop { background: #f4efe3; border: 1px solid #5b4a2e; border-radius: 4px; }");
  backdrop_->lower();
  retranslate();
  sync(FilePanelState{});
}

void FilePanelWidgets::retranslate() {
  for (int i = 1; i <= 4; ++i) label_[i]->setText(qt(tr_text(FILE_PANEL_CONTEXT, PANEL_LABELS[i])));
  command1_->setText(qt(tr_text(FILE_PANEL_CONTEXT, RETURN_CAPTION)));
}

void FilePanelWidgets::fill_drives(const FilePanelState& state) {
  drive1_->clear();
  for (const std::string& drive : list_drives()) drive1_->addItem(shown(drive), bytes_of(drive));
  const int index = drive1_->findData(bytes_of(state.drive));
  if (index >= 0) drive1_->setCurrentIndex(index);
}

void FilePanelWidgets::fill_dirs(const FilePanelState& state) {
  dir1_->clear();
  namespace fs = std::filesystem;
  const fs::path current(state.dir_path);
  std::vector<fs::path> ancestors;
  for (fs::path p = current; !p.empty(); p = p.parent_path()) {
    ancestors.insert(ancestors.begin(), p);
    if (p == p.parent_path()) break;
  }
  int depth = 0;
  for (const fs::path& p : ancestors) {
    const std::string name = p == p.root_path() ? p.string() : p.filename().string();
    auto* item = new QListWidgetItem(folder_icon(true), shown(name), dir1_);
    item->setData(PATH_ROLE, bytes_of(p.string()));
    item->setData(DEPTH_ROLE, depth);
    ++depth;
  }
  std::vector<std::string> children;
  std::error_code error;
  for (fs::directory_iterator it(current, error), end; !error && it != end; it.increment(error)) {
    std::error_code type_error;
    if (it->is_directory(type_error) && it->path().filename().string()[0] != '.') {
      children.push_back(it->path().string());
    }
  }
  std::sort(children.begin(), children.end());
  for (const std::string& child : children) {
    auto* item =
        new QListWidgetItem(folder_icon(false), shown(fs::path(child).filename().string()), dir1_);
    item->setData(PATH_ROLE, bytes_of(child));
    item->setData(DEPTH_ROLE, depth);
  }
}

void FilePanelWidgets::fill_files(const FilePanelState& state) {
  file1_->clear();
  for (const std::string& name : state.files) {
    auto* item = new QListWidgetItem(shown(name), file1_);
    item->setData(PATH_ROLE, bytes_of(name));
  }
}

void FilePanelWidgets::sync(const FilePanelState& state) {
  syncing_ = true;
  if (state.drive_visible && drive1_->count() == 0) fill_drives(state);
  if (state.drive_visible) {
    const int index = drive1_->findData(bytes_of(state.drive));
    if (index >= 0) drive1_->setCurrentIndex(index);
  }
  if (state.dir_visible && state.dir_path != shown_dir_) {
    fill_dirs(state);
    shown_dir_ = state.dir_path;
  }
  if (state.file_visible) fill_files(state);
  drive1_->setVisible(state.drive_visible);
  dir1_->setVisible(state.dir_visible);
  file1_->setVisible(state.file_visible);
  for (int i = 1; i <= 4; ++i) {
    if (text_[i]->text().toStdString() != state.text[i]) text_[i]->setText(qt(state.text[i]));
    text_[i]->setVisible(state.save_fields_visible);
    label_[i]->setVisible(state.save_fields_visible);
  }
  command1_->setVisible(state.save_fields_visible);
  if (!state.drive_visible) drive1_->clear();
  save_fields_shown_ = state.save_fields_visible;
  place_backdrop();
  syncing_ = false;
}

void FilePanelWidgets::place(double factor, double left, double top) {
  auto put = [&](QWidget* widget, int x, int y, int w, int h) {
    // Both edges rounded, so that the widget covers its rectangle of the surface.
    const QPoint top_left(std::lround(left + x * factor), std::lround(top + y * factor));
    const QPoint bottom_right(std::lround(left + (x + w) * factor),
                              std::lround(top + (y + h) * factor));
    widget->setGeometry(QRect(top_left, bottom_right - QPoint(1, 1)));
    QFont font(JAPANESE_FONT);
    font.setPixelSize(std::max(6, static_cast<int>(h * factor * 0.6)));
    if (widget == dir1_ || widget == file1_)
      font.setPixelSize(std::max(6, static_cast<int>(200 * factor)));
    widget->setFont(font);
  };
  const int icon_size = std::max(8, static_cast<int>(200 * factor));
  dir1_->setIconSize(QSize(icon_size, icon_size));
  put(drive1_, DRIVE1_RECT.left, DRIVE1_RECT.top, DRIVE1_RECT.width, DRIVE1_RECT.height);
  put(dir1_, DIR1_RECT.left, DIR1_RECT.top, DIR1_RECT.width, DIR1_RECT.height);
  put(file1_, FILE1_RECT.left, FILE1_RECT.top, FILE1_RECT.width, FILE1_RECT.height);
  for (int i = 1; i <= 4; ++i) {
    const int y = text_box_top(i);
    put(text_[i], TEXT_BOX_LEFT, y, TEXT_BOX_WIDTH, TEXT_BOX_HEIGHT);
    put(label_[i], LABEL_LEFT, y, LABEL_WIDTH, LABEL_HEIGHT);
  }
  put(command1_, COMMAND1_RECT.left, COMMAND1_RECT.top, COMMAND1_RECT.width, COMMAND1_RECT.height);
  factor_ = factor;
  origin_ = QPointF(left, top);
  place_backdrop();
}

// An opaque, framed ground under the shown widgets, so that the board does
// not show through between them.
void FilePanelWidgets::place_backdrop() {
  QRect area;
  for (QWidget* widget : std::initializer_list<QWidget*>{drive1_, dir1_, file1_, command1_}) {
    if (widget->isVisibleTo(widget->parentWidget())) area |= widget->geometry();
  }
  for (int i = 1; i <= 4; ++i) {
    if (save_fields_shown_) area |= text_[i]->geometry() | label_[i]->geometry();
  }
  if (area.isEmpty()) {
    backdrop_->hide();
    return;
  }
  const int margin = std::max(3, static_cast<int>(std::lround(90 * factor_)));
  backdrop_->setGeometry(area.adjusted(-margin, -margin, margin, margin));
  backdrop_->show();
  backdrop_->lower();
}

}  // namespace kumora
