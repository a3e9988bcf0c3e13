#include "WidgetState.h"

#include <fmt/format.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QtCharts/QLegend>
#include <algorithm>
#include <cmath>
#include <vector>

#include "gui/HistoryChartView.h"
#include "gui/MainWindow.h"
#include "gui/PictureView.h"

namespace tolvane::gui::testing {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
QString Q(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
QString Flag(bool on) { return on ? QStringLiteral("yes") : QStringLiteral("no"); }
QString ColorText(form::Rgb rgb) { return Q(form::RgbText(rgb)); }
QString ColorText(const QColor& color) { return color.name().toUpper(); }

QString Head(const form::Control& c) { return Q(c.Name()) + QLatin1Char(' ') + Q(form::KindName(c.Kind())) + ": "; }

QString Combo(const QStringList& items, int index, const QString& text, bool visible, int rows) {
  return QStringLiteral("[%1] index %2 text \"%3\" visible %4 rows %5")
      .arg(items.join(QLatin1Char('|')))
      .arg(index)
      .arg(text, Flag(visible))
      .arg(rows);
}

// A picture by its size and the fingerprint of its pixels.
QString PictureText(int width, int height, const std::string& digest) {
  return QStringLiteral("%1 x %2 %3").arg(width).arg(height).arg(Q(digest));
}

// A slider by its position, its positions and whether it shows.
QString SliderText(int position, int count, bool visible) {
  return QStringLiteral("position %1 of %2 visible %3").arg(position).arg(count).arg(Flag(visible));
}

QString Line(const QString& text, const QString& color) { return color + QLatin1Char(' ') + text; }

QString Series(const QString& title, const QString& color, int width, bool legend, const QStringList& points) {
  return QStringLiteral("\n  %1 %2 w%3 legend %4: %5").arg(title, color).arg(width).arg(Flag(legend), points.join(' '));
}

QString OfControl(const form::Control& control) {
  QString out = Head(control);
  switch (control.Kind()) {
    case form::ControlKind::Edit:
      return out + '"' + Q(static_cast<const form::Edit&>(control).Text()) + '"';
    case form::ControlKind::Label:
      return out + '"' + Q(static_cast<const form::Label&>(control).Text()) + '"';
    case form::ControlKind::Button: {
      const auto& b = static_cast<const form::Button&>(control);
      return out + '"' + Q(b.Caption()) + "\" enabled " + Flag(b.Enabled());
    }
    case form::ControlKind::CheckBox: {
      const auto& c = static_cast<const form::CheckBox&>(control);
      return out + '"' + Q(c.Caption()) + "\" checked " + Flag(c.Checked());
    }
    case form::ControlKind::ComboBox: {
      const auto& c = static_cast<const form::ComboBox&>(control);
      QStringList items;
      for (const std::string& item : c.Items()) items << Q(item);
      return out + Combo(items, c.Index(), Q(c.Text()), c.Visible(), std::max(1, c.DropDownCount()));
    }
    case form::ControlKind::ListBox:
      for (const std::string& line : static_cast<const form::ListBox&>(control).Lines()) out += "\n  " + Q(line);
      return out;
    case form::ControlKind::RichText:
      for (const form::RichLine& line : static_cast<const form::RichText&>(control).Lines())
        out += "\n  " + Line(Q(line.text), ColorText(line.color));
      return out;
    case form::ControlKind::Grid: {
      const auto& g = static_cast<const form::Grid&>(control);
      for (int row = 0; row < g.RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < g.ColCount(); ++col) cells << Q(g.Cell(col, row));
        out += "\n  " + cells.join(QLatin1Char('|'));
      }
      return out;
    }
    case form::ControlKind::Chart: {
      const auto& c = static_cast<const form::Chart&>(control);
      out += QStringLiteral("axis %1..%2").arg(c.AxisMin()).arg(c.AxisMax());
      for (const form::ChartSeries& s : c.Series()) {
        QStringList points;
        for (const auto& [x, y] : s.points) points << QStringLiteral("%1,%2").arg(x).arg(y);
        out += Series(Q(s.title), ColorText(s.color), s.width, s.legend, points);
      }
      return out;
    }
    case form::ControlKind::Picture: {
      const form::Raster& image = static_cast<const form::Picture&>(control).Image();
      return out + PictureText(image.width, image.height, form::RasterDigest(image));
    }
    case form::ControlKind::Slider: {
      const auto& s = static_cast<const form::Slider&>(control);
      return out + SliderText(s.Position(), s.Count(), s.Visible());
    }
    case form::ControlKind::Table: {
      const auto& t = static_cast<const form::Table&>(control);
      QStringList selected, flagged;
      for (int row : t.SelectedRows()) selected << QString::number(row);
      for (int row : t.FlaggedRows()) flagged << QString::number(row);
      out += QStringLiteral("sort %1 %2 marked %3 selected %4 flagged %5")
                 .arg(t.SortColumn())
                 .arg(t.SortAscending() ? QStringLiteral("up") : QStringLiteral("down"))
                 .arg(t.MarkedRow())
                 .arg(selected.join(QLatin1Char(',')), flagged.join(QLatin1Char(',')));
      QStringList headers;
      for (const std::string& header : t.Headers()) headers << Q(header);
      out += "\n  " + headers.join(QLatin1Char('|'));
      for (const auto& row : t.Rows()) {
        QStringList cells;
        for (const std::string& cell : row) cells << Q(cell);
        out += "\n  " + cells.join(QLatin1Char('|'));
      }
      return out;
    }
  }
  return out;
}

QString OfWidget(const MainWindow& window, const form::Control& control) {
  const QString name = Q(control.Name());
  const auto widgets = window.findChildren<QWidget*>(name);
  if (widgets.size() != 1) return Head(control) + QStringLiteral("%1 widgets of that name").arg(widgets.size());
  QWidget* widget = widgets.front();
  QString out = Head(control);
  switch (control.Kind()) {
    case form::ControlKind::Edit:
      if (auto* e = qobject_cast<QLineEdit*>(widget)) return out + '"' + e->text() + '"';
      break;
    case form::ControlKind::Label:
      if (auto* l = qobject_cast<QLabel*>(widget)) return out + '"' + l->text() + '"';
      break;
    case form::ControlKind::Button:
      // The button's own state: a hidden page's tab disables its widgets too.
      if (auto* b = qobject_cast<QPushButton*>(widget))
        return out + '"' + QString(b->text()).remove(QLatin1Char('&')) + "\" enabled " +
               Flag(b->isEnabledTo(b->parentWidget()));
      break;
    case form::ControlKind::CheckBox:
      if (auto* c = qobject_cast<QCheckBox*>(widget))
        return out + '"' + QString(c->text()).remove(QLatin1Char('&')) + "\" checked " + Flag(c->isChecked());
      break;
    case form::ControlKind::ComboBox:
      if (auto* c = qobject_cast<QComboBox*>(widget)) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
        // A plain drop-down list shows its selected item; -1 shows nothing.
        const QString text = c->isEditable() ? c->currentText() : c->currentIndex() < 0 ? QString() : c->currentText();
        return out + Combo(items, c->currentIndex(), text, !c->isHidden(), c->maxVisibleItems());
      }
      break;
    case form::ControlKind::ListBox:
    case form::ControlKind::RichText:
      if (auto* v = qobject_cast<QListView*>(widget)) {
        const QAbstractItemModel* m = v->model();
        const bool rich = control.Kind() == form::ControlKind::RichText;
        for (int row = 0; row < m->rowCount(); ++row) {
          const QModelIndex index = m->index(row, 0);
          const QString text = index.data().toString();
          out += "\n  " + (rich ? Line(text, ColorText(index.data(Qt::ForegroundRole).value<QColor>())) : text);
        }
        return out;
      }
      break;
    case form::ControlKind::Grid:
      if (auto* t = qobject_cast<QTableView*>(widget)) {
        // Row 0 is the horizontal header, column 0 the vertical header and
        // the cell of both the corner button.
        const QAbstractItemModel* m = t->model();
        const auto* corner = t->findChild<QAbstractButton*>();
        QStringList header{corner ? corner->text() : QStringLiteral("(no corner)")};
        for (int col = 0; col < m->columnCount(); ++col) header << m->headerData(col, Qt::Horizontal).toString();
        out += "\n  " + header.join(QLatin1Char('|'));
        for (int row = 0; row < m->rowCount(); ++row) {
          QStringList cells{m->headerData(row, Qt::Vertical).toString()};
          for (int col = 0; col < m->columnCount(); ++col) cells << m->index(row, col).data().toString();
          out += "\n  " + cells.join(QLatin1Char('|'));
        }
        return out;
      }
      break;
    case form::ControlKind::Chart:
      if (auto* c = qobject_cast<HistoryChartView*>(widget)) {
        out += QStringLiteral("axis %1..%2").arg(std::llround(c->AxisY()->min())).arg(std::llround(c->AxisY()->max()));
        for (int s = 0; s < c->SeriesCount(); ++s) {
          const QLineSeries* series = c->Series(s);
          QStringList points;
          for (const QPointF& p : series->points())
            points << QStringLiteral("%1,%2").arg(std::llround(p.x())).arg(std::llround(p.y()));
          out +=
              Series(series->name(), ColorText(series->pen().color()), series->pen().width(), c->InLegend(s), points);
        }
        return out;
      }
      break;
    case form::ControlKind::Picture:
      if (auto* v = qobject_cast<PictureView*>(widget)) {
        // The image the view draws, in the form's byte order.
        const QImage image = v->Image().convertToFormat(QImage::Format_RGBA8888);
        const std::string digest =
            image.isNull() ? form::RasterDigest({})
                           : fmt::format("{:016x}", form::Fnv1a64(image.constBits(), size_t(image.sizeInBytes())));
        return out + PictureText(image.width(), image.height(), digest);
      }
      break;
    case form::ControlKind::Slider:
      // A slider without positions is disabled (a hidden page's tab
      // disables its widgets too).
      if (auto* s = qobject_cast<QSlider*>(widget)) {
        const int count = s->isEnabledTo(s->parentWidget()) ? s->maximum() + 1 : 0;
        return out + SliderText(count > 0 ? s->value() : -1, count, !s->isHidden());
      }
      break;
    case form::ControlKind::Table:
      if (auto* t = qobject_cast<QTableView*>(widget)) {
        // The marked row is the one in bold; the header shows the order.
        const QAbstractItemModel* m = t->model();
        const QHeaderView* header = t->horizontalHeader();
        int marked = -1;
        for (int row = 0; row < m->rowCount(); ++row)
          if (m->index(row, 0).data(Qt::FontRole).value<QFont>().bold()) marked = row;
        const bool shown = header->isSortIndicatorShown() && header->sortIndicatorSection() >= 0 &&
                           header->sortIndicatorSection() < m->columnCount();
        std::vector<int> rows;
        for (const QModelIndex& index : t->selectionModel()->selectedRows()) rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        QStringList selected, flagged;
        for (int row : rows) selected << QString::number(row);
        // A flagged row is painted on a background of its own.
        for (int row = 0; row < m->rowCount(); ++row)
          if (m->index(row, 0).data(Qt::BackgroundRole).isValid()) flagged << QString::number(row);
        out +=
            QStringLiteral("sort %1 %2 marked %3 selected %4 flagged %5")
                .arg(shown ? header->sortIndicatorSection() : -1)
                .arg(header->sortIndicatorOrder() == Qt::AscendingOrder ? QStringLiteral("up") : QStringLiteral("down"))
                .arg(marked)
                .arg(selected.join(QLatin1Char(',')), flagged.join(QLatin1Char(',')));
        QStringList headers;
        for (int col = 0; col < m->columnCount(); ++col) headers << m->headerData(col, Qt::Horizontal).toString();
        out += "\n  " + headers.join(QLatin1Char('|'));
        for (int row = 0; row < m->rowCount(); ++row) {
          QStringList cells;
          for (int col = 0; col < m->columnCount(); ++col) cells << m->index(row, col).data().toString();
          out += "\n  " + cells.join(QLatin1Char('|'));
        }
        return out;
      }
      break;
  }
  return out + QStringLiteral("a %1 is no widget for this control").arg(widget->metaObject()->className());
}

