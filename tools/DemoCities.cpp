// The demo's cities: where each civilization settled, what it built and when,
// what is in production now, and the culture that all of it has yielded.
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Demo.h"
#include "rules/Tables.h"
#include "rules/TextKeys.h"

namespace tolvane::demo {
namespace {

using testing::CityDesc;
using testing::PlotDesc;

constexpr int kTempleSlot = -1, kMonasterySlot = -2;  // the state religion's buildings

// What a city builds as it grows: the building, the age of the city at
// which it tends to come, and the technology it needs.
struct Step {
  int row;
  int32_t age;
  const char* tech;
  bool coastOnly = false;
};
constexpr Step kSteps[] = {
    {kObelisk, 6, "Mysticism"},        {kGranary, 22, "Pottery"},
    {kLibrary, 38, "Writing"},         {kTempleSlot, 46, "Priesthood"},
    {kBarracks, 55, "Bronze Working"}, {kLighthouse, 58, "Sailing", true},
    {kMarket, 72, "Currency"},         {kForge, 84, "Metal Casting"},
    {kHarbor, 94, "Compass", true},    {kCourthouse, 104, "Code of Laws"},
    {kTheatre, 112, "Drama"},          {kAqueduct, 122, "Construction"},
    {kColosseum, 132, "Construction"}, {kMonasterySlot, 140, "Meditation"},
    {kWalls, 150, "Masonry"},          {kCastle, 164, "Engineering"},
};

struct WonderSeed {
  int row;
  const char* name;
  int32_t turn;  // when it was completed, if its technology was known by then
  const char* tech;
  bool proper = false;  // a name that takes no "the"
  bool plural = false;
};
constexpr WonderSeed kWonders[] = {
    {kStonehenge, "Stonehenge", 31, "Mysticism", true},
    {kGreatLighthouse, "Great Lighthouse", 44, "Sailing"},
    {kPyramid, "Pyramids", 52, "Masonry", false, true},
    {kOracle, "Oracle", 61, "Priesthood"},
    {kColossus, "Colossus", 70, "Bronze Working"},
    {kHangingGarden, "Hanging Gardens", 78, "Mathematics", false, true},
    {kGreatWall, "Great Wall", 88, "Construction"},
    {kArtemis, "Temple of Artemis", 96, "Polytheism"},
    {kGreatLibrary, "Great Library", 106, "Literature"},
    {kParthenon, "Parthenon", 123, "Philosophy"},
    {kHagiaSophia, "Hagia Sophia", 151, "Theology", true},
    {kHeroicEpic, "Heroic Epic", 92, "Bronze Working"},
    {kNationalEpic, "National Epic", 118, "Literature"},
};

const WonderSeed* FindWonder(int row) {
  for (const WonderSeed& w : kWonders) {
    if (w.row == row) return &w;
  }
  return nullptr;
}

// A civilization's own version of a common building.
int OwnVersion(int slot, int row) {
  const int32_t civ = CivOfSlot(slot).civType;
  if (row == kMarket && civ == 19) return kRomanForum;
  if (row == kWalls && civ == 4) return kCelticDun;
  if (row == kObelisk && civ == 6) return kEgyptianObelisk;
  if (row == kColosseum && civ == 10) return kGreekOdeon;
  if (row == kGranary && civ == 11) return kIncanTerrace;
  return row;
}

const PlotDesc& PlotAt(const Story& s, int x, int y) { return s.save.plots[size_t(y * kMapWidth + x)]; }

bool Coastal(const Story& s, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int ny = y + dy;
      if (ny >= 0 && ny < kMapHeight && PlotAt(s, (x + dx + kMapWidth) % kMapWidth, ny).plotType == 3) return true;
    }
  }
  return false;
}

int Distance(int x1, int y1, int x2, int y2) { return std::max(std::abs(x1 - x2), std::abs(y1 - y2)); }

