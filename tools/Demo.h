// The demo game: seven players and the barbarians at turn 180 of a Normal
// game, told as one story (map, cities, research, wars, messages, histories)
// and written with the test save writer.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SaveWriter.h"
#include "rules/Limits.h"

namespace tolvane::demo {

using testing::SaveDescription;

inline constexpr int kPlayers = 7;  // slots 0..6; slot 18 holds the barbarians
inline constexpr int32_t kCurrentTurn = 180;
inline constexpr int32_t kMapWidth = 60;
inline constexpr int32_t kMapHeight = 40;

// Deterministic random numbers: the demo save comes out byte for byte the
// same on every run, so no standard distributions (whose results the
// library may change) are used.
class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint32_t Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return uint32_t(state_ >> 32);
  }
  int Range(int lo, int hi) { return lo + int(Next() % uint32_t(hi - lo + 1)); }  // inclusive
  double Unit() { return Next() / 4294967296.0; }
  double Spread(double amplitude) { return (2.0 * Unit() - 1.0) * amplitude; }
  bool Chance(double p) { return Unit() < p; }

 private:
  uint64_t state_;
};

// BuildingInfo rows the demo uses; CheckTableRows confirms each against its key.
enum BuildingRow : int {
  kPalace = 0,
  kWalls = 3,
  kCelticDun = 4,
  kCastle = 5,
  kBarracks = 7,
  kGranary = 13,
  kIncanTerrace = 14,
  kAqueduct = 15,
  kLighthouse = 19,
  kHarbor = 21,
  kForge = 25,
  kObelisk = 33,
  kEgyptianObelisk = 34,
  kLibrary = 36,
  kTheatre = 44,
  kColosseum = 46,
  kGreekOdeon = 47,
  kMarket = 49,
  kRomanForum = 50,
  kCourthouse = 57,
  kJewishTemple = 61,
  kJewishMonastery = 63,
  kJewishShrine = 64,
  kChristianTemple = 65,
  kChristianMonastery = 67,
  kChristianShrine = 68,
  kHinduTemple = 73,
  kHinduMonastery = 75,
  kHinduShrine = 76,
  kBuddhistTemple = 77,
  kBuddhistMonastery = 79,
  kBuddhistShrine = 80,
  kHeroicEpic = 89,
  kNationalEpic = 90,
  kPyramid = 100,
  kStonehenge = 101,
  kGreatLibrary = 102,
  kGreatLighthouse = 103,
  kHangingGarden = 104,
  kColossus = 105,
  kOracle = 106,
  kParthenon = 107,
  kHagiaSophia = 109,
  kNotreDame = 113,
  kArtemis = 126,
  kGreatWall = 128,
};

// UnitInfo rows the demo uses.
enum UnitRow : int {
  kSettlerUnit = 4,
  kWorkerUnit = 5,
  kQuechuaUnit = 18,
  kGallicWarriorUnit = 21,
  kPraetorianUnit = 22,
  kSpearmanUnit = 27,
  kPhalanxUnit = 28,
  kPikemanUnit = 30,
  kArcherUnit = 42,
  kLongbowmanUnit = 44,
  kWarChariotUnit = 48,
  kKeshikUnit = 52,
  kKnightUnit = 53,
  kCatapultUnit = 63,
  kTrebuchetUnit = 65,
  kWorkBoatUnit = 69,
};

// Aborts when a row above does not hold the key the demo means.
void CheckTableRows();

// One civilization of the game and how its story goes.
struct CivSeed {
  const char* leader;
  const char* description;
  const char* adjective;
  int32_t civType;     // row of CivNames
  int32_t leaderType;  // row of LeaderNames
  int32_t team;
  bool human;
  int32_t capitalX, capitalY;
  const char* markup;                  // "r,g,b" of the civilization's colour in message markup
  std::vector<const char*> cityNames;  // raw as stored: text keys or names the player typed
  std::vector<int> wonders;            // BuildingInfo rows of the world wonders it built
  int religion;                        // index into kReligions of its state religion
  int32_t unitCount;
  int32_t gold;
  double pace;       // how fast it settles: 1 is an average AI
  double fertility;  // how big its cities grow: 1 is an average AI
  std::vector<const char*> startTechs;
  std::vector<const char*> favouriteTechs;  // researched before the common order
  int lostCity = -1;                        // index in CityNames of a city taken by another player
  int lostTo = -1;                          // slot that took it
  int32_t lostTurn = 0;
};

