#include "gui/ChartExport.h"

#include <QApplication>
#include <QBoxLayout>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>

#include "gui/HistoryChartView.h"
#include "gui/QtText.h"
#include "save/FileWrite.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::gui {

namespace {

// The name a saved chart or its data is proposed under: the history shown.
QString ChartName(const form::GraphPage& page) {
  const std::string& history = page.historySelector.Text();
  return history.empty() ? QStringLiteral("chart") : Q(history);
}

// The title line over the chart, then the chart as the view shows it.
void PaintChart(QPainter& painter, const HistoryChartView& view, const QString& title, int titleHeight) {
  const QRect area = view.viewport()->rect();
  painter.fillRect(QRect(0, 0, area.width(), titleHeight), Qt::white);
  QFont font = view.font();
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRect(8, 0, area.width() - 16, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(font).elidedText(title, Qt::ElideMiddle, area.width() - 16));
  view.scene()->render(&painter, QRectF(area.translated(0, titleHeight)), view.mapToScene(area).boundingRect());
}

}  // namespace

QString ChartTitle(const QString& saveName, const form::GraphPage& page) {
  return QStringLiteral("%1 — %2").arg(saveName, Q(page.TitleLine()));
}

void SaveChartPicture(const HistoryChartView& view, const QString& path, const QString& title) {
  // Drawn whole first, then written by the writer of every export (which
  // replaces a file only once the new one is complete, and never a save).
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const QRect area = view.viewport()->rect();
  const int titleHeight = QFontMetrics(view.font()).height() * 2;
  const QSize size(area.width(), area.height() + titleHeight);
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(title);
    QPainter painter(&svg);
    PaintChart(painter, view, title, titleHeight);
  } else {
    constexpr int kPixelRatio = 2;
    QImage image(size * kPixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kPixelRatio);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      PaintChart(painter, view, title, titleHeight);
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
             [chart, &page](const std::string& path) {
               // The save's name as the window's title shows it.
               const QString save = QFileInfo(chart->window()->windowFilePath()).fileName();
               SaveChartPicture(*chart, Q(path), ChartTitle(save, page));
             });
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
    form::Button& control;
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
