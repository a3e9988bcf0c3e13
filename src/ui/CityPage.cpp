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
std::vector<const TCityRec*> NamedCities(const Analysis& a, int slot) {
  std::vector<const TCityRec*> named;
  for (const TCityRec& city : a.Cities[size_t(slot)])
    if (!city.Name.empty()) named.push_back(&city);
  return named;
}

// "points/next level": the first culture level above the city's points, or
// the highest level once the city has passed them all.
std::string CultureText(int32_t culture, int32_t speed) {
  const double points = culture / 100.0;
  if (speed < 0 || speed >= kSpeeds) return fmt::sprintf("%9.2f", points);
  const auto& levels = CultureThresholds[size_t(speed)];
  const auto next = std::find_if(levels.begin(), levels.end(), [&](int32_t level) { return level > points; });
  return fmt::sprintf("%9.2f/%d", points, next != levels.end() ? *next : levels.back());
}

struct ProductionEntry {
  std::string name;
  std::string hammers;
};

std::vector<ProductionEntry> ProductionOf(const TCityRec& city, int32_t speedCostPercent) {
  std::vector<ProductionEntry> entries;
  auto progress = [&](const TBuildingInfoRec& info, int32_t hammers) {
    const int64_t cost = int64_t(info.Cost) * speedCostPercent / 100;
    entries.push_back({LowCase(info.Key), fmt::sprintf("%6d/%d", hammers, cost)});
  };
  for (int b = 0; b < kBuildings; ++b) {
    const auto i = size_t(b);
    if (city.BuildingProduction[i] > 0 && !city.HasBuilding[i] && !city.FreeBuilding[i])
      progress(BuildingInfo[i], city.BuildingProduction[i]);
  }
  for (int u = 0; u < kUnits; ++u)
    if (city.UnitProduction[size_t(u)] > 0) progress(UnitInfo[size_t(u)], city.UnitProduction[size_t(u)]);
  for (int j = 0; j < kProjects; ++j)
    if (city.ProjectProduction[size_t(j)] > 0) progress(ProjectInfo[size_t(j)], city.ProjectProduction[size_t(j)]);
  for (int k = 0; k < kProcesses; ++k)
    if (city.ProcessRate[size_t(k)] > 0)
      entries.push_back({std::string(ProcessNames[size_t(k)]), fmt::sprintf("%6d", city.ProcessRate[size_t(k)])});
  return entries;
}

}  // namespace

void Form::PlayerCityChoose() {
  const int p = SlotOf(PlayerCitySelect, 0);
  CityBox.Clear();
  for (const TCityRec* city : NamedCities(model_, p)) CityBox.Add(Latin1ToUtf8(city->Name));
  CityBox.SetDropDownCount(std::min(int(CityBox.Items().size()), 20));
  if (CityBox.Index() == -1 && !CityBox.Items().empty()) CityBox.SetIndex(0);
  ChooseCity();
}

void Form::ChooseCity() {
  const Analysis& a = model_;
  const auto named = NamedCities(a, SlotOf(PlayerCitySelect, 0));
  const int c = std::max(CityBox.Index(), 0);
  // A player without cities (or a city position without a city) shows empty fields.
  const TCityRec* city = c < int(named.size()) ? named[size_t(c)] : nullptr;

  CityFoundE.SetText(city ? DateTextPadded(Turn2Date(a.GameSpeed, city->FoundedTurn)) : "");
  PopE.SetText(city ? fmt::sprintf("%3d", city->Population) : "");
  CultureE.SetText(city ? CultureText(city->Culture, a.GameSpeed) : "");
  CityXYE.SetText(city ? fmt::sprintf("%4d;%d", city->X, city->Y) : "");

  // Buildings the city built in black, then those it got for free in blue.
  BuildingsList.Clear();
  if (city) {
    BuildingsList.SetColor(kBlack);
    for (int b = 0; b < kBuildings; ++b)
      if (city->HasBuilding[size_t(b)]) BuildingsList.Append(LowCase(BuildingInfo[size_t(b)].Key));
    BuildingsList.SetColor(kBlue);
    for (int b = 0; b < kBuildings; ++b)
      if (city->FreeBuilding[size_t(b)]) BuildingsList.Append(LowCase(BuildingInfo[size_t(b)].Key));
  }

  // The grid grows to show every entry and keeps at least its 15 data rows.
  const auto entries = city ? ProductionOf(*city, a.SpeedCostPercent) : std::vector<ProductionEntry>{};
  constexpr int kLayoutRows = 16;
  ProductionGrid.SetRowCount(std::max(kLayoutRows, int(entries.size()) + 1));
  for (int row = 1; row < ProductionGrid.RowCount(); ++row) {
    const bool used = row <= int(entries.size());
    ProductionGrid.SetCell(0, row, used ? fmt::sprintf("%2d", row) : "");
    ProductionGrid.SetCell(1, row, used ? entries[size_t(row - 1)].name : "");
    ProductionGrid.SetCell(2, row, used ? entries[size_t(row - 1)].hammers : "");
  }
}

}  // namespace tolvane::ui