// The turn the owner could first build something needing `tech`, counting
// the founder's knowledge before a capture; -1 when neither ever knew it.
int32_t TechReady(const Story& s, const DemoCity& c, const char* tech, int32_t turn) {
  const int team = CivOfSlot(c.owner).team;
  int32_t known = DiscoveryTurn(s, team, tech);
  if (c.capturedTurn >= 0 && turn < c.capturedTurn) known = DiscoveryTurn(s, CivOfSlot(c.foundedBy).team, tech);
  return known;
}

// The turn the state religion reached the city, -1 when it never did.
int32_t ReligionArrives(const Story& s, const DemoCity& c, Rng& rng) {
  const int religion = CivOfSlot(c.owner).religion;
  if (religion < 0 || s.religionFounder[size_t(religion)] < 0) return -1;
  const int32_t founded = s.religionTurn[size_t(religion)];
  const bool own = s.religionFounder[size_t(religion)] == CivOfSlot(c.owner).team;
  const int32_t arrives = std::max(c.founded, founded) + (own ? rng.Range(1, 12) : rng.Range(12, 30));
  return arrives < kCurrentTurn - 1 ? arrives : -1;
}

void Build(DemoCity& c, int row, int32_t turn, bool free = false) { c.built.push_back({row, turn, free}); }

// The turn a civilization completed one of its wonders, -1 when it has not
// (yet): never before the technology the wonder needs.
int32_t WonderTurn(const Story& s, const CivSeed& civ, int row) {
  if (std::find(civ.wonders.begin(), civ.wonders.end(), row) == civ.wonders.end()) return -1;
  const WonderSeed* w = FindWonder(row);
  const int32_t ready = DiscoveryTurn(s, civ.team, w->tech);
  const int32_t turn = std::max(w->turn, ready + 4);
  return ready >= 0 && turn < kCurrentTurn ? turn : -1;
}

bool NeedsCoast(int row) { return row == kColossus || row == kGreatLighthouse; }

// `harbour`: the civilization's first coastal city, where its sea wonders stand.
void GrowBuildings(const Story& s, DemoCity& c, bool harbour, Rng& rng) {
  const CivSeed& civ = CivOfSlot(c.owner);
  const int religion = civ.religion;
  const int32_t faith = c.faithArrived = ReligionArrives(s, c, rng);
  // Stonehenge gives every city of its owner a monument, the Great
  // Lighthouse every coastal city a lighthouse.
  const int32_t monuments = WonderTurn(s, civ, kStonehenge);
  const int32_t lights = WonderTurn(s, civ, kGreatLighthouse);
  for (const Step& step : kSteps) {
    if (step.coastOnly && !c.coastal) continue;
    // Barbarian towns keep to the plainest buildings.
    if (c.owner == kBarbarianSlot && step.row != kWalls && step.row != kBarracks && step.row != kGranary) continue;
    int row = step.row;
    if (row == kTempleSlot || row == kMonasterySlot) {
      if (faith < 0) continue;
      row = row == kTempleSlot ? kReligions[size_t(religion)].temple : kReligions[size_t(religion)].monastery;
    }
    row = OwnVersion(c.owner, row);
    const int32_t giftFrom = row == kObelisk ? monuments : row == kLighthouse ? lights : -1;
    if (giftFrom >= 0) {
      Build(c, row, std::max(c.founded + 1, giftFrom), true);
      continue;
    }
    if (!c.capital && rng.Chance(0.22)) continue;  // not every city builds everything
    int32_t turn = c.founded + step.age + rng.Range(0, 8);
    const int32_t ready = TechReady(s, c, step.tech, turn);
    if (ready < 0) continue;
    turn = std::max(turn, ready + rng.Range(3, 9));
    if (step.row == kTempleSlot || step.row == kMonasterySlot) turn = std::max(turn, faith + rng.Range(2, 6));
    if (turn >= kCurrentTurn) continue;
    Build(c, row, turn);
  }
  for (int row : civ.wonders) {
    if (NeedsCoast(row) ? !harbour : !c.capital) continue;
    if (const int32_t turn = WonderTurn(s, civ, row); turn >= 0) Build(c, row, std::max(turn, c.founded + 10));
  }
  if (c.capital && c.owner != kBarbarianSlot) {
    Build(c, kPalace, c.founded);
    for (size_t r = 0; r < kReligions.size(); ++r) {  // the holy city's shrine, built by a great prophet
      if (HolySlot(s, int(r)) == c.foundedBy && CivOfSlot(c.owner).religion == int(r) &&
          s.religionTurn[r] + 38 < kCurrentTurn) {
        Build(c, kReligions[r].shrine, s.religionTurn[r] + 38);
      }
    }
  }
  std::stable_sort(c.built.begin(), c.built.end(),
                   [](const Building& a, const Building& b) { return a.turn < b.turn; });
  c.culturePoints = 0;
  for (const Building& b : c.built) c.culturePoints += CultureRate(b.row) * (kCurrentTurn - b.turn);
}

