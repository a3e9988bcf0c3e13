// Two saves of one game compared: the verdicts (same game, continuation and
// its first evidence) in either order, what changed for each player, and the
// restricted view and the not-available mode hiding what their pages hide.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "FormFixture.h"
#include "SaveWriter.h"
#include "form/SaveComparison.h"
#include "form/exports/ComparisonReport.h"

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::ExampleSave;
using tolvane::testing::MessageDesc;
using tolvane::testing::ReplayMessageDesc;
using tolvane::testing::SaveDescription;

ReplayMessageDesc ReplayLine(int32_t turn, std::string text, int32_t color = 0) {
  ReplayMessageDesc m;
  m.turn = turn;
  m.text = std::move(text);
  m.color = color;
  return m;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void SortReplay(SaveDescription& d) {
  std::stable_sort(d.replay.begin(), d.replay.end(),
                   [](const ReplayMessageDesc& a, const ReplayMessageDesc& b) { return a.turn < b.turn; });
}

// The example game (turn 120) played on to turn 150: a session at turn 130,
// two replay lines, Ilsa takes Hamburg from Bertil and founds Nordby, team 0
// learns Literature and Construction, Ilsa's gold and log grow.
SaveDescription Continued() {
  SaveDescription d = ExampleSave();
  d.elapsedTurns = 150;
  d.playTimeQuarterSeconds += 4 * 3725;
  d.replay.push_back(ReplayLine(130, "Session started", 34));
  d.replay.push_back(ReplayLine(141, "Ilsa founded a city", 37));
  d.replay.push_back(ReplayLine(144, "Ilsa has captured Hamburg", 38));
  SortReplay(d);
  auto& ilsa = d.players[0];
  auto& bertil = d.players[1];
  ilsa.playerGold += 250;
  ilsa.playerPopulation += 5;
  auto hamburg = std::find_if(bertil.cities.begin(), bertil.cities.end(),
                              [](const auto& c) { return c.name == "TXT_KEY_CITY_NAME_HAMBURG"; });
  ilsa.cities.push_back(*hamburg);
  bertil.cities.erase(hamburg);
  ilsa.cities.push_back(ilsa.cities.front());
  ilsa.cities.back().name = "Nordby";
  ilsa.cities.back().foundedTurn = 141;
  ilsa.cities.back().x += 2;
  d.teams[0].hasTech[66] = d.teams[0].hasTech[6] = 1;
  MessageDesc m = ilsa.messages.back();
  m.turn = 141;
  m.text = "A new city has been founded on turn 141";
  m.messageType = kCityEventMessage;
  m.color = 37;
  ilsa.messages.push_back(m);
  m.turn = 144;
  m.text = "You have captured Hamburg!";
  m.messageType = 4;
  m.color = 36;
  ilsa.messages.push_back(m);
  return d;
}

class SaveComparisonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-compare-" + std::to_string(getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const SaveDescription& d) {
    const fs::path path = dir_ / (name + ".CivWarlordsSave");
    tolvane::testing::WriteFile(path, tolvane::testing::WriteSaveFile(d));
    return path.string();
  }
  // Loads both saves into forms of their own and compares them.
  SaveComparison Compare(const std::string& first, const std::string& second) {
    forms_ = LoadForComparison(first, second, Form().Calculators());
    EXPECT_EQ(forms_.error, "");
    if (!forms_.first || !forms_.second) return {};
    return CompareSaves(*forms_.first, *forms_.second);
  }

  fs::path dir_;
  ComparedForms forms_;
};

