// The Saves page's games and rules, driven as the window drives them: the
// grouped view's lines and the rows each narrows to, "Compare Link" taking
// the two saves of a broken link (and the Compare page showing what
// "Compare" shows for the same two rows), and a rules file flagging the
// rows that break it, whether it comes before the rows or after, with a
// refused file changing nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "SaveWriter.h"
#include "form/Form.h"
#include "form/SaveSummary.h"

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::PlayedExample;
using tolvane::testing::SaveDescription;

struct RulesDialogs : Dialogs {
  std::string rulesFile;
  std::vector<std::string> starts;
  std::string AskRulesFile(const std::string& start) override {
    starts.push_back(start);
    return rulesFile;
  }
};

// A folder of two games and a damaged file: the example game with saves at
// turns 50, 100, 120 (reloaded from turn 90) and 150 (played on from 100),
// and another game with saves at turns 30 and 60.
class SavesGamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-saves-games-" + std::to_string(std::random_device{}()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "saves");
    Write("a050", PlayedExample(50, {1, 40}));
    Write("a100", PlayedExample(100, {1, 40, 80}));
    Write("a120", PlayedExample(120, {1, 40, 80, 95}, "reloaded", 90));
    Write("a150", PlayedExample(150, {1, 40, 80, 110, 130}));
    for (const int32_t turn : {30, 60}) {
      SaveDescription d = PlayedExample(turn, {1});
      d.gameName = "Another";
      Write(turn == 30 ? "b030" : "b060", d);
    }
    tolvane::testing::WriteFile(dir_ / "saves" / "c-damaged.CivWarlordsSave", std::vector<uint8_t>{'n', 'o'});
    form_.SetDialogs(&dialogs_);
    form_.SetJobs({.compare = [this](const std::string& first, const std::string& second) {
      compared_.emplace_back(first, second);
      form_.FinishComparison(LoadForComparison(first, second, form_.Calculators()));
    }});
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const SaveDescription& d) {
    tolvane::testing::WriteFile(dir_ / "saves" / (name + ".CivWarlordsSave"), tolvane::testing::WriteSaveFile(d));
  }
  std::string Save(const std::string& name) const { return PathText(dir_ / "saves" / (name + ".CivWarlordsSave")); }
  // Lists the folder and reads its rows as the window's workers would, in
  // two batches.
  void OpenAndRead(Form& form) {
    ASSERT_TRUE(form.OpenSavesFolder(PathText(dir_ / "saves")));
    std::vector<std::pair<fs::path, SaveRow>> rows;
    for (const fs::path& path : form.saves.StartReading())
      rows.emplace_back(path, SummarizeSave(path, form.Calculators()));
    std::vector<std::pair<fs::path, SaveRow>> later(std::make_move_iterator(rows.begin() + 3),
                                                    std::make_move_iterator(rows.end()));
    rows.resize(3);
    form.saves.SetRows(std::move(rows));
    form.saves.SetRows(std::move(later));
  }
  std::vector<std::string> Column(const Table& table, size_t column) const {
    std::vector<std::string> cells;
    for (const auto& row : table.Rows()) cells.push_back(row[column]);
    return cells;
  }
  fs::path WriteRules(const std::string& name, const std::string& json) {
    const fs::path path = dir_ / name;
    tolvane::testing::WriteFile(path, std::vector<uint8_t>(json.begin(), json.end()));
    return path;
  }

  fs::path dir_;
  RulesDialogs dialogs_;
  Form form_;
  std::vector<std::pair<std::string, std::string>> compared_;
};

std::vector<std::string> Names(std::initializer_list<const char*> names) {
  std::vector<std::string> files;
  for (const char* name : names) files.push_back(std::string(name) + ".CivWarlordsSave");
  return files;
}