bool Has(const DemoCity& c, int row) {
  return std::any_of(c.built.begin(), c.built.end(), [row](const Building& b) { return b.row == row; });
}

// What the city has in its queue: the next building it can build, a unit,
// and now and then the leftovers of an order it changed.
void FillProduction(const Story& s, const DemoCity& c, CityDesc& rec, Rng& rng) {
  const CivSeed& civ = CivOfSlot(c.owner);
  for (const Step& step : kSteps) {
    if (step.row < 0 || (step.coastOnly && !c.coastal)) continue;
    const int row = OwnVersion(c.owner, step.row);
    if (Has(c, row) || TechReady(s, c, step.tech, kCurrentTurn) < 0) continue;
    rec.buildingProduction[size_t(row)] = rng.Range(4, kBuildingInfo[size_t(row)].cost * 3 / 4);
    break;
  }
  // Units in the civilizations' taste.
  int unit = kWorkerUnit;
  switch (civ.civType) {
    case 19:
      unit = rng.Chance(0.5) ? kPraetorianUnit : kTrebuchetUnit;
      break;
    case 9:
      unit = rng.Chance(0.5) ? kKnightUnit : kPikemanUnit;
      break;
    case 4:
      unit = rng.Chance(0.6) ? kGallicWarriorUnit : kLongbowmanUnit;
      break;
    case 6:
      unit = rng.Chance(0.5) ? kWarChariotUnit : kCatapultUnit;
      break;
    case 16:
      unit = rng.Chance(0.7) ? kKeshikUnit : kCatapultUnit;
      break;
    case 10:
      unit = rng.Chance(0.5) ? kPhalanxUnit : kSettlerUnit;
      break;
    case 11:
      unit = rng.Chance(0.5) ? kQuechuaUnit : kArcherUnit;
      break;
    default:
      unit = rng.Chance(0.5) ? kArcherUnit : kSpearmanUnit;
      break;
  }
  if (c.coastal && rng.Chance(0.2)) unit = kWorkBoatUnit;
  if (c.capital || rng.Chance(0.55))
    rec.unitProduction[size_t(unit)] = rng.Range(3, kUnitInfo[size_t(unit)].cost * 4 / 5);
  if (rng.Chance(0.25)) rec.unitProduction[kWorkerUnit] = rng.Range(5, 40);
}

}  // namespace

const std::array<Religion, 4> kReligions = {{
    {"Buddhism", "Buddhist", "Meditation", kBuddhistTemple, kBuddhistMonastery, kBuddhistShrine},
    {"Hinduism", "Hindu", "Polytheism", kHinduTemple, kHinduMonastery, kHinduShrine},
    {"Judaism", "Jewish", "Monotheism", kJewishTemple, kJewishMonastery, kJewishShrine},
    {"Christianity", "Christian", "Theology", kChristianTemple, kChristianMonastery, kChristianShrine},
}};

