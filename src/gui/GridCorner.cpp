#include "gui/GridCorner.h"

#include <QAbstractButton>
#include <QEvent>
#include <QObject>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTableView>

namespace tolvane::gui {

namespace {

// Draws the text of a table's corner button like a header section.
class CornerPainter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    auto* button = static_cast<QAbstractButton*>(watched);
    QStyleOptionHeader option;
    option.initFrom(button);
    option.rect = button->rect();
    option.text = button->text();
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    QStylePainter painter(button);
    painter.drawControl(QStyle::CE_Header, option);
    return true;
  }
};

}  // namespace

QAbstractButton* CornerAsHeader(QTableView* table) {
  auto* corner = table->findChild<QAbstractButton*>();
  if (corner) corner->installEventFilter(new CornerPainter(table));
  return corner;
}

}  // namespace tolvane::gui
