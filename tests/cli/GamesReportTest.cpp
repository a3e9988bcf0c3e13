// tolvane-report --games run as a process on the examples folder: its game
// with a reloaded branch, the second game and the damaged save apart, the
// event rules judged, in JSON, text and CSV; the table's game and rules
// columns say what the games say; exit statuses 0, 1 and 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "RunReport.h"

namespace tolvane::testing {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

const std::string kExamples = std::string(TOLVANE_SOURCE_DIR) + "/examples";
const std::string kRules = kExamples + "/event-rules.json";

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

TEST(GamesReport, TheExamplesGamesWithTheirBranchAndTheTableAgrees) {
  const Outcome run = RunReport("--games " + Quoted(kExamples) + " --format json --rules " + Quoted(kRules));
  EXPECT_EQ(run.status, 1);  // the damaged save
  const Json games = Json::parse(run.out);
  ASSERT_EQ(games.size(), 3u);

  const Json& first = games[0];
  EXPECT_EQ(first["game"], 1);
  EXPECT_EQ(first["game_name"], "Seven Rivers");
  EXPECT_EQ(first["continuous"], false);
  const struct {
    const char* file;
    int turn;
    Json continuesPrevious, continues;
    bool rulesOk;
  } kSaves[] = {
      {"demo-turn-060.CivWarlordsSave", 60, nullptr, nullptr, true},
      {"demo-turn-120.CivWarlordsSave", 120, true, "demo-turn-060.CivWarlordsSave", true},
      // Reloaded from before turn 120: a branch from the save at 60.
      {"demo-reloaded.CivWarlordsSave", 150, false, "demo-turn-060.CivWarlordsSave", false},
      // The game played on from turn 120.
      {"demo.CivWarlordsSave", 180, false, "demo-turn-120.CivWarlordsSave", true},
  };
  ASSERT_EQ(first["saves"].size(), std::size(kSaves));
  for (size_t i = 0; i < std::size(kSaves); ++i) {
    const Json& save = first["saves"][i];
    SCOPED_TRACE(kSaves[i].file);
    EXPECT_EQ(save["file_name"], kSaves[i].file);
    EXPECT_EQ(save["turn"], kSaves[i].turn);
    EXPECT_EQ(save["continues_previous"], kSaves[i].continuesPrevious);
    EXPECT_EQ(save["continues"], kSaves[i].continues);
    EXPECT_EQ(save["evidence"] == "", kSaves[i].continuesPrevious != false);
    EXPECT_EQ(save["rules_ok"], kSaves[i].rulesOk);
  }
  EXPECT_EQ(first["saves"][2]["rules_broken"], Json::array({"play_sessions"}));
  EXPECT_EQ(first["saves"][3]["evidence"], "The later save has no session at turn 104, which the earlier save has.");

  EXPECT_EQ(games[1]["game_name"], "Northern Reach");
  EXPECT_EQ(games[1]["continuous"], true);
  EXPECT_EQ(games[1]["saves"][0]["rules_broken"],
            Json::array({"difficulty", "game_speed", "play_sessions", "options"}));
  // The file that could not be loaded, in no game.
  const Json& apart = games[2];
  EXPECT_TRUE(apart["game"].is_null());
  ASSERT_EQ(apart["saves"].size(), 1u);
  EXPECT_EQ(apart["saves"][0]["file_name"], "damaged.CivWarlordsSave");
  EXPECT_TRUE(apart["saves"][0]["rules_ok"].is_null());
  EXPECT_NE(apart["saves"][0]["error"], "");

  // The table's rows carry the same verdicts.
  const Outcome table = RunReport("--table " + Quoted(kExamples) + " --format json --rules " + Quoted(kRules));
  EXPECT_EQ(table.status, 1);
  size_t compared = 0;
  for (const Json& row : Json::parse(table.out))
    for (const Json& game : games)
      for (const Json& save : game["saves"])
        if (save["file_name"] == row["file_name"]) {
          SCOPED_TRACE(row["file_name"].get<std::string>());
          EXPECT_EQ(row["game"], game["game"]);
          EXPECT_EQ(row["continues_previous"], save["continues_previous"]);
          EXPECT_EQ(row["continues"], save["continues"]);
          EXPECT_EQ(row["rules_ok"], save["rules_ok"]);
          if (!save["rules_ok"].is_null()) {
            EXPECT_EQ(row["rules_broken"], save["rules_broken"]);
          }
          ++compared;
        }
  EXPECT_EQ(compared, 6u);
}

TEST(GamesReport, TextAndCsv) {
  const Outcome text = RunReport("--games " + Quoted(kExamples));
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.out.substr(0, text.out.find('\n')),
            "Game 1: Seven Rivers, Ingrid, 4 saves, turns 60 to 180, demo-reloaded.CivWarlordsSave does not continue "
            "the save before it: The later save has a session at turn 104, before the earlier save's turn 120, which "
            "the earlier save does not have.");
  EXPECT_NE(text.out.find("\n  demo-turn-120.CivWarlordsSave  turn 120  continues the previous save\n"),
            std::string::npos);
  EXPECT_NE(text.out.find("\nGame 2: Northern Reach, Ilsa, 1 save, turns 120 to 120, continuous\n"), std::string::npos);
  EXPECT_NE(text.out.find("\nNot loaded:\n  damaged.CivWarlordsSave  The save is cut short"), std::string::npos);

