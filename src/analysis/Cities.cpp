// A player's cities: the first kMaxCities records are kept; the rest are
// read to stay in step.
#include <algorithm>

#include "analysis/Walk.h"
#include "rules/TextKeys.h"

namespace tolvane {

namespace {

void readCity(SaveReader& r, TCityRec& c, int slot) {
  r.skipInt32(2);
  c.X = r.readInt32();
  c.Y = r.readInt32();
  r.skipInt32(2);
  c.FoundedTurn = r.readInt32();
  r.skipInt32();
  c.Population = r.readInt32();
  r.skipInt32(68);
  r.skipBool(8);
  r.skipInt32(4);
  r.skipInt32(9 * 3);
  r.readInt32s(c.ProcessRate);
  r.skipInt32(4 * 3 + 2 * 4);
  // Culture per slot; the city keeps its owner's.
  r.skipInt32(slot);
  c.Culture = r.readInt32();
  r.skipInt32(kSlots - 1 - slot);
  r.skipInt32(kSlots);
  r.skipBool(3 * kSlots);
  c.Name = CutTextKey(r.readUStr(), kCityNameKey);
  r.skipUStr();
  r.skipInt32(2 * 35);
  r.readInt32s(c.ProjectProduction);
  r.readInt32s(c.BuildingProduction);
  r.skipInt32(3 * kBuildings);
  r.readInt32s(c.UnitProduction);
  r.skipInt32(3 * kUnits);
  r.skipInt32(4 * 12 + 2 * 7 + 9 + 48);
  r.skipBool(21);
  r.readBools(c.HasBuilding);
  r.readBools(c.FreeBuilding);
  r.skipBool(7);
  r.skipInt32(8 * 2);
  r.skipBytes(int64_t(r.readCount()) * (3 * 4 + 4));  // items of 3 x int32 and 4 flags
  r.skipInt32(3);
  r.skipBool(2);
  r.skipInt32(2);
  r.skipInt32(2 * 3 + 2 * 21);
  r.skipBool(6);
}

}  // namespace

void ReadCities(SaveReader& r, Analysis& a, int slot) {
  r.section("city records");
  const size_t s = size_t(slot);
  a.CityCount[s] = r.readCount();
  auto& cities = a.Cities[s];
  cities.clear();
  // A city record takes more than 5,000 bytes; a count beyond what the save
  // holds is not reserved for.
  cities.reserve(size_t(std::clamp<int64_t>(a.CityCount[s], 0, std::min<int64_t>(kMaxCities, r.remaining() / 5000))));
  a.CityCulture[s].clear();
  TCityRec spare;  // the records past the cap are read here and dropped
  for (int32_t i = 0; i < a.CityCount[s]; ++i) {
    if (i < kMaxCities) {
      readCity(r, cities.emplace_back(), slot);
      a.CityCulture[s].push_back(cities.back().Culture);
    } else {
      readCity(r, spare, slot);
    }
  }
}

}  // namespace tolvane
