// The 19 team records: size, population, land, contacts, vassals, research.
#include "analysis/Walk.h"

namespace tolvane {

namespace {

void readTeam(SaveReader& r, Analysis& a, size_t t) {
  r.skipInt32();
  a.TeamMembers[t] = r.readInt32();
  r.skipInt32(3);
  a.TeamPopulation[t] = r.readInt32();
  a.TeamLand[t] = r.readInt32();
  r.skipInt32(16);
  r.skipBool(2);
  r.skipInt32();
  r.skipInt32(3 * kTeams);
  r.skipInt32(3);
  r.skipInt32(4);
  r.readBools(a.HasMet[t]);
  r.skipBool(5 * kTeams);
  r.readBools(a.IsVassal[t]);
  r.skipInt32(2);
  r.skipInt32(11);
  r.skipInt32(11);
  r.skipInt32(68);
  r.skipInt32(105);
  r.skipInt32(129);
  r.readInt32s(a.ResearchProgress[t]);
  r.skipInt32(kTechs - 1);  // of this row only the repeatable technology's value is kept
  a.FutureTechCount[t] = r.readInt32();
  r.skipInt32(9);
  r.readBools(a.HasTech[t]);
  int32_t known = 0;
  for (int32_t flag : a.HasTech[t]) known += flag != 0;
  a.KnownTechCount[t] = Wrap32(int64_t(known) + a.FutureTechCount[t]);
  r.skipBool(kTechs);
  r.skipInt32(24 * 3);
  r.skipInt32();
  r.skipInt32(11 * kTeams);
}

}  // namespace

void ReadTeams(SaveReader& r, Analysis& a) {
  r.section("team records");
  for (size_t t = 0; t < kTeams; ++t) readTeam(r, a, t);
}

}  // namespace tolvane
