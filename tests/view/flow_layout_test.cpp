// The diagrams of the rules window sit side by side while they fit the
// window's width and move to the next row when they do not.
#include <gtest/gtest.h>

#include <QWidget>
#include <vector>

#include "tests/view/qt_app.h"
#include "view/flow_layout.h"

namespace kumora {
namespace {

constexpr int SPACING = 10;

struct Boxes {
  QWidget page;
  FlowLayout* layout = new FlowLayout(SPACING, &page);
  std::vector<QWidget*> boxes;
  explicit Boxes(int count) {
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < count; ++i) {
      auto* box = new QWidget(&page);
      box->setFixedSize(100, 40);
      layout->addWidget(box);
      boxes.push_back(box);
    }
  }
  QPoint place(int width) {
    layout->setGeometry(QRect(0, 0, width, 500));
    return boxes.back()->geometry().topLeft();
  }
};

TEST(FlowLayout, ARowHoldsWhatFitsExactlyAndWrapsOnePixelNarrower) {
  ensure_qt_app();
  Boxes three(3);
  const int exact = 3 * 100 + 2 * SPACING;
  EXPECT_EQ(three.place(exact), QPoint(220, 0));
  EXPECT_EQ(three.layout->heightForWidth(exact), 40);
  EXPECT_EQ(three.place(exact - 1), QPoint(0, 40 + SPACING));
  EXPECT_EQ(three.layout->heightForWidth(exact - 1), 90);
}

TEST(FlowLayout, ABoxWiderThanTheWindowStillGetsARowOfItsOwn) {
  ensure_qt_app();
  Boxes two(2);
  EXPECT_EQ(two.place(60), QPoint(0, 40 + SPACING));
  EXPECT_EQ(two.boxes.front()->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(two.layout->heightForWidth(60), 90);
}

TEST(FlowLayout, TheMarginsSurroundTheRows) {
  ensure_qt_app();
  Boxes one(1);
  one.layout->setContentsMargins(5, 7, 5, 11);
  EXPECT_EQ(one.place(110), QPoint(5, 7));
  EXPECT_EQ(one.layout->heightForWidth(110), 7 + 40 + 11);
}

// A card whose caption wraps: taller than its size hint at its width.
class WrappingCard : public QWidget {
 public:
  WrappingCard() {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
  }
  QSize sizeHint() const override { return {100, 20}; }
  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return 7000 / width; }
};

TEST(FlowLayout, ACardIsAsTallAsItsWidthAsks) {
  ensure_qt_app();
  QWidget page;
  auto* layout = new FlowLayout(SPACING, &page);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* card = new WrappingCard;
  layout->addWidget(card);
  layout->setGeometry(QRect(0, 0, 300, 500));
  EXPECT_EQ(card->geometry(), QRect(0, 0, 100, 70));
  EXPECT_EQ(layout->heightForWidth(300), 70);
}

}  // namespace
}  // namespace kumora
