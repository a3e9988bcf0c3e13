#include "gui/HistoryChartView.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <algorithm>
#include <cmath>
#include <limits>

namespace tolvane::gui {

namespace {

// A step of 1, 2 or 5 times a power of ten that cuts `span` into about six
// parts: ticks at round turns and values, whatever the zoom.
double NiceStep(double span) {
  constexpr double kParts = 6;
  if (!(span > kParts)) return 1;
  const double raw = span / kParts;
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 5.0})
    if (m * magnitude >= raw) return m * magnitude;
  return 10 * magnitude;
}

// Zooming in narrows the ticks after the range; a wider range must get its
// step first, or the axis would lay out a label for every old step in it.
void RoundTicks(QValueAxis* axis) {
  axis->setLabelFormat("%d");
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  QObject::connect(axis, &QValueAxis::rangeChanged, axis,
                   [axis](qreal min, qreal max) { axis->setTickInterval(NiceStep(max - min)); });
}

void SetRange(QValueAxis* axis, double min, double max) {
  axis->setTickInterval(NiceStep(max - min));
  axis->setRange(min, max);
}

}  // namespace

HistoryChartView::HistoryChartView(int seriesCount, QWidget* parent)
    : QChartView(parent), axisX_(new QValueAxis), axisY_(new QValueAxis), hover_(new QLabel(viewport())) {
  // The label beside the guide; the pointer passes through it.
  hover_->setObjectName(QStringLiteral("HistoryChartHover"));
  hover_->setTextFormat(Qt::PlainText);
  hover_->setAttribute(Qt::WA_TransparentForMouseEvents);
  hover_->setStyleSheet(
      QStringLiteral("QLabel { background: rgba(255, 255, 240, 235); border: 1px solid #808080; padding: 3px; }"));
  hover_->hide();
  viewport()->setMouseTracking(true);
  auto* chart = new QChart;
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  // A grey plot area, so that the white and the pale lines stay visible.
  chart->setPlotAreaBackgroundBrush(QColor(0xC0, 0xC0, 0xC0));
  chart->setPlotAreaBackgroundVisible(true);
  chart->legend()->setAlignment(Qt::AlignRight);
  RoundTicks(axisX_);
  RoundTicks(axisY_);
  axisX_->setTitleText(QStringLiteral("Turn"));
  chart->addAxis(axisX_, Qt::AlignBottom);
  chart->addAxis(axisY_, Qt::AlignLeft);
  for (int s = 0; s < seriesCount; ++s) {
    auto* series = new QLineSeries;
    series->setPointsVisible(false);
    chart->addSeries(series);
    series->attachAxis(axisX_);
    series->attachAxis(axisY_);
    series_.push_back(series);
  }
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setRubberBand(QChartView::RectangleRubberBand);
}

void HistoryChartView::SetValueTitle(const QString& title) { axisY_->setTitleText(title); }

std::optional<int> HistoryChartView::TurnAt(QPointF at, double* x) const {
  const QPointF scene = mapToScene(at.toPoint());
  if (!chart()->plotArea().contains(scene)) return std::nullopt;
  const int turn = int(std::lround(chart()->mapToValue(scene).x()));
  if (x) *x = chart()->mapToPosition(QPointF(turn, 0)).x();
  return turn;
}

QString HistoryChartView::HoverText(QPointF at) const {
  const std::optional<int> turn = TurnAt(at);
  if (!turn) return {};
  QStringList lines{QStringLiteral("Turn %1").arg(*turn)};
  for (const QLineSeries* series : series_) {
    if (!series->isVisible() || series->count() == 0) continue;
    const QList<QPointF> points = series->points();
    const auto found = std::lower_bound(points.begin(), points.end(), double(*turn),
                                        [](const QPointF& p, double x) { return p.x() < x; });
    if (found != points.end() && qRound(found->x()) == *turn)
      lines << QStringLiteral("%1: %2").arg(series->name()).arg(qRound64(found->y()));
  }
  return lines.join(QLatin1Char('\n'));
}

