// The page list and the layout helpers the page builders share.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QScrollArea>
#include <QStyle>

#include "gui/Pages.h"

namespace tolvane::gui {

std::vector<QWidget*> BuildPages(Binder& b, form::Form& form) {
  return {
      BuildBasePage(b, form.base),       BuildHeaderPage(b, form.header),       BuildMapPage(b, form.map),
      BuildWorldPage(b, form.world),     BuildLeadersPage(b, form.leaders),     BuildTeamsPage(b, form.teams),
      BuildReplayPage(b, form.replay),   BuildGraphPage(b, form.graph),         BuildPlayerLogPage(b, form.playerLog),
      BuildReloadsPage(b, form.reloads), BuildPlayerPage(b, form.player),       BuildKavrelPage(b, form.kavrel),
      BuildCitiesPage(b, form.cities),   BuildAttitudesPage(b, form.attitudes), BuildSavesPage(b, form.saves),
      BuildComparePage(b, form.compare)};
}

namespace kit {

QWidget* Page(const form::Page& page, QLayout* layout) {
  auto* widget = new QWidget;
  widget->setObjectName(QString::fromStdString(page.Name()));
  widget->setLayout(layout);
  return widget;
}

QWidget* Scrolling(QWidget* page) {
  auto* area = new QScrollArea;
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(page);
  return area;
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

}  // namespace tolvane::gui
