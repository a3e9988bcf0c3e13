// The page list and the layout helpers the page builders share.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QStyle>

#include "app/Pages.h"

namespace tolvane::app {

const std::array<PageMaker, ui::kPageCount> kPages = {{{"TabSheet1", BasePage},
                                                       {"TabSheet2", HeaderPage},
                                                       {"TabSheet3", MapPage},
                                                       {"TabSheet4", LeadersPage},
                                                       {"TabSheet10", TeamsPage},
                                                       {"Log", ReplayPage},
                                                       {"TabSheet5", GraphPage},
                                                       {"TabSheet6", PlayerLogPage},
                                                       {"TabSheet7", ReloadsPage},
                                                       {"TabSheet8", PlayerPage},
                                                       {"TabSheet9", KavrelPage},
                                                       {"Cities", CitiesPage},
                                                       {"TabSheet11", AttitudesPage}}};

namespace kit {

QWidget* Page(const char* name, QLayout* layout) {
  auto* page = new QWidget;
  page->setObjectName(name);
  page->setLayout(layout);
  return page;
}

QGridLayout* Grid() {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(3);
  return grid;
}

QGroupBox* Group(const QString& title, QLayout* layout) {
  auto* group = new QGroupBox(title);
  group->setLayout(layout);
  return group;
}

void Put(QGridLayout* grid, QWidget* widget, int row, int col, int colSpan) {
  grid->addWidget(widget, row, col, 1, colSpan, Qt::AlignLeft | Qt::AlignVCenter);
}

QLabel* Wrapped(QLabel* label, int designWidth) {
  // The words before the bracket over the words in it; the blanks that
  // placed the two lines in the design's font have no use in another.
  QString text = label->text().simplified();
  if (const qsizetype bracket = text.indexOf(QStringLiteral(" (")); bracket > 0) {
    text[bracket] = QLatin1Char('\n');
  } else {
    label->setWordWrap(true);
    label->setFixedWidth(Binder::Scaled(designWidth));
  }
  label->setText(text);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QWidget* LogHeader(const QListView* log) {
  // A line reads "%4d" turn, the seven places of the date, a blank, the text.
  struct Column {
    const char* caption;
    int chars;
  };
  static constexpr Column kColumns[] = {{"Turn", 5}, {"Date", 7}, {"Event", 0}};
  const int charWidth = QFontMetrics(log->font()).horizontalAdvance(QLatin1Char('0'));
  const int textStart = log->frameWidth() + log->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, log) + 1;
  auto* header = new QWidget;
  auto* row = new QHBoxLayout(header);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addSpacing(textStart);
  for (const Column& column : kColumns) {
    auto* label = new QLabel(QString::fromLatin1(column.caption));
    if (column.chars > 0) label->setFixedWidth(column.chars * charWidth);
    row->addWidget(label);
  }
  row->addStretch(1);
  return header;
}

}  // namespace kit

}  // namespace tolvane::app
