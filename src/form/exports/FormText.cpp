#include "form/exports/FormText.h"

#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "form/Blanks.h"
#include "form/Form.h"

namespace tolvane::form {

namespace {

// Characters on a terminal, counting each UTF-8 sequence once.
size_t Width(std::string_view s) {
  return size_t(std::count_if(s.begin(), s.end(), [](char c) { return (uint8_t(c) & 0xC0) != 0x80; }));
}
std::string Padded(std::string_view s, size_t w) {
  std::string out(s);
  out.append(w > Width(s) ? w - Width(s) : 0, ' ');
  return out;
}

// The words in front of a control's value: what it shows, or else the
// caption beside it in the window.
std::string LabelOf(const form::Control& c) {
  return c.Description().empty() ? std::string(Trimmed(c.Caption())) : c.Description();
}

class Writer {
 public:
  explicit Writer(const form::Form& form) : form_(form) {}

  std::string RunPage(const form::Page& page) {
    Page(page);
    return out_;
  }

  std::string Run() {
    Controls(form_.fileBar.Controls());
    for (const form::Page* page : form_.Pages()) Page(*page);
    if (!form_.Messages().empty()) {
      out_ += "\n== Messages ==\n";
      for (const std::string& m : form_.Messages()) out_ += "  " + m + "\n";
    }
    return out_;
  }

 private:
  void Page(const form::Page& page) {
    out_ += fmt::format("\n== {}{} ==\n", page.Caption(), page.Visible() ? "" : " (tab hidden)");
    Controls(page.Controls());
    if (&page == &form_.base) ScoreTable();
    if (&page == &form_.kavrel) KavrelTable();
  }

  void Controls(const std::vector<form::Control*>& controls) {
    for (const form::Control* c : controls)
      if (!tabled_.count(c)) Control(*c);
  }

  void Line(std::string_view label, std::string_view value) {
    if (value.empty())
      out_ += fmt::format("  {}\n", label);
    else
      out_ += fmt::format("  {} {}\n", Padded(label, 42), value);
  }

  void Control(const form::Control& c) {
    switch (c.Kind()) {
      case ControlKind::Edit: {
        const std::string_view text = Trimmed(static_cast<const form::Edit&>(c).Text());
        if (!text.empty()) Line(LabelOf(c), text);
        break;
      }
      case ControlKind::Label:
        if (const std::string& text = static_cast<const form::Label&>(c).Text(); !text.empty()) Line(LabelOf(c), text);
        break;
      case ControlKind::Button: {
        const auto& b = static_cast<const form::Button&>(c);
        out_ += fmt::format("  [{}]{}\n", b.Caption(), b.Enabled() ? "" : " (disabled)");
        break;
      }
      case ControlKind::CheckBox: {
        const auto& b = static_cast<const form::CheckBox&>(c);
        out_ += fmt::format("  [{}] {}\n", b.Checked() ? 'x' : ' ', b.Caption());
        break;
      }
      case ControlKind::ComboBox: {
        const auto& box = static_cast<const form::ComboBox&>(c);
        if (!box.Visible()) break;
        std::string value = box.Text().empty() ? "(none)" : box.Text();
        if (box.Index() >= 0) value += fmt::format("  (item {} of {})", box.Index() + 1, box.Items().size());
        Line(LabelOf(c), value);
        break;
      }
      case ControlKind::ListBox: {
        const auto& lines = static_cast<const form::ListBox&>(c).Lines();
        Line(LabelOf(c), lines.empty() ? "(empty)" : "");
        for (const std::string& l : lines) out_ += "    " + l + "\n";
        break;
      }
      case ControlKind::RichText: {
        const auto& lines = static_cast<const form::RichText&>(c).Lines();
        const bool log = &c == &form_.replay.replay || &c == &form_.playerLog.log;
        if (log)
          out_ += "  Turn Date    Event\n";
        else
          Line(RichTextLabel(c), lines.empty() ? "(empty)" : "");
        for (const form::RichLine& l : lines) out_ += (log ? "  " : "    ") + l.text + "\n";
        break;
      }
      case ControlKind::Grid:
        GridTable(static_cast<const form::Grid&>(c));
        break;
      case ControlKind::Chart:
        ChartSummary(static_cast<const form::Chart&>(c));
        break;
      case ControlKind::Picture: {
        const form::Raster& image = static_cast<const form::Picture&>(c).Image();
        Line(LabelOf(c), image.Empty() ? "(empty)" : fmt::format("{} x {} pixels", image.width, image.height));
        break;
      }
      case ControlKind::Table:
        TableText(static_cast<const form::Table&>(c));
        break;
      case ControlKind::Slider: {
        const auto& slider = static_cast<const form::Slider&>(c);
        if (slider.Visible() && slider.Count() > 0)
          Line(LabelOf(c), fmt::format("{} of {}", slider.Position() + 1, slider.Count()));
        break;
      }
    }
  }

