// The histories as CSV: tolvane-report's long form of every player's
// histories, the Graph page's "Copy Data" of the lines it shows, and the
// quoting of their fields.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FormFixture.h"
#include "SaveWriter.h"
#include "form/exports/Csv.h"
#include "form/exports/HistoryCsv.h"
#include "save/SaveError.h"

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::SaveDescription;

class HistoryCsvTest : public FormTest {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-csv-" + std::to_string(getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  // Writes the save, loads it into the form.
  void Load(const SaveDescription& d) {
    const std::string path = (dir_ / "game.CivWarlordsSave").string();
    tolvane::testing::WriteFile(path, tolvane::testing::WriteSaveFile(d));
    ASSERT_TRUE(form_.LoadFile(path)) << form_.Messages().back();
  }
  fs::path dir_;
};

// Two players over turns 5 and 6: the first named with a comma and quotes
// (byte E9 for é), the second with a name a spreadsheet would compute; a
// third slot has no leader and is never drawn. Bob's team has not met
// Ann's.
SaveDescription TwoPlayers() {
  SaveDescription d;
  d.startTurn = 5;
  d.elapsedTurns = 2;
  d.mapWidth = 1;
  d.mapHeight = 1;
  d.slots[0] = {.leaderName = "Ren\xE9, \"the Bold\"", .leaderType = 3, .team = 0, .slotStatus = kSlotHuman};
  d.slots[1] = {.leaderName = "=1+1", .leaderType = 4, .team = 1, .slotStatus = kSlotComputer};
  d.slots[2] = {.leaderName = "Nobody", .team = 2};
  d.teams[0].teamMembers = d.teams[1].teamMembers = 1;
  d.teams[0].hasMet[0] = d.teams[1].hasMet[1] = 1;
  for (int slot = 0; slot < 2; ++slot) {
    d.players[size_t(slot)].playerAlive = 1;
    for (int kind = 0; kind < tolvane::testing::kSavedHistories; ++kind)
      for (int32_t turn : {5, 6})
        d.players[size_t(slot)].histories[size_t(kind)].push_back({turn, 100 * slot + 10 * kind + turn - 5 - 1});
  }
  return d;
}

TEST_F(HistoryCsvTest, EveryHistoryOfEveryPlayerInLongForm) {
  Load(TwoPlayers());
  EXPECT_EQ(HistoriesCsv(form_.Model()),
            "player,slot,series,turn,value\r\n"
            "\"René, \"\"the Bold\"\"\",0,Score,5,-1\r\n"
            "\"René, \"\"the Bold\"\"\",0,Score,6,0\r\n"
            "\"René, \"\"the Bold\"\"\",0,Economy,5,9\r\n"
            "\"René, \"\"the Bold\"\"\",0,Economy,6,10\r\n"
            "\"René, \"\"the Bold\"\"\",0,Industry,5,19\r\n"
            "\"René, \"\"the Bold\"\"\",0,Industry,6,20\r\n"
            "\"René, \"\"the Bold\"\"\",0,Agriculture,5,29\r\n"
            "\"René, \"\"the Bold\"\"\",0,Agriculture,6,30\r\n"
            "\"René, \"\"the Bold\"\"\",0,Power,5,39\r\n"
            "\"René, \"\"the Bold\"\"\",0,Power,6,40\r\n"
            "\"René, \"\"the Bold\"\"\",0,Culture,5,49\r\n"
            "\"René, \"\"the Bold\"\"\",0,Culture,6,50\r\n"
            "\"René, \"\"the Bold\"\"\",0,Science,5,0\r\n"
            "\"René, \"\"the Bold\"\"\",0,Science,6,0\r\n"
            "'=1+1,1,Score,5,99\r\n"
            "'=1+1,1,Score,6,100\r\n"
            "'=1+1,1,Economy,5,109\r\n"
            "'=1+1,1,Economy,6,110\r\n"
            "'=1+1,1,Industry,5,119\r\n"
            "'=1+1,1,Industry,6,120\r\n"
            "'=1+1,1,Agriculture,5,129\r\n"
            "'=1+1,1,Agriculture,6,130\r\n"
            "'=1+1,1,Power,5,139\r\n"
            "'=1+1,1,Power,6,140\r\n"
            "'=1+1,1,Culture,5,149\r\n"
            "'=1+1,1,Culture,6,150\r\n"
            "'=1+1,1,Science,5,0\r\n"
            "'=1+1,1,Science,6,0\r\n");
}

// As the Graph page draws with "Show AI": in the restricted view only the
// players the first team has met, and no rows for a save that is not
// available.
TEST_F(HistoryCsvTest, OnlyThePlayersTheGraphDraws) {
  SaveDescription d = TwoPlayers();
  d.adminPassword = "admin";  // a running game: the restricted view
  Load(d);
  std::string csv = HistoriesCsv(form_.Model());
  EXPECT_EQ(csv.find("=1+1"), std::string::npos);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 14);
  d.slots[0].password = "secret";
  Load(d);
  EXPECT_EQ(HistoriesCsv(form_.Model()), "player,slot,series,turn,value\r\n");
  EXPECT_EQ(HistoriesCsv(Analysis{}), "player,slot,series,turn,value\r\n");
}

// "Copy Data" and "Save Data…": the lines the chart shows side by side.
TEST_F(HistoryCsvTest, ChartDataHasATurnColumnAndOneColumnPerLine) {
  Load(TwoPlayers());
  EXPECT_EQ(form_.graph.DataCsv(), "turn,\"René, \"\"the Bold\"\"\"\r\n5,-1\r\n6,0\r\n");
  form_.graph.showAi.Click();
  form_.graph.historySelector.Select(4);
  EXPECT_EQ(form_.graph.DataCsv(), "turn,\"René, \"\"the Bold\"\"\",'=1+1\r\n5,39,139\r\n6,40,140\r\n");
  const std::string path = (dir_ / "power.csv").string();
  form_.graph.SaveData(path);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), form_.graph.DataCsv());
  EXPECT_THROW(form_.graph.SaveData((dir_ / "no such folder" / "power.csv").string()), SaveError);
}

// Lines of different turns leave the fields of a missing turn empty.
TEST(ChartCsv, MissingTurnsLeaveEmptyFields) {
  ControlList list;
  Chart chart(list, {.name = "Chart"},
              {{"A", kRed, 2, true, {{1, 10}, {2, 20}}},
               {"Hidden", kBlue, 2, false, {{1, 5}}},
               {"B", kGreen, 2, true, {{2, -7}, {3, 8}}}});
  EXPECT_EQ(ChartCsv(chart), "turn,A,B\r\n1,10,\r\n2,20,-7\r\n3,,8\r\n");
}

TEST(CsvField, QuotesWhatNeedsQuotingAndDisarmsFormulas) {
  struct Case {
    const char* text;
    const char* field;
  };
  for (const Case& c : {Case{"Ingrid", "Ingrid"},
                        {"René", "René"},
                        {"", ""},
                        {"a,b", "\"a,b\""},
                        {"say \"hi\"", "\"say \"\"hi\"\"\""},
                        {"two\nlines", "\"two\nlines\""},
                        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
                        {"+1", "'+1"},
                        {"-2", "-2"},
                        {"-0.5", "-0.5"},
                        {"-2+A1", "'-2+A1"},
                        {"@SUM(A1)", "'@SUM(A1)"},
                        {"A=B", "A=B"}})
    EXPECT_EQ(CsvField(c.text), c.field) << c.text;
}

}  // namespace
}  // namespace tolvane::form::testing
