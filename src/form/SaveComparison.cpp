#include "form/SaveComparison.h"

#include <fmt/format.h>

#include <algorithm>
#include <new>

#include "form/Blanks.h"
#include "form/Form.h"
#include "form/Latin1.h"
#include "form/SaveLineage.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/GameCodes.h"
#include "rules/Tables.h"

namespace tolvane::form {

namespace {

// The replay messages the Replay page has a line for.
std::vector<const ReplayMessage*> ReplayLines(const Analysis& a) {
  std::vector<const ReplayMessage*> lines;
  for (const ReplayMessage& m : a.replay)
    if (!m.text.empty()) lines.push_back(&m);
  return lines;
}

bool SameLine(const ReplayMessage& x, const ReplayMessage& y) { return x.turn == y.turn && x.text == y.text; }

// The messages of a player's log with a line on the Player Log page (its
// filters aside).
std::vector<const Message*> LogLines(const Analysis& a, int slot) {
  const auto& messages = a.messages[size_t(slot)];
  const size_t count = std::min(messages.size(), size_t(std::max(a.messageCount[size_t(slot)], 0)));
  std::vector<const Message*> lines;
  for (size_t j = 0; j < count; ++j)
    if (!messages[j].text.empty()) lines.push_back(&messages[j]);
  return lines;
}

// Whether a page with a player selector shows the slot: every player while
// the selector is offered, else only the player it stands at.
bool ShowsSlot(const Page& page, const ComboBox& selector, const Analysis& a, int slot) {
  return page.Visible() && (selector.Visible() || SlotOf(selector, a, 0) == slot);
}

bool PlayerShown(const Form& form, int slot) {
  return ShowsSlot(form.player, form.player.playerSelector, form.Model(), slot);
}

bool LogShown(const Form& form, int slot) {
  return ShowsSlot(form.playerLog, form.playerLog.playerSelector, form.Model(), slot);
}

bool Listed(const Analysis& a, int slot) {
  return DetailOf(a, slot) != Detail::Nothing && !a.slots[size_t(slot)].leaderName.empty();
}

std::vector<ComparedSetting> Settings(const SaveLineage& earlier, const SaveLineage& later) {
  std::vector<ComparedSetting> settings;
  for (size_t i = 0; i < kSameGameSettings.size(); ++i)
    settings.push_back({std::string(kSameGameSettings[i]), earlier.settings[i], later.settings[i]});
  return settings;
}

std::vector<std::string> CityNames(const Analysis& a, int slot) {
  std::vector<std::string> names;
  for (const City& city : a.cities[size_t(slot)]) names.push_back(city.name);
  return names;
}

// The names in `of` that `in` does not hold (each name as often as it is
// missing), in the order of `of`.
std::vector<const City*> CitiesMissing(const std::vector<City>& of, std::vector<std::string> in) {
  std::vector<const City*> missing;
  for (const City& city : of) {
    const auto found = std::find(in.begin(), in.end(), city.name);
    if (found == in.end())
      missing.push_back(&city);
    else
      in.erase(found);
  }
  return missing;
}

PlayerChange PlayerOf(const Form& earlierForm, const Form& laterForm, int slot) {
  const Analysis &e = earlierForm.Model(), &l = laterForm.Model();
  const auto s = size_t(slot);
  PlayerChange player;
  player.slot = slot;
  player.leader = Latin1ToUtf8(Listed(l, slot) ? l.slots[s].leaderName : e.slots[s].leaderName);
  if (DetailOf(e, slot) == Detail::Everything && DetailOf(l, slot) == Detail::Everything) {
    // A player out of the game scores nothing on the Leaders page.
    player.score = Change{e.playerAlive[s] ? e.playerScore[s] : 0, l.playerAlive[s] ? l.playerScore[s] : 0};
    player.land = Change{e.ownedLandCount[s], l.ownedLandCount[s]};
    player.population = Change{e.playerPopulation[s], l.playerPopulation[s]};
  }
  if (PlayerShown(earlierForm, slot) && PlayerShown(laterForm, slot)) {
    player.gold = Change{e.playerGold[s], l.playerGold[s]};
    std::vector<std::string> learned;
    const int32_t te = e.GetTeam(slot), tl = l.GetTeam(slot);
    for (int t = 0; t < kTechs; ++t) {
      const bool before = Analysis::ValidTeam(te) && e.hasTech[size_t(te)][size_t(t)] != 0;
      const bool after = Analysis::ValidTeam(tl) && l.hasTech[size_t(tl)][size_t(t)] != 0;
      if (after && !before) learned.emplace_back(kTechInfo[size_t(t)].name);
    }
    player.technologiesLearned = std::move(learned);
    std::vector<std::string> founded, lost;
    // A city gained that was founded before the earlier save's turn was
    // taken from another player.
    for (const City* city : CitiesMissing(l.cities[s], CityNames(e, slot)))
      founded.push_back(Latin1ToUtf8(city->name) + (city->foundedTurn < e.gameTurn ? " (taken)" : ""));
    for (const City* city : CitiesMissing(e.cities[s], CityNames(l, slot))) lost.push_back(Latin1ToUtf8(city->name));
    player.citiesFounded = std::move(founded);
    player.citiesLost = std::move(lost);
  }
  return player;
}

// The lines of `later` after the part it shares with `earlier`.
template <typename T, typename Same>
size_t SharedPart(const std::vector<const T*>& earlier, const std::vector<const T*>& later, Same same) {
  size_t i = 0;
  while (i < earlier.size() && i < later.size() && same(*earlier[i], *later[i])) ++i;
  return i;
}

}  // namespace

std::string DurationText(int64_t seconds) {
  const int64_t magnitude = seconds < 0 ? -seconds : seconds;
  return fmt::format("{}{}:{:02}:{:02}", seconds < 0 ? "-" : "", magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
}

std::string VerdictText(const SaveComparison& c) {
  if (c.continues && *c.continues) return "Continues";
  // The evidence is a sentence of its own; after the colon it goes on in
  // lower case.
  std::string evidence = c.evidence;
  if (!evidence.empty() && evidence[0] >= 'A' && evidence[0] <= 'Z') evidence[0] = char(evidence[0] - 'A' + 'a');
  if (!c.sameGame) {
    const auto differing =
        std::find_if(c.settings.begin(), c.settings.end(), [](const ComparedSetting& s) { return !s.Same(); });
    if (differing != c.settings.end())
      evidence = fmt::format("the {} differs, \"{}\" in the earlier save, \"{}\" in the later one.", differing->name,
                             differing->earlier, differing->later);
    return "Different games: " + evidence;
  }
  return "Does not continue: " + evidence;
}

Rgb VerdictColor(const SaveComparison& c) {
  if (!c.sameGame) return kPurple;
  return c.continues && *c.continues ? kGreen : kRed;
}

bool LinesDiffer(const SaveComparison& c) { return !(c.continues && *c.continues); }

SaveComparison CompareSaves(const Form& first, const Form& second) {
  SaveComparison c;
  c.givenLaterFirst = first.Model().gameTurn > second.Model().gameTurn;
  const Form& earlierForm = c.givenLaterFirst ? second : first;
  const Form& laterForm = c.givenLaterFirst ? first : second;
  const Analysis &e = earlierForm.Model(), &l = laterForm.Model();
  c.earlierPath = earlierForm.fileBar.savePath.Text();
  c.laterPath = laterForm.fileBar.savePath.Text();

  // The verdicts by the rules that also chain the saves of a game.
  const SaveLineage earlierLineage = LineageOf(earlierForm), laterLineage = LineageOf(laterForm);
  c.settings = Settings(earlierLineage, laterLineage);
  c.sameGame = SameGame(earlierLineage, laterLineage);
  const bool replayShown = earlierLineage.replayShown && laterLineage.replayShown;
  if (!c.sameGame) {
    c.evidence = DifferentGameEvidence(earlierLineage, laterLineage);
  } else {
    c.evidence = ContinuationEvidence(earlierLineage, laterLineage);
    c.continues = c.evidence.empty();
  }

  c.turn = {e.gameTurn, l.gameTurn};
  c.earlierDate = Trimmed(DateTextPadded(e.gameDate));
  c.laterDate = Trimmed(DateTextPadded(l.gameDate));
  c.playingTime = {e.playTime, l.playTime};
  if (earlierForm.reloads.Visible() && laterForm.reloads.Visible()) c.sessions = Change{e.sessions, l.sessions};

  for (int slot = 0; slot < kSlots; ++slot)
    if (Listed(e, slot) || Listed(l, slot)) c.players.push_back(PlayerOf(earlierForm, laterForm, slot));

  if (replayShown) {
    const auto re = ReplayLines(e), rl = ReplayLines(l);
    std::vector<AddedLine> added;
    for (size_t i = SharedPart(re, rl, SameLine); i < rl.size(); ++i) {
      const ReplayMessage& m = *rl[i];
      added.push_back(
          {-1, "", m.turn, Latin1ToUtf8(m.text), ReplayLineText(l, m), Rgb(ReplayLineColor(m.text, m.color))});
    }
    c.replayAdded = std::move(added);
  }
  for (PlayerChange& player : c.players) {
    if (!LogShown(earlierForm, player.slot) || !LogShown(laterForm, player.slot)) continue;
    const auto le = LogLines(e, player.slot), ll = LogLines(l, player.slot);
    const size_t shared = SharedPart(le, ll, [](const Message& x, const Message& y) {
      return x.turn == y.turn && x.text == y.text && x.messageType == y.messageType;
    });
    player.logLinesAdded = int(ll.size() - shared);
    for (size_t i = shared; i < ll.size(); ++i) {
      const Message& m = *ll[i];
      c.logAdded.push_back({player.slot, player.leader, m.turn, Latin1ToUtf8(m.text), LogLineText(l, m),
                            Rgb(PlayerLogLineColor(m.messageType, m.color))});
    }
  }
  return c;
}

ComparedForms LoadForComparison(const std::string& first, const std::string& second,
                                const CalculatorSettings& settings) {
  ComparedForms forms;
  auto load = [&](const std::string& path) -> std::unique_ptr<Form> {
    auto form = std::make_unique<Form>();
    form->AdoptCalculators(settings);
    if (form->LoadFile(path)) return form;
    forms.error = form->Messages().empty() ? "The save could not be loaded." : form->Messages().back();
    return nullptr;
  };
  try {
    forms.first = load(first);
    if (forms.first) forms.second = load(second);
  } catch (const std::bad_alloc&) {
    forms.error = "There is not enough memory to read this save.";
  }
  if (!forms.error.empty()) forms.first.reset(), forms.second.reset();
  return forms;
}

}  // namespace tolvane::form
