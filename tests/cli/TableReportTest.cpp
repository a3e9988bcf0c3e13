// tolvane-report --table run as a process, as scripts use it: the rows in the
// order given (a folder's saves by name) though read in parallel, CSV quoted
// after RFC 4180, JSON with stable keys and numbers as numbers, a save that
// cannot be loaded as a row of its own with exit status 1, usage errors 2,
// and no progress line in a pipe.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "RunReport.h"
#include "SaveWriter.h"
#include "form/SaveTable.h"

namespace tolvane::testing {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::vector<std::string> Lines(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  for (size_t at = 0, next; (next = text.find(end, at)) != std::string::npos; at = next + end.size())
    lines.push_back(text.substr(at, next - at));
  return lines;
}

std::string Keys() {
  std::string keys;
  for (const form::SaveColumn& column : form::kSaveColumns) keys += (keys.empty() ? "" : ",") + std::string(column.key);
  return keys;
}

class TableReport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-report-table-" + std::to_string(std::random_device{}()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    SaveDescription named = ExampleSave(1);
    named.slots[0].leaderName = "Ann, \"Bo\"";
    Write("b.CivWarlordsSave", WriteSaveFile(named));
    Write("a.CivWarlordsSave", WriteSaveFile(ExampleSave(2)));
    SaveDescription password = ExampleSave(3);
    password.slots[0].password = "secret";
    Write("more/x.CivWarlordsSave", WriteSaveFile(password));
    Write("more/w.CivWarlordsSave", WriteSaveFile(ExampleSave(4)));
    Write("more/notes.txt", {'n'});
    Write("more/sub/y.CivWarlordsSave", WriteSaveFile(ExampleSave(5)));
    Write("broken.CivWarlordsSave", {'n', 'o'});
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    fs::create_directories((dir_ / name).parent_path());
    WriteFile((dir_ / name).string(), bytes);
  }
  Outcome Table(const std::string& args) { return RunReport("--table " + args, dir_.string()); }

  fs::path dir_;
};

TEST_F(TableReport, CsvRowsInTheOrderGivenAndQuoted) {
  const Outcome run = Table("b.CivWarlordsSave a.CivWarlordsSave more -j 2 --format csv");
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> lines = Lines(run.out, "\r\n");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], Keys());
  EXPECT_EQ(lines[1].substr(0, lines[1].find(',')), "b.CivWarlordsSave");
  EXPECT_NE(lines[1].find(",\"Ann, \"\"Bo\"\"\",Augustus,"), std::string::npos) << lines[1];
  EXPECT_EQ(lines[2].substr(0, lines[2].find(',')), "a.CivWarlordsSave");
  EXPECT_EQ(lines[3].substr(0, lines[3].find(',')), "w.CivWarlordsSave");
  EXPECT_EQ(lines[4].substr(0, lines[4].find(',')), "x.CivWarlordsSave");
  EXPECT_EQ(run.out.substr(run.out.size() - 2), "\r\n");

  // Subfolders on request, named by their path within the folder given,
  // sorted by that path.
  const Outcome deep = Table("more --recursive --format csv -j 1");
  const std::vector<std::string> rows = Lines(deep.out, "\r\n");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1].substr(0, rows[1].find(',')), "sub/y.CivWarlordsSave");
  EXPECT_EQ(rows[3].substr(0, rows[3].find(',')), "x.CivWarlordsSave");
}

TEST_F(TableReport, JsonHasAStableKeyPerColumnAndNumbersAsNumbers) {
  const Outcome run = Table("a.CivWarlordsSave more --format json");
  EXPECT_EQ(run.status, 0);
  const nlohmann::ordered_json rows = nlohmann::ordered_json::parse(run.out);
  ASSERT_TRUE(rows.is_array());
  ASSERT_EQ(rows.size(), 3u);
  for (const auto& row : rows) {
    std::string keys;
    for (const auto& [key, value] : row.items()) keys += (keys.empty() ? "" : ",") + key;
    EXPECT_EQ(keys, Keys());
    EXPECT_TRUE(row["game_score"].is_number_integer());
    EXPECT_TRUE(row["players"].is_number_integer());
    EXPECT_TRUE(row["turn"].is_string());
    EXPECT_EQ(row["error"], "");
  }
  EXPECT_EQ(rows[0]["turn"], "120/460");
  EXPECT_EQ(rows[0]["sessions"], 5);
  // A save with a password on the first slot: the hidden pages' columns are empty.
  EXPECT_EQ(rows[2]["file_name"], "x.CivWarlordsSave");
  EXPECT_TRUE(rows[2]["kavrel_score"].is_null());
  EXPECT_TRUE(rows[2]["sessions"].is_null());
  // A folder without saves: an empty table, and a note why.
  fs::create_directories(dir_ / "empty");
  const Outcome empty = Table("empty --format json");
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "[]\n");
  EXPECT_EQ(RunReportErrors("--table '" + (dir_ / "empty").string() + "'"),
            "tolvane-report: no saves in \"" + (dir_ / "empty").string() + "\"\n");
}

TEST_F(TableReport, ASaveThatCannotBeLoadedGetsItsRowAndStatusOne) {
  const Outcome run = Table("a.CivWarlordsSave broken.CivWarlordsSave missing.CivWarlordsSave b.CivWarlordsSave -j 2");
  EXPECT_EQ(run.status, 1);
  const std::vector<std::string> lines = Lines(run.out, "\n");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].substr(0, 4), "File");
  EXPECT_EQ(lines[2].substr(0, 22), "broken.CivWarlordsSave");
  EXPECT_NE(lines[2].find("not a saved game"), std::string::npos) << lines[2];
  // The row names the file; the error says why, without the name again.
  EXPECT_EQ(lines[3].substr(0, 23), "missing.CivWarlordsSave");
  EXPECT_NE(lines[3].find("Cannot open the file. No such file"), std::string::npos) << lines[3];
  EXPECT_EQ(lines[3].find("missing", 1), std::string::npos) << lines[3];
  EXPECT_EQ(lines[4].substr(0, 17), "b.CivWarlordsSave");
  // Aligned: each column starts where its header does.
  const size_t turn = lines[0].find("Turn");
  EXPECT_EQ(lines[1].substr(turn - 3, 7), "120/460");
  EXPECT_EQ(lines[4].substr(turn - 3, 7), "120/460");
}

TEST_F(TableReport, UsageErrorsAndNothingOnStandardErrorInAPipe) {
  for (const char* args :
       {"--table", "--table a.CivWarlordsSave --format xml", "--table a.CivWarlordsSave --json",
        "--table a.CivWarlordsSave -j 0", "--format csv", "--recursive", "a.CivWarlordsSave --table b.CivWarlordsSave"})
    EXPECT_EQ(RunReport(args, dir_.string()).status, 2) << args;
  EXPECT_EQ(RunReportErrors("--table '" + (dir_ / "more").string() + "' --format csv"), "");
}

}  // namespace
}  // namespace tolvane::testing
