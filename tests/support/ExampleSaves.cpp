// Ready-made descriptions: a small believable game for tests to start from
// and a large late game for benchmarks and size checks.
#include <fmt/format.h>

#include <algorithm>

#include "SaveWriter.h"

namespace tolvane::testing {
namespace {

struct SlotSeed {
  const char* Name;
  const char* CivDescription;
  const char* CivAdjective;
  int32_t CivType;
  int32_t LeaderType;
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
  int Index;
  const char* Name;
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
  PlayerDesc& p = d.Players[slot];
  p.PlayerPopulation = population;
  p.PlayerGold = 37 + 53 * slot;
  p.GreatPeopleCreated = slot % 4;
  p.GreatGeneralsCreated = slot % 3;
  p.GeneralPoints = 11 + slot;
  p.PopulationScore = population * 3;
  p.LandScore = 40 + 7 * slot;
  p.WondersScore = 5 * (slot % 3);
  p.TechScore = 60 + 13 * slot;
  p.PlayerAlive = 1;
  p.LeaderPersonality = d.LeaderInfo[slot].LeaderType;
  p.ResearchFlags[techIndex] = 1;
  p.UnitCount = 4 + slot;
  p.EventRecordCount = 2;
  return p;
}

CityDesc MakeCity(std::string name, int slot, int i, int32_t x, int32_t y, int32_t founded) {
  CityDesc c;
  c.Name = std::move(name);
  c.X = x;
  c.Y = y;
  c.FoundedTurn = founded;
  c.Population = 3 + (slot + 2 * i) % 9;
  c.Culture = 1000 * (slot + 1) + 377 * i + 25;
  c.ProcessRate = {i % 3 == 2 ? 20 : 0, 0, i % 4 == 3 ? 15 : 0};
  if (i == 0) c.HasBuilding[0] = 1;  // the palace
  c.HasBuilding[3 + (i % 2) * 10] = 1;
  c.HasBuilding[36] = uint8_t(i % 2);
  c.FreeBuilding[33 + (slot % 2)] = 1;
  c.BuildingProduction[13] = 12 * (i + 1);
  c.UnitProduction[17 + i % 20] = 7 + slot;
  c.ProjectProduction[slot % kProjects] = i;
  return c;
}

MessageDesc MakeMessage(std::string text, int32_t turn, int32_t type, int32_t color) {
  MessageDesc m;
  m.Text = std::move(text);
  m.AuxText1 = "AS2D_POSITIVE_DINK";
  m.AuxText2 = "";
  m.AuxInt1 = 4;
  m.Color = color;
  m.AuxInt2 = turn % 7 + 1;
  m.AuxInt3 = -1;
  m.AuxFlag1 = 1;
  m.AuxFlag2 = 0;
  m.Turn = turn;
  m.MessageType = type;
  m.AuxInt4 = 2;
  m.AuxInt5 = 30;
  m.AuxFlag3 = 1;
  return m;
}

// Six histories of a growing player, one pair per turn 0 .. lastTurn.
void FillHistories(PlayerDesc& p, int slot, int32_t startTurn, int32_t lastTurn) {
  for (auto& h : p.Histories) h.clear();
  for (int32_t turn = startTurn; turn <= lastTurn; ++turn) {
    const int32_t t = turn - startTurn;
    p.Histories[0].push_back({turn, 5 * t + 3 * slot});
    p.Histories[1].push_back({turn, (t % 11) - 3 + slot});  // economy dips below zero
    p.Histories[2].push_back({turn, 2 * t + slot});
    p.Histories[3].push_back({turn, 3 * t / 2 + 4});
    p.Histories[4].push_back({turn, 10 * t + 100 * slot});
    p.Histories[5].push_back({turn, t * t / 4});
  }
}

// Teams from the slot table: members, met teams, population and land.
void FillTeams(SaveDescription& d) {
  for (int slot = 0; slot < kSlots; ++slot) {
    if (d.Players[slot].PlayerAlive == 0) continue;
    TeamDesc& t = d.Teams[d.LeaderInfo[slot].Team];
    t.TeamMembers += 1;
    t.TeamPopulation += d.Players[slot].PlayerPopulation;
  }
  for (const PlotDesc& p : d.Plots) {
    if (p.Owner < kSlots && p.PlotType <= 2) d.Teams[d.LeaderInfo[p.Owner].Team].TeamLand += 1;
  }
  for (int team = 0; team < kTeams; ++team) {
    if (d.Teams[team].TeamMembers > 0) d.Teams[team].HasMet[team] = 1;
  }
}

// Team `team` knows the first `known` technologies of the path; its
// members get a discovery message for each after the first few, which
// they knew from the start.
void GiveTechs(SaveDescription& d, int team, int known, int32_t lastTurn) {
  TeamDesc& t = d.Teams[team];
  for (int k = 0; k < known && k < kTechPathLength; ++k) t.HasTech[kTechPath[k].Index] = 1;
  if (known < kTechPathLength) t.ResearchProgress[kTechPath[known].Index] = 17 * (team + 3);
  const int fromStart = 2;
  for (int slot = 0; slot < kSlots; ++slot) {
    if (d.LeaderInfo[slot].Team != team || d.Players[slot].PlayerAlive == 0 || slot == kBarbarianSlot) continue;
    for (int k = fromStart; k < known && k < kTechPathLength; ++k) {
      const int32_t turn = int32_t(int64_t(lastTurn) * (k - fromStart + 1) / (known - fromStart + 1));
      const std::string text = fmt::format("You have discovered {}!", Colored(kTechPath[k].Name));
      d.Players[slot].Messages.push_back(MakeMessage(text, turn, 4, 36));
    }
  }
}

void SetUpHeader(SaveDescription& d, uint64_t seed) {
  d.SaveVersion = 302;
  d.ModPath = "";
  d.ModChecksum = "0A1B2C3D4E5F60718293A4B5C6D7E8F9";
  d.Flags = 3;
  d.GameBuildVersion = "319";
  d.DLLChecksum = "F0E1D2C3B4A5968778695A4B3C2D1E0F";
  d.ShaderChecksum = "00112233445566778899AABBCCDDEEFF";
  d.PythonChecksum = "13579BDF02468ACE13579BDF02468ACE";
  d.XMLChecksum = "FEDCBA9876543210FEDCBA9876543210";
  d.SaveFlag = 1;
  d.GameType = 2;
  d.MapScript = "Continents";
  d.WorldSize = 2;
  d.Climate = 0;
  d.SeaLevel = 1;
  d.StartEra = 0;
  d.GameSpeed = 2;
  d.Calendar = 0;
  d.VictoryFlags = {1, 1, 1, 1, 1, 1, 1};
  d.GameOptions[13] = 1;
  d.GameOptions[17] = 1;
  d.Options.JunkSeed = seed * 0x9E3779B97F4A7C15ull + 1;
  for (int slot = 0; slot < kSlots; ++slot) d.LeaderInfo[slot].Team = slot;
  SlotDesc& barbarians = d.LeaderInfo[kBarbarianSlot];
  barbarians.LeaderName = "Barbarians";
  barbarians.CivDescription = "Barbarian";
  barbarians.CivAdjective = "Barbarian";
  barbarians.CivType = 25;
  barbarians.LeaderType = 0;
  barbarians.SlotStatus = 1;
}

void SetUpSlot(SaveDescription& d, int slot, int32_t team, bool human) {
  const SlotSeed& seed = kSlotSeeds[slot];
  SlotDesc& s = d.LeaderInfo[slot];
  s.LeaderName = seed.Name;
  s.CivDescription = seed.CivDescription;
  s.CivAdjective = seed.CivAdjective;
  s.CivType = seed.CivType;
  s.LeaderType = seed.LeaderType;
  s.Team = team;
  s.Handicap = human ? 4 : 3;
  s.SlotStatus = human ? 3 : 1;
  s.SlotValue14 = 1;
  s.SlotValue15 = slot;
}

ReplayMsgDesc Replay(int32_t turn, std::string text, int32_t color, int32_t player) {
  return ReplayMsgDesc{turn, player, 3, turn % 5, -1, std::move(text), color};
}

}  // namespace

SaveDescription ExampleSave(uint64_t seed) {
  SaveDescription d;
  SetUpHeader(d, seed);
  d.GameName = "Tolvane Example";
  constexpr int kPlayers = 7;
  const int32_t teams[kPlayers] = {0, 0, 2, 2, 4, 5, 6};
  for (int slot = 0; slot < kPlayers; ++slot) SetUpSlot(d, slot, teams[slot], slot == 0);

  d.ElapsedTurns = 120;
  d.StartTurn = 0;
  d.EndTurn = 460;
  d.PlayTimeQuarterSeconds = 4 * 7384 + 1;
  d.MaxPopScore = 2210;
  d.MaxLandScore = 2640;
  d.MaxTechScore = 8620;
  d.MaxWonderScore = 600;
  d.InitPop = 16;
  d.InitLand = 42;
  d.InitTech = 84;
  d.InitWonder = 0;
  d.Difficulty = 4;
  d.VictoryType = -1;
  d.GameState = 0;
  d.GameScore = 812;

  d.MapWidth = 24;
  d.MapHeight = 16;
  d.Plots = GeneratePlots(d.MapWidth, d.MapHeight, kPlayers, seed);
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
    PlayerDesc& p = SetUpPlayer(d, slot, populations[slot], kTechPath[12 + slot].Index);
    const int32_t bandX = 2 + slot * (d.MapWidth - 4) / kPlayers;
    for (int i = 0; i < cityCounts[slot]; ++i) {
      const int32_t founded = i == 0 ? 0 : 18 * i + 3 * slot;
      // A typed name among the text keys.
      std::string name = cityKeys[slot][i] ? std::string("TXT_KEY_CITY_NAME_") + cityKeys[slot][i] : "Karvik";
      p.Cities.push_back(MakeCity(name, slot, i, bandX + i, 3 + 3 * i, founded));
      d.ReplayMsgs.push_back(
          Replay(founded, fmt::format("{} founded a city", Colored(kSlotSeeds[slot].Name)), 37, slot));
      p.Messages.push_back(MakeMessage(fmt::format("A new city has been founded on turn {}", founded), founded, 3, 37));
    }
    p.Messages.push_back(MakeMessage("Your Warrior has defeated a Barbarian Archer!", 30 + slot, 5, 37));
    p.Messages.push_back(MakeMessage("<color=255,0,0,255>Your Axeman has been killed!</color>", 70 + slot, 5, 38));
    FillHistories(p, slot, d.StartTurn, d.ElapsedTurns);
  }
  // The barbarians: alive, one city, no messages or histories.
  PlayerDesc& barbarians = SetUpPlayer(d, kBarbarianSlot, 2, 0);
  barbarians.ResearchFlags = {};
  barbarians.UnitCount = 12;
  barbarians.Cities.push_back(MakeCity("Ulfstad", kBarbarianSlot, 0, 12, 8, 66));

