// The "World" page: the map picture with its layers, the legend of the
// players on it, the text of the plot under the pointer, and the timelapse
// of the loaded save's game (its timer only forwards ticks to the page).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "gui/Pages.h"
#include "gui/PictureView.h"

namespace tolvane::gui {

namespace {

// The legend's colour column: a swatch of the colour its cell names
// ("#RRGGBB") instead of the text.
class SwatchDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    cell.text.clear();
    const QWidget* view = option.widget;
    (view ? view->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
    const QColor color(index.data().toString());
    if (!color.isValid()) return;
    const int margin = std::max(2, option.rect.height() / 5);
    const QRect swatch = option.rect.adjusted(margin, margin, -margin, -margin);
    painter->fillRect(swatch, color);
    painter->setPen(QColor(0x40, 0x40, 0x40));
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {Binder::Scaled(36), QStyledItemDelegate::sizeHint(option, index).height()};
  }
};

// The timelapse's controls, shown while the loaded save's game has other
// saves: the buttons and the speed over the slider and the frame's caption.
// The slider takes the arrow keys, Home and End; Space on it plays or
// pauses. "Save Timelapse…" stands beside "Save Picture…" and shows with
// the rest.
QWidget* TimelapseRows(Binder& b, form::WorldPage& page, QPushButton* save) {
  auto* rows = new QWidget;
  auto* buttons = new QHBoxLayout;
  QPushButton* play = b.Button(page.play, /*mnemonic=*/false);
  QPushButton* pause = b.Button(page.pause, /*mnemonic=*/false);
  for (form::Button* button : {&page.first, &page.previous}) buttons->addWidget(b.Button(*button, false));
  buttons->addWidget(play);
  buttons->addWidget(pause);
  for (form::Button* button : {&page.next, &page.last}) buttons->addWidget(b.Button(*button, false));
  buttons->addSpacing(Binder::Scaled(12));
  buttons->addWidget(b.Caption(page.speed));
  buttons->addWidget(b.Combo(page.speed));
  buttons->addStretch(1);
  auto* slide = new QHBoxLayout;
  QSlider* slider = b.Slider(page.frames);
  slider->setFocusPolicy(Qt::StrongFocus);
  slide->addWidget(slider, 1);
  QLabel* caption = b.Label(page.frameText);
  caption->setTextInteractionFlags(Qt::TextSelectableByMouse);
  slide->addWidget(caption);
  auto* layout = new QVBoxLayout(rows);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(buttons);
  layout->addLayout(slide);

  auto* space = new QShortcut(QKeySequence(Qt::Key_Space), slider, nullptr, nullptr, Qt::WidgetShortcut);
  QObject::connect(space, &QShortcut::activated, slider,
                   [&b, &page] { b.Run([&page] { (page.Playing() ? page.pause : page.play).Click(); }); });
  // Playing, the timer ticks at the speed chosen; one of Play and Pause shows.
  auto* timer = new QTimer(rows);
  QObject::connect(timer, &QTimer::timeout, rows, [&b, &page] { b.Run([&page] { page.Tick(); }); });
  b.Watch(page.pause, [&page, timer, play, pause] {
    play->setVisible(!page.Playing());
    pause->setVisible(page.Playing());
    if (!page.Playing())
      timer->stop();
    else if (!timer->isActive())
      timer->start(page.FrameMs());
  });
  b.Watch(page.speed, [&page, timer] { timer->setInterval(page.FrameMs()); });
  b.Watch(page.frames, [&page, rows, save] {
    rows->setVisible(page.frames.Visible());
    save->setVisible(page.frames.Visible());
  });
  return rows;
}

}  // namespace

QWidget* BuildWorldPage(Binder& b, form::WorldPage& page) {
  auto* top = new QHBoxLayout;
  for (form::CheckBox* layer : {&page.showOwners, &page.showCities, &page.showResources})
    top->addWidget(b.Check(*layer));
  top->addStretch(1);
  QPushButton* saveTimelapse = b.Button(page.saveTimelapse, /*mnemonic=*/false);
  top->addWidget(saveTimelapse);
  // A long game takes a while to encode: the window stays usable.
  QObject::connect(saveTimelapse, &QPushButton::clicked, saveTimelapse, [&b, &page, saveTimelapse] {
    b.SaveInBackground(
        {QStringLiteral("Save Timelapse"), QStringLiteral("GIF image (*.gif)"), QStringLiteral("timelapse.gif")},
        saveTimelapse, [&page](const std::string& path) -> Binder::Writing {
          std::optional<form::TimelapseRequest> request = page.TimelapseToSave();
          if (!request) return {};
          return [path, request = std::move(*request)] { form::WorldPage::WriteTimelapse(path, request); };
        });
  });
  QPushButton* save = b.Button(page.savePicture);
  top->addWidget(save);
  QObject::connect(save, &QPushButton::clicked, save, [&b, &page] {
    b.SaveAs({QStringLiteral("Save Picture"), QStringLiteral("PNG image (*.png)"), QStringLiteral("world.png")},
             [&page](const std::string& path) { page.SavePicture(path); });
  });

  QWidget* timelapse = TimelapseRows(b, page, saveTimelapse);

  PictureView* map = b.Picture(page.picture);
  // The picture's pixels to plots: squares of Scale() pixels, the row of the
  // highest y on top.
  QObject::connect(map, &PictureView::Pointed, map, [&b, &page](int x, int y) {
    const int32_t scale = page.Scale();
    const bool off = x < 0 || y < 0;
    b.Run([&page, x = off ? -1 : x / scale, y = off ? -1 : page.MapHeight() - 1 - y / scale] { page.PointAt(x, y); });
  });
  QTableView* legend = b.Grid(page.legend);
  legend->setItemDelegateForColumn(0, new SwatchDelegate(legend));
  // As wide as its columns; the map takes the rest.
  legend->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  legend->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  legend->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* middle = new QHBoxLayout;
  middle->addWidget(map, 1);
  middle->addWidget(legend);

  QLabel* plot = b.Label(page.plotText);
  plot->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  plot->setMinimumHeight(plot->fontMetrics().height());
  plot->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QLabel* hint = Binder::Text(QStringLiteral("Wheel: zoom · drag: move · double-click: whole map"));
  hint->setEnabled(false);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(plot, 1);
  bottom->addWidget(hint);

  auto* layout = new QVBoxLayout;
  layout->addLayout(top);
  layout->addWidget(timelapse);
  layout->addLayout(middle, 1);
  layout->addLayout(bottom);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