void CheckTableRows() {
  static constexpr std::pair<int, const char*> kBuildings[] = {
      {kPalace, "PALACE"},
      {kWalls, "WALLS"},
      {kCelticDun, "CELTIC_DUN"},
      {kCastle, "CASTLE"},
      {kBarracks, "BARRACKS"},
      {kGranary, "GRANARY"},
      {kIncanTerrace, "INCAN_TERRACE"},
      {kAqueduct, "AQUEDUCT"},
      {kLighthouse, "LIGHTHOUSE"},
      {kHarbor, "HARBOR"},
      {kForge, "FORGE"},
      {kObelisk, "OBELISK"},
      {kEgyptianObelisk, "EGYPTIAN_OBELISK"},
      {kLibrary, "LIBRARY"},
      {kTheatre, "THEATRE"},
      {kColosseum, "COLOSSEUM"},
      {kGreekOdeon, "GREEK_ODEON"},
      {kMarket, "MARKET"},
      {kRomanForum, "ROMAN_FORUM"},
      {kCourthouse, "COURTHOUSE"},
      {kJewishTemple, "JEWISH_TEMPLE"},
      {kJewishMonastery, "JEWISH_MONASTERY"},
      {kJewishShrine, "JEWISH_SHRINE"},
      {kChristianTemple, "CHRISTIAN_TEMPLE"},
      {kChristianMonastery, "CHRISTIAN_MONASTERY"},
      {kChristianShrine, "CHRISTIAN_SHRINE"},
      {kHinduTemple, "HINDU_TEMPLE"},
      {kHinduMonastery, "HINDU_MONASTERY"},
      {kHinduShrine, "HINDU_SHRINE"},
      {kBuddhistTemple, "BUDDHIST_TEMPLE"},
      {kBuddhistMonastery, "BUDDHIST_MONASTERY"},
      {kBuddhistShrine, "BUDDHIST_SHRINE"},
      {kHeroicEpic, "HEROIC_EPIC"},
      {kNationalEpic, "NATIONAL_EPIC"},
      {kPyramid, "PYRAMID"},
      {kStonehenge, "STONEHENGE"},
      {kGreatLibrary, "GREAT_LIBRARY"},
      {kGreatLighthouse, "GREAT_LIGHTHOUSE"},
      {kHangingGarden, "HANGING_GARDEN"},
      {kColossus, "COLOSSUS"},
      {kOracle, "ORACLE"},
      {kParthenon, "PARTHENON"},
      {kHagiaSophia, "HAGIA_SOPHIA"},
      {kNotreDame, "NOTRE_DAME"},
      {kArtemis, "ARTEMIS"},
      {kGreatWall, "GREAT_WALL"},
  };
  static constexpr std::pair<int, const char*> kUnits[] = {
      {kSettlerUnit, "SETTLER"},
      {kWorkerUnit, "WORKER"},
      {kQuechuaUnit, "INCAN_QUECHUA"},
      {kGallicWarriorUnit, "CELTIC_GALLIC_WARRIOR"},
      {kPraetorianUnit, "ROME_PRAETORIAN"},
      {kSpearmanUnit, "SPEARMAN"},
      {kPhalanxUnit, "GREEK_PHALANX"},
      {kPikemanUnit, "PIKEMAN"},
      {kArcherUnit, "ARCHER"},
      {kLongbowmanUnit, "LONGBOWMAN"},
      {kWarChariotUnit, "EGYPT_WARCHARIOT"},
      {kKeshikUnit, "MONGOL_KESHIK"},
      {kKnightUnit, "KNIGHT"},
      {kCatapultUnit, "CATAPULT"},
      {kTrebuchetUnit, "TREBUCHET"},
      {kWorkBoatUnit, "WORKBOAT"},
  };
  bool ok = true;
  for (auto [row, key] : kBuildings) ok &= kBuildingInfo[size_t(row)].key == key;
  for (auto [row, key] : kUnits) ok &= kUnitInfo[size_t(row)].key == key;
  if (!ok) {
    std::fprintf(stderr, "make_demo: a building or unit row does not match the content tables\n");
    std::abort();
  }
}