TEST_F(SavesGamesTest, GroupedLinesNarrowTheRowsAndCompareLinkTakesTheBrokenLink) {
  OpenAndRead(form_);
  SavesPage& page = form_.saves;
  // Each row tells its verdict and the evidence against the save before it.
  EXPECT_EQ(Column(page.table, kContinuesPreviousColumn),
            (std::vector<std::string>{"", "yes", "no", "no", "", "yes", ""}));
  EXPECT_EQ(Column(page.table, kContinuesColumn),
            (std::vector<std::string>{"", "a050.CivWarlordsSave", "a050.CivWarlordsSave", "a100.CivWarlordsSave", "",
                                      "b030.CivWarlordsSave", ""}));
  const std::string evidence =
      "The later save has a session at turn 95, before the earlier save's turn 100, which the earlier save does not "
      "have.";
  EXPECT_EQ(page.table.Rows()[2][kEvidenceColumn], evidence);
  EXPECT_EQ(page.table.Rows()[1][kEvidenceColumn], "");

  // Not grouped: no lines.
  EXPECT_TRUE(page.games.Rows().empty());
  form_.ClickCheckBox("GroupByGameCheckBox");
  const std::string player = page.table.Rows()[0][kPlayerColumn];
  ASSERT_FALSE(player.empty());
  EXPECT_EQ(page.games.Rows(), (std::vector<std::vector<std::string>>{
                                   {"1", "Tolvane Example", player, "4", "50 to 150",
                                    "a120.CivWarlordsSave does not continue the save before it: " + evidence},
                                   {"2", "Another", player, "2", "30 to 60", "continuous"}}));
  EXPECT_EQ(Column(page.table, kFileNameColumn).size(), 7u);  // no game selected: every row

  // Each line narrows the rows to its game; "Compare Link" takes its first
  // broken link, or a selected save's own link.
  const struct {
    int line;
    std::vector<std::string> rows;
    std::vector<int> selected;  // save rows selected after the line
    std::optional<std::pair<const char*, const char*>> link;
  } kCases[] = {
      {0, Names({"a050", "a100", "a120", "a150"}), {}, std::pair{"a100", "a120"}},
      {0, Names({"a050", "a100", "a120", "a150"}), {3}, std::pair{"a120", "a150"}},
      {0, Names({"a050", "a100", "a120", "a150"}), {1}, std::pair{"a100", "a120"}},  // continues: the game's link
      {0, Names({"a050", "a100", "a120", "a150"}), {2, 3}, std::pair{"a100", "a120"}},
      {1, Names({"b030", "b060"}), {}, std::nullopt},
      {1, Names({"b030", "b060"}), {1}, std::nullopt},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(::testing::Message() << "line " << c.line << ", " << c.selected.size() << " rows selected");
    page.OpenGame(c.line);
    EXPECT_EQ(page.games.SelectedRows(), std::vector<int>{c.line});
    page.table.Select(c.selected);
    EXPECT_EQ(Column(page.table, kFileNameColumn), c.rows);
    EXPECT_EQ(page.compareLink.Enabled(), c.link.has_value());
    compared_.clear();
    form_.ClickButton("CompareLinkButton");
    if (!c.link) {
      EXPECT_TRUE(compared_.empty());
      continue;
    }
    ASSERT_EQ(compared_.size(), 1u);
    EXPECT_EQ(compared_[0], std::pair(Save(c.link->first), Save(c.link->second)));
    EXPECT_EQ(form_.compare.earlier.Text(), Save(c.link->first));
    // The Compare page's evidence is the row's.
    for (const auto& row : page.table.Rows())
      if (row[kFileNameColumn] == std::string(c.link->second) + ".CivWarlordsSave") {
        EXPECT_EQ(form_.compare.evidence.Text(), row[kEvidenceColumn]);
      }
  }
  EXPECT_EQ(page.count.Text(), "2 of 7 saves, 1 could not be loaded");

  // The same two rows selected for "Compare" show the same comparison.
  page.OpenGame(0);
  page.table.Select({});
  form_.ClickButton("CompareLinkButton");
  const std::string linkVerdict = form_.compare.verdict.Text();
  page.table.Select({1, 2});
  form_.ClickButton("CompareButton");
  EXPECT_EQ(compared_.back(), std::pair(Save("a100"), Save("a120")));
  EXPECT_EQ(form_.compare.verdict.Text(), linkVerdict);

  // Sorted by their saves, the lines turn round and the game stays selected.
  page.games.ClickHeader(3);
  EXPECT_EQ(Column(page.games, 0), (std::vector<std::string>{"2", "1"}));
  EXPECT_EQ(page.games.SelectedRows(), std::vector<int>{1});
  // The loaded save's game is the marked line.
  EXPECT_EQ(page.games.MarkedRow(), -1);
  ASSERT_TRUE(form_.LoadFile(Save("b060")));
  EXPECT_EQ(page.games.MarkedRow(), 0);
  // Ungrouped, every row shows again and no game's link is offered.
  page.table.Select({});
  form_.ClickCheckBox("GroupByGameCheckBox");
  EXPECT_TRUE(page.games.Rows().empty());
  EXPECT_EQ(page.table.Rows().size(), 7u);
  EXPECT_FALSE(page.compareLink.Enabled());
  EXPECT_TRUE(form_.Messages().empty());
}

