#include "view/phrase_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace kumora {

QString keep_phrases_whole(const QString& text) {
  constexpr QChar WORD_JOINER(0x2060);
  QString held;
  held.reserve(text.size() * 2);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    held += c;
    if (i + 1 == text.size()) break;
    const QChar next = text[i + 1];
    const bool inside_phrase = !c.isSpace() && !next.isSpace() && !c.isHighSurrogate();
    // Latin text never breaks inside a word anyway; a joiner there would
    // only upset its kerning.
    const bool both_latin = c.unicode() < 0x80 && next.unicode() < 0x80;
    if (inside_phrase && !both_latin) held += WORD_JOINER;
  }
  return held;
}

PhraseLabel::PhraseLabel(QWidget* parent) : QLabel(parent) {
  setWordWrap(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
}

qreal PhraseLabel::lay_out(QTextLayout& layout, qreal width) const {
  layout.setText(keep_phrases_whole(text()));
  layout.setFont(font());
  qreal height = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  return height;
}

int PhraseLabel::heightForWidth(int width) const {
  QTextLayout layout;
  const QMargins margins = contentsMargins();
  const qreal inner = width - margins.left() - margins.right();
  return static_cast<int>(std::ceil(lay_out(layout, inner))) + margins.top() + margins.bottom();
}

QSize PhraseLabel::sizeHint() const {
  const QMargins margins = contentsMargins();
  const int one_line = static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text())));
  const int width = one_line + margins.left() + margins.right();
  return {width, heightForWidth(width)};
}

QSize PhraseLabel::minimumSizeHint() const {
  QFontMetricsF metrics(font());
  return {0, static_cast<int>(std::ceil(metrics.height()))};
}

void PhraseLabel::paintEvent(QPaintEvent*) {
  QTextLayout layout;
  const QRect inner = contentsRect();
  const qreal height = lay_out(layout, inner.width());
  QPointF top_left = inner.topLeft();
  if (alignment() & Qt::AlignVCenter) top_left.ry() += (inner.height() - height) / 2;
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  layout.draw(&painter, top_left);
}

}  // namespace kumora
