// The demo game's course: what each team researched and when, its wars,
// and the texts the host game wrote about it: the replay of the whole game
// and every player's own messages.
#include <fmt/format.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "Demo.h"
#include "rules/Tables.h"

namespace tolvane::demo {
namespace {

using testing::MessageDesc;
using testing::ReplayMessageDesc;

// Message types and colour codes of the host game.
constexpr int32_t kGeneral = 0, kDiplomacy = 1, kCityEvent = 3, kDiscoveryType = 4, kCombat = 5;
constexpr int32_t kOlive = 33, kGrey = 34, kBlue = 36, kGreen = 37, kRed = 38;

// The order in which a team without favourites learns the technologies.
constexpr const char* kCommonPath[] = {
    "Agriculture",   "Mining",         "Hunting",       "The Wheel",     "Fishing",
    "Mysticism",     "Bronze Working", "Pottery",       "Masonry",       "Animal Husbandry",
    "Writing",       "Meditation",     "Priesthood",    "Polytheism",    "Archery",
    "Sailing",       "Alphabet",       "Iron Working",  "Mathematics",   "Horseback Riding",
    "Monarchy",      "Currency",       "Code of Laws",  "Literature",    "Calendar",
    "Construction",  "Monotheism",     "Metal Casting", "Philosophy",    "Drama",
    "Compass",       "Machinery",      "Theology",      "Civil Service", "Feudalism",
    "Engineering",   "Paper",          "Music",         "Banking",       "Optics",
    "Guilds",        "Astronomy",      "Education",     "Divine Right",  "Gunpowder",
    "Printing Press"};

// How many technologies each team knows now.
const std::map<int, int> kKnownTechs = {{0, 41}, {2, 37}, {4, 31}, {5, 38}, {6, 24}};

constexpr int32_t kOpenBordersTurn = 74;  // the Romans and the Greeks
constexpr int32_t kSessionTurns[] = {0, 97};

std::vector<int> Members(int team) {
  std::vector<int> slots;
  for (int slot = 0; slot < kPlayers; ++slot) {
    if (CivOfSlot(slot).team == team) slots.push_back(slot);
  }
  return slots;
}

std::string Leaders(int team) {
  std::string names;
  for (int slot : Members(team)) names += (names.empty() ? "" : " and ") + std::string(CivOfSlot(slot).leader);
  return names;
}

std::string Marked(int slot) {
  const CivSeed& civ = CivOfSlot(slot);
  return fmt::format("<color={},255>{}</color>", civ.markup, civ.leader);
}

std::string MarkedTeam(int team) {
  std::string names;
  for (int slot : Members(team)) names += (names.empty() ? "" : " and ") + Marked(slot);
  return names;
}

const char* HasOrHave(int team) { return Members(team).size() > 1 ? "have" : "has"; }

// Collects the texts: one list per player, one replay.
class Chronicle {
 public:
  explicit Chronicle(Story& s) : s_(s) {}

  void Tell(int slot, int32_t turn, int32_t type, int32_t color, std::string text, const char* sound) {
    if (turn < 0 || turn >= kCurrentTurn) return;
    MessageDesc m;
    m.text = std::move(text);
    m.auxText1 = sound;
    m.auxInt1 = 8;
    m.color = color;
    m.auxInt2 = -1;
    m.auxInt3 = -1;
    m.auxFlag1 = 1;
    m.turn = turn;
    m.messageType = type;
    m.auxInt4 = 0;
    m.auxInt5 = 0;
    m.auxFlag3 = type == kCombat ? 1 : 0;
    s_.save.players[size_t(slot)].messages.push_back(std::move(m));
  }
  void TellTeam(int team, int32_t turn, int32_t type, int32_t color, const std::string& text, const char* sound) {
    for (int slot : Members(team)) Tell(slot, turn, type, color, text, sound);
  }
  void Replay(int32_t turn, int slot, int32_t kind, int32_t color, std::string text, int32_t x = -1, int32_t y = -1) {
    if (turn < 0 || turn >= kCurrentTurn) return;
    s_.save.replay.push_back(ReplayMessageDesc{turn, slot, kind, x, y, std::move(text), color});
  }
  void Finish() {
    auto byTurn = [](const auto& a, const auto& b) { return a.turn < b.turn; };
    std::stable_sort(s_.save.replay.begin(), s_.save.replay.end(), byTurn);
    for (auto& p : s_.save.players) std::stable_sort(p.messages.begin(), p.messages.end(), byTurn);
  }

