// A picture of the form (form::Picture), such as the map, drawn from a cached
// image: the wheel zooms about the pointer, dragging pans, a double click
// fits the whole picture into the view again. Zooming and panning only
// redraw the cached image; the picture is taken anew (and drawn by the form)
// only when it has changed and the view is on show.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QWidget>

#include "form/Controls.h"

namespace tolvane::gui {

class PictureView : public QWidget {
  Q_OBJECT
 public:
  explicit PictureView(const form::Picture& picture, QWidget* parent = nullptr);

  // The form's picture changed: it is taken anew when next drawn.
  void PictureChanged();
  // The image the view draws, taken from the form first if it changed.
  const QImage& Image();

  // Screen pixels per picture pixel, and where the picture's top left
  // corner lies in the view.
  double Zoom() const { return zoom_; }
  QPointF Origin() const { return origin_; }
  // The picture pixel under a point of the view (outside the picture when
  // the point is).
  QPoint PixelAt(QPointF point) const;
  // Zooms by `factor` keeping the picture point under `anchor` in place.
  void ZoomAbout(QPointF anchor, double factor);
  // The whole picture, centred, as large as the view allows.
  void FitToView();

 Q_SIGNALS:
  // The pointer rests on picture pixel (x, y); (-1, -1) when it is off the
  // picture.
  void Pointed(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Point(QPointF at);
  double FitZoom() const;

  const form::Picture& picture_;
  QImage image_;
  bool stale_ = true;
  bool fitted_ = true;  // follows the view's size until the user zooms or pans
  double zoom_ = 1;
  QPointF origin_;
  bool dragging_ = false;
  QPointF dragFrom_;
  QPoint pointed_{-1, -1};
};

}  // namespace tolvane::gui
