// Saves grouped into games and chained: every same-game setting splits a
// game, a damaged file is in none, and a reloaded branch shows as a branch
// whatever order the saves come in. The chain's verdicts are those of the
// comparison of the same two saves.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include "SaveWriter.h"
#include "form/Games.h"
#include "form/SaveComparison.h"
#include "form/SaveSummary.h"

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::ExampleSave;
using tolvane::testing::PlayedExample;
using tolvane::testing::SaveDescription;

class GamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-games-" + std::to_string(getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Write(const std::string& name, const SaveDescription& d) {
    const fs::path path = dir_ / name;
    tolvane::testing::WriteFile(path, tolvane::testing::WriteSaveFile(d));
    return path;
  }
  std::vector<SaveRow> Rows(const std::vector<fs::path>& paths) {
    std::vector<SaveRow> rows;
    for (const fs::path& path : paths) rows.push_back(SummarizeSave(path, Form().Calculators()));
    return rows;
  }
  fs::path dir_;
};

TEST_F(GamesTest, EachSameGameSettingSplitsAGameAndADamagedFileIsInNone) {
  const struct {
    const char* name;
    std::function<void(SaveDescription&)> change;
    std::string_view setting;  // the first that differs
  } kCases[] = {
      {"game name", [](SaveDescription& d) { d.gameName = "Another"; }, "Game Name"},
      {"map script", [](SaveDescription& d) { d.mapScript = "Pangaea"; }, "Map Script"},
      {"world size", [](SaveDescription& d) { d.worldSize = 3; }, "World Size"},
      {"map size", [](SaveDescription& d) { d.mapWidth += 4, d.plots.clear(); }, "Map Size"},
      {"game speed", [](SaveDescription& d) { d.gameSpeed = 1; }, "Game Speed"},
      {"start turn", [](SaveDescription& d) { d.startTurn = 75, d.elapsedTurns -= 75; }, "Starting"},
      {"era", [](SaveDescription& d) { d.startEra = 1; }, "Era"},
      {"leader", [](SaveDescription& d) { d.slots[0].leaderType = 9; }, "Leader"},
      {"civilization", [](SaveDescription& d) { d.slots[0].civType = 9; }, "Civilization"},
      {"players", [](SaveDescription& d) { d.slots[6] = {}, d.players[6] = {}; }, "Players"},
  };
  // Two saves of the example game, one changed save per setting, and a
  // file cut short, given in an order that is not the file names'.
  std::vector<fs::path> paths = {Write("z-base-later.CivWarlordsSave", PlayedExample(130, {1})),
                                 Write("a-base.CivWarlordsSave", PlayedExample(120, {1}))};
  std::vector<uint8_t> cut = tolvane::testing::WriteSaveFile(ExampleSave());
  cut.resize(cut.size() / 2);
  paths.push_back(dir_ / "m-damaged.CivWarlordsSave");
  tolvane::testing::WriteFile(paths.back(), cut);
  for (const auto& c : kCases) {
    SaveDescription d = PlayedExample(120, {1});
    c.change(d);
    paths.push_back(Write(std::string("b-") + c.name + ".CivWarlordsSave", d));
  }
  const std::vector<SaveRow> rows = Rows(paths);
  const std::vector<Game> games = GroupGames(rows);

  ASSERT_EQ(games.size(), 1 + std::size(kCases));
  // Numbered by each game's first file name: the example game ("a-base")
  // first, then the changed ones by their names.
  EXPECT_EQ(games[0].number, 1);
  ASSERT_EQ(games[0].saves.size(), 2u);
  EXPECT_EQ(games[0].saves[0].row, 1u);
  EXPECT_EQ(games[0].saves[1].row, 0u);
  EXPECT_TRUE(games[0].Continuous());
  std::vector<std::string> names;
  for (size_t g = 1; g < games.size(); ++g) {
    EXPECT_EQ(games[g].number, int(g + 1));
    ASSERT_EQ(games[g].saves.size(), 1u);
    names.push_back(rows[games[g].saves[0].row].cells[kFileNameColumn]);
  }
  // Each changed save is a game of its own, told apart by its setting.
  for (size_t k = 0; k < std::size(kCases); ++k) {
    SCOPED_TRACE(kCases[k].name);
    const SaveRow& changed = rows[3 + k];
    ASSERT_TRUE(changed.loaded);
    EXPECT_EQ(kSameGameSettings[FirstDifferingSetting(*rows[1].lineage, *changed.lineage)], kCases[k].setting);
    EXPECT_FALSE(SameGame(*rows[1].lineage, *changed.lineage));
  }
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  // The damaged file is in no game, and its row keeps its message.
  EXPECT_FALSE(rows[2].loaded);
  EXPECT_NE(rows[2].cells[kErrorColumn], "");
  for (const Game& game : games)
    for (const ChainedSave& save : game.saves) EXPECT_NE(save.row, 2u);
}