  FillTeams(d);
  d.Teams[0].HasMet[2] = d.Teams[0].HasMet[4] = 1;
  d.Teams[2].HasMet[0] = d.Teams[2].HasMet[5] = 1;
  d.Teams[4].HasMet[0] = d.Teams[4].HasMet[6] = 1;
  d.Teams[5].HasMet[2] = 1;
  d.Teams[6].HasMet[4] = 1;
  d.Teams[6].IsVassal[4] = 1;
  const int known[kTeams] = {22, 0, 19, 0, 16, 17, 12};
  for (int team = 0; team <= 6; ++team) GiveTechs(d, team, known[team], d.ElapsedTurns);

  // Sessions: two at turn 0 (the game was reloaded before the first move),
  // then at turns 57 and 96.
  for (int32_t turn : {0, 0, 57, 96}) d.ReplayMsgs.push_back(Replay(turn, "Session started", 34, 0));
  d.ReplayMsgs.push_back(Replay(64, Colored("Viggo") + " has declared war on " + Colored("Maren") + "!", 38, 4));
  d.ReplayMsgs.push_back(Replay(101, "<color=0,0,255,255>Kalle</color> is now a vassal of Viggo", 36, 6));
  std::stable_sort(d.ReplayMsgs.begin(), d.ReplayMsgs.end(),
                   [](const ReplayMsgDesc& a, const ReplayMsgDesc& b) { return a.Turn < b.Turn; });
  for (auto& p : d.Players) {
    std::stable_sort(p.Messages.begin(), p.Messages.end(),
                     [](const MessageDesc& a, const MessageDesc& b) { return a.Turn < b.Turn; });
  }
  return d;
}

