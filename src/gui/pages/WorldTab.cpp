// The "World" page: the map picture with its layers, the legend of the
// players on it, and the text of the plot under the pointer.
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

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

}  // namespace

QWidget* BuildWorldPage(Binder& b, form::WorldPage& page) {
  auto* top = new QHBoxLayout;
  for (form::CheckBox* layer : {&page.showOwners, &page.showCities, &page.showResources})
    top->addWidget(b.Check(*layer));
  top->addStretch(1);
  QPushButton* save = b.Button(page.savePicture);
  top->addWidget(save);
  QObject::connect(save, &QPushButton::clicked, save, [&b, &page] {
    b.SaveAs({QStringLiteral("Save Picture"), QStringLiteral("PNG image (*.png)"), QStringLiteral("world.png")},
             [&page](const std::string& path) { page.SavePicture(path); });
  });

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
  layout->addLayout(middle, 1);
  layout->addLayout(bottom);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
