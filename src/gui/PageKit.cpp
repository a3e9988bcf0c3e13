// The page list and the layout helpers the page builders share.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QScrollArea>
#include <QStyle>
#include <functional>
#include <stdexcept>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "gui/Pages.h"

namespace tolvane::gui {

namespace {

// How the widget of one class of page is built.
struct PageBuilder {
  std::type_index page;
  std::function<QWidget*(Binder&, form::Page&)> build;
};

template <typename P>
PageBuilder BuilderOf(QWidget* (*build)(Binder&, P&)) {
  return {typeid(P), [build](Binder& b, form::Page& page) { return build(b, static_cast<P&>(page)); }};
}

// The builder of every page, found by the page's class (in any order).
const std::vector<PageBuilder>& Builders() {
  static const std::vector<PageBuilder> kBuilders = {
      BuilderOf(BuildBasePage),    BuilderOf(BuildHeaderPage),    BuilderOf(BuildMapPage),
      BuilderOf(BuildWorldPage),   BuilderOf(BuildLeadersPage),   BuilderOf(BuildTeamsPage),
      BuilderOf(BuildReplayPage),  BuilderOf(BuildGraphPage),     BuilderOf(BuildPlayerLogPage),
      BuilderOf(BuildReloadsPage), BuilderOf(BuildPlayerPage),    BuilderOf(BuildKavrelPage),
      BuilderOf(BuildCitiesPage),  BuilderOf(BuildAttitudesPage), BuilderOf(BuildSavesPage),
      BuilderOf(BuildComparePage)};
  return kBuilders;
}

}  // namespace

QWidget* BuildPage(Binder& b, form::Page& page) {
  const std::type_index type(typeid(page));
  for (const PageBuilder& builder : Builders())
    if (builder.page == type) return builder.build(b, page);
  throw std::logic_error("no widget is built for the page " + page.Name());
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