  // The Compare page's lists stand under their headings ("Replay lines
  // added" or "... that differ from the earlier save").
  std::string RichTextLabel(const form::Control& c) const {
    if (&c == &form_.compare.replayAdded) return form_.compare.replayHeading.Text();
    if (&c == &form_.compare.logAdded) return form_.compare.logHeading.Text();
    return LabelOf(c);
  }

  // The headers over the rows, the marked row with a "*" in front, a
  // flagged row with a "!".
  void TableText(const form::Table& t) {
    if (t.Rows().empty()) {
      Line(LabelOf(t), "(empty)");
      return;
    }
    std::vector<size_t> widths;
    for (const std::string& header : t.Headers()) widths.push_back(Width(header));
    for (const auto& row : t.Rows())
      for (size_t col = 0; col < row.size(); ++col) widths[col] = std::max(widths[col], Width(row[col]));
    auto line = [&](const std::vector<std::string>& cells, bool marked, bool flagged) {
      std::string text = std::string(" ") + (flagged ? "!" : " ") + (marked ? "*" : " ");
      for (size_t col = 0; col < cells.size(); ++col) text += " " + Padded(cells[col], widths[col]);
      while (text.back() == ' ') text.pop_back();
      out_ += text + "\n";
    };
    line(t.Headers(), false, false);
    for (size_t r = 0; r < t.Rows().size(); ++r) line(t.Rows()[r], int(r) == t.MarkedRow(), t.Flagged(int(r)));
  }

  // Rows whose data cells are all blank are left out; columns of numbers
  // are right-aligned.
  void GridTable(const form::Grid& g) {
    std::vector<size_t> widths(size_t(g.ColCount()), 0);
    std::vector<int> numbers(size_t(g.ColCount()), 0);
    std::vector<const std::vector<std::string>*> rows;
    for (int r = 0; r < g.RowCount(); ++r) {
      const auto& row = g.Rows()[size_t(r)];
      const bool blank = std::all_of(row.begin() + std::min<ptrdiff_t>(g.FixedCols(), ptrdiff_t(row.size())), row.end(),
                                     [](const std::string& s) { return Trimmed(s).empty(); });
      if (r >= g.FixedRows() && blank) continue;
      rows.push_back(&row);
      for (size_t col = 0; col < row.size(); ++col) {
        const std::string_view cell = Trimmed(row[col]);
        widths[col] = std::max(widths[col], Width(cell));
        if (r >= g.FixedRows() && !cell.empty())
          numbers[col] += std::isdigit(uint8_t(cell[0])) || cell[0] == '-' ? 1 : -1;
      }
    }
    for (const auto* row : rows) {
      std::string line = " ";
      for (size_t col = 0; col < row->size(); ++col) {
        if (!widths[col]) continue;
        const std::string_view cell = Trimmed((*row)[col]);
        line += " " + (numbers[col] > 0 ? std::string(widths[col] - Width(cell), ' ') + std::string(cell)
                                        : Padded(cell, widths[col]));
      }
      while (!line.empty() && line.back() == ' ') line.pop_back();
      out_ += line + "\n";
    }
  }

