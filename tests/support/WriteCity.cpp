// One city record of a player's city list.
#include "Sections.h"

namespace tolvane::testing {

void WriteCityRecord(FieldWriter& w, const CityDesc& c, int ownerSlot) {
  w.JunkInt32(2);
  w.Int32(c.x);
  w.Int32(c.y);
  w.JunkInt32(2);
  w.Int32(c.foundedTurn);
  w.JunkInt32(1);
  w.Int32(c.population);
  w.JunkInt32(kUnitClasses);
  w.JunkBool(8);
  w.JunkInt32(4);
  w.JunkInt32(9 * 3);
  w.Int32s(c.processRate);
  w.JunkInt32(4 * 3 + 2 * 4);
  // Culture per slot: the owner's entry is the city's culture.
  for (int s = 0; s < kSlots; ++s) {
    if (s == ownerSlot) {
      w.Int32(c.culture);
    } else if (c.slotCulture) {
      w.Int32((*c.slotCulture)[s]);
    } else {
      w.JunkInt32(1);
    }
  }
  w.JunkInt32(kSlots);
  w.JunkBool(3 * kSlots);
  w.Text16(c.name);
  w.JunkText16();
  w.JunkInt32(2 * kBonuses);
  w.Int32s(c.projectProduction);
  w.Int32s(c.buildingProduction);
  w.JunkInt32(3 * kBuildings);
  w.Int32s(c.unitProduction);
  w.JunkInt32(3 * kUnits);
  w.JunkInt32(4 * 12 + 2 * 7 + 9 + 48);
  w.JunkBool(21);
  w.Bools(c.hasBuilding);
  w.Bools(c.freeBuilding);
  w.JunkBool(7);
  w.JunkInt32(8 * 2);
  for (int32_t n = w.JunkCount(); n > 0; --n) {
    w.JunkInt32(3);
    w.JunkBool(4);
  }
  w.JunkInt32(3);
  w.JunkBool(2);
  w.JunkInt32(2);
  w.JunkInt32(2 * 3 + 2 * 21);
  w.JunkBool(6);
}

}  // namespace tolvane::testing