TEST_F(SaveComparisonTest, VerdictsOnContinuationsReloadsAndOtherGamesInEitherOrder) {
  const struct {
    const char* name;
    std::function<void(SaveDescription&)> later;
    bool laterFirst;
    bool sameGame;
    std::optional<bool> continues;
    std::string evidence;
  } kCases[] = {
      {"continues", [](SaveDescription&) {}, false, true, true, ""},
      {"continues, given later first", [](SaveDescription&) {}, true, true, true, ""},
      {"reloaded before the earlier turn",
       [](SaveDescription& d) {
         d.replay.push_back(ReplayLine(105, "Session started", 34));
         SortReplay(d);
       },
       false, true, false,
       "The later save has a session at turn 105, before the earlier save's turn 120, which the earlier save does "
       "not have."},
      {"reloaded on the earlier save's own turn",
       [](SaveDescription& d) {
         d.replay.push_back(ReplayLine(120, "Session started", 34));
         SortReplay(d);
       },
       false, true, true, ""},
      {"a session of the earlier missing, given later first",
       [](SaveDescription& d) {
         std::erase_if(d.replay,
                       [](const ReplayMessageDesc& m) { return m.turn == 96 && m.text == "Session started"; });
       },
       true, true, false, "The later save has no session at turn 96, which the earlier save has."},
      {"a replay line differs",
       [](SaveDescription& d) {
         for (auto& m : d.replay)
           if (m.turn == 101) m.text = "Kalle is now a vassal of Ilsa";
       },
       false, true, false,
       "Replay line 21 differs: turn 101 \"Kalle is now a vassal of Viggo\" in the earlier save, turn 101 \"Kalle "
       "is now a vassal of Ilsa\" in the later one."},
      {"another game", [](SaveDescription& d) { d.mapScript = "Pangaea"; }, false, false, std::nullopt,
       "The saves are of different games: the Map Script differs, \"Continents\" in the earlier save, \"Pangaea\" in "
       "the later one."},
      {"another leader, given later first", [](SaveDescription& d) { d.slots[0].leaderType = 9; }, true, false,
       std::nullopt,
       "The saves are of different games: the Leader differs, \"Augustus\" in the earlier save, \"Elizabeth\" in "
       "the later one."},
  };
  const std::string earlier = Write("earlier", ExampleSave());
  int n = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    SaveDescription d = Continued();
    c.later(d);
    const std::string later = Write("later" + std::to_string(n++), d);
    const SaveComparison r = c.laterFirst ? Compare(later, earlier) : Compare(earlier, later);
    EXPECT_EQ(r.givenLaterFirst, c.laterFirst);
    EXPECT_EQ(r.earlierPath, earlier);
    EXPECT_EQ(r.laterPath, later);
    EXPECT_EQ(r.sameGame, c.sameGame);
    EXPECT_EQ(r.continues, c.continues);
    EXPECT_EQ(r.evidence, c.evidence);
  }
}