  void ChartSummary(const form::Chart& chart) {
    out_ += fmt::format("  Value axis {} .. {}\n", chart.AxisMin(), chart.AxisMax());
    for (const form::ChartSeries& s : chart.Series()) {
      if (!s.legend || s.points.empty()) continue;
      out_ += fmt::format("  {} {} turns, {} .. {}: last {}\n", Padded(s.title, 20), s.points.size(),
                          s.points.front().first, s.points.back().first, s.points.back().second);
    }
  }

  // The Base page's "Score Calculations": one row per score part.
  void ScoreTable() {
    const form::BasePage& base = form_.base;
    out_ += "\n  Score Calculations    Initial  Current  Maximal   Factor  Game Score  Final Score\n";
    for (const form::ScoreRow* row : base.ScoreRows()) {
      std::string line = fmt::format("  {:<20}", row->title);
      const form::Edit* cells[] = {&row->initial, &row->current,   &row->maximal,
                                   &row->factor,  &row->gameScore, &row->finalScore};
      for (size_t col = 0; col < std::size(cells); ++col)
        line += fmt::format(" {:>{}}", Trimmed(cells[col]->Text()), col < 4 ? 8 : 11);
      out_ += line + "\n";
    }
    out_ += fmt::format("  {:<56} {:>11} {:>12}\n", "Sum", Trimmed(base.gameScoreSum.Text()),
                        Trimmed(base.finalScoreSum.Text()));
    out_ += fmt::format("  {:<20} {:>8}\n", base.difficultyCoefficient.Caption(),
                        Trimmed(base.difficultyCoefficient.Text()));
  }

  void KavrelTable() {
    const form::KavrelPage& kavrel = form_.kavrel;
    out_ += "\n  Kavrel Score          Current+  Maximal   Factor  Final Score  % Score\n";
    for (const form::KavrelRow* row : kavrel.Rows()) {
      std::string line = fmt::format("  {:<20}", row->title);
      const form::Edit* cells[] = {&row->current, &row->maximal, &row->factor, &row->finalScore, &row->share};
      for (size_t col = 0; col < std::size(cells); ++col)
        line += fmt::format(" {:>{}}", Trimmed(cells[col]->Text()), col < 3 ? 8 : 12);
      out_ += line + "\n";
    }
    out_ += fmt::format("  {:<20} {:>8} {:>17} {:>12}\n", kavrel.date.Caption(), Trimmed(kavrel.date.Text()), "Sum",
                        Trimmed(kavrel.finalScoreSum.Text()));
  }

  // The controls shown in the two calculator tables instead of one by one,
  // and the headings the Compare page's lists stand under.
  std::set<const form::Control*> TabledControls() const {
    const form::BasePage& base = form_.base;
    std::set<const form::Control*> tabled = {
        &base.gameScoreSum,          &base.finalScoreSum,          &base.difficultyCoefficient, &form_.kavrel.date,
        &form_.kavrel.finalScoreSum, &form_.compare.replayHeading, &form_.compare.logHeading};
    for (const form::ScoreRow* row : base.ScoreRows())
      tabled.insert({&row->initial, &row->current, &row->maximal, &row->factor, &row->gameScore, &row->finalScore});
    for (const form::KavrelRow* row : form_.kavrel.Rows())
      tabled.insert({&row->current, &row->maximal, &row->factor, &row->finalScore, &row->share});
    return tabled;
  }

  const form::Form& form_;
  std::string out_;
  const std::set<const form::Control*> tabled_ = TabledControls();
};

}  // namespace

std::string FormText(const form::Form& form) { return Writer(form).Run(); }

std::string PageText(const form::Form& form, const form::Page& page) { return Writer(form).RunPage(page); }

}  // namespace tolvane::form
