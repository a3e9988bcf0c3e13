// The Graph page's line chart: one line per slot, a legend of the lines the
// page draws, a value axis with the limits the page sets. The user zooms by
// dragging a rectangle; a right click or a double click shows all again.
#pragma once

#include <QRectF>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
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
  // The text the pointer near point `at` of series s shows: the turn, the
  // player and the value of the turn nearest to it.
  QString PointText(int s, QPointF at) const;
  // Shows the whole chart again after a zoom.
  void ResetZoom();

 Q_SIGNALS:
  // The user asks for the chart's menu at a point of the view.
  void MenuRequested(QPoint at);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  std::vector<QLineSeries*> series_;
  QValueAxis* axisX_;
  QValueAxis* axisY_;
  QRectF full_;  // the chart unzoomed: turns across, values up
};

}  // namespace tolvane::gui
