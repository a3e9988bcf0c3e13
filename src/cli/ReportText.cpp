// A page-by-page text of the window for a terminal: each page in tab order,
// its values beside their captions, grids as aligned tables, the two score
// calculators as tables, logs line by line.
#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "cli/Report.h"
#include "ui/Captions.h"

namespace tolvane::report {

namespace {

using ui::ControlKind;

// Characters on a terminal, counting each UTF-8 sequence once.
size_t Width(std::string_view s) {
  return size_t(std::count_if(s.begin(), s.end(), [](char c) { return (uint8_t(c) & 0xC0) != 0x80; }));
}
std::string Padded(std::string_view s, size_t w) {
  std::string out(s);
  out.append(w > Width(s) ? w - Width(s) : 0, ' ');
  return out;
}
std::string Trimmed(std::string_view s) {
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  return std::string(s.substr(b, s.find_last_not_of(' ') - b + 1));
}

// Controls that share a caption with their neighbour in the window get a
// word of their own here.
std::string LabelOf(const ui::Control& c) {
  static const std::map<std::string_view, std::string_view> kOwnWords = {
      {"LeaderE", "Leader"},
      {"CountryE", "Civilization"},
      {"Edit4", "Date"},
      {"Edit13", "Final score (computed)"},
      {"CurrTechBeakersE", "Beakers"},
      {"City2CultureE", ""},
      {"City3CultureE", ""},
      {"SessionListBox", "Session list"},
      {"GraphSelect", "History"},
      {"PlayerLogSelect", "Player"},
      {"PlayerInfoSelect", "Player"},
      {"PlayerCitySelect", "Player"},
  };
  if (const auto it = kOwnWords.find(c.Name()); it != kOwnWords.end()) return std::string(it->second);
  std::string caption = Trimmed(ui::CaptionOf(c.Name()));
  return caption.empty() ? c.Name() : caption;
}

class Writer {
 public:
  explicit Writer(const ui::Form& form) : form_(form) {}

  std::string Run() {
    for (int page = ui::kTopRow; page < ui::kPageCount; ++page) Page(ui::Page(page));
    if (!form_.Messages().empty()) {
      out_ += "\n== Messages ==\n";
      for (const std::string& m : form_.Messages()) out_ += "  " + m + "\n";
    }
    return out_;
  }

 private:
  void Page(ui::Page page) {
    if (page != ui::kTopRow) {
      const ui::Tab& tab = form_.Tabs()[size_t(page)];
      out_ += fmt::format("\n== {}{} ==\n", tab.caption, tab.visible ? "" : " (tab hidden)");
    }
    for (const ui::Control* c : form_.Controls()) {
      if (c->OnPage() != page || skipped_.count(c->Name())) continue;
      Control(*c);
    }
    if (page == ui::kBasePage) ScoreTable();
    if (page == ui::kKavrelPage) KavrelTable();
  }

  void Line(std::string_view label, std::string_view value) {
    if (value.empty())
      out_ += fmt::format("  {}\n", label);
    else
      out_ += fmt::format("  {} {}\n", Padded(label, 42), value);
  }