TEST_F(SaveComparisonTest, PlayersChangesSpanAndAddedLines) {
  // A city founded on the earlier save's own turn is no city taken.
  SaveDescription later = Continued();
  auto& cities = later.players[0].cities;
  cities.push_back(cities.back());
  cities.back().name = "Sundby";
  cities.back().foundedTurn = 120;
  cities.back().y += 2;
  const SaveComparison r = Compare(Write("earlier", ExampleSave()), Write("later", later));
  ASSERT_TRUE(forms_.first && forms_.second);
  EXPECT_EQ(r.turn, (Change{120, 150}));
  EXPECT_EQ(r.playingTime, (Change{7384, 7384 + 3725}));
  EXPECT_EQ(r.sessions, (Change{5, 6}));  // as the Reloads page counts them
  EXPECT_EQ(r.earlierDate, "125AD");
  EXPECT_EQ(r.laterDate, "800AD");
  ASSERT_EQ(r.players.size(), 8u);  // seven players and the barbarians
  const PlayerChange& ilsa = r.players[0];
  EXPECT_EQ(ilsa.leader, "Ilsa");
  EXPECT_EQ(ilsa.gold, (Change{37, 287}));
  EXPECT_EQ(ilsa.population, (Change{14, 19}));
  EXPECT_EQ(ilsa.technologiesLearned, (std::vector<std::string>{"Literature", "Construction"}));
  EXPECT_EQ(ilsa.citiesFounded, (std::vector<std::string>{"Hamburg (taken)", "Nordby", "Sundby"}));
  EXPECT_EQ(ilsa.citiesLost, std::vector<std::string>{});
  EXPECT_EQ(ilsa.logLinesAdded, 2);
  const PlayerChange& bertil = r.players[1];
  EXPECT_EQ(bertil.technologiesLearned, (std::vector<std::string>{"Literature", "Construction"}));
  EXPECT_EQ(bertil.citiesFounded, std::vector<std::string>{});
  EXPECT_EQ(bertil.citiesLost, std::vector<std::string>{"Hamburg"});
  EXPECT_EQ(bertil.gold, (Change{90, 90}));
  EXPECT_EQ(bertil.logLinesAdded, 0);
  EXPECT_EQ(r.players.back().slot, kBarbarianSlot);

  // The score as the Leaders page of each save shows it.
  auto shownScore = [](const Form& form, int slot) { return std::stoi(form.leaders.leaders.Cell(2, slot + 1)); };
  for (const PlayerChange& p : r.players) {
    ASSERT_TRUE(p.score);
    EXPECT_EQ(p.score->earlier, shownScore(*forms_.first, p.slot));
    EXPECT_EQ(p.score->later, shownScore(*forms_.second, p.slot));
  }

  // The lines after the shared part, as and coloured as their pages show them.
  ASSERT_TRUE(r.replayAdded);
  const auto& replay = forms_.second->replay.replay.Lines();
  ASSERT_EQ(r.replayAdded->size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(r.replayAdded->at(i).line, replay[replay.size() - 3 + i].text);
    EXPECT_EQ(r.replayAdded->at(i).color, replay[replay.size() - 3 + i].color);
  }
  EXPECT_EQ(r.replayAdded->at(2).message, "Ilsa has captured Hamburg");
  EXPECT_EQ(r.replayAdded->at(2).turn, 144);
  ASSERT_EQ(r.logAdded.size(), 2u);
  EXPECT_EQ(r.logAdded[1].slot, 0);
  EXPECT_EQ(r.logAdded[1].leader, "Ilsa");
  EXPECT_EQ(r.logAdded[1].line, " 144  680AD You have captured Hamburg!");

  // The page shows the comparison.
  Form form;
  EXPECT_FALSE(form.compare.Visible());
  form.compare.Show(r);
  EXPECT_TRUE(form.compare.Visible());
  EXPECT_EQ(form.compare.continues.Text(), "Yes");
  EXPECT_EQ(Row(form.compare.players, 1)[5], "37 → 287 (+250)");
  EXPECT_EQ(Row(form.compare.players, 2)[8], "Hamburg");
  EXPECT_EQ(Row(form.compare.span, 3)[3], "+1:02:05");
  EXPECT_EQ(Texts(form.compare.logAdded)[0], "Ilsa:  141  620AD A new city has been founded on turn 141");
}

// The page's verdict line and what its lists are called follow the verdict;
// "Save Comparison…" writes what the page shows, as text or as JSON by the
// file's extension.
TEST_F(SaveComparisonTest, VerdictLineHeadingsAndTheSavedComparison) {
  const struct {
    const char* name;
    std::function<void(SaveDescription&)> later;
    std::string verdict;
    Rgb color;
    bool differ;
  } kCases[] = {
      {"continues", [](SaveDescription&) {}, "Continues", kGreen, false},
      {"reloaded",
       [](SaveDescription& d) {
         d.replay.push_back(ReplayLine(105, "Session started", 34));
         SortReplay(d);
       },
       "Does not continue: the later save has a session at turn 105, before the earlier save's turn 120, which the "
       "earlier save does not have.",
       kRed, true},
      {"another game", [](SaveDescription& d) { d.mapScript = "Pangaea"; },
       "Different games: the Map Script differs, \"Continents\" in the earlier save, \"Pangaea\" in the later one.",
       kPurple, true},
  };
  const std::string earlier = Write("earlier", ExampleSave());
  Form form;  // one page shows each comparison in turn
  EXPECT_FALSE(form.compare.saveComparison.Enabled());
  int n = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    SaveDescription d = Continued();
    c.later(d);
    const SaveComparison r = Compare(earlier, Write("later" + std::to_string(n++), d));
    form.compare.Show(r);
    EXPECT_EQ(form.compare.verdict.Text(), c.verdict);
    EXPECT_EQ(form.compare.VerdictLineColor(), c.color);
    const char* lines = c.differ ? " lines that differ from the earlier save" : " lines added";
    EXPECT_EQ(form.compare.replayHeading.Text(), std::string("Replay") + lines);
    EXPECT_EQ(form.compare.logHeading.Text(), std::string("Log") + lines);
    EXPECT_EQ(Row(form.compare.players, 0)[9], c.differ ? "Log lines that differ" : "Log lines added");
    // The replay lines listed are the later save's from the first line the
    // earlier save does not share.
    ASSERT_TRUE(r.replayAdded);
    EXPECT_EQ(Texts(form.compare.replayAdded).front(), r.replayAdded->front().line);
    if (c.differ && r.sameGame) {
      EXPECT_EQ(r.replayAdded->front().turn, 105);
    }

    EXPECT_TRUE(form.compare.saveComparison.Enabled());
    const fs::path text = dir_ / "comparison.txt", json = dir_ / "comparison.JSON";
    form.compare.WriteComparison(text.string());
    form.compare.WriteComparison(json.string());
    EXPECT_EQ(ReadAll(text), ComparisonText(r));
    EXPECT_NE(ComparisonText(r).find(c.verdict), std::string::npos);
    const std::string saved = ReadAll(json);
    EXPECT_EQ(saved, ComparisonJson(r));
    EXPECT_EQ(saved.front(), '{');
    EXPECT_NE(saved.find("\"lines_differ\": " + std::string(c.differ ? "true" : "false")), std::string::npos);
  }
}

