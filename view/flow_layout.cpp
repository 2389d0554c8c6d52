#include "view/flow_layout.h"

#include <QWidget>
#include <algorithm>

namespace kumora {

FlowLayout::FlowLayout(int spacing, QWidget* parent) : QLayout(parent), spacing_(spacing) {}

FlowLayout::~FlowLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void FlowLayout::addItem(QLayoutItem* item) { items_.append(item); }

QLayoutItem* FlowLayout::itemAt(int index) const {
  return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
  return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int FlowLayout::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

QSize FlowLayout::minimumSize() const {
  QSize size;
  for (const QLayoutItem* item : items_) size = size.expandedTo(item->minimumSize());
  const QMargins m = contentsMargins();
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void FlowLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  arrange(rect, true);
}

int FlowLayout::arrange(const QRect& rect, bool apply) const {
  const QRect area = rect.marginsRemoved(contentsMargins());
  int x = area.x();
  int y = area.y();
  int row_height = 0;
  for (QLayoutItem* item : items_) {
    QSize size = item->sizeHint();
    if (item->hasHeightForWidth()) size.setHeight(item->heightForWidth(size.width()));
    if (x > area.x() && x + size.width() > area.right() + 1) {
      x = area.x();
      y += row_height + spacing_;
      row_height = 0;
    }
    if (apply) item->setGeometry(QRect(QPoint(x, y), size));
    x += size.width() + spacing_;
    row_height = std::max(row_height, size.height());
  }
  return y + row_height - rect.y() + contentsMargins().bottom();
}

}  // namespace kumora
