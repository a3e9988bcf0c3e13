// The "Cities" page: one city of one player.
#include <fmt/format.h>
#include <fmt/printf.h>

#include <algorithm>

#include "rules/Calendar.h"
#include "rules/Tables.h"
#include "rules/TextKeys.h"
#include "ui/Form.h"
#include "ui/Latin1.h"

namespace tolvane::ui {

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

void Form::PlayerCityChoose() {
  const int p = SlotOf(playerCitySelect, 0);
  cityBox.Clear();
  for (const City* city : NamedCities(model_, p)) cityBox.Add(Latin1ToUtf8(city->name));
  cityBox.SetDropDownCount(std::min(int(cityBox.Items().size()), 20));
  if (cityBox.Index() == -1 && !cityBox.Items().empty()) cityBox.SetIndex(0);
  ChooseCity();
}

void Form::ChooseCity() {
  const Analysis& a = model_;
  const auto named = NamedCities(a, SlotOf(playerCitySelect, 0));
  const int c = std::max(cityBox.Index(), 0);
  // A player without cities (or a city position without a city) shows empty fields.
  const City* city = c < int(named.size()) ? named[size_t(c)] : nullptr;

  cityFoundE.SetText(city ? DateTextPadded(Turn2Date(a.gameSpeed, city->foundedTurn)) : "");
  popE.SetText(city ? fmt::sprintf("%3d", city->population) : "");
  cultureE.SetText(city ? CultureText(city->culture, a.gameSpeed) : "");
  cityXye.SetText(city ? fmt::sprintf("%4d;%d", city->x, city->y) : "");

  // Buildings the city built in black, then those it got for free in blue.
  buildingsList.Clear();
  if (city) {
    buildingsList.SetColor(kBlack);
    for (int b = 0; b < kBuildings; ++b)
      if (city->hasBuilding[size_t(b)]) buildingsList.Append(LowCase(kBuildingInfo[size_t(b)].key));
    buildingsList.SetColor(kBlue);
    for (int b = 0; b < kBuildings; ++b)
      if (city->freeBuilding[size_t(b)]) buildingsList.Append(LowCase(kBuildingInfo[size_t(b)].key));
  }

  // The grid grows to show every entry and keeps at least its 15 data rows.
  const auto entries = city ? ProductionOf(*city, a.speedCostPercent) : std::vector<ProductionEntry>{};
  constexpr int kLayoutRows = 16;
  productionGrid.SetRowCount(std::max(kLayoutRows, int(entries.size()) + 1));
  for (int row = 1; row < productionGrid.RowCount(); ++row) {
    const bool used = row <= int(entries.size());
    productionGrid.SetCell(0, row, used ? fmt::sprintf("%2d", row) : "");
    productionGrid.SetCell(1, row, used ? entries[size_t(row - 1)].name : "");
    productionGrid.SetCell(2, row, used ? entries[size_t(row - 1)].hammers : "");
  }
}

}  // namespace tolvane::ui