  void Control(const ui::Control& c) {
    switch (c.Kind()) {
      case ControlKind::Edit: {
        const std::string text = Trimmed(static_cast<const ui::Edit&>(c).Text());
        if (!text.empty()) Line(LabelOf(c), text);
        break;
      }
      case ControlKind::Label:
        Line(LabelOf(c), static_cast<const ui::Label&>(c).Caption());
        break;
      case ControlKind::Button: {
        const auto& b = static_cast<const ui::Button&>(c);
        out_ += fmt::format("  [{}]{}\n", b.Caption(), b.Enabled() ? "" : " (disabled)");
        break;
      }
      case ControlKind::CheckBox: {
        const auto& b = static_cast<const ui::CheckBox&>(c);
        out_ += fmt::format("  [{}] {}\n", b.Checked() ? 'x' : ' ', b.Caption());
        break;
      }
      case ControlKind::ComboBox: {
        const auto& box = static_cast<const ui::ComboBox&>(c);
        if (!box.Visible()) break;
        std::string value = box.Text().empty() ? "(none)" : box.Text();
        if (box.Index() >= 0) value += fmt::format("  (item {} of {})", box.Index() + 1, box.Items().size());
        Line(LabelOf(c), value);
        break;
      }
      case ControlKind::ListBox: {
        const auto& lines = static_cast<const ui::ListBox&>(c).Lines();
        Line(LabelOf(c), lines.empty() ? "(empty)" : "");
        for (const std::string& l : lines) out_ += "    " + l + "\n";
        break;
      }
      case ControlKind::RichText: {
        const auto& lines = static_cast<const ui::RichText&>(c).Lines();
        const bool log = c.Name() == "ReplayList" || c.Name() == "PlayerLog";
        if (log)
          out_ += "  Turn Date    Event\n";
        else
          Line(LabelOf(c), lines.empty() ? "(empty)" : "");
        for (const ui::RichLine& l : lines) out_ += (log ? "  " : "    ") + l.text + "\n";
        break;
      }
      case ControlKind::Grid:
        GridTable(static_cast<const ui::Grid&>(c));
        break;
      case ControlKind::Chart:
        ChartSummary(static_cast<const ui::Chart&>(c));
        break;
    }
  }

  // Rows whose data cells are all blank are left out; columns of numbers
  // are right-aligned.
  void GridTable(const ui::Grid& g) {
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
        const std::string cell = Trimmed(row[col]);
        widths[col] = std::max(widths[col], Width(cell));
        if (r >= g.FixedRows() && !cell.empty())
          numbers[col] += std::isdigit(uint8_t(cell[0])) || cell[0] == '-' ? 1 : -1;
      }
    }
    for (const auto* row : rows) {
      std::string line = " ";
      for (size_t col = 0; col < row->size(); ++col) {
        if (!widths[col]) continue;
        const std::string cell = Trimmed((*row)[col]);
        line +=
            " " + (numbers[col] > 0 ? std::string(widths[col] - Width(cell), ' ') + cell : Padded(cell, widths[col]));
      }
      while (!line.empty() && line.back() == ' ') line.pop_back();
      out_ += line + "\n";
    }
  }

  void ChartSummary(const ui::Chart& chart) {
    out_ += fmt::format("  Value axis {} .. {}\n", chart.AxisMin(), chart.AxisMax());
    for (const ui::ChartSeries& s : chart.Series()) {
      if (!s.legend || s.points.empty()) continue;
      out_ += fmt::format("  {} {} turns, {} .. {}: last {}\n", Padded(s.title, 20), s.points.size(),
                          s.points.front().first, s.points.back().first, s.points.back().second);
    }
  }

  // The Base page's "Score Calculations": one row per score part.
  void ScoreTable() {
    const ui::Form& f = form_;
    out_ += "\n  Score Calculations    Initial  Current  Maximal   Factor  Game Score  Final Score\n";
    const std::array<std::array<const ui::Edit*, 6>, 4> rows = {{
        {&f.initPopE, &f.currPopScoreE, &f.maxPopScoreE, &f.popCoeffE, &f.popScoreE, &f.popFinalScoreE},
        {&f.initLandE, &f.currLandScoreE, &f.maxLandScoreE, &f.landCoeffE, &f.landScoreE, &f.landFinalScoreE},
        {&f.initTechE, &f.currTechScoreE, &f.maxTechScoreE, &f.techCoeffE, &f.techScoreE, &f.techFinalScoreE},
        {&f.initWonderE, &f.currWonderScoreE, &f.maxWonderScoreE, &f.wonderCoeffE, &f.wonderScoreE,
         &f.wonderFinalScoreE},
    }};
    static constexpr const char* kParts[] = {"Population", "Land", "Science", "Wonder"};
    for (size_t r = 0; r < rows.size(); ++r) {
      std::string line = fmt::format("  {:<20}", kParts[r]);
      for (size_t col = 0; col < 6; ++col)
        line += fmt::format(" {:>{}}", Trimmed(rows[r][col]->Text()), col < 4 ? 8 : 11);
      out_ += line + "\n";
    }
    out_ += fmt::format("  {:<56} {:>11} {:>12}\n", "Sum", Trimmed(f.gameScoreSumE.Text()),
                        Trimmed(f.finalScoreSumE.Text()));
    out_ += fmt::format("  {:<20} {:>8}\n", "Difficulty Coefficient", Trimmed(f.diffCoeffE.Text()));
  }

