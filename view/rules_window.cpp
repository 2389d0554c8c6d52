#include "view/rules_window.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "core/translation.h"
#include "view/board_diagram.h"
#include "view/flow_layout.h"

namespace kumora {

namespace {

const char* const PAGE_STYLE =
    "#rules_page { background: #faf6ec; }"
    "QLabel { color: #2b1d0e; }"
    "QLabel#section_title { color: #5a3210; border-bottom: 2px solid #b58a52;"
    " padding-bottom: 3px; }"
    "QLabel#diagram_caption { color: #3c2a14; }";

QString qt_text(const std::string& text) { return QString::fromStdString(text); }

QFont page_font(int pixel_size, bool bold = false) {
  QFont font(QString::fromLatin1(JAPANESE_FONT));
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  return font;
}

// Paragraphs as one label; a paragraph that begins with "・" (or "• " in
// English) is an item of a list.
QLabel* paragraphs_label(const std::vector<std::string>& paragraphs) {
  QString html;
  for (const std::string& paragraph : paragraphs) {
    const QString text = qt_text(paragraph).toHtmlEscaped();
    const bool item =
        text.startsWith(QStringLiteral("・")) || text.startsWith(QStringLiteral("• "));
    html += QStringLiteral(
                "<p style='margin-top:0; margin-bottom:%1px; line-height:150%;"
                " margin-left:%2px; text-indent:%3px'>%4</p>")
                .arg(item ? 4 : 8)
                .arg(item ? 16 : 0)
                .arg(item ? -16 : 0)
                .arg(text);
  }
  auto* label = new QLabel(html);
  label->setTextFormat(Qt::RichText);
  label->setWordWrap(true);
  label->setFont(page_font(15));
  return label;
}

QString section_title(const RuleSection& section, int number) {
  const QString full_width = QChar(0xFF10 + number);
  //: %1 the section's number in full-width digits, %2 its title, %3 the
  //: number in ASCII digits
  return qt_text(fill_in(tr_text("Rules", "%1．%2"),
                         {full_width.toStdString(), section.title, std::to_string(number)}));
}

// The text with line breaks between words where a line would be wider than `width`.
QString broken_into_lines(const QString& text, const QFontMetrics& metrics, int width) {
  QStringList lines;
  QString line;
  for (const QString& word : text.split(' ')) {
    const QString longer = line.isEmpty() ? word : line + ' ' + word;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
      lines << line;
      line = word;
    } else {
      line = longer;
    }
  }
  lines << line;
  return lines.join('\n');
}

}  // namespace

RulesWindow::RulesWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(tr("遊び方 - 雲羅将棋"));
  scroll_ = new QScrollArea;
  scroll_->setWidget(build_page());
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(build_contents_list());
  layout->addWidget(scroll_, 1);

  auto* close_key = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(close_key, &QShortcut::activated, this, &QWidget::close);

  QSize size(1100, 880);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize() * 0.9);
  resize(size);
}

QListWidget* RulesWindow::build_contents_list() {
  auto* list = new QListWidget;
  list->setFont(page_font(14));
  const std::vector<RuleSection>& sections = rule_sections();
  constexpr int LIST_WIDTH = 250;
  constexpr int ROW_MARGINS = 2 * 8 + 2 * 3 + 8;  // the list's padding, spacing, the row's own
  const QFontMetrics metrics(list->font());
  for (size_t i = 0; i < sections.size(); ++i) {
    list->addItem(broken_into_lines(section_title(sections[i], static_cast<int>(i) + 1), metrics,
                                    LIST_WIDTH - ROW_MARGINS));
  }
  list->setFixedWidth(LIST_WIDTH);
  // Longer titles (English) are broken into lines here: the list's own
  // wrapping measures a row before the list has its width, and elides it.
  list->setTextElideMode(Qt::ElideNone);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setSpacing(3);
  list->setStyleSheet("QListWidget { background: #efe4cc; border: none; padding: 8px; }");
  // Without focus the list makes no row current by itself, which would scroll
  // the page away from its beginning; the keys stay with the page.
  list->setFocusPolicy(Qt::NoFocus);
  connect(list, &QListWidget::itemClicked, this,
          [this, list](QListWidgetItem* item) { show_section(list->row(item)); });
  return list;
}

QWidget* RulesWindow::build_page() {
  auto* page = new QWidget;
  page->setObjectName("rules_page");
  page->setStyleSheet(PAGE_STYLE);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(28, 20, 28, 28);
  layout->setSpacing(14);

  auto* title = new QLabel;
  title->setPixmap(QPixmap::fromImage(pictures_.picture(TITLE_PICTURE, 1.0)));
  layout->addWidget(title);
  layout->addWidget(paragraphs_label(rules_introduction()));

  const std::vector<RuleSection>& sections = rule_sections();
  for (size_t i = 0; i < sections.size(); ++i)
    layout->addWidget(build_section(sections[i], static_cast<int>(i) + 1));
  layout->addStretch(1);
  return page;
}

QWidget* RulesWindow::build_section(const RuleSection& section, int number) {
  auto* widget = new QWidget;
  auto* layout = new QVBoxLayout(widget);
  layout->setContentsMargins(0, 18, 0, 0);
  layout->setSpacing(10);

  auto* heading = new QLabel(section_title(section, number));
  heading->setObjectName("section_title");
  heading->setFont(page_font(21, true));
  headings_.push_back(heading);
  layout->addWidget(heading);
  layout->addWidget(paragraphs_label(section.paragraphs));

  auto* diagrams = new FlowLayout(22);
  for (const RuleDiagram& diagram : section.diagrams) {
    auto* before = new BoardDiagram(diagram, BoardDiagram::Shows::Before, pictures_);
    diagrams->addWidget(build_card(before, qt_text(diagram.caption)));
    if (!diagram.show_result) continue;
    auto* after = new BoardDiagram(diagram, BoardDiagram::Shows::After, pictures_);
    diagrams->addWidget(build_card(after, tr("指した後"), before));
  }
  layout->addLayout(diagrams);
  return widget;
}

// A diagram with its caption below.
QWidget* RulesWindow::build_card(QWidget* board, const QString& caption_text,
                                 QWidget* before_board) {
  auto* card = new QWidget;
  auto* layout = new QGridLayout(card);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setHorizontalSpacing(6);
  layout->setVerticalSpacing(6);
  int column = 0;
  if (before_board != nullptr) {
    auto* arrow = new QLabel(QStringLiteral("⇒"));
    arrow->setFont(page_font(26, true));
    arrow->setStyleSheet("color: #b58a52;");
    layout->addWidget(arrow, 0, column++);
  }
  layout->addWidget(board, 0, column);
  auto* caption = new QLabel(caption_text);
  caption->setObjectName("diagram_caption");
  caption->setFont(page_font(14));
  caption->setWordWrap(true);
  caption->setFixedWidth(board->width());
  layout->addWidget(caption, 1, column);
  return card;
}

void RulesWindow::show_section(int index) {
  if (index < 0 || index >= static_cast<int>(headings_.size())) return;
  const QWidget* page = scroll_->widget();
  const int top = headings_[index]->mapTo(page, QPoint(0, 0)).y();
  scroll_->verticalScrollBar()->setValue(std::max(0, top - 12));
}

}  // namespace kumora