  const Outcome csv = RunReport("--games " + Quoted(kExamples) + " --format csv -j 1");
  EXPECT_EQ(csv.status, 1);
  EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n")),
            "game,game_name,file_name,turn,continues_previous,continues,evidence,error");
  EXPECT_NE(csv.out.find("\r\n1,Seven Rivers,demo-turn-120.CivWarlordsSave,120,true,demo-turn-060.CivWarlordsSave,,"
                         "\r\n"),
            std::string::npos);
  EXPECT_NE(csv.out.find("\r\n,,damaged.CivWarlordsSave,,,,,\"The save is cut short"), std::string::npos);
}

TEST(GamesReport, ExitStatuses) {
  const fs::path dir = fs::temp_directory_path() / ("tolvane-report-games-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir);
  const auto rules = [&](const std::string& name, const std::string& text) {
    std::ofstream(dir / name) << text;
    return Quoted((dir / name).string());
  };
  const std::string bad = rules("bad.json", "{\n  \"difficulty\": \"Prince\"\n  \"players\": 7\n}\n");
  const std::string unknown = rules("unknown.json", R"({"dificulty": "Prince"})");
  const std::string saves =
      Quoted(kExamples + "/demo-turn-060.CivWarlordsSave") + " " + Quoted(kExamples + "/demo.CivWarlordsSave");
  const struct {
    std::string args;
    int status;
    std::string error;  // a part of standard error
  } kCases[] = {
      {"--games " + saves, 0, ""},
      {"--games " + saves + " --rules " + Quoted(kRules) + " --format json", 0, ""},
      {"--games " + Quoted(kExamples), 1, ""},
      {"--games " + saves + " --rules " + bad, 2, "tolvane-report: The rules file is not valid JSON: line 3: "},
      {"--table " + saves + " --rules " + unknown, 2, "The rules file has an unknown key \"dificulty\"."},
      {"--games " + saves + " --rules " + Quoted((dir / "missing.json").string()), 2, "missing.json"},
      {"--rules " + Quoted(kRules) + " " + Quoted(kExamples + "/demo.CivWarlordsSave"), 2,
       "--rules needs --table or --games"},
      {"--games " + saves + " --table " + saves, 2, ""},
      {"--games " + saves + " --compare " + saves, 2, ""},
      {"--games " + saves + " --format xml", 2, ""},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.args);
    const Outcome run = RunReport(c.args);
    EXPECT_EQ(run.status, c.status);
    if (c.status == 2) {
      EXPECT_EQ(run.out, "");  // nothing judged
      EXPECT_NE(RunReportErrors(c.args).find(c.error), std::string::npos);
    }
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tolvane::testing
