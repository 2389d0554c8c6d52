// A label that wraps only between the phrases of its text, never inside one:
// Japanese text may otherwise break between any two characters, which cut
// "秒読み10秒" in two in a narrow side panel. text() stays the text as set.
#pragma once

#include <QLabel>
#include <QString>

class QTextLayout;

namespace kumora {

// The text with every space-separated phrase held together (a word joiner
// between its characters); the spaces stay the places to wrap.
QString keep_phrases_whole(const QString& text);

class PhraseLabel : public QLabel {
 public:
  explicit PhraseLabel(QWidget* parent = nullptr);

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Lays the text out in lines of `width` pixels; answers the height used.
  qreal lay_out(QTextLayout& layout, qreal width) const;
};

}  // namespace kumora