SaveDescription LargeSave(uint64_t seed) {
  SaveDescription d;
  SetUpHeader(d, seed);
  d.GameName = "Tolvane Large";
  d.Options.CompressibleJunk = true;
  d.WorldSize = 5;
  constexpr int kPlayers = 18;
  for (int slot = 0; slot < kPlayers; ++slot) SetUpSlot(d, slot, slot < 4 ? slot / 2 * 2 : slot, slot == 0);

  d.ElapsedTurns = 460;
  d.EndTurn = 460;
  d.PlayTimeQuarterSeconds = 4 * 3600 * 37;
  d.MaxPopScore = 5600;
  d.MaxLandScore = 8432;
  d.MaxTechScore = 17000;
  d.MaxWonderScore = 1500;
  d.InitPop = 36;
  d.InitLand = 90;
  d.InitTech = 162;
  d.Difficulty = 5;
  d.VictoryType = 1;
  d.GameState = 1;
  d.GameScore = 4711;

  d.MapWidth = 124;
  d.MapHeight = 68;
  d.Plots = GeneratePlots(d.MapWidth, d.MapHeight, kPlayers, seed);
  CountPlots(d);

  constexpr int kCities = 36, kUnits = 150, kMessages = 1500;
  for (int slot = 0; slot <= kBarbarianSlot; ++slot) {
    if (slot >= kPlayers && slot != kBarbarianSlot) continue;
    PlayerDesc& p = SetUpPlayer(d, slot, 180 + 7 * slot, kTechPath[60 + slot % 10].Index);
    p.UnitCount = kUnits;
    const int cities = slot == kBarbarianSlot ? 6 : kCities;
    for (int i = 0; i < cities; ++i) {
      std::string name = fmt::format("TXT_KEY_CITY_NAME_{}", kCityKeys[(slot * kCities + i) % std::size(kCityKeys)]);
      if (i % 5 == 4) name = fmt::format("Stad {} {}", slot, i);
      p.Cities.push_back(MakeCity(std::move(name), slot, i, (slot * 7 + i) % d.MapWidth, i % d.MapHeight, 4 * i));
    }
    if (slot == kBarbarianSlot) continue;
    p.Messages.reserve(kMessages);
    for (int m = 0; m < kMessages; ++m) {
      const int32_t turn = m * d.ElapsedTurns / kMessages;
      const std::string_view tech = kTechPath[m % kTechPathLength].Name;
      const int kind = m % 3;
      std::string text = kind == 0   ? fmt::format("You discovered {}", m % 12 == 0 ? Colored(tech) : std::string(tech))
                           : kind == 1 ? fmt::format("Your Knight won at {}", m % kCities)
                                     : fmt::format("City {} grew to {}", m % kCities, 1 + m % 20);
      MessageDesc& msg = p.Messages.emplace_back(MakeMessage(std::move(text), turn,
                                                             kind == 0   ? 4
                                                             : kind == 1 ? 5
                                                                         : 3,
                                                             34 + kind));
      msg.AuxText1.clear();
    }
    FillHistories(p, slot, d.StartTurn, d.ElapsedTurns);
  }
  FillTeams(d);
  for (int team = 0; team < kPlayers; ++team) {
    for (int other = 0; other < kPlayers; ++other) d.Teams[team].HasMet[other] = d.Teams[other].TeamMembers > 0;
    if (d.Teams[team].TeamMembers > 0) {
      for (int k = 0; k < kTechPathLength; ++k) d.Teams[team].HasTech[kTechPath[k].Index] = 1;
      d.Teams[team].ResearchProgress[84] = 900 + team;
    }
  }
  d.Teams[5].IsVassal[4] = 1;
  d.Teams[9].IsVassal[8] = 1;

  constexpr int kReplay = 5000;
  d.ReplayMsgs.reserve(kReplay);
  for (int m = 0; m < kReplay; ++m) {
    const int32_t turn = m * d.ElapsedTurns / kReplay;
    const int player = m % kPlayers;
    if (m % 160 == 0) {
      d.ReplayMsgs.push_back(Replay(turn, "Session started", 34, player));
    } else {
      const std::string name = m % 10 == 0 ? Colored(kSlotSeeds[player].Name) : kSlotSeeds[player].Name;
      d.ReplayMsgs.push_back(Replay(turn, fmt::format("{} grew a city to {}", name, 1 + m % 25), 35 + m % 4, player));
    }
  }
  return d;
}

}  // namespace tolvane::testing
