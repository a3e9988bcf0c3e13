#include "cli/Report.h"

namespace tolvane::report {

namespace {

using form::ControlKind;
using Json = nlohmann::ordered_json;

Json StateOf(const form::Control& c) {
  switch (c.Kind()) {
    case ControlKind::Edit:
      return static_cast<const form::Edit&>(c).Text();
    case ControlKind::Label:
      return static_cast<const form::Label&>(c).Text();
    case ControlKind::Button:
      return {{"enabled", static_cast<const form::Button&>(c).Enabled()}};
    case ControlKind::CheckBox:
      return {{"checked", static_cast<const form::CheckBox&>(c).Checked()}};
    case ControlKind::ComboBox: {
      const auto& box = static_cast<const form::ComboBox&>(c);
      return {{"items", box.Items()}, {"index", box.Index()}, {"text", box.Text()}, {"visible", box.Visible()}};
    }
    case ControlKind::ListBox:
      return static_cast<const form::ListBox&>(c).Lines();
    case ControlKind::RichText: {
      Json lines = Json::array();
      for (const form::RichLine& line : static_cast<const form::RichText&>(c).Lines())
        lines.push_back({{"text", line.text}, {"color", form::RgbText(line.color)}});
      return lines;
    }
    case ControlKind::Grid:
      return static_cast<const form::Grid&>(c).Rows();
    case ControlKind::Chart: {
      const auto& chart = static_cast<const form::Chart&>(c);
      Json series = Json::array();
      for (const form::ChartSeries& s : chart.Series()) {
        Json points = Json::array();
        for (const auto& [x, y] : s.points) points.push_back({x, y});
        series.push_back({{"title", s.title}, {"legend", s.legend}, {"points", std::move(points)}});
      }
      return {{"min", chart.AxisMin()}, {"max", chart.AxisMax()}, {"series", std::move(series)}};
    }
    case ControlKind::Picture: {
      // Its size and a fingerprint of its pixels, not the pixels themselves.
      const form::Raster& image = static_cast<const form::Picture&>(c).Image();
      return {{"width", image.width}, {"height", image.height}, {"digest", form::RasterDigest(image)}};
    }
    case ControlKind::Table: {
      const auto& table = static_cast<const form::Table&>(c);
      return {{"headers", table.Headers()},
              {"rows", table.Rows()},
              {"sort", {{"column", table.SortColumn()}, {"ascending", table.SortAscending()}}},
              {"marked", table.MarkedRow()},
              {"flagged", table.FlaggedRows()},
              {"selected", table.SelectedRows()}};
    }
    case ControlKind::Slider: {
      const auto& slider = static_cast<const form::Slider&>(c);
      return {{"position", slider.Position()}, {"count", slider.Count()}, {"visible", slider.Visible()}};
    }
  }
  return nullptr;
}

}  // namespace

nlohmann::ordered_json FormJson(const form::Form& form) {
  Json tabs = Json::object();
  for (const form::Page* page : form.Pages()) tabs[page->Caption()] = page->Visible();
  Json controls = Json::object();
  for (const form::Control* c : form.Controls()) controls[c->Name()] = StateOf(*c);
  return {{"tabs", std::move(tabs)}, {"controls", std::move(controls)}, {"messages", form.Messages()}};
}

}  // namespace tolvane::report
