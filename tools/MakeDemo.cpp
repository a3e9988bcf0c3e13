// make_demo: writes the demo save (examples/demo.CivWarlordsSave) that the
// README shows. A Normal-speed game at turn 180 of 460 on a 60 x 40 map:
// seven players and the barbarians, the Romans (human, slot 0) with the
// Germans and the Celts with the Egyptians as teams of two, the Incas the
// Mongols' vassal. Every value is drawn from one fixed seed, so the file
// comes out the same on every run.
//
// Beside it, the folder of saves that the Saves page and the table show: the
// same game as it stood at turns 60 and 120, the game at turn 150 after a
// reload from turn 104, a second game, and a save cut short in its
// compressed body.
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "Demo.h"
#include "rules/ResearchCost.h"
#include "rules/Scores.h"
#include "rules/Tables.h"

namespace tolvane::demo {
namespace {

using testing::PlotDesc;
using testing::SaveDescription;

constexpr uint64_t kSeed = 180;
constexpr int32_t kTechPointsPerEra = 4;  // a technology's share of the score: four points per era
constexpr int32_t kWonderPoints = 5;
constexpr int32_t kWorldWonders = 28;

void SetUpHeader(SaveDescription& d) {
  d.saveVersion = 302;
  d.modPath = "";
  d.modChecksum = "7C3A91E04B5D2F68A0C4E1B79D3F5A26";
  d.flags = 0x101;
  d.gameBuildVersion = "319";
  d.dllChecksum = "A4F0C2E91B7D35688E2C4A6F0B1D3E57";
  d.shaderChecksum = "5E8B2D0F7A4C16395B7E9D1F3A5C7E90";
  d.pythonChecksum = "C1D3E5F70A2B4C6D8E0F1A3B5C7D9E1F";
  d.xmlChecksum = "2B4D6F81A3C5E7092B4D6F81A3C5E709";
  d.saveFlag = 1;
  d.gameType = 2;
  d.gameName = "Seven Rivers";
  d.gamePassword = "";
  d.adminPassword = "";  // no admin password: every page shows everything
  d.mapScript = "Continents";
  d.worldSize = 2;  // Small
  d.climate = 0;
  d.seaLevel = 1;
  d.startEra = 0;
  d.gameSpeed = 2;  // Normal, as saves from version 102 on store it
  d.calendar = 0;
  d.victoryFlags = {1, 1, 1, 1, 1, 1, 1};
  d.gameOptions[8] = 1;   // Permanent Alliances
  d.gameOptions[13] = 1;  // New Random Seed
  d.options.junkSeed = 0xD3A0180ull;
  d.options.maxJunkListLength = 2;
  d.compressionLevel = 6;

  d.elapsedTurns = kCurrentTurn;
  d.startTurn = 0;
  d.endTurn = 460;
  d.playTimeQuarterSeconds = 4 * (9 * 3600 + 41 * 60 + 17);
  d.difficulty = 4;  // Prince
  d.victoryType = -1;
  d.gameState = 0;
}

void SetUpSlots(SaveDescription& d) {
  for (int slot = 0; slot < kSlots; ++slot) d.slots[size_t(slot)].team = slot;  // unused slots too
  for (int slot = 0; slot < kSlots; ++slot) {
    if (slot >= kPlayers && slot != kBarbarianSlot) continue;
    const CivSeed& civ = CivOfSlot(slot);
    testing::SlotDesc& s = d.slots[size_t(slot)];
    s.leaderName = civ.leader;
    s.civDescription = civ.description;
    s.slotText3 = fmt::format("{}s", civ.adjective);
    s.civAdjective = civ.adjective;
    s.civType = civ.civType;
    s.leaderType = civ.leaderType;
    s.team = civ.team;
    s.handicap = civ.human ? d.difficulty : 3;
    s.slotStatus = civ.human ? 3 : 1;
    s.slotValue14 = 1;
    s.slotValue15 = slot;
  }
}

// The score of the technologies a team discovered before turn `before`.
int32_t TechScore(const Story& s, int team, int32_t before = kCurrentTurn + 1) {
  int32_t points = 0;
  for (const Discovery& d : s.research[size_t(team)])
    if (d.turn < before) points += kTechPointsPerEra * kTechInfo[size_t(d.tech)].era;
  return points;
}

void SetUpPlayers(Story& s) {
  SaveDescription& d = s.save;
  std::array<int32_t, kSlots> land{};
  for (const PlotDesc& p : d.plots) {
    if (p.owner < kSlots && p.plotType != 3) ++land[p.owner];
  }
  for (int slot = 0; slot < kSlots; ++slot) {
    if (slot >= kPlayers && slot != kBarbarianSlot) continue;
    const CivSeed& civ = CivOfSlot(slot);
    testing::PlayerDesc& p = d.players[size_t(slot)];
    p.playerAlive = 1;
    p.leaderPersonality = civ.leaderType;
    p.playerGold = civ.gold;
    p.unitCount = civ.unitCount;
    p.eventRecordCount = 2;
    for (const auto& city : p.cities) p.playerPopulation += city.population;
    p.populationScore = p.playerPopulation;
    p.landScore = land[size_t(slot)];
    p.techScore = TechScore(s, civ.team);
    int wonders = 0;
    for (const DemoCity& c : s.cities) {
      for (const Building& b : c.built) wonders += c.owner == slot && IsWorldWonder(b.row);
    }
    p.wondersScore = kWonderPoints * wonders;
    if (s.researching[size_t(civ.team)] >= 0) p.researchFlags[size_t(s.researching[size_t(civ.team)])] = 1;
  }
}

void SetUpTeams(Story& s) {
  SaveDescription& d = s.save;
  const ResearchSettings settings{.worldCostPercent = 120, .speedCostPercent = 100, .eraCostPercent = 100};
  for (int slot = 0; slot < kSlots; ++slot) {
    const testing::PlayerDesc& p = d.players[size_t(slot)];
    if (p.playerAlive == 0) continue;
    testing::TeamDesc& t = d.teams[size_t(d.slots[size_t(slot)].team)];
    t.teamMembers += 1;
    t.teamPopulation += p.playerPopulation;
    t.teamLand += p.landScore;
  }
  Rng rng(kSeed + 7);
  for (int team = 0; team < kTeams; ++team) {
    testing::TeamDesc& t = d.teams[size_t(team)];
    if (t.teamMembers == 0) continue;
    t.hasMet[size_t(team)] = 1;
    for (const Discovery& k : s.research[size_t(team)]) t.hasTech[size_t(k.tech)] = 1;
    const int next = s.researching[size_t(team)];
    if (next < 0) continue;
    int32_t handicap = 0;
    for (int slot = 0; slot < kPlayers; ++slot) {
      if (CivOfSlot(slot).team == team) handicap += d.slots[size_t(slot)].handicap;
    }
    const int32_t cost = TechCostFor(kTechInfo[size_t(next)].cost, handicap / t.teamMembers, t.teamMembers, settings);
    t.researchProgress[size_t(next)] = cost * rng.Range(25, 80) / 100;
    // Leftovers of research the team switched away from.
    for (int k = 0; k < kTechs - 1; ++k) {
      if (t.hasTech[size_t(k)] == 0 && k != next && kTechInfo[size_t(k)].era <= 3 && rng.Chance(0.08)) {
        t.researchProgress[size_t(k)] = rng.Range(12, kTechInfo[size_t(k)].cost / 3);
      }
    }
  }
  for (const Contact& c : kContacts) {
    d.teams[size_t(c.a)].hasMet[size_t(c.b)] = 1;
    d.teams[size_t(c.b)].hasMet[size_t(c.a)] = 1;
  }
  d.teams[6].isVassal[4] = 1;  // the Incas serve the Mongols
}

// The score parts' maxima and starting values, and each player's game score
// now with the vassals' shares, as the pages recombine it.
void ScoreGame(Story& s) {
  SaveDescription& d = s.save;
  d.maxPopScore = d.landPlots + d.landPlots / 2;
  d.maxLandScore = d.landPlots;
  d.maxTechScore = 0;
  for (const auto& tech : kTechInfo) d.maxTechScore += kTechPointsPerEra * tech.era;
  d.maxWonderScore = kWonderPoints * kWorldWonders;
  d.initPop = 4;
  d.initLand = 21;
  d.initTech = 2 * kTechPointsPerEra;
  d.initWonder = 0;

  std::array<int32_t, kSlots> pop{}, land{};
  for (int slot = 0; slot < kSlots; ++slot) {
    pop[size_t(slot)] = d.players[size_t(slot)].populationScore;
    land[size_t(slot)] = d.players[size_t(slot)].landScore;
  }
  for (int master = 0; master < kSlots; ++master) {
    const int32_t team = d.slots[size_t(master)].team;
    int32_t vassalPop = 0, vassalLand = 0;
    for (int v = 0; v < kSlots; ++v) {
      const testing::PlayerDesc& p = d.players[size_t(v)];
      if (p.playerAlive == 0 || d.teams[size_t(d.slots[size_t(v)].team)].isVassal[size_t(team)] == 0) continue;
      vassalPop += p.populationScore / 2;
      vassalLand += p.landScore / 2;
      pop[size_t(v)] = p.populationScore / 2;
      land[size_t(v)] = p.landScore / 2;
    }
    const int32_t members = std::max(1, d.teams[size_t(team)].teamMembers);
    pop[size_t(master)] += vassalPop / members;
    land[size_t(master)] += vassalLand / members;
  }
  for (int slot = 0; slot < kSlots; ++slot) {
    const testing::PlayerDesc& p = d.players[size_t(slot)];
    if (p.playerAlive == 0) continue;
    s.score[size_t(slot)] = GameScorePart(pop[size_t(slot)], d.maxPopScore, 5000) +
                            GameScorePart(land[size_t(slot)], d.maxLandScore, 2000) +
                            GameScorePart(p.techScore, d.maxTechScore, 2000) +
                            GameScorePart(p.wondersScore, d.maxWonderScore, 1000);
  }
  d.gameScore = s.score[0];
}

// The game as it stood at the start of turn `turn`: what happened since is
// gone (messages, histories, cities, buildings, discoveries, contacts, the
// vassal), the cities are smaller and the scores follow. The borders are
// those the cities of the turn spread with the culture they had then.
SaveDescription AtTurn(const Story& story, int32_t turn) {
  Story s = story;
  SaveDescription& d = s.save;
  const double share = double(turn) / kCurrentTurn;
  d.elapsedTurns = turn;
  d.playTimeQuarterSeconds = int32_t(d.playTimeQuarterSeconds * share);
  std::erase_if(d.replay, [turn](const testing::ReplayMessageDesc& m) { return m.turn >= turn; });
  for (int slot = 0; slot < kSlots; ++slot) {
    testing::PlayerDesc& p = d.players[size_t(slot)];
    if (p.playerAlive == 0) continue;
    std::erase_if(p.messages, [turn](const testing::MessageDesc& m) { return m.turn >= turn; });
    for (auto& history : p.histories)
      std::erase_if(history, [turn](const testing::HistoryPair& h) { return h.turn >= turn; });
    const size_t citiesNow = std::max<size_t>(1, p.cities.size());
    int wonders = 0;
    std::vector<testing::CityDesc> cities;
    for (testing::CityDesc& rec : p.cities) {
      const auto it = std::find_if(s.cities.begin(), s.cities.end(),
                                   [&rec](const DemoCity& c) { return c.x == rec.x && c.y == rec.y; });
      if (it == s.cities.end() || it->founded >= turn || it->capturedTurn >= turn) continue;
      // A city grows and gathers culture over its whole life.
      const double grown = double(turn - it->founded) / std::max(1, kCurrentTurn - it->founded);
      rec.population = std::max(1, int32_t(std::lround(rec.population * grown)));
      rec.culture = int32_t(rec.culture * grown);
      for (const Building& b : it->built) {
        if (b.turn < turn) {
          wonders += IsWorldWonder(b.row);
          continue;
        }
        rec.hasBuilding[size_t(b.row)] = rec.freeBuilding[size_t(b.row)] = 0;
        rec.buildingProduction[size_t(b.row)] = 0;
      }
      cities.push_back(rec);
    }
    p.landScore = int32_t(p.landScore * double(cities.size()) / citiesNow);
    p.cities = std::move(cities);
    p.playerPopulation = 0;
    for (const auto& city : p.cities) p.playerPopulation += city.population;
    p.populationScore = p.playerPopulation;
    p.techScore = TechScore(s, d.slots[size_t(slot)].team, turn);
    p.wondersScore = kWonderPoints * wonders;
    p.unitCount = std::max(1, int32_t(p.unitCount * share));
    p.playerGold = int32_t(p.playerGold * share);
  }
  Story borders = s;
  std::erase_if(borders.cities, [turn](const DemoCity& c) { return c.founded >= turn || c.capturedTurn >= turn; });
  for (DemoCity& c : borders.cities)
    c.culturePoints = int32_t(c.culturePoints * double(turn - c.founded) / std::max(1, kCurrentTurn - c.founded));
  MarkOwnership(borders);
  d.plots = std::move(borders.save.plots);
  testing::CountPlots(d);
  for (int team = 0; team < kTeams; ++team) {
    testing::TeamDesc& t = d.teams[size_t(team)];
    for (const Discovery& k : s.research[size_t(team)])
      if (k.turn >= turn) t.hasTech[size_t(k.tech)] = 0;
    t.teamPopulation = t.teamLand = 0;
  }
  for (int slot = 0; slot < kSlots; ++slot) {
    const testing::PlayerDesc& p = d.players[size_t(slot)];
    if (p.playerAlive == 0) continue;
    testing::TeamDesc& t = d.teams[size_t(d.slots[size_t(slot)].team)];
    t.teamPopulation += p.playerPopulation;
    t.teamLand += p.landScore;
  }
  for (const Contact& c : kContacts)
    if (c.turn >= turn) d.teams[size_t(c.a)].hasMet[size_t(c.b)] = d.teams[size_t(c.b)].hasMet[size_t(c.a)] = 0;
  if (turn <= s.vassalTurn) d.teams[6].isVassal[4] = 0;
  ScoreGame(s);
  // The score history ends on the score of the turn, as the pages recombine it.
  for (int slot = 0; slot < kSlots; ++slot) {
    auto& scores = d.players[size_t(slot)].histories[0];
    if (!scores.empty()) scores.back().value = s.score[size_t(slot)];
  }
  return d;
}

// The game at turn 150 as a reload betrays it: someone went back to a save
// of turn 104 and played on from there, so its replay holds a session at
// turn 104 that neither the save of turn 120 nor that of turn 180 has.
SaveDescription Reloaded(const Story& story) {
  SaveDescription d = AtTurn(story, 150);
  const auto session = std::find_if(d.replay.begin(), d.replay.end(),
                                    [](const testing::ReplayMessageDesc& m) { return m.text == "Session started"; });
  if (session == d.replay.end()) throw std::logic_error("the demo's replay holds no session");
  testing::ReplayMessageDesc reload = *session;
  reload.turn = 104;
  const auto at =
      std::find_if(d.replay.begin(), d.replay.end(), [](const testing::ReplayMessageDesc& m) { return m.turn >= 104; });
  d.replay.insert(at, reload);
  return d;
}

// Another game entirely: a Quick game on a Standart-size Pangaea at Monarch,
// from the test save writer's small example.
SaveDescription SecondGame() {
  SaveDescription d = testing::ExampleSave(9);
  d.gameName = "Northern Reach";
  d.mapScript = "Pangaea";
  d.worldSize = 3;
  d.gameSpeed = 3;
  d.endTurn = 330;  // a Quick game's length
  d.difficulty = 5;
  d.slots[0].handicap = 5;
  d.playTimeQuarterSeconds = 4 * (3 * 3600 + 12 * 60 + 40);
  d.compressionLevel = 6;
  return d;
}

void PrintSummary(const Story& s, size_t bytes) {
  const SaveDescription& d = s.save;
  std::printf("%zu bytes; map %dx%d, %d land plots, %d owned; %zu replay messages\n", bytes, d.mapWidth, d.mapHeight,
              d.landPlots, d.ownedPlots, d.replay.size());
  for (int slot = 0; slot < kSlots; ++slot) {
    const testing::PlayerDesc& p = d.players[size_t(slot)];
    if (p.playerAlive == 0) continue;
    std::printf("  %2d %-14s score %5d  pop %3d  land %3d  techs %2zu  cities %zu  messages %zu\n", slot,
                d.slots[size_t(slot)].leaderName.c_str(), s.score[size_t(slot)], p.playerPopulation, p.landScore,
                s.research[size_t(d.slots[size_t(slot)].team)].size(), p.cities.size(), p.messages.size());
  }
}

}  // namespace
}  // namespace tolvane::demo