TEST_F(GamesTest, AReloadedBranchShowsAsABranchInAnyOrderAndAgreesWithTheComparison) {
  // Sessions at turns 1, 40 and 80 up to turn 100; a reload from turn 90
  // began a session at 95 and played another line to turn 120; the main line
  // went on from turn 100 with sessions at 110 and 130.
  const std::vector<fs::path> paths = {
      Write("t050.CivWarlordsSave", PlayedExample(50, {1, 40})),
      Write("t100.CivWarlordsSave", PlayedExample(100, {1, 40, 80})),
      Write("t120.CivWarlordsSave", PlayedExample(120, {1, 40, 80, 95}, "reloaded", 90)),
      Write("t150.CivWarlordsSave", PlayedExample(150, {1, 40, 80, 110, 130})),
  };
  const std::vector<SaveRow> rows = Rows(paths);
  struct Expected {
    std::optional<bool> continuesPrevious;
    std::optional<size_t> continues;  // index into paths
  };
  const Expected kExpected[] = {{std::nullopt, std::nullopt}, {true, 0}, {false, 0}, {false, 1}};

  std::vector<size_t> order = {0, 1, 2, 3};
  do {
    std::vector<SaveRow> given;
    for (size_t i : order) given.push_back(rows[i]);
    const std::vector<Game> games = GroupGames(given);
    ASSERT_EQ(games.size(), 1u);
    const Game& game = games[0];
    EXPECT_FALSE(game.Continuous());
    ASSERT_EQ(game.saves.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
      SCOPED_TRACE(paths[i].filename().string());
      const ChainedSave& save = game.saves[i];
      EXPECT_EQ(order[save.row], i);  // turn order
      EXPECT_EQ(save.continuesPrevious, kExpected[i].continuesPrevious);
      EXPECT_EQ(save.continues.has_value(), kExpected[i].continues.has_value());
      if (save.continues) {
        EXPECT_EQ(order[*save.continues], *kExpected[i].continues);
      }
    }
    EXPECT_EQ(game.FirstBrokenLink(), &game.saves[2]);
  } while (std::next_permutation(order.begin(), order.end()));

  // Every pair, judged by the comparison of two loaded saves: the same
  // verdict and, for the save before, the same evidence.
  const std::vector<Game> games = GroupGames(rows);
  for (size_t e = 0; e < 4; ++e)
    for (size_t l = e + 1; l < 4; ++l) {
      SCOPED_TRACE(paths[e].filename().string() + " then " + paths[l].filename().string());
      const ComparedForms forms = LoadForComparison(paths[e].string(), paths[l].string(), Form().Calculators());
      ASSERT_TRUE(forms.first && forms.second);
      const SaveComparison comparison = CompareSaves(*forms.first, *forms.second);
      EXPECT_EQ(comparison.continues, Continues(*rows[e].lineage, *rows[l].lineage));
      EXPECT_EQ(comparison.evidence, ContinuationEvidence(*rows[e].lineage, *rows[l].lineage));
      if (l == e + 1) {
        EXPECT_EQ(games[0].saves[l].evidence, comparison.evidence);
      }
    }
  EXPECT_EQ(games[0].saves[2].evidence,
            "The later save has a session at turn 95, before the earlier save's turn 100, which the earlier save "
            "does not have.");
  EXPECT_EQ(games[0].saves[3].evidence, "The later save has no session at turn 95, which the earlier save has.");

  // The table's game columns say the same.
  std::vector<SaveRow> table = rows;
  FillGameColumns(table, games);
  EXPECT_EQ(table[2].cells[kGameColumn], "1");
  EXPECT_EQ(table[2].cells[kContinuesPreviousColumn], "no");
  EXPECT_EQ(table[2].cells[kContinuesColumn], "t050.CivWarlordsSave");
  EXPECT_EQ(table[0].cells[kContinuesPreviousColumn], "");
}

// The replay decides where the sessions agree: a changed line, and a save
// whose replay is a prefix of the earlier one's, do not continue it.
TEST_F(GamesTest, ContinuationByTheReplayLines) {
  SaveLineage earlier;
  earlier.gameTurn = 10;
  earlier.replayShown = true;
  AppendReplayLine(earlier, 2, "a");
  AppendReplayLine(earlier, 4, "b");
  SaveLineage later = earlier;
  EXPECT_TRUE(Continues(earlier, later));
  AppendReplayLine(later, 6, "c");
  EXPECT_TRUE(Continues(earlier, later));
  EXPECT_FALSE(Continues(later, earlier));
  EXPECT_EQ(ContinuationEvidence(later, earlier),
            "Replay line 3 differs: turn 6 \"c\" in the earlier save, none in the later one.");
  SaveLineage changed = earlier;
  changed.replayText.back() = 'B';  // line 2 "b" is "B"; its prefix hashes left stale: the lines decide
  EXPECT_FALSE(Continues(earlier, changed));
  changed.replayShown = false;
  EXPECT_EQ(ContinuationEvidence(earlier, changed), "Replay line 2 differs.");
}

}  // namespace
}  // namespace tolvane::form::testing