TEST_F(SavesGamesTest, RulesFlagTheRowsThatBreakThemAndARefusedFileChangesNothing) {
  const fs::path rules = WriteRules("event.json", R"({"turn": {"max": 120}, "game_speed": ["Normal", "Epic"]})");
  const fs::path bad = WriteRules("bad.json", R"({"turn": {"max": 120}, "nope": 1})");
  SavesPage& page = form_.saves;
  EXPECT_EQ(page.rulesFile.Text(), "No rules file");
  EXPECT_FALSE(page.dropRules.Enabled());
  OpenAndRead(form_);
  form_.ClickButton("OpenRulesButton");  // cancelled
  EXPECT_EQ(dialogs_.starts, std::vector<std::string>{PathText(dir_ / "saves")});
  EXPECT_TRUE(page.RulesPath().empty());

  // By the rules file: the save past turn 120 breaks them (its game's line
  // too); the file that could not be loaded is not judged.
  dialogs_.rulesFile = PathText(rules);
  form_.ClickButton("OpenRulesButton");
  EXPECT_EQ(page.RulesPath(), rules);
  EXPECT_EQ(page.rulesFile.Text(), "event.json");
  EXPECT_TRUE(page.dropRules.Enabled());
  const std::vector<int> kFlagged = {3};
  EXPECT_EQ(page.table.FlaggedRows(), kFlagged);
  EXPECT_EQ(Column(page.table, kRulesOkColumn),
            (std::vector<std::string>{"yes", "yes", "yes", "no", "yes", "yes", ""}));
  EXPECT_EQ(page.table.Rows()[3][kRulesBrokenColumn], "turn");
  EXPECT_EQ(page.count.Text(), "7 saves, 1 could not be loaded, 1 breaks the rules");
  form_.ClickCheckBox("GroupByGameCheckBox");
  EXPECT_EQ(page.games.FlaggedRows(), std::vector<int>{0});
  page.table.ClickHeader(kTurnColumn);  // the flag goes with its row
  EXPECT_EQ(page.table.FlaggedRows(), std::vector<int>{5});
  page.table.ClickHeader(kFileNameColumn);

  // A refused file, and one that is gone: a message naming it, the rules in
  // use stay.
  const std::vector<std::vector<std::string>> judged = page.table.Rows();
  dialogs_.rulesFile = PathText(bad);
  form_.ClickButton("OpenRulesButton");
  EXPECT_EQ(dialogs_.starts.back(), PathText(rules));
  EXPECT_FALSE(page.OpenRules(dir_ / "gone.json"));
  ASSERT_EQ(form_.Messages().size(), 2u);
  EXPECT_EQ(form_.Messages()[0], PathText(bad) + ": The rules file has an unknown key \"nope\".");
  EXPECT_EQ(form_.Messages()[1].rfind(PathText(dir_ / "gone.json") + ": ", 0), 0u) << form_.Messages()[1];
  EXPECT_EQ(page.RulesPath(), rules);
  EXPECT_EQ(page.rulesFile.Text(), "event.json");
  EXPECT_EQ(page.table.Rows(), judged);
  EXPECT_EQ(page.table.FlaggedRows(), kFlagged);

  // The rules opened before the rows are read judge them as they arrive.
  Form fresh;
  ASSERT_TRUE(fresh.saves.OpenRules(rules));
  OpenAndRead(fresh);
  EXPECT_EQ(fresh.saves.table.Rows(), judged);
  EXPECT_EQ(fresh.saves.table.FlaggedRows(), kFlagged);

  // "Drop Rules": nothing judged any more.
  form_.ClickButton("DropRulesButton");
  EXPECT_TRUE(page.RulesPath().empty());
  EXPECT_EQ(page.rulesFile.Text(), "No rules file");
  EXPECT_FALSE(page.dropRules.Enabled());
  EXPECT_TRUE(page.table.FlaggedRows().empty());
  EXPECT_TRUE(page.games.FlaggedRows().empty());
  EXPECT_EQ(Column(page.table, kRulesOkColumn), std::vector<std::string>(7));
  EXPECT_EQ(Column(page.table, kRulesBrokenColumn), std::vector<std::string>(7));
  EXPECT_EQ(page.count.Text(), "7 saves, 1 could not be loaded");
}

}  // namespace
}  // namespace tolvane::form::testing
