// One team record, 3,815 bytes; 19 of them follow the map back to back.
#include "Sections.h"

namespace tolvane::testing {

void WriteTeamRecord(FieldWriter& w, const TeamDesc& t) {
  w.JunkInt32(1);
  w.Int32(t.teamMembers);
  w.JunkInt32(3);
  w.Int32(t.teamPopulation);
  w.Int32(t.teamLand);
  w.JunkInt32(16);
  w.JunkBool(2);
  w.JunkInt32(1);
  w.JunkInt32(3 * kTeams);
  w.JunkInt32(3);
  w.JunkInt32(4);
  w.Bools(t.hasMet);
  w.JunkBool(5 * kTeams);
  w.Bools(t.isVassal);
  w.JunkInt32(2);
  w.JunkInt32(11);
  w.JunkInt32(11);
  w.JunkInt32(kUnitClasses);
  w.JunkInt32(kBuildingClasses);
  w.JunkInt32(kBuildings);
  w.Int32s(t.researchProgress);
  w.JunkInt32(kTechs - 1);
  w.Int32(t.futureTechCount);
  w.JunkInt32(9);
  w.Bools(t.hasTech);
  w.JunkBool(kTechs);
  w.JunkInt32(24 * 3);
  w.JunkInt32(1);
  w.JunkInt32(11 * kTeams);
}

}  // namespace tolvane::testing