// The design's captions; a two-line caption may place its words anew.
QString CaptionLine(const QString& name, const QString& caption) {
  return name + QStringLiteral(" caption: \"") + caption.simplified() + '"';
}

}  // namespace

QStringList FormState(const form::Form& form) {
  QStringList state;
  for (const form::Control* c : form.Controls()) state << OfControl(*c);
  for (const form::Control* c : form.Controls())
    if (!c->Caption().empty()) state << CaptionLine(Q(c->Name()), Q(c->Caption()));
  for (size_t p = 0; p < form.Pages().size(); ++p)
    state << QStringLiteral("tab %1 \"%2\" visible %3")
                 .arg(p)
                 .arg(Q(form.Pages()[p]->Caption()), Flag(form.Pages()[p]->Visible()));
  return state;
}

QStringList WidgetState(const MainWindow& window) {
  const form::Form& form = window.Form();
  QStringList state;
  for (const form::Control* c : form.Controls()) state << OfWidget(window, *c);
  for (const form::Control* c : form.Controls())
    if (!c->Caption().empty()) {
      // A button or a check box carries its caption itself.
      const QString name = Q(c->Name());
      const auto* label = window.findChild<QLabel*>(name + QStringLiteral("Caption"));
      const auto* button = c->Kind() == form::ControlKind::CheckBox || c->Kind() == form::ControlKind::Button
                               ? window.findChild<QAbstractButton*>(name)
                               : nullptr;
      state << CaptionLine(name, label    ? label->text()
                                 : button ? QString(button->text()).remove(QLatin1Char('&'))
                                          : QStringLiteral("(no label)"));
    }
  const QTabWidget* pages = window.Pages();
  for (int p = 0; p < pages->count(); ++p)
    state << QStringLiteral("tab %1 \"%2\" visible %3")
                 .arg(p)
                 .arg(pages->tabText(p), Flag(pages->isTabVisible(p) && pages->isTabEnabled(p)));
  return state;
}

std::vector<uint64_t> Revisions(const form::Form& form) {
  std::vector<uint64_t> revisions;
  for (const form::Control* c : form.Controls()) revisions.push_back(c->Revision());
  return revisions;
}

}  // namespace tolvane::gui::testing