int main(int argc, char** argv) {
  using namespace tolvane::demo;
  namespace fs = std::filesystem;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo FOLDER  (writes the demo saves into FOLDER)\n");
    return 2;
  }
  try {
    CheckTableRows();
    Story s;
    Rng rng(kSeed);
    SetUpHeader(s.save);
    SetUpSlots(s.save);
    BuildMap(s, rng);
    PlaceCities(s, rng);
    PlanResearch(s, rng);
    BuildCities(s, rng);
    MarkOwnership(s);
    SetUpPlayers(s);
    SetUpTeams(s);
    ScoreGame(s);
    TellStory(s, rng);
    DrawHistories(s, rng);
    const fs::path folder(argv[1]);
    fs::create_directories(folder);
    const std::vector<uint8_t> file = tolvane::testing::WriteSaveFile(s.save);
    tolvane::testing::WriteFile((folder / "demo.CivWarlordsSave").string(), file);
    PrintSummary(s, file.size());
    for (const int32_t turn : {60, 120})
      tolvane::testing::WriteFile((folder / fmt::format("demo-turn-{:03}.CivWarlordsSave", turn)).string(),
                                  tolvane::testing::WriteSaveFile(AtTurn(s, turn)));
    tolvane::testing::WriteFile((folder / "demo-reloaded.CivWarlordsSave").string(),
                                tolvane::testing::WriteSaveFile(Reloaded(s)));
    std::vector<uint8_t> second = tolvane::testing::WriteSaveFile(SecondGame());
    tolvane::testing::WriteFile((folder / "second-game.CivWarlordsSave").string(), second);
    // A copy broken off in its compressed body, as an interrupted download leaves it.
    second.resize(second.size() * 2 / 5);
    tolvane::testing::WriteFile((folder / "damaged.CivWarlordsSave").string(), second);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_demo: %s\n", e.what());
    return 1;
  }
  return 0;
}
