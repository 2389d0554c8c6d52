#include "view/side_panel.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "view/eval_graph.h"
#include "view/phrase_label.h"

namespace kumora {

namespace {

// The highlighted row already marks the position shown; the focus frame
// around it would come and go with the keyboard focus alone.
class RowWithoutFocusFrame : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
  }
};

}  // namespace

SidePanel::SidePanel(QWidget* parent)
    : QWidget(parent),
      turn_(new QLabel(this)),
      mode_(new PhraseLabel(this)),
      moves_(new QListWidget(this)),
      graph_title_(new QLabel(this)),
      graph_(new EvalGraph(this)),
      usual_point_size_(font().pointSizeF()) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  set_text_scale(1.0);
  layout->addWidget(turn_);
  layout->addWidget(mode_);
  layout->addWidget(moves_, 3);
  graph_title_->setWordWrap(true);
  layout->addWidget(graph_title_);
  layout->addWidget(graph_, 2);
  moves_->addItem(QString());
  moves_->setSelectionMode(QAbstractItemView::SingleSelection);
  moves_->setItemDelegate(new RowWithoutFocusFrame(moves_));
  setMinimumWidth(200);
  connect(moves_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (!syncing_ && on_position_chosen) on_position_chosen(moves_->row(item));
  });
  graph_->on_position_chosen = [this](int position) {
    if (on_position_chosen) on_position_chosen(position);
  };
  retranslate();
}

void SidePanel::set_text_scale(double scale) {
  if (scale == text_scale_) return;
  text_scale_ = scale;
  QFont texts = font();
  texts.setPointSizeF(usual_point_size_ * scale);
  setFont(texts);
  QFont big = texts;
  big.setPointSizeF(texts.pointSizeF() * 1.4);
  big.setBold(true);
  turn_->setFont(big);
}

void SidePanel::retranslate() {
  // Row 0 of the list is the position before the first move.
  moves_->item(0)->setText(tr("開始局面"));
  graph_title_->setText(tr("形勢（上が手前の人の有利）"));
}

void SidePanel::show_summary(const GameSummary& summary) {
  syncing_ = true;
  const QSignalBlocker blocker(moves_);
  turn_->setText(QString::fromStdString(summary.turn));
  mode_->setText(QString::fromStdString(summary.mode));
  if (summary.moves != shown_moves_) {
    while (moves_->count() > 1) delete moves_->takeItem(moves_->count() - 1);
    for (const std::string& move : summary.moves) moves_->addItem(QString::fromStdString(move));
    shown_moves_ = summary.moves;
  }
  if (summary.position >= 0 && summary.position < moves_->count()) {
    moves_->setCurrentRow(summary.position);
    moves_->scrollToItem(moves_->currentItem());
  }
  graph_->set_current(summary.position);
  graph_->set_sides(QString::fromStdString(summary.lower_player),
                    QString::fromStdString(summary.upper_player));
  syncing_ = false;
}

void SidePanel::show_values(const std::vector<std::optional<int>>& values) {
  graph_->set_values(values);
}

}  // namespace kumora