// Slots 0..6 and the barbarians' slot 18 (index kPlayers here).
const std::vector<CivSeed>& Civs();
const CivSeed& CivOfSlot(int slot);

struct Religion {
  const char* name;
  const char* adjective;
  const char* tech;  // the technology whose first discoverer founds it
  int temple;        // BuildingInfo rows of its temple, monastery and shrine
  int monastery;
  int shrine;
};
extern const std::array<Religion, 4> kReligions;

// A building of a city: its BuildingInfo row, the turn it was completed and
// whether it came free (a wonder's gift) rather than being built.
struct Building {
  int row = 0;
  int32_t turn = 0;
  bool free = false;
};

// A city in the story. Owner is the slot that holds it now; FoundedBy the
// slot that founded it (different for a captured city).
struct DemoCity {
  std::string rawName;
  std::string name;  // as the players read it
  int32_t x = 0, y = 0;
  int32_t founded = 0;
  int owner = 0;
  int foundedBy = 0;
  int32_t capturedTurn = -1;
  int32_t population = 1;
  int32_t culturePoints = 0;  // whole points
  int32_t faithArrived = -1;  // the turn its owner's state religion reached it
  bool capital = false;
  bool coastal = false;
  std::vector<Building> built;  // in the order completed
};

// One technology discovery of a team.
struct Discovery {
  int tech;      // TechInfo row
  int32_t turn;  // 0 for a technology known from the start
};

// A war between two teams (and their vassals) with its course.
struct War {
  int attacker;  // team
  int defender;  // team
  int32_t start;
  int32_t end;  // -1 while it goes on
};

// The turn on which two teams met.
struct Contact {
  int a, b;
  int32_t turn;
};
extern const std::vector<Contact> kContacts;

struct Story {
  SaveDescription save;
  std::vector<DemoCity> cities;
  std::array<std::vector<Discovery>, kTeams> research;  // discovery order
  std::array<int, kTeams> researching{};                // the technology each team works on
  std::vector<War> wars;
  int32_t vassalTurn = 0;                 // the Incas become the Mongols' vassal
  std::array<int, 4> religionFounder{};   // team; -1 when nobody founded it
  std::array<int32_t, 4> religionTurn{};  // turn founded
  std::array<int32_t, kSlots> score{};    // each slot's game score now, as the pages recombine it
};

// The steps of the story, in the order make_demo runs them (each builds on
// the ones before): the map's terrain; the cities' places; research, wars
// and religions; the cities' buildings, culture and records; the borders
// their culture claims; (the players' and teams' values, in MakeDemo.cpp);
// the replay and the players' messages; the six per-turn histories.
void BuildMap(Story& s, Rng& rng);
void PlaceCities(Story& s, Rng& rng);
void PlanResearch(Story& s, Rng& rng);
void BuildCities(Story& s, Rng& rng);
void MarkOwnership(Story& s);
void TellStory(Story& s, Rng& rng);
void DrawHistories(Story& s, Rng& rng);

// The turn team `team` acquired technology `tech` (0 from the start), -1
// when it does not know it.
int32_t DiscoveryTurn(const Story& s, int team, int tech);
int32_t DiscoveryTurn(const Story& s, int team, const char* techName);
int TechRow(const char* name);  // the TechInfo row of a name; aborts on a name the tables lack
// The slot whose capital is the holy city of a religion its team founded:
// the member that follows it, else the team's first member; -1 when nobody
// founded it.
int HolySlot(const Story& s, int religion);
// How the players read a building ("Pyramids"), the same as the object of
// a sentence ("the Pyramids", "Stonehenge") and whether it takes "have",
// and the culture it yields per turn.
std::string BuildingName(int row);
std::string BuildingObject(int row);
bool BuildingPlural(int row);
int32_t CultureRate(int row);
bool IsWorldWonder(int row);

// "TXT_KEY_CITY_NAME_NEW_YORK" -> "New York"; a typed name stays as it is.
std::string ReadableCityName(const std::string& raw);
// "Archer" -> "an Archer", "Keshik" -> "a Keshik".
std::string WithArticle(const std::string& noun);

}  // namespace tolvane::demo