  void KavrelTable() {
    const ui::Form& f = form_;
    out_ += "\n  Kavrel Score          Current+  Maximal   Factor  Final Score  % Score\n";
    const std::array<std::array<const ui::Edit*, 5>, 7> rows = {{
        {&f.kavrelPopCurrE, &f.kavrelPopMaxE, &f.kavrelPopFactorE, &f.kavrelPopFinalE, &f.kavrelPopPercentE},
        {&f.kavrelLandCurrE, &f.kavrelLandMaxE, &f.kavrelLandFactorE, &f.kavrelLandFinalE, &f.kavrelLandPercentE},
        {&f.kavrelTechCurrE, &f.kavrelTechMaxE, &f.kavrelTechFactorE, &f.kavrelTechFinalE, &f.kavrelTechPercentE},
        {&f.kavrelWonderCurrE, &f.kavrelWonderMaxE, &f.kavrelWonderFactorE, &f.kavrelWonderFinalE,
         &f.kavrelWonderPercentE},
        {&f.kavrelCultureCurrE, &f.kavrelCultureMaxE, &f.kavrelCultureFactorE, &f.kavrelCultureFinalE,
         &f.kavrelCulturePercentE},
        {&f.kavrelMTechCurrE, &f.kavrelMTechMaxE, &f.kavrelMTechFactorE, &f.kavrelMTechFinalE, &f.kavrelMTechPercentE},
        {&f.kavrelTurnCurrE, &f.kavrelTurnMaxE, &f.kavrelTurnFactorE, &f.kavrelTurnFinalE, &f.kavrelTurnPercentE},
    }};
    static constexpr const char* kParts[] = {"Population", "Land", "Science", "Wonder", "Culture", "M.Tech", "Turn"};
    for (size_t r = 0; r < rows.size(); ++r) {
      std::string line = fmt::format("  {:<20}", kParts[r]);
      for (size_t col = 0; col < 5; ++col)
        line += fmt::format(" {:>{}}", Trimmed(rows[r][col]->Text()), col < 3 ? 8 : 12);
      out_ += line + "\n";
    }
    out_ += fmt::format("  {:<20} {:>8} {:>17} {:>12}\n", "Date", Trimmed(f.kavrelDateE.Text()), "Sum",
                        Trimmed(f.kavrelSumFinalE.Text()));
  }

  const ui::Form& form_;
  std::string out_;
  // Shown in the two calculator tables instead of one by one.
  const std::set<std::string> skipped_ = [] {
    std::set<std::string> names = {
        "InitPopE",      "CurrPopScoreE",    "MaxPopScoreE",    "PopCoeffE",    "PopScoreE",      "PopFinalScoreE",
        "InitLandE",     "CurrLandScoreE",   "MaxLandScoreE",   "LandCoeffE",   "LandScoreE",     "LandFinalScoreE",
        "InitTechE",     "CurrTechScoreE",   "MaxTechScoreE",   "TechCoeffE",   "TechScoreE",     "TechFinalScoreE",
        "InitWonderE",   "CurrWonderScoreE", "MaxWonderScoreE", "WonderCoeffE", "WonderScoreE",   "WonderFinalScoreE",
        "GameScoreSumE", "FinalScoreSumE",   "DiffCoeffE",      "KavrelDateE",  "KavrelSumFinalE"};
    for (const char* part : {"Pop", "Land", "Tech", "Wonder", "Culture", "MTech", "Turn"})
      for (const char* column : {"Curr", "Max", "Factor", "Final", "Percent"})
        names.insert(std::string("Kavrel") + part + column + "E");
    return names;
  }();
};

}  // namespace

std::string FormText(const ui::Form& form) { return Writer(form).Run(); }

}  // namespace tolvane::report
