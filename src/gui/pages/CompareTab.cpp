// The "Compare" page: the two saves and the verdict line on top, the
// settings and the span between the two saves, the players' changes, and the
// lines added to (or differing from) the replay and the players' logs.
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/Pages.h"
#include "gui/QtText.h"

namespace tolvane::gui {

namespace {

// Paints a label's text elided in the middle where the label is narrower
// than the text: a long path keeps its start and its file name. The label
// keeps the whole text.
class MiddleElision : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    auto* label = static_cast<QLabel*>(watched);
    QPainter painter(label);
    const QRect area = label->contentsRect();
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     label->fontMetrics().elidedText(label->text(), Qt::ElideMiddle, area.width()));
    return true;
  }
};

// A save's path, elided in the middle to the room there is; the tooltip
// holds it in full.
QLabel* PathLabel(Binder& b, const form::Label& control) {
  QLabel* label = b.Label(control);
  label->setTextFormat(Qt::PlainText);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  label->setMinimumWidth(Binder::Scaled(60));
  label->installEventFilter(new MiddleElision(label));
  b.Watch(control, [label, &control] { label->setToolTip(Q(control.Text())); });
  return label;
}

// A table whose columns share the page's width (the first only as wide as
// its texts).
QTableView* WideGrid(Binder& b, const form::Grid& control) {
  QTableView* table = b.Grid(control);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  return table;
}

}  // namespace

QWidget* BuildComparePage(Binder& b, form::ComparePage& page) {
  // The two saves side by side, then the verdict line and the button that
  // saves the comparison.
  auto* saves = kit::Grid();
  saves->addWidget(b.Caption(page.earlier), 0, 0);
  saves->addWidget(PathLabel(b, page.earlier), 0, 1);
  saves->addWidget(b.Caption(page.later), 0, 2);
  saves->addWidget(PathLabel(b, page.later), 0, 3);
  saves->setColumnStretch(1, 1);
  saves->setColumnStretch(3, 1);

  QLabel* verdict = b.Label(page.verdict);
  verdict->setTextFormat(Qt::PlainText);
  verdict->setWordWrap(true);
  QFont bold = verdict->font();
  bold.setBold(true);
  verdict->setFont(bold);
  b.Watch(page.verdict, [verdict, &page] {
    verdict->setStyleSheet(
        QStringLiteral("QLabel { color: #%1; }").arg(page.VerdictLineColor(), 6, 16, QLatin1Char('0')));
  });
  QPushButton* save = b.Button(page.saveComparison);
  QObject::connect(save, &QPushButton::clicked, save, [&b, &page] {
    b.SaveAs({QStringLiteral("Save Comparison"), QStringLiteral("Text file (*.txt);;JSON file (*.json)"),
              QStringLiteral("comparison.txt")},
             [&page](const std::string& path) { page.WriteComparison(path); });
  });
  auto* verdictRow = new QHBoxLayout;
  verdictRow->addWidget(verdict, 1);
  verdictRow->addWidget(save, 0, Qt::AlignTop);

  // The report keeps the verdicts as three fields; the window shows them as
  // the line above.
  auto* fields = new QWidget;
  auto* fieldRow = new QHBoxLayout(fields);
  for (form::Edit* field : {&page.sameGame, &page.continues, &page.evidence}) {
    fieldRow->addWidget(b.Caption(*field));
    fieldRow->addWidget(b.Edit(*field));
  }
  fields->hide();

  auto* tables = new QHBoxLayout;
  tables->addWidget(WideGrid(b, page.settings), 1);
  tables->addWidget(WideGrid(b, page.span), 1);

  auto* lists = new QSplitter(Qt::Horizontal);
  const std::pair<const form::Label*, const form::RichText*> texts[] = {{&page.replayHeading, &page.replayAdded},
                                                                        {&page.logHeading, &page.logAdded}};
  for (const auto& [heading, text] : texts) {
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(b.Label(*heading));
    column->addWidget(b.Rich(*text), 1);
    lists->addWidget(box);
  }

  auto* layout = new QVBoxLayout;
  layout->addLayout(saves);
  layout->addLayout(verdictRow);
  layout->addWidget(fields);
  layout->addLayout(tables, 3);
  layout->addWidget(new QLabel(QString::fromStdString(page.players.Description())));
  layout->addWidget(b.Grid(page.players), 3);
  layout->addWidget(lists, 2);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
