// The 19 team records: size, population, land, contacts, vassals, research.
#include "analysis/Walk.h"

namespace tolvane {

namespace {

void ReadTeam(SaveReader& r, Analysis& a, size_t t) {
  r.SkipInt32();
  a.teamMembers[t] = r.ReadInt32();
  r.SkipInt32(3);
  a.teamPopulation[t] = r.ReadInt32();
  a.teamLand[t] = r.ReadInt32();
  r.SkipInt32(16);
  r.SkipBool(2);
  r.SkipInt32();
  r.SkipInt32(3 * kTeams);
  r.SkipInt32(3);
  r.SkipInt32(4);
  r.ReadBools(a.hasMet[t]);
  r.SkipBool(5 * kTeams);
  r.ReadBools(a.isVassal[t]);
  r.SkipInt32(2);
  r.SkipInt32(11);
  r.SkipInt32(11);
  r.SkipInt32(kUnitClasses);
  r.SkipInt32(kBuildingClasses);
  r.SkipInt32(kBuildings);
  r.ReadInt32s(a.researchProgress[t]);
  r.SkipInt32(kTechs - 1);  // of this row only the repeatable technology's value is kept
  a.futureTechCount[t] = r.ReadInt32();
  r.SkipInt32(9);
  r.ReadBools(a.hasTech[t]);
  int32_t known = 0;
  for (int32_t flag : a.hasTech[t]) known += flag != 0;
  a.knownTechCount[t] = Wrap32(int64_t(known) + a.futureTechCount[t]);
  r.SkipBool(kTechs);
  r.SkipInt32(24 * 3);
  r.SkipInt32();
  r.SkipInt32(11 * kTeams);
}

}  // namespace

void ReadTeams(SaveReader& r, Analysis& a) {
  SectionScope scope(r, "team records");
  for (size_t t = 0; t < kTeams; ++t) ReadTeam(r, a, t);
}

}  // namespace tolvane