TEST_F(SaveComparisonTest, RestrictedViewAndNotAvailableHideWhatTheirPagesHide) {
  // The restricted view: the first team has met teams 2 and 4 only; the Player
  // and Player Log pages show the first player alone; the replay is hidden.
  SaveDescription earlierSave = ExampleSave(), laterSave = Continued();
  for (SaveDescription* d : {&earlierSave, &laterSave}) d->adminPassword = "referee";
  SaveComparison r = Compare(Write("earlier", earlierSave), Write("later", laterSave));
  ASSERT_TRUE(forms_.first && forms_.second);
  std::vector<int> slots;
  for (const PlayerChange& p : r.players) slots.push_back(p.slot);
  std::vector<int> listed;
  for (int slot = 0; slot < kSlots; ++slot)
    if (Row(forms_.second->leaders.leaders, slot + 1)[1] != " ") listed.push_back(slot);
  EXPECT_EQ(slots, listed);
  ASSERT_EQ(slots, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_TRUE(r.players[0].gold);
  EXPECT_TRUE(r.players[0].logLinesAdded);
  for (size_t i = 1; i < r.players.size(); ++i) {
    EXPECT_TRUE(r.players[i].score);
    EXPECT_FALSE(r.players[i].gold || r.players[i].technologiesLearned || r.players[i].citiesFounded ||
                 r.players[i].citiesLost || r.players[i].logLinesAdded);
  }
  EXPECT_FALSE(r.replayAdded);
  EXPECT_EQ(r.logAdded.size(), 2u);
  EXPECT_EQ(r.continues, true);

  // A differing replay line is named without its hidden texts.
  for (auto& m : laterSave.replay)
    if (m.turn == 101) m.text = "Kalle is now a vassal of Ilsa";
  r = Compare(Write("earlier", earlierSave), Write("later2", laterSave));
  EXPECT_EQ(r.evidence, "Replay line 21 differs.");

  // Not available (a password on the first slot): the Leaders page still
  // shows every player, the pages of the game's course show nothing.
  earlierSave = ExampleSave(), laterSave = Continued();
  for (SaveDescription* d : {&earlierSave, &laterSave}) d->slots[0].password = "secret";
  r = Compare(Write("earlier", earlierSave), Write("later", laterSave));
  ASSERT_EQ(r.players.size(), 8u);
  for (const PlayerChange& p : r.players) {
    EXPECT_TRUE(p.score);
    EXPECT_FALSE(p.gold || p.technologiesLearned || p.citiesFounded || p.logLinesAdded);
  }
  EXPECT_FALSE(r.replayAdded);
  EXPECT_FALSE(r.sessions);
  EXPECT_TRUE(r.logAdded.empty());
  EXPECT_EQ(r.continues, true);
}

TEST_F(SaveComparisonTest, ASaveThatCannotBeLoadedNamesItself) {
  const std::string good = Write("good", ExampleSave());
  const ComparedForms forms =
      LoadForComparison(good, (dir_ / "missing.CivWarlordsSave").string(), Form().Calculators());
  EXPECT_FALSE(forms.first || forms.second);
  EXPECT_NE(forms.error.find("missing.CivWarlordsSave"), std::string::npos) << forms.error;
}

}  // namespace
}  // namespace tolvane::form::testing