void HistoryChartView::Hover(QPointF at) {
  double x = 0;
  const std::optional<int> turn = TurnAt(at, &x);
  if (turn != guideTurn_ || x != guideX_) {
    guideTurn_ = turn;
    guideX_ = x;
    viewport()->update();
  }
  if (!turn) {
    hover_->hide();
    return;
  }
  hover_->setText(HoverText(at));
  hover_->adjustSize();
  // Right of the pointer, or left of it where the right has no room; never
  // below the view's bottom.
  const QSize size = hover_->size(), room = viewport()->size();
  QPoint place = at.toPoint() + QPoint(14, 10);
  if (place.x() + size.width() > room.width()) place.setX(int(at.x()) - 14 - size.width());
  place.setY(std::max(0, std::min(place.y(), room.height() - size.height())));
  hover_->move(place);
  hover_->show();
}

void HistoryChartView::mouseMoveEvent(QMouseEvent* event) {
  QChartView::mouseMoveEvent(event);
  Hover(event->position());
}

void HistoryChartView::leaveEvent(QEvent* event) {
  QChartView::leaveEvent(event);
  Hover(QPointF(-1, -1));
}

// Over the plot the hover label says more than the chart's tooltip.
bool HistoryChartView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && guideTurn_) {
    event->accept();
    return true;
  }
  return QChartView::event(event);
}

void HistoryChartView::drawForeground(QPainter* painter, const QRectF& rect) {
  QChartView::drawForeground(painter, rect);
  if (!guideTurn_) return;
  const QRectF plot = chart()->plotArea();
  painter->save();
  painter->setPen(QPen(QColor(0x40, 0x40, 0x40), 1, Qt::DashLine));
  painter->drawLine(QPointF(guideX_, plot.top()), QPointF(guideX_, plot.bottom()));
  painter->restore();
}

bool HistoryChartView::InLegend(int s) const {
  const auto markers = chart()->legend()->markers(Series(s));
  return !markers.isEmpty() && markers.front()->isVisible();
}

void HistoryChartView::Show(const form::Chart& state) {
  ResetZoom();
  Hover(QPointF(-1, -1));
  int32_t firstX = std::numeric_limits<int32_t>::max(), lastX = std::numeric_limits<int32_t>::min();
  const auto& all = state.Series();
  for (size_t s = 0; s < series_.size() && s < all.size(); ++s) {
    const form::ChartSeries& from = all[s];
    QLineSeries* to = series_[s];
    to->setName(QString::fromStdString(from.title));
    QPen pen(QColor(int(from.color >> 16 & 0xFF), int(from.color >> 8 & 0xFF), int(from.color & 0xFF)));
    pen.setWidth(from.width);
    to->setPen(pen);
    QList<QPointF> points;
    points.reserve(qsizetype(from.points.size()));
    for (const auto& [x, y] : from.points) points.append(QPointF(x, y));
    if (!from.points.empty()) {
      firstX = std::min(firstX, from.points.front().first);
      lastX = std::max(lastX, from.points.back().first);
    }
    to->replace(points);
    for (QLegendMarker* marker : chart()->legend()->markers(to)) marker->setVisible(from.legend);
  }
  // The turns run along the bottom axis as far as the lines go.
  if (firstX > lastX) firstX = 0, lastX = 1;
  if (firstX == lastX) ++lastX;
  full_ = {QPointF(firstX, double(state.AxisMin())), QPointF(lastX, double(state.AxisMax()))};
  SetRange(axisX_, full_.left(), full_.right());
  SetRange(axisY_, full_.top(), full_.bottom());
}

void HistoryChartView::ResetZoom() {
  if (!chart()->isZoomed()) return;
  axisX_->setTickInterval(NiceStep(full_.width()));
  axisY_->setTickInterval(NiceStep(full_.height()));
  chart()->zoomReset();
}

void HistoryChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    if (chart()->isZoomed())
      ResetZoom();
    else
      Q_EMIT MenuRequested(event->pos());
    event->accept();
    return;
  }
  QChartView::mouseReleaseEvent(event);
}

// A right click is taken on its release (on a zoomed chart it shows all
// again); the menu key opens the menu at once.
void HistoryChartView::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() != QContextMenuEvent::Mouse) Q_EMIT MenuRequested(event->pos());
  event->accept();
}

void HistoryChartView::mouseDoubleClickEvent(QMouseEvent* event) {
  ResetZoom();
  event->accept();
}

}  // namespace tolvane::gui
