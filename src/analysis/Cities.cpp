// A player's cities: the first kMaxCities records are kept; the rest are
// read to stay in step.
#include "analysis/Walk.h"
#include "rules/TextKeys.h"

namespace tolvane {

namespace {

constexpr int64_t kMinCityBytes = 5000;  // a city record takes more, whatever its texts and lists hold

void ReadCity(SaveReader& r, City& c, int slot) {
  r.SkipInt32(2);
  c.x = r.ReadInt32();
  c.y = r.ReadInt32();
  r.SkipInt32(2);
  c.foundedTurn = r.ReadInt32();
  r.SkipInt32();
  c.population = r.ReadInt32();
  r.SkipInt32(kUnitClasses);
  r.SkipBool(8);
  r.SkipInt32(4);
  r.SkipInt32(9 * 3);
  r.ReadInt32s(c.processRate);
  r.SkipInt32(4 * 3 + 2 * 4);
  // Culture per slot; the city keeps its owner's.
  r.SkipInt32(slot);
  c.culture = r.ReadInt32();
  r.SkipInt32(kSlots - 1 - slot);
  r.SkipInt32(kSlots);
  r.SkipBool(3 * kSlots);
  c.name = CutTextKey(r.ReadUStr(), kCityNameKey);
  r.SkipUStr();
  r.SkipInt32(2 * kBonuses);
  r.ReadInt32s(c.projectProduction);
  r.ReadInt32s(c.buildingProduction);
  r.SkipInt32(3 * kBuildings);
  r.ReadInt32s(c.unitProduction);
  r.SkipInt32(3 * kUnits);
  r.SkipInt32(4 * 12 + 2 * 7 + 9 + 48);
  r.SkipBool(21);
  r.ReadBools(c.hasBuilding);
  r.ReadBools(c.freeBuilding);
  r.SkipBool(7);
  r.SkipInt32(8 * 2);
  r.SkipBytes(int64_t(r.ReadCount()) * (3 * 4 + 4));  // items of 3 x int32 and 4 flags
  r.SkipInt32(3);
  r.SkipBool(2);
  r.SkipInt32(2);
  r.SkipInt32(2 * 3 + 2 * 21);
  r.SkipBool(6);
}

}  // namespace

void ReadCities(SaveReader& r, Analysis& a, int slot) {
  SectionScope scope(r, "city records");
  const size_t s = size_t(slot);
  a.cityCount[s] = r.ReadCount();
  auto& cities = a.cities[s];
  cities.clear();
  ReserveForList(cities, a.cityCount[s], kMaxCities, kMinCityBytes, r);
  a.cityCulture[s].clear();
  City spare;  // the records past the cap are read here and dropped
  for (int32_t i = 0; i < a.cityCount[s]; ++i) {
    if (i < kMaxCities) {
      ReadCity(r, cities.emplace_back(), slot);
      a.cityCulture[s].push_back(cities.back().culture);
    } else {
      ReadCity(r, spare, slot);
    }
  }
}

}  // namespace tolvane