std::string BuildingObject(int row) {
  const WonderSeed* w = FindWonder(row);
  return w && w->proper ? BuildingName(row) : "the " + BuildingName(row);
}

bool BuildingPlural(int row) {
  const WonderSeed* w = FindWonder(row);
  return w && w->plural;
}

std::string BuildingName(int row) {
  if (const WonderSeed* w = FindWonder(row)) return w->name;
  for (const Religion& r : kReligions) {
    if (row == r.temple) return fmt::format("{} Temple", r.adjective);
    if (row == r.monastery) return fmt::format("{} Monastery", r.adjective);
    if (row == r.shrine) return fmt::format("{} Shrine", r.adjective);
  }
  switch (row) {
    case kObelisk:
      return "Monument";
    case kEgyptianObelisk:
      return "Obelisk";
    case kRomanForum:
      return "Forum";
    case kCelticDun:
      return "Dun";
    case kGreekOdeon:
      return "Odeon";
    case kIncanTerrace:
      return "Terrace";
    default:
      return LowCase(kBuildingInfo[size_t(row)].key);
  }
}

bool IsWorldWonder(int row) { return FindWonder(row) && row != kHeroicEpic && row != kNationalEpic; }

int32_t CultureRate(int row) {
  switch (row) {
    case kObelisk:
    case kEgyptianObelisk:
      return 1;
    case kPalace:
    case kHeroicEpic:
    case kNationalEpic:
      return 2;
    case kTheatre:
    case kGreekOdeon:
      return 3;
    case kParthenon:
      return 5;
    default:
      break;
  }
  for (const Religion& r : kReligions) {
    if (row == r.temple) return 1;
    if (row == r.shrine) return 3;
  }
  return IsWorldWonder(row) ? 3 : 0;
}

std::string ReadableCityName(const std::string& raw) { return CutTextKey(raw, kCityNameKey); }

void PlaceCities(Story& s, Rng& rng) {
  const std::vector<CivSeed>& civs = Civs();
  for (size_t k = 0; k < civs.size(); ++k) {
    const CivSeed& civ = civs[k];
    const int slot = k < size_t(kPlayers) ? int(k) : kBarbarianSlot;
    for (size_t i = 0; i < civ.cityNames.size(); ++i) {
      int bestX = -1, bestY = -1;
      double bestScore = 1e9;
      const bool lost = int(i) == civ.lostCity;
      const CivSeed* captor = lost ? &CivOfSlot(civ.lostTo) : nullptr;
      for (int y = 2; y < kMapHeight - 2; ++y) {
        for (int x = 2; x < kMapWidth - 2; ++x) {
          const PlotDesc& p = PlotAt(s, x, y);
          if (p.plotType == 3 || p.plotType == 0) continue;  // no city on water or a peak
          const int home = Distance(x, y, civ.capitalX, civ.capitalY);
          if (i == 0 ? home > 2 : home > 9) continue;
          bool crowded = false, foreign = false;
          int nearestOwn = 99;
          for (const DemoCity& c : s.cities) {
            const int d = Distance(x, y, c.x, c.y);
            crowded |= d < 3;
            if (c.foundedBy == slot) nearestOwn = std::min(nearestOwn, d);
          }
          for (const CivSeed& other : civs) {
            foreign |= &other != &civ && Distance(x, y, other.capitalX, other.capitalY) < home;
          }
          if (crowded || foreign) continue;
          double score = i == 0 ? home : nearestOwn * 10.0 + rng.Spread(6.0) - (Coastal(s, x, y) ? 4.0 : 0.0);
          if (captor) score = Distance(x, y, captor->capitalX, captor->capitalY) + rng.Spread(0.5);
          if (score < bestScore) {
            bestScore = score;
            bestX = x;
            bestY = y;
          }
        }
      }
      if (bestX < 0) {
        std::fprintf(stderr, "make_demo: no place for %s's city %s\n", civ.leader, civ.cityNames[i]);
        continue;
      }
      DemoCity c;
      c.rawName = civ.cityNames[i];
      c.name = ReadableCityName(c.rawName);
      c.x = bestX;
      c.y = bestY;
      c.owner = c.foundedBy = slot;
      c.capital = i == 0;
      c.coastal = Coastal(s, bestX, bestY);
      const double n = double(i);
      if (slot == kBarbarianSlot) {
        c.founded = 38 + 27 * int32_t(i) + rng.Range(0, 5);  // barbarian towns rise out of the wilds
      } else if (i == 0) {
        c.founded = civ.human ? 0 : int32_t(k % 2);  // some settlers walk a turn before they settle
      } else {
        c.founded = int32_t(8 + civ.pace * (14 * n + 1.3 * n * n)) + rng.Range(-2, 3);
      }
      if (lost) {
        c.owner = civ.lostTo;
        c.capturedTurn = civ.lostTurn;
      }
      s.cities.push_back(c);
    }
  }
}

