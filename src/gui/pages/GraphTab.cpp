// The "Graph" page: the chart of a history, with its exports.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include "gui/ChartExport.h"
#include "gui/HistoryChartView.h"
#include "gui/Pages.h"

namespace tolvane::gui {

QWidget* BuildGraphPage(Binder& b, form::GraphPage& page) {
  auto* top = new QHBoxLayout;
  top->addWidget(b.Combo(page.historySelector));
  top->addSpacing(12);
  top->addWidget(b.Check(page.showAi));
  top->addStretch(1);
  HistoryChartView* chart = b.Chart(page.chart);
  b.Watch(page.historySelector,
          [chart, &page] { chart->SetValueTitle(QString::fromStdString(page.historySelector.Text())); });
  AddChartExports(b, page, chart, top);
  auto* layout = new QVBoxLayout;
  layout->addLayout(top);
  layout->addWidget(chart, 1);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
