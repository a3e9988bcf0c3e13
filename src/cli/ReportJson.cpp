#include "cli/Report.h"

namespace tolvane::report {

namespace {

using ui::ControlKind;
using Json = nlohmann::ordered_json;

Json StateOf(const ui::Control& c) {
  switch (c.Kind()) {
    case ControlKind::Edit:
      return static_cast<const ui::Edit&>(c).Text();
    case ControlKind::Label:
      return static_cast<const ui::Label&>(c).Text();
    case ControlKind::Button:
      return {{"enabled", static_cast<const ui::Button&>(c).Enabled()}};
    case ControlKind::CheckBox:
      return {{"checked", static_cast<const ui::CheckBox&>(c).Checked()}};
    case ControlKind::ComboBox: {
      const auto& box = static_cast<const ui::ComboBox&>(c);
      return {{"items", box.Items()}, {"index", box.Index()}, {"text", box.Text()}, {"visible", box.Visible()}};
    }
    case ControlKind::ListBox:
      return static_cast<const ui::ListBox&>(c).Lines();
    case ControlKind::RichText: {
      Json lines = Json::array();
      for (const ui::RichLine& line : static_cast<const ui::RichText&>(c).Lines())
        lines.push_back({{"text", line.text}, {"color", ui::RgbText(line.color)}});
      return lines;
    }
    case ControlKind::Grid:
      return static_cast<const ui::Grid&>(c).Rows();
    case ControlKind::Chart: {
      const auto& chart = static_cast<const ui::Chart&>(c);
      Json series = Json::array();
      for (const ui::ChartSeries& s : chart.Series()) {
        Json points = Json::array();
        for (const auto& [x, y] : s.points) points.push_back({x, y});
        series.push_back({{"title", s.title}, {"legend", s.legend}, {"points", std::move(points)}});
      }
      return {{"min", chart.AxisMin()}, {"max", chart.AxisMax()}, {"series", std::move(series)}};
    }
    case ControlKind::Picture: {
      // Its size and a fingerprint of its pixels, not the pixels themselves.
      const ui::Raster& image = static_cast<const ui::Picture&>(c).Image();
      return {{"width", image.width}, {"height", image.height}, {"digest", ui::RasterDigest(image)}};
    }
    case ControlKind::Table: {
      const auto& table = static_cast<const ui::Table&>(c);
      return {{"headers", table.Headers()},
              {"rows", table.Rows()},
              {"sort", {{"column", table.SortColumn()}, {"ascending", table.SortAscending()}}},
              {"marked", table.MarkedRow()},
              {"selected", table.SelectedRows()}};
    }
  }
  return nullptr;
}

}  // namespace

nlohmann::ordered_json FormJson(const ui::Form& form) {
  Json tabs = Json::object();
  for (const ui::Page* page : form.Pages()) tabs[page->Caption()] = page->Visible();
  Json controls = Json::object();
  for (const ui::Control* c : form.Controls()) controls[c->Name()] = StateOf(*c);
  return {{"tabs", std::move(tabs)}, {"controls", std::move(controls)}, {"messages", form.Messages()}};
}

}  // namespace tolvane::report
