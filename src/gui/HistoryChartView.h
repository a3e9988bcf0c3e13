// The Graph page's line chart: one line per slot, a legend of the lines the
// page draws, a value axis with the limits the page sets. The user zooms by
// dragging a rectangle; a right click or a double click shows all again.
// Over the plot a vertical guide marks the turn under the pointer, and a
// label beside it gives that turn and each line's value there.
#pragma once

#include <QLabel>
#include <QRectF>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <optional>
#include <vector>

#include "form/Controls.h"

namespace tolvane::gui {

class HistoryChartView : public QChartView {
  Q_OBJECT
 public:
  HistoryChartView(int seriesCount, QWidget* parent = nullptr);
  // Draws the chart's state: titles, pens, points, legend and axis limits.
  void Show(const form::Chart& chart);

  QLineSeries* Series(int s) const { return series_[size_t(s)]; }
  int SeriesCount() const { return int(series_.size()); }
  QValueAxis* AxisX() const { return axisX_; }
  QValueAxis* AxisY() const { return axisY_; }
  // Whether series s has an entry in the legend.
  bool InLegend(int s) const;
  // The value axis' title: the history shown.
  void SetValueTitle(const QString& title);
  // What the pointer at `at` (viewport pixels) shows: the turn under it and
  // each drawn line's value at that turn, one line each; "" outside the plot.
  QString HoverText(QPointF at) const;
  // The turn the guide marks, none while the pointer is off the plot.
  std::optional<int> GuideTurn() const { return guideTurn_; }
  // Shows the whole chart again after a zoom.
  void ResetZoom();

 Q_SIGNALS:
  // The user asks for the chart's menu at a point of the view.
  void MenuRequested(QPoint at);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool event(QEvent* event) override;
  void drawForeground(QPainter* painter, const QRectF& rect) override;

 private:
  std::vector<QLineSeries*> series_;
  QValueAxis* axisX_;
  QValueAxis* axisY_;
  QRectF full_;  // the chart unzoomed: turns across, values up
  // The turn the pointer is over, and where it lies on the plot (in scene
  // coordinates).
  std::optional<int> TurnAt(QPointF at, double* x = nullptr) const;
  void Hover(QPointF at);
  std::optional<int> guideTurn_;
  double guideX_ = 0;
  QLabel* hover_;
};

}  // namespace tolvane::gui
