// tolvane-report --compare on the demo folder's saves: the Compare page as
// text, the JSON object's verdicts in either order, the exit statuses, and
// the same comparison saved from the page.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

#include "RunReport.h"
#include "form/Form.h"
#include "form/SaveComparison.h"

namespace {

using nlohmann::json;
using tolvane::testing::Outcome;
using tolvane::testing::RunReport;
using tolvane::testing::RunReportErrors;

std::string Example(const std::string& name) {
  return std::string("'") + TOLVANE_SOURCE_DIR + "/examples/" + name + ".CivWarlordsSave'";
}

TEST(CompareReport, JsonVerdictsOnTheDemoSavesInEitherOrder) {
  const struct {
    std::string first, second;
    bool laterFirst, sameGame;
    json continues;
    std::string evidence;
  } kCases[] = {
      {"demo-turn-120", "demo", false, true, true, ""},
      {"demo", "demo-turn-120", true, true, true, ""},
      {"demo-turn-120", "demo-reloaded", false, true, false,
       "The later save has a session at turn 104, before the earlier save's turn 120, which the earlier save does not "
       "have."},
      {"demo", "demo-reloaded", true, true, false,
       "The later save has no session at turn 104, which the earlier save has."},
      {"demo", "second-game", true, false, nullptr,
       "The saves are of different games: the Game Name differs, \"Northern Reach\" in the earlier save, \"Seven "
       "Rivers\" in the later one."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.first + " " + c.second);
    const Outcome run = RunReport("--compare " + Example(c.first) + " " + Example(c.second) + " --json");
    ASSERT_EQ(run.status, 0);
    const json j = json::parse(run.out);
    EXPECT_EQ(j["given_later_first"], c.laterFirst);
    EXPECT_EQ(j["same_game"], c.sameGame);
    EXPECT_EQ(j["continues"], c.continues);
    EXPECT_EQ(j["evidence"], c.evidence);
    // The page's verdict line, and what its lists of lines hold.
    const std::string verdict = j["verdict"];
    EXPECT_EQ(verdict.substr(0, verdict.find(':')), c.continues == true ? "Continues"
                                                    : c.sameGame        ? "Does not continue"
                                                                        : "Different games");
    EXPECT_EQ(j["lines_differ"], c.continues != true);
  }
}

TEST(CompareReport, JsonHoldsTheSpanAndThePlayersAsNumbers) {
  const Outcome run = RunReport("--compare " + Example("demo-turn-120") + " " + Example("demo") + " --json");
  ASSERT_EQ(run.status, 0);
  const json j = json::parse(run.out);
  EXPECT_EQ(j["earlier"]["turn"], 120);
  EXPECT_EQ(j["later"]["turn"], 180);
  EXPECT_EQ(j["turns_played"], 60);
  EXPECT_TRUE(j["playing_time_added_seconds"].is_number_integer());
  EXPECT_EQ(j["sessions_added"], 0);
  ASSERT_EQ(j["settings"].size(), 10u);
  EXPECT_EQ(j["settings"][0]["setting"], "Game Name");
  const json& first = j["players"][0];
  EXPECT_EQ(first["slot"], 1);
  for (const char* key : {"score", "land", "population", "gold"}) {
    SCOPED_TRACE(key);
    EXPECT_EQ(first[key]["change"], first[key]["later"].get<int>() - first[key]["earlier"].get<int>());
  }
  EXPECT_TRUE(first["technologies_learned"].is_array());
  EXPECT_FALSE(j["replay_lines_added"].empty());
  EXPECT_EQ(j["replay_lines_added"][0]["color"].get<std::string>().size(), 7u);
  EXPECT_EQ(first["log_lines_added"], [&] {
    int lines = 0;
    for (const json& line : j["log_lines_added"]) lines += line["slot"] == 1;
    return lines;
  }());
}

TEST(CompareReport, TextIsTheComparePage) {
  const Outcome run = RunReport("--compare " + Example("demo-turn-120") + " " + Example("demo-reloaded"));
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("== Compare ==\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n  Same game                                  Yes\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\n  Continues                                  No\n"), std::string::npos);
  EXPECT_NE(run.out.find("\n  Evidence                                   The later save has a session at turn 104"),
            std::string::npos);
  EXPECT_NE(run.out.find("\n  Game Name    Seven Rivers Seven Rivers\n"), std::string::npos);
  // The later save does not continue the earlier: its lines are not added
  // lines but lines that differ.
  EXPECT_NE(run.out.find("\n  Verdict                                    Does not continue: the later save has a "
                         "session at turn 104"),
            std::string::npos);
  EXPECT_NE(run.out.find("\n  Replay lines that differ from the earlier save\n"), std::string::npos);
}

// The window's "Save Comparison…" writes what --compare prints, as text and
// as JSON.
TEST(CompareReport, SavedComparisonIsWhatTheReportPrints) {
  const std::string dir = std::string(TOLVANE_SOURCE_DIR) + "/examples/";
  const tolvane::form::ComparedForms forms =
      tolvane::form::LoadForComparison(dir + "demo-turn-120.CivWarlordsSave", dir + "demo-reloaded.CivWarlordsSave",
                                       tolvane::form::Form().Calculators());
  ASSERT_EQ(forms.error, "");
  tolvane::form::Form window;
  window.compare.Show(tolvane::form::CompareSaves(*forms.first, *forms.second));
  const auto saved = std::filesystem::temp_directory_path() / ("tolvane-compared-" + std::to_string(getpid()));
  for (const char* type : {".txt", ".json"}) {
    SCOPED_TRACE(type);
    const std::string path = saved.string() + type;
    window.compare.WriteComparison(path);
    std::string text;
    {
      // Closed before it is removed (Windows removes no open file).
      std::ifstream in(path, std::ios::binary);
      text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::filesystem::remove(path);
    const Outcome run = RunReport("--compare " + Example("demo-turn-120") + " " + Example("demo-reloaded") +
                                  (type == std::string(".json") ? " --json" : ""));
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(text, run.out);
  }
}

TEST(CompareReport, ExitStatuses) {
  // A save that cannot be loaded: 1, its message, nothing printed.
  Outcome run = RunReport("--compare " + Example("demo") + " " + Example("damaged") + " --json");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(RunReport("--compare " + Example("demo") + " '/no/such/save.CivWarlordsSave'").status, 1);
  // Usage errors: one save, three, or with a save to load or the table.
  for (const std::string& args :
       {"--compare " + Example("demo"), "--compare " + Example("demo") + " " + Example("demo") + " " + Example("demo"),
        Example("demo") + " --compare " + Example("demo") + " " + Example("demo"),
        "--compare " + Example("demo") + " " + Example("demo") + " --table " + Example("demo"),
        "--compare " + Example("demo") + " " + Example("demo") + " --set NickE=x"}) {
    SCOPED_TRACE(args);
    EXPECT_EQ(RunReport(args).status, 2);
  }
  // One save, or three: the message says what --compare takes.
  for (const std::string& args :
       {"--compare " + Example("demo"), "--compare " + Example("demo") + " " + Example("demo") + " " + Example("demo"),
        Example("demo") + " --compare " + Example("demo") + " " + Example("demo")}) {
    SCOPED_TRACE(args);
    EXPECT_EQ(RunReportErrors(args).substr(0, 26), "--compare takes two saves:");
  }
}

}  // namespace
