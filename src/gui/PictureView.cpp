#include "gui/PictureView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace tolvane::gui {

namespace {

constexpr double kWheelStep = 1.25;  // zoom per notch of the wheel
const QColor kBackground(0x2E, 0x33, 0x38);

}  // namespace

PictureView::PictureView(const form::Picture& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
  setMouseTracking(true);
  setFocusPolicy(Qt::WheelFocus);
  setCursor(Qt::OpenHandCursor);
  setMinimumSize(160, 120);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::PictureChanged() {
  stale_ = true;
  update();
}

const QImage& PictureView::Image() {
  if (!stale_) return image_;
  stale_ = false;
  const form::Raster& raster = picture_.Image();
  const QSize before = image_.size();
  // The form's pixels, copied into the format the screen draws fastest.
  image_ = raster.Empty() ? QImage()
                          : QImage(reinterpret_cast<const uchar*>(raster.pixels.data()), raster.width, raster.height,
                                   qsizetype(raster.width) * 4, QImage::Format_RGBA8888)
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // Another map: shown whole again; the same map drawn anew keeps the view.
  if (image_.size() != before) fitted_ = true;
  if (fitted_) FitToView();
  return image_;
}

double PictureView::FitZoom() const {
  if (image_.isNull()) return 1;
  return std::min(width() / double(image_.width()), height() / double(image_.height()));
}

void PictureView::FitToView() {
  fitted_ = true;
  zoom_ = FitZoom();
  origin_ = QPointF((width() - image_.width() * zoom_) / 2, (height() - image_.height() * zoom_) / 2);
  update();
}

QPoint PictureView::PixelAt(QPointF point) const {
  const QPointF p = (point - origin_) / zoom_;
  return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

void PictureView::ZoomAbout(QPointF anchor, double factor) {
  if (image_.isNull()) return;
  const double fit = FitZoom();
  const double zoom = std::clamp(zoom_ * factor, std::min(fit / 2, 1.0), std::max(8.0, 32 * fit));
  if (zoom == zoom_) return;
  origin_ = anchor - (anchor - origin_) * (zoom / zoom_);
  zoom_ = zoom;
  fitted_ = false;
  update();
}

void PictureView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), kBackground);
  const QImage& image = Image();
  if (image.isNull()) return;
  // Only the part of the picture in sight is scaled: every frame costs the
  // same, however far the view is zoomed in.
  const QRectF shown = QRectF(event->rect()).intersected(QRectF(origin_, QSizeF(image.size()) * zoom_));
  if (shown.isEmpty()) return;
  const QRectF source((shown.topLeft() - origin_) / zoom_, shown.size() / zoom_);
  // Plots stay sharp squares when enlarged; a reduced picture is smoothed.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1);
  painter.drawImage(shown, image, source);
}

void PictureView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (fitted_) FitToView();
}

void PictureView::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches != 0) ZoomAbout(event->position(), std::pow(kWheelStep, notches));
  event->accept();
}

void PictureView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  dragFrom_ = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) {
    origin_ += event->position() - dragFrom_;
    dragFrom_ = event->position();
    fitted_ = false;
    update();
  }
  Point(event->position());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  dragging_ = false;
  setCursor(Qt::OpenHandCursor);
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
  FitToView();
  Point(event->position());
}

void PictureView::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (pointed_ != QPoint(-1, -1)) {
    pointed_ = QPoint(-1, -1);
    Q_EMIT Pointed(-1, -1);
  }
}

// + and - zoom about the centre, 0 fits the picture, the arrows pan.
void PictureView::keyPressEvent(QKeyEvent* event) {
  const QPointF centre(width() / 2.0, height() / 2.0);
  const double step = std::min(width(), height()) / 8.0;
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      ZoomAbout(centre, kWheelStep);
      break;
    case Qt::Key_Minus:
      ZoomAbout(centre, 1 / kWheelStep);
      break;
    case Qt::Key_0:
      FitToView();
      break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      origin_ += QPointF(event->key() == Qt::Key_Left    ? step
                         : event->key() == Qt::Key_Right ? -step
                                                         : 0,
                         event->key() == Qt::Key_Up     ? step
                         : event->key() == Qt::Key_Down ? -step
                                                        : 0);
      fitted_ = false;
      update();
      break;
    default:
      return QWidget::keyPressEvent(event);
  }
  event->accept();
}

void PictureView::Point(QPointF at) {
  QPoint pixel = PixelAt(at);
  if (image_.isNull() || !image_.rect().contains(pixel)) pixel = QPoint(-1, -1);
  if (pixel == pointed_) return;
  pointed_ = pixel;
  Q_EMIT Pointed(pixel.x(), pixel.y());
}

}  // namespace tolvane::gui
