#include "gui/ChartExport.h"

#include <QApplication>
#include <QBoxLayout>
#include <QBuffer>
#include <QClipboard>
#include <QGraphicsScene>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>

#include "gui/HistoryChartView.h"
#include "save/FileWrite.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The name a saved chart or its data is proposed under: the history shown.
QString ChartName(const form::GraphPage& page) {
  const std::string& history = page.historySelector.Text();
  return history.empty() ? QStringLiteral("chart") : Q(history);
}

}  // namespace

void SaveChartPicture(const HistoryChartView& view, const QString& path) {
  // Drawn whole first, then written by the writer of every export (which
  // replaces a file only once the new one is complete, and never a save).
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QRect area = view.viewport()->rect();
  const QRectF shown = view.mapToScene(area).boundingRect();
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(area.size());
    svg.setViewBox(area);
    svg.setTitle(QStringLiteral("Tolvane chart"));
    QPainter painter(&svg);
    view.scene()->render(&painter, QRectF(area), shown);
  } else {
    constexpr int kPixelRatio = 2;
    QImage image(area.size() * kPixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kPixelRatio);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      view.scene()->render(&painter, QRectF(area), shown);
    }
    if (!image.save(&buffer, "PNG"))
      throw SaveError(QStringLiteral("Cannot write \"%1\". The picture could not be encoded.").arg(path).toStdString());
  }
  WriteBytes(PathFromUtf8(path.toStdString()), {bytes.constData(), size_t(bytes.size())});
}

void AddChartExports(Binder& b, form::GraphPage& page, HistoryChartView* chart, QBoxLayout* row) {
  auto saveChart = [&b, &page, chart] {
    b.SaveAs({QStringLiteral("Save Chart"), QStringLiteral("PNG image (*.png);;SVG image (*.svg)"),
              ChartName(page) + QStringLiteral(".png")},
             [chart](const std::string& path) { SaveChartPicture(*chart, Q(path)); });
  };
  // As CSV, for spreadsheets and for text.
  auto copyData = [&page] {
    const QByteArray csv = QByteArray::fromStdString(page.DataCsv());
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/csv"), csv);
    data->setText(QString::fromUtf8(csv));
    QApplication::clipboard()->setMimeData(data);
  };
  auto saveData = [&b, &page] {
    b.SaveAs(
        {QStringLiteral("Save Data"), QStringLiteral("CSV file (*.csv)"), ChartName(page) + QStringLiteral(".csv")},
        [&page](const std::string& path) { page.SaveData(path); });
  };
  struct Export {
    const form::Button& control;
    std::function<void()> run;
  };
  const Export exports[] = {{page.saveChart, saveChart}, {page.copyData, copyData}, {page.saveData, saveData}};
  for (const Export& e : exports) {
    QPushButton* button = b.Button(e.control);
    QObject::connect(button, &QPushButton::clicked, button, e.run);
    row->addWidget(button);
  }
  QObject::connect(chart, &HistoryChartView::MenuRequested, chart, [chart, exports](QPoint at) {
    QMenu menu(chart);
    for (const Export& e : exports)
      QObject::connect(menu.addAction(Q(e.control.Caption())), &QAction::triggered, e.run);
    menu.exec(chart->mapToGlobal(at));
  });
}

}  // namespace tolvane::gui