void BuildCities(Story& s, Rng& rng) {
  std::array<bool, kSlots> hasHarbour{};
  for (DemoCity& c : s.cities) {  // in founding order within each civilization
    const bool harbour = c.coastal && c.owner == c.foundedBy && !hasHarbour[size_t(c.owner)];
    hasHarbour[size_t(c.owner)] |= harbour;
    GrowBuildings(s, c, harbour, rng);
    const int32_t age = kCurrentTurn - c.founded;
    const double size = (1 + age / 13.0) * CivOfSlot(c.foundedBy).fertility;
    c.population = std::clamp(int32_t(std::lround(size)) + rng.Range(-1, 1) + (c.capital ? 2 : 0), 1, 16);
    if (c.capturedTurn >= 0) c.population = std::max(1, c.population / 2);  // a conquered city shrinks
    if (c.owner == kBarbarianSlot) c.population = std::min(c.population, 5);
  }
  // The records in each player's list, in the order the player got the cities.
  std::vector<const DemoCity*> order;
  for (const DemoCity& c : s.cities) order.push_back(&c);
  std::stable_sort(order.begin(), order.end(), [](const DemoCity* a, const DemoCity* b) {
    return std::max(a->founded, a->capturedTurn) < std::max(b->founded, b->capturedTurn);
  });
  for (const DemoCity* c : order) {
    CityDesc rec;
    rec.name = c->rawName;
    rec.x = c->x;
    rec.y = c->y;
    rec.foundedTurn = c->founded;
    rec.population = c->population;
    rec.culture = c->culturePoints * 100 + rng.Range(0, 99);
    std::array<int32_t, kSlots> others{};
    // The founder of a conquered city keeps the culture it had there.
    if (c->capturedTurn >= 0) others[size_t(c->foundedBy)] = (c->capturedTurn - c->founded) * 180 + rng.Range(0, 99);
    rec.slotCulture = others;
    for (const Building& b : c->built) (b.free ? rec.freeBuilding : rec.hasBuilding)[size_t(b.row)] = 1;
    FillProduction(s, *c, rec, rng);
    if (c->owner == 0 && c->capital && TechReady(s, *c, "Engineering", kCurrentTurn) >= 0) {
      rec.buildingProduction[kNotreDame] = 287;  // the capital works on a wonder
    }
    s.save.players[size_t(c->owner)].cities.push_back(rec);
  }
  // Two cities work on processes instead of items.
  auto& incas = s.save.players[6].cities;
  if (incas.size() >= 2) incas[1].processRate = {5, 0, 0};
  auto& greeks = s.save.players[5].cities;
  if (greeks.size() >= 3) greeks[2].processRate = {0, 9, 0};
}

}  // namespace tolvane::demo
