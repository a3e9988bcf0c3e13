#include "form/pages/WorldPage.h"

#include <fmt/format.h>

#include "form/Latin1.h"
#include "form/PlayerColors.h"
#include "form/exports/Png.h"
#include "form/exports/WorldFrame.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/Tables.h"
#include "save/FileWrite.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::form {

namespace {

// The name of a row of a table; "unknown (n)" for a value outside it.
template <size_t N>
std::string NameOf(const std::array<std::string_view, N>& names, int16_t value) {
  return value >= 0 && size_t(value) < N ? std::string(names[size_t(value)]) : fmt::format("unknown ({})", value);
}

}  // namespace

WorldPage::WorldPage(PageList& pages) : Page({"World", "WorldSheet"}, pages) {
  int col = 0;
  for (const auto& [header, width] :
       {std::pair{"№", 24}, {"Colour", 36}, {"Player", 100}, {"Plots", 40}, {"Cities", 40}}) {
    legend.SetCell(col, 0, header);
    legend.SetColWidth(col++, width);
  }
  for (CheckBox* box : {&showOwners, &showCities, &showResources}) box->OnClick([this] { Redraw(); });
}

void WorldPage::Fill() {
  SetVisible(!NotAvailable(save_));
  world_ = WorldAsShown(save_);
  scale_ = DefaultWorldScale(world_.width, world_.height);
  plotText.SetText("");
  FillLegend();
  Redraw();
}

WorldLayers WorldPage::Layers() const {
  return {.owners = showOwners.Checked(), .cities = showCities.Checked(), .resources = showResources.Checked()};
}

void WorldPage::Redraw() {
  picture.SetPainter([this, layers = Layers(), scale = scale_] { return DrawWorld(world_, layers, scale); });
}

void WorldPage::FillLegend() {
  const std::vector<LegendPlayer> players = WorldLegend(save_, world_);
  legend.SetRowCount(1 + int(players.size()));
  int row = 1;
  for (const LegendPlayer& p : players) {
    legend.SetCell(0, row, fmt::format("{:2}", p.slot + 1));
    legend.SetCell(1, row, RgbText(kPlayerColors[size_t(p.slot)]));
    legend.SetCell(2, row, p.name);
    legend.SetCell(3, row, fmt::format("{:6}", p.plots));
    legend.SetCell(4, row, fmt::format("{:6}", p.cities));
    ++row;
  }
}

void WorldPage::PointAt(int32_t x, int32_t y) {
  std::string text = PlotText(x, y);
  if (text != plotText.Text()) plotText.SetText(std::move(text));
}

std::string WorldPage::PlotText(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= world_.width || y >= world_.height) return {};
  const Analysis& a = save_;
  const Plot& p = a.PlotAt(x, y);
  std::string text =
      fmt::format("x {}, y {} — {}, {}", x, y, NameOf(kPlotTypeNames, p.plotType), NameOf(kTerrainNames, p.terrain));
  if (p.feature >= 0) text += ", " + NameOf(kFeatureNames, p.feature);
  if (p.bonus >= 0) text += ", " + NameOf(kBonusNames, p.bonus);
  const int owner = world_.OwnerAt(x, y);
  text += owner >= 0 ? ", owner " + WorldPlayerName(a, owner) : ", no owner";
  if (const WorldCity* c = world_.CityAt(x, y))
    text += fmt::format(" — city {} of {}, population {}, founded on turn {} ({})", Latin1ToUtf8(c->city->name),
                        WorldPlayerName(a, c->slot), c->city->population, c->city->foundedTurn,
                        DateTextPlain(Turn2Date(a.gameSpeed, c->city->foundedTurn)));
  return text;
}

bool WorldPage::SavePicture(const std::string& path, int32_t scale) {
  if (NotAvailable(save_)) {
    messages_.Add("The map is not shown for a save whose first slot has a password: no picture written.");
    return false;
  }
  if (world_.width == 0 || world_.height == 0) {
    messages_.Add("The save holds no map: no picture written.");
    return false;
  }
  if (scale == 0) {
    WriteBytes(PathFromUtf8(path), EncodePng(picture.Image()));
    return true;
  }
  if (scale < 1 || scale > kMaxWorldScale || int64_t(world_.width) * world_.height * scale * scale > kMaxWorldPixels)
    throw SaveError(fmt::format("A picture of the {} x {} map at {} pixels a plot would be too large.", world_.width,
                                world_.height, scale));
  WriteBytes(PathFromUtf8(path), EncodePng(DrawWorld(world_, Layers(), scale)));
  return true;
}

}  // namespace tolvane::form
