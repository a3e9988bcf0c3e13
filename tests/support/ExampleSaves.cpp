// Ready-made descriptions: a small believable game for tests to start from
// and a large late game for benchmarks and size checks.
#include <fmt/format.h>

#include <algorithm>

#include "SaveWriter.h"

namespace tolvane::testing {
namespace {

struct SlotSeed {
  const char* name;
  const char* civDescription;
  const char* civAdjective;
  int32_t civType;
  int32_t leaderType;
};

// Real slot values: civilization and leader rows of the reference tables.
constexpr SlotSeed kSlotSeeds[] = {
    {"Ilsa", "Roman Empire", "Roman", 19, 3},        {"Bertil", "German Empire", "German", 9, 4},
    {"Maren", "Celtic Empire", "Celtic", 4, 5},      {"Osk", "Egyptian Empire", "Egyptian", 6, 14},
    {"Viggo", "Mongol Empire", "Mongolian", 16, 12}, {"Astrid", "Greek Empire", "Greek", 10, 1},
    {"Kalle", "Incan Empire", "Incan", 11, 15},      {"Tove", "English Empire", "English", 7, 9},
    {"Runa", "French Empire", "French", 8, 24},      {"Eskil", "Russian Empire", "Russian", 20, 25},
    {"Sigrid", "Chinese Empire", "Chinese", 5, 26},  {"Alvar", "Japanese Empire", "Japanese", 13, 33},
    {"Hedda", "Persian Empire", "Persian", 18, 8},   {"Torvald", "Spanish Empire", "Spanish", 21, 16},
    {"Liv", "Malinese Empire", "Malinese", 15, 20},  {"Gorm", "Zulu Empire", "Zulu", 23, 31},
    {"Ylva", "Arabian Empire", "Arabian", 1, 30},    {"Brand", "American Empire", "American", 0, 36},
};

// Technology rows with their names, in the order a game tends to learn them.
struct TechSeed {
  int index;
  const char* name;
};
constexpr TechSeed kTechPath[] = {
    {56, "Hunting"},
    {57, "Mining"},
    {27, "Agriculture"},
    {26, "The Wheel"},
    {25, "Fishing"},
    {0, "Mysticism"},
    {59, "Masonry"},
    {61, "Bronze Working"},
    {28, "Pottery"},
    {30, "Writing"},
    {29, "Sailing"},
    {3, "Priesthood"},
    {60, "Animal Husbandry"},
    {58, "Archery"},
    {31, "Mathematics"},
    {32, "Alphabet"},
    {63, "Iron Working"},
    {1, "Meditation"},
    {2, "Polytheism"},
    {33, "Calendar"},
    {34, "Currency"},
    {62, "Horseback Riding"},
    {66, "Construction"},
    {6, "Literature"},
    {7, "Code of Laws"},
    {5, "Monarchy"},
    {8, "Drama"},
    {4, "Monotheism"},
    {35, "Philosophy"},
    {65, "Compass"},
    {64, "Metal Casting"},
    {36, "Paper"},
    {69, "Optics"},
    {67, "Machinery"},
    {37, "Banking"},
    {10, "Theology"},
    {11, "Music"},
    {12, "Civil Service"},
    {9, "Feudalism"},
    {68, "Engineering"},
    {13, "Guilds"},
    {38, "Education"},
    {14, "Divine Right"},
    {39, "Printing Press"},
    {70, "Gunpowder"},
    {41, "Astronomy"},
    {40, "Economics"},
    {42, "Chemistry"},
    {18, "Liberalism"},
    {15, "Nationalism"},
    {16, "Military Tradition"},
    {17, "Constitution"},
    {71, "Replaceable Parts"},
    {20, "Corporation"},
    {72, "Rifling"},
    {43, "Scientific Method"},
    {19, "Democracy"},
    {74, "Steel"},
    {73, "Steam Power"},
    {76, "Railroad"},
    {44, "Physics"},
    {47, "Electricity"},
    {45, "Biology"},
    {77, "Artillery"},
    {48, "Combustion"},
    {46, "Medicine"},
    {78, "Industrialism"},
    {80, "Refrigeration"},
    {79, "Radio"},
    {23, "Mass Media"},
    {50, "Flight"},
    {75, "Assembly Line"},
    {82, "Rocketry"},
    {49, "Fission"},
};
constexpr int kTechPathLength = int(std::size(kTechPath));

constexpr const char* kCityKeys[] = {"ROME",       "ANTIUM",  "CUMAE",      "NEAPOLIS",  "RAVENNA",   "ARRETIUM",
                                     "MEDIOLANUM", "ARPINUM", "CIRCEI",     "SETIA",     "BERLIN",    "HAMBURG",
                                     "MUNICH",     "COLOGNE", "FRANKFURT",  "ESSEN",     "DORTMUND",  "STUTTGART",
                                     "DUSSELDORF", "BREMEN",  "BIBRACTE",   "VIENNE",    "TOLOSA",    "DUROCORTORUM",
                                     "THEBES",     "MEMPHIS", "HELIOPOLIS", "KARAKORUM", "BESHBALIQ", "ATHENS",
                                     "SPARTA",     "CORINTH", "CUZCO",      "TIWANAKU",  "NEW_YORK",  "ST_PETERSBURG"};

// Markup of the kind the host game puts into its message texts.
std::string Colored(std::string_view text) { return fmt::format("<color=255,255,0,255>{}</color>", text); }

PlayerDesc& SetUpPlayer(SaveDescription& d, int slot, int32_t population, int32_t techIndex) {
  PlayerDesc& p = d.players[slot];
  p.playerPopulation = population;
  p.playerGold = 37 + 53 * slot;
  p.greatPeopleCreated = slot % 4;
  p.greatGeneralsCreated = slot % 3;
  p.generalPoints = 11 + slot;
  p.populationScore = population * 3;
  p.landScore = 40 + 7 * slot;
  p.wondersScore = 5 * (slot % 3);
  p.techScore = 60 + 13 * slot;
  p.playerAlive = 1;
  p.leaderPersonality = d.slots[slot].leaderType;
  p.researchFlags[techIndex] = 1;
  p.unitCount = 4 + slot;
  p.eventRecordCount = 2;
  return p;
}

CityDesc MakeCity(std::string name, int slot, int i, int32_t x, int32_t y, int32_t founded) {
  CityDesc c;
  c.name = std::move(name);
  c.x = x;
  c.y = y;
  c.foundedTurn = founded;
  c.population = 3 + (slot + 2 * i) % 9;
  c.culture = 1000 * (slot + 1) + 377 * i + 25;
  c.processRate = {i % 3 == 2 ? 20 : 0, 0, i % 4 == 3 ? 15 : 0};
  if (i == 0) c.hasBuilding[0] = 1;  // the palace
  c.hasBuilding[3 + (i % 2) * 10] = 1;
  c.hasBuilding[36] = uint8_t(i % 2);
  c.freeBuilding[33 + (slot % 2)] = 1;
  c.buildingProduction[13] = 12 * (i + 1);
  c.unitProduction[17 + i % 20] = 7 + slot;
  c.projectProduction[slot % kProjects] = i;
  return c;
}

MessageDesc MakeMessage(std::string text, int32_t turn, int32_t type, int32_t color) {
  MessageDesc m;
  m.text = std::move(text);
  m.auxText1 = "AS2D_POSITIVE_DINK";
  m.auxText2 = "";
  m.auxInt1 = 4;
  m.color = color;
  m.auxInt2 = turn % 7 + 1;
  m.auxInt3 = -1;
  m.auxFlag1 = 1;
  m.auxFlag2 = 0;
  m.turn = turn;
  m.messageType = type;
  m.auxInt4 = 2;
  m.auxInt5 = 30;
  m.auxFlag3 = 1;
  return m;
}

// Six histories of a growing player, one pair per turn 0 .. lastTurn.
void FillHistories(PlayerDesc& p, int slot, int32_t startTurn, int32_t lastTurn) {
  for (auto& h : p.histories) h.clear();
  for (int32_t turn = startTurn; turn <= lastTurn; ++turn) {
    const int32_t t = turn - startTurn;
    p.histories[0].push_back({turn, 5 * t + 3 * slot});
    p.histories[1].push_back({turn, (t % 11) - 3 + slot});  // economy dips below zero
    p.histories[2].push_back({turn, 2 * t + slot});
    p.histories[3].push_back({turn, 3 * t / 2 + 4});
    p.histories[4].push_back({turn, 10 * t + 100 * slot});
    p.histories[5].push_back({turn, t * t / 4});
  }
}

// Teams from the slot table: members, met teams, population and land.
void FillTeams(SaveDescription& d) {
  for (int slot = 0; slot < kSlots; ++slot) {
    if (d.players[slot].playerAlive == 0) continue;
    TeamDesc& t = d.teams[d.slots[slot].team];
    t.teamMembers += 1;
    t.teamPopulation += d.players[slot].playerPopulation;
  }
  for (const PlotDesc& p : d.plots) {
    if (p.owner < kSlots && p.plotType <= 2) d.teams[d.slots[p.owner].team].teamLand += 1;
  }
  for (int team = 0; team < kTeams; ++team) {
    if (d.teams[team].teamMembers > 0) d.teams[team].hasMet[team] = 1;
  }
}

// Team `team` knows the first `known` technologies of the path; its
// members get a discovery message for each after the first few, which
// they knew from the start.
void GiveTechs(SaveDescription& d, int team, int known, int32_t lastTurn) {
  TeamDesc& t = d.teams[team];
  for (int k = 0; k < known && k < kTechPathLength; ++k) t.hasTech[kTechPath[k].index] = 1;
  if (known < kTechPathLength) t.researchProgress[kTechPath[known].index] = 17 * (team + 3);
  const int fromStart = 2;
  for (int slot = 0; slot < kSlots; ++slot) {
    if (d.slots[slot].team != team || d.players[slot].playerAlive == 0 || slot == kBarbarianSlot) continue;
    for (int k = fromStart; k < known && k < kTechPathLength; ++k) {
      const int32_t turn = int32_t(int64_t(lastTurn) * (k - fromStart + 1) / (known - fromStart + 1));
      const std::string text = fmt::format("You have discovered {}!", Colored(kTechPath[k].name));
      d.players[slot].messages.push_back(MakeMessage(text, turn, 4, 36));
    }
  }
}

void SetUpHeader(SaveDescription& d, uint64_t seed) {
  d.saveVersion = 302;
  d.modPath = "";
  d.modChecksum = "0A1B2C3D4E5F60718293A4B5C6D7E8F9";
  d.flags = 3;
  d.gameBuildVersion = "319";
  d.dllChecksum = "F0E1D2C3B4A5968778695A4B3C2D1E0F";
  d.shaderChecksum = "00112233445566778899AABBCCDDEEFF";
  d.pythonChecksum = "13579BDF02468ACE13579BDF02468ACE";
  d.xmlChecksum = "FEDCBA9876543210FEDCBA9876543210";
  d.saveFlag = 1;
  d.gameType = 2;
  d.mapScript = "Continents";
  d.worldSize = 2;
  d.climate = 0;
  d.seaLevel = 1;
  d.startEra = 0;
  d.gameSpeed = 2;
  d.calendar = 0;
  d.victoryFlags = {1, 1, 1, 1, 1, 1, 1};
  d.gameOptions[kOptionNewRandomSeed] = 1;
  d.gameOptions[kOptionNoGoodyHuts] = 1;
  d.options.junkSeed = seed * 0x9E3779B97F4A7C15ull + 1;
  for (int slot = 0; slot < kSlots; ++slot) d.slots[slot].team = slot;
  SlotDesc& barbarians = d.slots[kBarbarianSlot];
  barbarians.leaderName = "Barbarians";
  barbarians.civDescription = "Barbarian";
  barbarians.civAdjective = "Barbarian";
  barbarians.civType = 25;
  barbarians.leaderType = 0;
  barbarians.slotStatus = kSlotComputer;
}

void SetUpSlot(SaveDescription& d, int slot, int32_t team, bool human) {
  const SlotSeed& seed = kSlotSeeds[slot];
  SlotDesc& s = d.slots[slot];
  s.leaderName = seed.name;
  s.civDescription = seed.civDescription;
  s.civAdjective = seed.civAdjective;
  s.civType = seed.civType;
  s.leaderType = seed.leaderType;
  s.team = team;
  s.handicap = human ? 4 : 3;
  s.slotStatus = human ? kSlotHuman : kSlotComputer;
  s.slotValue14 = 1;
  s.slotValue15 = slot;
}

ReplayMessageDesc Replay(int32_t turn, std::string text, int32_t color, int32_t player) {
  return ReplayMessageDesc{turn, player, 3, turn % 5, -1, std::move(text), color};
}

}  // namespace

SaveDescription ExampleSave(uint64_t seed) {
  SaveDescription d;
  SetUpHeader(d, seed);
  d.gameName = "Tolvane Example";
  constexpr int kPlayers = 7;
  const int32_t teams[kPlayers] = {0, 0, 2, 2, 4, 5, 6};
  for (int slot = 0; slot < kPlayers; ++slot) SetUpSlot(d, slot, teams[slot], slot == 0);

  d.elapsedTurns = 120;
  d.startTurn = 0;
  d.endTurn = 460;
  d.playTimeQuarterSeconds = 4 * 7384 + 1;
  d.maxPopScore = 2210;
  d.maxLandScore = 2640;
  d.maxTechScore = 8620;
  d.maxWonderScore = 600;
  d.initPop = 16;
  d.initLand = 42;
  d.initTech = 84;
  d.initWonder = 0;
  d.difficulty = 4;
  d.victoryType = -1;
  d.gameState = 0;
  d.gameScore = 812;

  d.mapWidth = 24;
  d.mapHeight = 16;
  d.plots = GeneratePlots(d.mapWidth, d.mapHeight, kPlayers, seed);
  CountPlots(d);

  const int32_t populations[kPlayers] = {14, 9, 11, 6, 8, 10, 3};
  const int cityCounts[kPlayers] = {3, 2, 2, 2, 2, 3, 1};
  const char* cityKeys[kPlayers][3] = {{"ROME", "ANTIUM", nullptr},
                                       {"BERLIN", "HAMBURG"},
                                       {"BIBRACTE", "VIENNE"},
                                       {"THEBES", "MEMPHIS"},
                                       {"KARAKORUM", "BESHBALIQ"},
                                       {"ATHENS", "SPARTA", "CORINTH"},
                                       {"CUZCO"}};
  for (int slot = 0; slot < kPlayers; ++slot) {
    PlayerDesc& p = SetUpPlayer(d, slot, populations[slot], kTechPath[12 + slot].index);
    const int32_t bandX = 2 + slot * (d.mapWidth - 4) / kPlayers;
    for (int i = 0; i < cityCounts[slot]; ++i) {
      const int32_t founded = i == 0 ? 0 : 18 * i + 3 * slot;
      // A typed name among the text keys.
      std::string name = cityKeys[slot][i] ? std::string("TXT_KEY_CITY_NAME_") + cityKeys[slot][i] : "Karvik";
      p.cities.push_back(MakeCity(name, slot, i, bandX + i, 3 + 3 * i, founded));
      d.replay.push_back(Replay(founded, fmt::format("{} founded a city", Colored(kSlotSeeds[slot].name)), 37, slot));
      p.messages.push_back(
          MakeMessage(fmt::format("A new city has been founded on turn {}", founded), founded, kCityEventMessage, 37));
    }
    p.messages.push_back(MakeMessage("Your Warrior has defeated a Barbarian Archer!", 30 + slot, kCombatMessage, 37));
    p.messages.push_back(
        MakeMessage("<color=255,0,0,255>Your Axeman has been killed!</color>", 70 + slot, kCombatMessage, 38));
    FillHistories(p, slot, d.startTurn, d.elapsedTurns);
  }
  // The barbarians: alive, one city, no messages or histories.
  PlayerDesc& barbarians = SetUpPlayer(d, kBarbarianSlot, 2, 0);
  barbarians.researchFlags = {};
  barbarians.unitCount = 12;
  barbarians.cities.push_back(MakeCity("Ulfstad", kBarbarianSlot, 0, 12, 8, 66));

  FillTeams(d);
  d.teams[0].hasMet[2] = d.teams[0].hasMet[4] = 1;
  d.teams[2].hasMet[0] = d.teams[2].hasMet[5] = 1;
  d.teams[4].hasMet[0] = d.teams[4].hasMet[6] = 1;
  d.teams[5].hasMet[2] = 1;
  d.teams[6].hasMet[4] = 1;
  d.teams[6].isVassal[4] = 1;
  const int known[kTeams] = {22, 0, 19, 0, 16, 17, 12};
  for (int team = 0; team <= 6; ++team) GiveTechs(d, team, known[team], d.elapsedTurns);

  // Sessions: two at turn 0 (the game was reloaded before the first move),
  // then at turns 57 and 96.
  for (int32_t turn : {0, 0, 57, 96}) d.replay.push_back(Replay(turn, "Session started", 34, 0));
  d.replay.push_back(Replay(64, Colored("Viggo") + " has declared war on " + Colored("Maren") + "!", 38, 4));
  d.replay.push_back(Replay(101, "<color=0,0,255,255>Kalle</color> is now a vassal of Viggo", 36, 6));
  std::stable_sort(d.replay.begin(), d.replay.end(),
                   [](const ReplayMessageDesc& a, const ReplayMessageDesc& b) { return a.turn < b.turn; });
  for (auto& p : d.players) {
    std::stable_sort(p.messages.begin(), p.messages.end(),
                     [](const MessageDesc& a, const MessageDesc& b) { return a.turn < b.turn; });
  }
  return d;
}

SaveDescription LargeSave(uint64_t seed) {
  SaveDescription d;
  SetUpHeader(d, seed);
  d.gameName = "Tolvane Large";
  d.options.compressibleJunk = true;
  d.worldSize = 5;
  constexpr int kPlayers = 18;
  for (int slot = 0; slot < kPlayers; ++slot) SetUpSlot(d, slot, slot < 4 ? slot / 2 * 2 : slot, slot == 0);

  d.elapsedTurns = 460;
  d.endTurn = 460;
  d.playTimeQuarterSeconds = 4 * 3600 * 37;
  d.maxPopScore = 5600;
  d.maxLandScore = 8432;
  d.maxTechScore = 17000;
  d.maxWonderScore = 1500;
  d.initPop = 36;
  d.initLand = 90;
  d.initTech = 162;
  d.difficulty = 5;
  d.victoryType = 1;
  d.gameState = 1;
  d.gameScore = 4711;

  d.mapWidth = 124;
  d.mapHeight = 68;
  d.plots = GeneratePlots(d.mapWidth, d.mapHeight, kPlayers, seed);
  CountPlots(d);

  constexpr int kCities = 36, kUnits = 150, kMessages = 1500;
  for (int slot = 0; slot <= kBarbarianSlot; ++slot) {
    if (slot >= kPlayers && slot != kBarbarianSlot) continue;
    PlayerDesc& p = SetUpPlayer(d, slot, 180 + 7 * slot, kTechPath[60 + slot % 10].index);
    p.unitCount = kUnits;
    const int cities = slot == kBarbarianSlot ? 6 : kCities;
    for (int i = 0; i < cities; ++i) {
      std::string name = fmt::format("TXT_KEY_CITY_NAME_{}", kCityKeys[(slot * kCities + i) % std::size(kCityKeys)]);
      if (i % 5 == 4) name = fmt::format("Stad {} {}", slot, i);
      p.cities.push_back(MakeCity(std::move(name), slot, i, (slot * 7 + i) % d.mapWidth, i % d.mapHeight, 4 * i));
    }
    if (slot == kBarbarianSlot) continue;
    p.messages.reserve(kMessages);
    for (int m = 0; m < kMessages; ++m) {
      const int32_t turn = m * d.elapsedTurns / kMessages;
      const std::string_view tech = kTechPath[m % kTechPathLength].name;
      const int kind = m % 3;
      std::string text = kind == 0   ? fmt::format("You discovered {}", m % 12 == 0 ? Colored(tech) : std::string(tech))
                           : kind == 1 ? fmt::format("Your Knight won at {}", m % kCities)
                                     : fmt::format("City {} grew to {}", m % kCities, 1 + m % 20);
      MessageDesc& msg = p.messages.emplace_back(MakeMessage(std::move(text), turn,
                                                             kind == 0   ? 4
                                                             : kind == 1 ? kCombatMessage
                                                                         : kCityEventMessage,
                                                             34 + kind));
      msg.auxText1.clear();
    }
    FillHistories(p, slot, d.startTurn, d.elapsedTurns);
  }
  FillTeams(d);
  for (int team = 0; team < kPlayers; ++team) {
    for (int other = 0; other < kPlayers; ++other) d.teams[team].hasMet[other] = d.teams[other].teamMembers > 0;
    if (d.teams[team].teamMembers > 0) {
      for (int k = 0; k < kTechPathLength; ++k) d.teams[team].hasTech[kTechPath[k].index] = 1;
      d.teams[team].researchProgress[84] = 900 + team;
    }
  }
  d.teams[5].isVassal[4] = 1;
  d.teams[9].isVassal[8] = 1;

  constexpr int kReplay = 5000;
  d.replay.reserve(kReplay);
  for (int m = 0; m < kReplay; ++m) {
    const int32_t turn = m * d.elapsedTurns / kReplay;
    const int player = m % kPlayers;
    if (m % 160 == 0) {
      d.replay.push_back(Replay(turn, "Session started", 34, player));
    } else {
      const std::string name = m % 10 == 0 ? Colored(kSlotSeeds[player].name) : kSlotSeeds[player].name;
      d.replay.push_back(Replay(turn, fmt::format("{} grew a city to {}", name, 1 + m % 25), 35 + m % 4, player));
    }
  }
  return d;
}

SaveDescription PlayedExample(int32_t turn, const std::vector<int32_t>& sessions, const std::string& line,
                              int32_t branchedAt) {
  SaveDescription d = ExampleSave();
  d.elapsedTurns = turn;
  d.playTimeQuarterSeconds = 4 * 60 * turn;
  d.replay.clear();
  for (int32_t t = 1; t <= turn; ++t) {
    if (std::find(sessions.begin(), sessions.end(), t) != sessions.end()) {
      ReplayMessageDesc m;
      m.turn = t;
      m.text = "Session started";
      m.color = 34;
      d.replay.push_back(m);
    }
    if (t % 10 == 5) {
      ReplayMessageDesc m;
      m.turn = t;
      m.text = (t > branchedAt ? line : std::string("main")) + " event of turn " + std::to_string(t);
      d.replay.push_back(m);
    }
  }
  return d;
}

}  // namespace tolvane::testing