 private:
  Story& s_;
};

// Who held a city on a turn.
int HolderAt(const DemoCity& c, int32_t turn) {
  return c.capturedTurn >= 0 && turn < c.capturedTurn ? c.foundedBy : c.owner;
}

void TellCities(Story& s, Chronicle& ch, Rng& rng) {
  for (const DemoCity& c : s.cities) {
    const int founder = c.foundedBy;
    if (founder == kBarbarianSlot) {
      ch.Replay(c.founded, founder, 1, kBlue, fmt::format("Barbarians have founded {}.", c.name), c.x, c.y);
      continue;
    }
    ch.Replay(c.founded, founder, 1, kBlue, fmt::format("{} has founded {}.", Marked(founder), c.name), c.x, c.y);
    ch.Tell(founder, c.founded, kCityEvent, kGreen, fmt::format("You have founded {}.", c.name), "AS2D_BUILD_CITY");
    // Growth, as far as the holder of the day saw it.
    const int32_t span = kCurrentTurn - 1 - c.founded;
    const int32_t grownTo = c.capturedTurn >= 0 ? c.population * 2 : c.population;
    for (int32_t size = 2; size <= grownTo; ++size) {
      const int32_t turn = c.founded + (size - 1) * span / grownTo + rng.Range(-1, 1);
      if (c.capturedTurn >= 0 && turn >= c.capturedTurn) break;
      ch.Tell(HolderAt(c, turn), turn, kCityEvent, kGrey, fmt::format("{} has grown to size {}.", c.name, size),
              "AS2D_CITY_GROW");
    }
    // Buildings and borders.
    int32_t culture = 0, rate = 0, lastTurn = c.founded;
    int level = 0;
    for (const Building& b : c.built) {
      for (; lastTurn < b.turn; ++lastTurn) {
        culture += rate;
        if ((level == 0 && culture >= 10) || (level == 1 && culture >= 100) || (level == 2 && culture >= 500)) {
          ++level;
          ch.Tell(HolderAt(c, lastTurn), lastTurn, kCityEvent, kGreen,
                  fmt::format("The borders of {} have expanded!", c.name), "AS2D_CULTUREEXPANDS");
        }
      }
      rate += CultureRate(b.row);
      if (b.free || b.row == 0) continue;
      const int holder = HolderAt(c, b.turn);
      const std::string what = BuildingObject(b.row);
      ch.Tell(holder, b.turn, kCityEvent, kBlue, fmt::format("{} has completed {}.", c.name, what),
              "AS2D_BUILD_BUILDING");
      if (IsWorldWonder(b.row)) {
        ch.Replay(b.turn, holder, 4, kGreen, fmt::format("{} has completed {} in {}!", Marked(holder), what, c.name),
                  c.x, c.y);
        std::string sentence =
            fmt::format("{} {} been completed in a distant land.", what, BuildingPlural(b.row) ? "have" : "has");
        sentence[0] = char(std::toupper(static_cast<unsigned char>(sentence[0])));
        for (int other = 0; other < kPlayers; ++other) {
          if (CivOfSlot(other).team != CivOfSlot(holder).team) {
            ch.Tell(other, b.turn, kGeneral, kGrey, sentence, "AS2D_WONDER_BUILDING_BUILD");
          }
        }
      }
    }
    // Now and then a unit, a famine.
    for (int32_t turn = c.founded + rng.Range(4, 12); turn < kCurrentTurn; turn += rng.Range(14, 30)) {
      static constexpr const char* kUnits[] = {"Warrior",  "Worker",    "Archer",    "Settler", "Spearman", "Axeman",
                                               "Catapult", "Work Boat", "Swordsman", "Pikeman", "Knight"};
      const size_t era = std::min<size_t>(std::size(kUnits) - 1, size_t(turn / 18));
      const char* unit = kUnits[size_t(rng.Range(int(era > 4 ? era - 4 : 0), int(era)))];
      ch.Tell(HolderAt(c, turn), turn, kCityEvent, kBlue,
              fmt::format("You have trained {} in {}.", WithArticle(unit), c.name), "AS2D_UNIT_BUILD_UNIT");
    }
    if (rng.Chance(0.15)) {
      const int32_t turn = rng.Range(c.founded + 20, kCurrentTurn - 1);
      ch.Tell(HolderAt(c, turn), turn, kCityEvent, kRed, fmt::format("{} is starving!", c.name), "AS2D_STARVE");
    }
    if (c.faithArrived >= 0) {
      const int religion = CivOfSlot(c.owner).religion;
      ch.Tell(HolderAt(c, c.faithArrived), c.faithArrived, kCityEvent, kGrey,
              fmt::format("{} has spread to {}.", kReligions[size_t(religion)].name, c.name), "AS2D_RELIGION_CONVERT");
    }
  }
}

void TellResearch(Story& s, Chronicle& ch) {
  for (int team = 0; team < kTeams; ++team) {
    for (const Discovery& d : s.research[size_t(team)]) {
      if (d.turn <= 0) continue;
      ch.TellTeam(team, d.turn, kDiscoveryType, kBlue,
                  fmt::format("You have discovered {}!", kTechInfo[size_t(d.tech)].name), "AS2D_TECH_GENERIC");
    }
  }
  for (size_t r = 0; r < kReligions.size(); ++r) {
    const int team = s.religionFounder[r];
    if (team < 0) continue;
    const int32_t turn = s.religionTurn[r];
    const Religion& religion = kReligions[r];
    const int slot = HolySlot(s, int(r));
    const auto capital = std::find_if(s.cities.begin(), s.cities.end(),
                                      [slot](const DemoCity& c) { return c.capital && c.foundedBy == slot; });
    ch.Replay(turn, slot, 5, kGrey, fmt::format("{} is the first to discover {}!", Marked(slot), religion.tech));
    ch.Replay(turn, slot, 6, kBlue, fmt::format("{} has been founded in {}!", religion.name, capital->name));
    ch.TellTeam(team, turn, kDiplomacy, kBlue, fmt::format("You have founded {} in {}!", religion.name, capital->name),
                "AS2D_RELIGION_FOUND");
    for (int other = 0; other < kPlayers; ++other) {
      if (CivOfSlot(other).team != team) {
        ch.Tell(other, turn, kDiplomacy, kGrey, fmt::format("{} has been founded in a distant land.", religion.name),
                "AS2D_RELIGION_FOUND_OTHER");
      }
    }
  }
}

// Unit names as each side would field them in an era.
std::string UnitOf(int slot, int32_t turn, Rng& rng) {
  static constexpr const char* kEarly[] = {"Warrior", "Archer", "Axeman", "Spearman", "Chariot"};
  static constexpr const char* kMiddle[] = {"Swordsman", "Horse Archer", "Catapult", "Axeman", "Spearman", "Archer"};
  static constexpr const char* kLate[] = {"Knight", "Pikeman", "Longbowman", "Crossbowman", "Maceman", "Trebuchet"};
  std::string unit = turn < 60    ? kEarly[rng.Range(0, 4)]
                     : turn < 125 ? kMiddle[rng.Range(0, 5)]
                                  : kLate[rng.Range(0, 5)];
  if (slot == kBarbarianSlot) return turn < 60 ? unit : std::string(kMiddle[rng.Range(0, 5)]);
  switch (CivOfSlot(slot).civType) {  // the civilizations' own units
    case 19:
      return unit == "Swordsman" ? "Praetorian" : unit;
    case 4:
      return unit == "Swordsman" ? "Gallic Warrior" : unit;
    case 6:
      return unit == "Chariot" ? "War Chariot" : unit;
    case 16:
      return unit == "Horse Archer" ? "Keshik" : unit;
    case 10:
      return unit == "Spearman" ? "Phalanx" : unit;
    case 11:
      return unit == "Warrior" ? "Quechua" : unit;
    default:
      return unit;
  }
}

void TellBattles(Chronicle& ch, int slot, int enemy, int32_t from, int32_t to, int count, double wins, Rng& rng) {
  const std::string adjective = CivOfSlot(enemy).adjective;
  for (int i = 0; i < count; ++i) {
    const int32_t turn = rng.Range(from, std::min(to, kCurrentTurn - 1));
    const std::string ours = UnitOf(slot, turn, rng), theirs = WithArticle(adjective + " " + UnitOf(enemy, turn, rng));
    const bool defending = rng.Chance(0.4);
    if (rng.Chance(0.08)) {
      ch.Tell(slot, turn, kCombat, kGrey, fmt::format("Your {} has withdrawn from combat with {}.", ours, theirs),
              "AS2D_OUR_WITHDRAWL");
    } else if (rng.Chance(wins)) {
      const std::string text = defending ? fmt::format("While defending, your {} has killed {}!", ours, theirs)
                                         : fmt::format("Your {} has destroyed {}!", ours, theirs);
      ch.Tell(slot, turn, kCombat, kGreen, fmt::format("<color=0,255,0,255>{}</color>", text), "AS2D_VICTORY");
    } else {
      const std::string text = defending ? fmt::format("While defending, your {} has been killed by {}!", ours, theirs)
                                         : fmt::format("Your {} has been defeated by {}!", ours, theirs);
      ch.Tell(slot, turn, kCombat, kRed, fmt::format("<color=255,0,0,255>{}</color>", text), "AS2D_DEFEAT");
    }
  }
}

void TellWars(Story& s, Chronicle& ch, Rng& rng) {
  for (int slot = 0; slot < kPlayers; ++slot) {  // everyone fights the barbarians early on
    TellBattles(ch, slot, kBarbarianSlot, 14, 95, rng.Range(3, 7), 0.7, rng);
    for (int k = 0; k < 2; ++k) {
      ch.Tell(slot, rng.Range(20, 90), kGeneral, kRed, "Barbarians have been spotted near your borders!",
              "AS2D_BARBARIANS");
    }
  }
  const DemoCity* lost = nullptr;
  for (const DemoCity& c : s.cities) {
    if (c.capturedTurn >= 0) lost = &c;
  }
  for (const War& w : s.wars) {
    const int32_t end = w.end < 0 ? kCurrentTurn - 1 : w.end;
    ch.Replay(w.start, Members(w.attacker).front(), 7, kRed,
              fmt::format("{} {} declared war on {}!", MarkedTeam(w.attacker), HasOrHave(w.attacker),
                          MarkedTeam(w.defender)));
    ch.TellTeam(w.attacker, w.start, kDiplomacy, kRed, fmt::format("You have declared war on {}!", Leaders(w.defender)),
                "AS2D_DECLAREWAR");
    ch.TellTeam(w.defender, w.start, kDiplomacy, kRed,
                fmt::format("{} {} declared war on you!", Leaders(w.attacker), HasOrHave(w.attacker)),
                "AS2D_DECLAREWAR");
    for (int a : Members(w.attacker)) {
      for (int d : Members(w.defender)) {
        const int fights = rng.Range(5, 9);
        TellBattles(ch, a, d, w.start + 2, end, fights, 0.62, rng);
        TellBattles(ch, d, a, w.start + 2, end, fights, 0.45, rng);
      }
    }
    if (w.end >= 0 && w.defender != 6) {
      ch.Replay(w.end, Members(w.attacker).front(), 8, kGreen,
                fmt::format("{} {} made peace with {}.", MarkedTeam(w.attacker), HasOrHave(w.attacker),
                            MarkedTeam(w.defender)));
      ch.TellTeam(w.attacker, w.end, kDiplomacy, kGreen,
                  fmt::format("You have made peace with {}.", Leaders(w.defender)), "AS2D_MAKEPEACE");
      ch.TellTeam(w.defender, w.end, kDiplomacy, kGreen,
                  fmt::format("You have made peace with {}.", Leaders(w.attacker)), "AS2D_MAKEPEACE");
    }
  }
  // The Incas give in to the Mongols.
  ch.Replay(s.vassalTurn, 6, 9, kRed, fmt::format("{} has become a vassal of {}!", Marked(6), Marked(4)));
  ch.Tell(4, s.vassalTurn, kDiplomacy, kGreen, "Huayana Capac has become your vassal!", "AS2D_WELOVEKING");
  ch.Tell(6, s.vassalTurn, kDiplomacy, kRed, "You have become a vassal of Genghis Khan.", "AS2D_DEAL_CANCELLED");
  for (int slot : {0, 1, 2, 3}) {
    ch.Tell(slot, s.vassalTurn, kDiplomacy, kGrey, "Huayana Capac has become a vassal of Genghis Khan.", "");
  }
  if (lost) {
    ch.Replay(lost->capturedTurn, lost->owner, 10, kRed,
              fmt::format("{} has been captured by {}!", lost->name, Marked(lost->owner)), lost->x, lost->y);
    ch.Tell(lost->owner, lost->capturedTurn, kCombat, kGreen,
            fmt::format("<color=0,255,0,255>You have captured {}!</color>", lost->name), "AS2D_CITYCAPTURE");
    ch.Tell(lost->foundedBy, lost->capturedTurn, kCombat, kRed,
            fmt::format("<color=255,0,0,255>{} has been captured by {}!</color>", lost->name,
                        CivOfSlot(lost->owner).leader),
            "AS2D_CITYCAPTURED");
  }
}

void TellDiplomacy(Chronicle& ch) {
  for (const Contact& c : kContacts) {
    for (int a : Members(c.a)) {
      for (int b : Members(c.b)) {
        ch.Tell(a, c.turn, kDiplomacy, kGrey,
                fmt::format("You have met {} of the {}.", CivOfSlot(b).leader, CivOfSlot(b).description),
                "AS2D_FIRSTCONTACT");
        ch.Tell(b, c.turn, kDiplomacy, kGrey,
                fmt::format("You have met {} of the {}.", CivOfSlot(a).leader, CivOfSlot(a).description),
                "AS2D_FIRSTCONTACT");
      }
    }
  }
  ch.TellTeam(0, kOpenBordersTurn, kDiplomacy, kGrey, "You have signed an Open Borders agreement with Alexander.",
              "AS2D_DEAL");
  ch.Tell(5, kOpenBordersTurn, kDiplomacy, kGrey, "You have signed an Open Borders agreement with Ingrid and Bismarck.",
          "AS2D_DEAL");
}

// Great people, great generals and golden ages.
void TellGreatPeople(Story& s, Chronicle& ch, Rng& rng) {
  struct Person {
    const char* kind;
    const char* names[4];
  };
  static constexpr Person kPeople[] = {
      {"Prophet", {"Moses", "Zoroaster", "Ezra", "Bodhidharma"}},
      {"Scientist", {"Archimedes", "Aristotle", "Euclid", "Hypatia"}},
      {"Artist", {"Homer", "Sappho", "Virgil", "Ovid"}},
      {"Merchant", {"Marco Polo", "Zheng He", "Ibn Battuta", "Croesus"}},
      {"Engineer", {"Imhotep", "Vitruvius", "Apollodorus", "Isidore"}},
  };
  static constexpr int kBorn[kPlayers] = {4, 1, 2, 3, 0, 3, 0};
  static constexpr int kGenerals[kPlayers] = {1, 0, 1, 0, 2, 0, 0};
  std::array<size_t, std::size(kPeople)> used{};  // names taken so far, per kind
  for (int slot = 0; slot < kPlayers; ++slot) {
    std::vector<const DemoCity*> own;
    for (const DemoCity& c : s.cities) {
      if (c.owner == slot) own.push_back(&c);
    }
    testing::PlayerDesc& p = s.save.players[size_t(slot)];
    p.greatPeopleCreated = kBorn[slot];
    for (int i = 0; i < kBorn[slot]; ++i) {
      size_t kind = size_t(rng.Range(0, int(std::size(kPeople)) - 1));
      while (used[kind] == std::size(kPeople[kind].names)) kind = (kind + 1) % std::size(kPeople);
      const Person& who = kPeople[kind];
      const char* name = who.names[used[kind]++];
      const DemoCity* city = own[size_t(i == 0 ? 0 : rng.Range(0, int(own.size()) - 1))];
      const int32_t turn = 60 + (i + 1) * 110 / (kBorn[slot] + 1) + rng.Range(-4, 4);
      const std::string text = fmt::format("{} (Great {}) has been born in {}!", name, who.kind, city->name);
      ch.Tell(slot, turn, kGeneral, kOlive, text, "AS2D_GREAT_PEOPLE_BORN");
      ch.Replay(turn, slot, 11, kGrey, text, city->x, city->y);
    }
    p.greatGeneralsCreated = kGenerals[slot];
    p.generalPoints = rng.Range(2, 30 * (kGenerals[slot] + 1) - 1);
    for (int i = 0; i < kGenerals[slot]; ++i) {
      const DemoCity* city = own[size_t(rng.Range(0, int(own.size()) - 1))];
      const int32_t turn = 85 + 40 * i + rng.Range(0, 10);
      ch.Tell(slot, turn, kGeneral, kGreen, fmt::format("A Great General has been born near {}!", city->name),
              "AS2D_GREAT_PEOPLE_BORN");
    }
  }
  for (auto [slot, turn] : {std::pair{0, 108}, std::pair{5, 131}}) {
    ch.Tell(slot, turn, kGeneral, kGreen, "Your citizens are celebrating the start of a Golden Age!",
            "AS2D_GOLDAGESTART");
    ch.Tell(slot, turn + 8, kGeneral, kGrey, "Your Golden Age has come to an end.", "AS2D_GOLDAGEEND");
    ch.Replay(turn, slot, 12, kGreen,
              fmt::format("The {} people have entered a Golden Age!", CivOfSlot(slot).adjective));
  }
}

}  // namespace

const std::vector<Contact> kContacts = {{0, 5, 19}, {2, 6, 24}, {2, 4, 27}, {4, 6, 33},
                                        {0, 2, 57}, {0, 4, 66}, {0, 6, 71}, {2, 5, 88}};

int HolySlot(const Story& s, int religion) {
  const int team = s.religionFounder[size_t(religion)];
  if (team < 0) return -1;
  for (int slot : Members(team)) {
    if (CivOfSlot(slot).religion == religion) return slot;
  }
  return Members(team).front();
}

int TechRow(const char* name) {
  for (int k = 0; k < kTechs; ++k) {
    if (kTechInfo[size_t(k)].name == name) return k;
  }
  std::fprintf(stderr, "make_demo: no technology named %s\n", name);
  std::abort();
}

int32_t DiscoveryTurn(const Story& s, int team, int tech) {
  if (team < 0 || team >= kTeams) return -1;
  for (const Discovery& d : s.research[size_t(team)]) {
    if (d.tech == tech) return d.turn;
  }
  return -1;
}

int32_t DiscoveryTurn(const Story& s, int team, const char* techName) {
  return DiscoveryTurn(s, team, TechRow(techName));
}

std::string WithArticle(const std::string& noun) {
  const bool vowel = !noun.empty() && std::string_view("AEIOU").find(noun[0]) != std::string_view::npos;
  return (vowel ? "an " : "a ") + noun;
}

void PlanResearch(Story& s, Rng& rng) {
  s.researching.fill(-1);
  for (int team = 0; team < kTeams; ++team) {
    std::vector<int> path;
    auto add = [&path](const char* name) {
      const int k = TechRow(name);
      if (std::find(path.begin(), path.end(), k) == path.end()) path.push_back(k);
    };
    size_t starts = 0;
    for (int pass = 0; pass < 2; ++pass) {
      for (const CivSeed& civ : Civs()) {
        if (civ.team != team) continue;
        for (const char* name : pass == 0 ? civ.startTechs : civ.favouriteTechs) add(name);
      }
      if (pass == 0) starts = path.size();
    }
    if (path.empty()) continue;
    if (team == kBarbarianSlot) {  // the barbarians just know their techs
      for (int k : path) s.research[size_t(team)].push_back({k, 0});
      continue;
    }
    for (const char* name : kCommonPath) add(name);
    const int known = kKnownTechs.at(team);
    const int discoveries = known - int(starts);
    int32_t last = 0;
    for (int i = 0; i < known; ++i) {
      int32_t turn = 0;
      if (size_t(i) >= starts) {
        const double share = double(int(i - starts) + 1) / (discoveries + 0.4);
        turn = std::max(last + 1, int32_t(std::lround(2 + 176 * std::pow(share, 1.08))) + rng.Range(-2, 2));
        turn = std::min(turn, kCurrentTurn - 1);
        last = turn;
      }
      s.research[size_t(team)].push_back({path[size_t(i)], turn});
    }
    s.researching[size_t(team)] = path[size_t(known)];
  }
  // A religion goes to the first team to discover its technology.
  for (size_t r = 0; r < kReligions.size(); ++r) {
    s.religionFounder[r] = -1;
    for (int team = 0; team < kBarbarianSlot; ++team) {
      const int32_t turn = DiscoveryTurn(s, team, kReligions[r].tech);
      if (turn > 0 && (s.religionFounder[r] < 0 || turn < s.religionTurn[r])) {
        s.religionFounder[r] = team;
        s.religionTurn[r] = turn;
      }
    }
  }
  s.wars = {{4, 6, 58, 84}, {4, 2, 96, 131}, {2, 0, 142, -1}};
  s.vassalTurn = 84;
}

void TellStory(Story& s, Rng& rng) {
  Chronicle ch(s);
  // A session's message opens its turn's replay: the host game writes it
  // when the save is loaded, before anything happens.
  for (int32_t turn : kSessionTurns) ch.Replay(turn, 0, 0, kGrey, "Session started");
  TellCities(s, ch, rng);
  TellResearch(s, ch);
  TellWars(s, ch, rng);
  TellDiplomacy(ch);
  TellGreatPeople(s, ch, rng);
  ch.Finish();
}

}  // namespace tolvane::demo
