#include "form/pages/CitiesPage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <algorithm>

#include "form/Latin1.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/Tables.h"
#include "rules/TextKeys.h"

namespace tolvane::form {

namespace {

// The named city records of a slot, in record order: item i of the city list.
std::vector<const City*> NamedCities(const Analysis& a, int slot) {
  std::vector<const City*> named;
  for (const City& city : a.cities[size_t(slot)])
    if (!city.name.empty()) named.push_back(&city);
  return named;
}

// "points/next level": the first culture level above the city's points, or
// the highest level once the city has passed them all.
std::string CultureText(int32_t culture, int32_t speed) {
  const double points = culture / 100.0;
  if (speed < 0 || speed >= kSpeeds) return fmt::sprintf("%9.2f", points);
  const auto& levels = kCultureThresholds[size_t(speed)];
  const auto next = std::find_if(levels.begin(), levels.end(), [&](int32_t level) { return level > points; });
  return fmt::sprintf("%9.2f/%d", points, next != levels.end() ? *next : levels.back());
}

struct ProductionEntry {
  std::string name;
  std::string hammers;
};

std::vector<ProductionEntry> ProductionOf(const City& city, int32_t speedCostPercent) {
  std::vector<ProductionEntry> entries;
  auto progress = [&](const BuildingInfo& info, int32_t hammers) {
    const int64_t cost = int64_t(info.cost) * speedCostPercent / 100;
    entries.push_back({LowCase(info.key), fmt::sprintf("%6d/%d", hammers, cost)});
  };
  for (int b = 0; b < kBuildings; ++b) {
    const auto i = size_t(b);
    if (city.buildingProduction[i] > 0 && !city.hasBuilding[i] && !city.freeBuilding[i])
      progress(kBuildingInfo[i], city.buildingProduction[i]);
  }
  for (int u = 0; u < kUnits; ++u)
    if (city.unitProduction[size_t(u)] > 0) progress(kUnitInfo[size_t(u)], city.unitProduction[size_t(u)]);
  for (int j = 0; j < kProjects; ++j)
    if (city.projectProduction[size_t(j)] > 0) progress(kProjectInfo[size_t(j)], city.projectProduction[size_t(j)]);
  for (int k = 0; k < kProcesses; ++k)
    if (city.processRate[size_t(k)] > 0)
      entries.push_back({std::string(kProcessNames[size_t(k)]), fmt::sprintf("%6d", city.processRate[size_t(k)])});
  return entries;
}

}  // namespace

CitiesPage::CitiesPage(PageList& pages) : Page({"Cities", "Cities"}, pages) {
  SetVisible(false);
  playerSelector.OnChange([this] { SelectPlayer(); });
  citySelector.OnChange([this] { SelectCity(); });
  int col = 0;
  for (const auto& [header, width] : {std::pair{"№", 20}, {"Production", 200}, {"Hammers", 70}}) {
    production.SetCell(col, 0, header);
    production.SetColWidth(col++, width);
  }
}

void CitiesPage::Fill() {
  playerSelector.SetVisible(!save_.restrictedView);
  FillPlayerSelector(playerSelector, save_);
  SelectPlayer();
}

void CitiesPage::SelectPlayer() {
  const int p = SlotOf(playerSelector, save_, 0);
  citySelector.Clear();
  for (const City* city : NamedCities(save_, p)) citySelector.Add(Latin1ToUtf8(city->name));
  citySelector.SetDropDownCount(std::min(int(citySelector.Items().size()), 20));
  if (citySelector.Index() == -1 && !citySelector.Items().empty()) citySelector.SetIndex(0);
  SelectCity();
}

void CitiesPage::SelectCity() {
  const Analysis& a = save_;
  const auto named = NamedCities(a, SlotOf(playerSelector, a, 0));
  const int c = std::max(citySelector.Index(), 0);
  // A player without cities (or a city position without a city) shows empty fields.
  const City* city = c < int(named.size()) ? named[size_t(c)] : nullptr;

  founded.SetText(city ? DateTextPadded(Turn2Date(a.gameSpeed, city->foundedTurn)) : "");
  population.SetText(city ? fmt::sprintf("%3d", city->population) : "");
  culture.SetText(city ? CultureText(city->culture, a.gameSpeed) : "");
  position.SetText(city ? fmt::sprintf("%4d;%d", city->x, city->y) : "");

  buildings.Clear();
  if (city) {
    buildings.SetColor(kBlack);
    for (int b = 0; b < kBuildings; ++b)
      if (city->hasBuilding[size_t(b)]) buildings.Append(LowCase(kBuildingInfo[size_t(b)].key));
    buildings.SetColor(kBlue);
    for (int b = 0; b < kBuildings; ++b)
      if (city->freeBuilding[size_t(b)]) buildings.Append(LowCase(kBuildingInfo[size_t(b)].key));
  }

  // The grid grows to show every entry and keeps at least its 15 data rows.
  const auto entries = city ? ProductionOf(*city, a.speedCostPercent) : std::vector<ProductionEntry>{};
  constexpr int kLayoutRows = 16;
  production.SetRowCount(std::max(kLayoutRows, int(entries.size()) + 1));
  for (int row = 1; row < production.RowCount(); ++row) {
    const bool used = row <= int(entries.size());
    production.SetCell(0, row, used ? fmt::sprintf("%2d", row) : "");
    production.SetCell(1, row, used ? entries[size_t(row - 1)].name : "");
    production.SetCell(2, row, used ? entries[size_t(row - 1)].hammers : "");
  }
}

}  // namespace tolvane::form
