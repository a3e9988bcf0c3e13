// tolvane-report run as a process, as scripts use it: the JSON follows the
// contract for every control, actions run in order, and the exit status
// tells a loaded save, a failed load and a usage error apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

#include "RunReport.h"
#include "SaveWriter.h"
#include "form/Form.h"

namespace {

using nlohmann::json;

using tolvane::testing::Outcome;

Outcome Report(const std::string& args) { return tolvane::testing::RunReport(args); }

const std::string kDemo = std::string("'") + DEMO_SAVE + "'";

TEST(ReportProcess, JsonHasEveryTabAndControlInItsShape) {
  const Outcome run = Report(kDemo + " --json");
  ASSERT_EQ(run.status, 0);
  const json j = json::parse(run.out);
  const tolvane::form::Form form;
  ASSERT_EQ(j["tabs"].size(), form.Pages().size());
  EXPECT_EQ(j["tabs"]["Base"], true);
  EXPECT_EQ(j["tabs"]["Header"], false);
  EXPECT_EQ(j["tabs"]["Cities"], false);
  EXPECT_EQ(j["tabs"]["World"], true);
  EXPECT_TRUE(j["messages"].empty());
  // Every control of the window appears, each in the shape of its kind.
  ASSERT_EQ(j["controls"].size(), form.Controls().size());
  using tolvane::form::ControlKind;
  for (const tolvane::form::Control* c : form.Controls()) {
    SCOPED_TRACE(c->Name());
    const json& state = j["controls"].at(c->Name());
    switch (c->Kind()) {
      case ControlKind::Edit:
      case ControlKind::Label:
        EXPECT_TRUE(state.is_string());
        break;
      case ControlKind::Button:
        EXPECT_TRUE(state["enabled"].is_boolean());
        break;
      case ControlKind::CheckBox:
        EXPECT_TRUE(state["checked"].is_boolean());
        break;
      case ControlKind::ComboBox:
        EXPECT_TRUE(state["items"].is_array() && state["index"].is_number_integer() && state["text"].is_string() &&
                    state["visible"].is_boolean());
        break;
      case ControlKind::ListBox:
        EXPECT_TRUE(state.is_array());
        break;
      case ControlKind::RichText:
        ASSERT_TRUE(state.is_array());
        for (const json& line : state) EXPECT_EQ(line["color"].get<std::string>().size(), 7u);
        break;
      case ControlKind::Grid:
        ASSERT_TRUE(state.is_array());
        EXPECT_TRUE(state[0].is_array());
        break;
      case ControlKind::Chart:
        EXPECT_EQ(state["series"].size(), 19u);
        EXPECT_TRUE(state["min"].is_number_integer() && state["max"].is_number_integer());
        break;
      case ControlKind::Picture:
        EXPECT_TRUE(state["width"].is_number_integer() && state["height"].is_number_integer());
        EXPECT_EQ(state["digest"].get<std::string>().size(), 16u);
        break;
      case ControlKind::Table:
        EXPECT_TRUE(state["headers"].is_array() && state["rows"].is_array() &&
                    state["sort"]["column"].is_number_integer() && state["sort"]["ascending"].is_boolean() &&
                    state["marked"].is_number_integer());
        break;
      case ControlKind::Slider:
        EXPECT_TRUE(state["position"].is_number_integer() && state["count"].is_number_integer() &&
                    state["visible"].is_boolean());
        break;
    }
  }
  EXPECT_EQ(j["controls"]["Button2"]["enabled"], false);
  EXPECT_EQ(j["controls"]["LeadersGrid"][0][0], "№");
  EXPECT_FALSE(j["controls"]["ReplayList"].empty());
  // A single save's report reads no folder: the Saves page stays empty.
  EXPECT_EQ(j["tabs"]["Saves"], true);
  EXPECT_TRUE(j["controls"]["SavesTable"]["rows"].empty());
  EXPECT_EQ(j["controls"]["SavesTable"]["marked"], -1);
  EXPECT_EQ(j["controls"]["SavesFolderE"], "");
}

TEST(ReportProcess, ActionsRunInOrderThroughTheHandlers) {
  const json plain = json::parse(Report(kDemo + " --json").out);
  // "Load File" asks for a file and gets "cancelled"; "Compare" is disabled
  // without two rows selected: neither changes anything.
  EXPECT_EQ(json::parse(Report(kDemo + " --json --click Button1 --click CompareButton").out), plain);
  const Outcome run = Report(kDemo +
                             " --json --set Edit11=abc --select PlayerInfoSelect=1 --check ShowAICheckBox"
                             " --set Edit11=1 --set AnarchyWorldSizeBox=Huge --set NewCivicsE=2");
  ASSERT_EQ(run.status, 0);
  const json j = json::parse(run.out);
  EXPECT_EQ(j["messages"], json::array({"'abc' is not a valid integer value"}));
  EXPECT_EQ(j["controls"]["Edit11"], "1");
  EXPECT_EQ(j["controls"]["PlayerInfoSelect"]["index"], 1);
  EXPECT_NE(j["controls"]["GoldE"], plain["controls"]["GoldE"]);
  EXPECT_EQ(j["controls"]["ShowAICheckBox"]["checked"], true);
  int shown = 0;
  for (const json& s : j["controls"]["HistoryChart"]["series"]) shown += s["legend"].get<bool>();
  EXPECT_GT(shown, 1);
  // Typed text leaves the list without a selected item: the city weight of "no item".
  EXPECT_EQ(j["controls"]["AnarchyWorldSizeBox"]["index"], -1);
  EXPECT_EQ(j["controls"]["AnarchyWorldSizeBox"]["text"], "Huge");
  EXPECT_EQ(j["controls"]["AnarchyLengthL"], "= 1 turns");
}

TEST(ReportProcess, ExitStatusAndExports) {
  const std::string dir = ::testing::TempDir();
  // Without a save: the start-up state, an empty image and a map of the header alone.
  Outcome run = Report("--json --export-image '" + dir + "/none.img' --export-map '" + dir + "/none.txt'");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(json::parse(run.out)["controls"]["Edit3"], "");
  std::ifstream map(dir + "/none.txt");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(map), {}), "y/x;");
  // A loaded save exports its image and map.
  run = Report(kDemo + " --export-image '" + dir + "/demo.img' --export-map '" + dir + "/demo.txt'");
  EXPECT_EQ(run.status, 0);
  std::ifstream image(dir + "/demo.img", std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(image)), {});
  EXPECT_NE(bytes.find("BODY"), std::string::npos);
  std::ifstream demoMap(dir + "/demo.txt");
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(demoMap), {}).substr(0, 6), "y/x;0;");
  // A file that is no save: status 1, the message in the JSON, and no empty
  // text report.
  const std::string junk = dir + "/junk.CivWarlordsSave";
  std::ofstream(junk) << "not a save";
  run = Report("'" + junk + "' --json");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(
      json::parse(run.out)["messages"],
      json::array({"Cannot load \"" + junk + "\". This file is not a saved game: it holds no compressed save body."}));
  run = Report("'" + junk + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  // Usage errors: an empty save path, unknown option, unknown control, item
  // out of range, malformed action.
  EXPECT_EQ(Report("''").status, 2);
  EXPECT_EQ(Report("'' --json").out, "");
  for (const char* args : {"--frobnicate", "--select NoSuchBox=0", "--select GraphSelect=7", "--set Edit11",
                           "--check Edit3", "--select GraphSelect=x", "--click Edit3", "--click NoSuchButton"})
    EXPECT_EQ(Report(kDemo + " " + args).status, 2) << args;
}

// --load runs "Load File" with the path typed in, in order with the other
// actions: the second save's report is the one it has alone, whatever was
// shown before it.
TEST(ReportProcess, LoadReplacesTheSaveShown) {
  const std::string dir = ::testing::TempDir();
  const std::string reloaded = std::string("'") + TOLVANE_SOURCE_DIR + "/examples/demo-reloaded.CivWarlordsSave'";
  auto locked = tolvane::testing::ExampleSave(7);
  locked.slots[0].password = "secret";
  tolvane::testing::WriteFile(dir + "/locked-first.CivWarlordsSave", tolvane::testing::WriteSaveFile(locked));
  auto noScore = tolvane::testing::ExampleSave(8);
  noScore.maxPopScore = -400;
  tolvane::testing::WriteFile(dir + "/no-score.CivWarlordsSave", tolvane::testing::WriteSaveFile(noScore));
  auto withoutFile = [](json j) {
    for (const char* field : {"Edit1", "Edit2"}) j["controls"].erase(field);
    return j;
  };
  for (const std::string& second :
       {"'" + dir + "/locked-first.CivWarlordsSave'", "'" + dir + "/no-score.CivWarlordsSave'", kDemo}) {
    SCOPED_TRACE(second);
    const Outcome alone = Report(second + " --json");
    const Outcome after = Report(reloaded + " --set InitPopE=x --load " + second + " --json");
    ASSERT_EQ(alone.status, 0);
    ASSERT_EQ(after.status, 0);
    json expected = withoutFile(json::parse(alone.out)), actual = withoutFile(json::parse(after.out));
    // The message of the refused input stays in the log, its field no longer marked.
    ASSERT_EQ(actual["messages"].front(), "'x' is not a valid integer value");
    actual["messages"].erase(0);
    EXPECT_EQ(actual, expected);
  }
  // A save that cannot be loaded leaves the one shown, and the run fails.
  const json shown = json::parse(Report(reloaded + " --json").out);
  const Outcome failed = Report(reloaded + " --load '" + dir + "/none.CivWarlordsSave' --json");
  EXPECT_EQ(failed.status, 1);
  json j = json::parse(failed.out);
  EXPECT_EQ(j["messages"].size(), 1u);
  j["messages"] = shown["messages"];
  EXPECT_EQ(j["controls"]["Edit1"], dir + "/none.CivWarlordsSave");  // as typed
  j["controls"]["Edit1"] = shown["controls"]["Edit1"];
  EXPECT_EQ(j, shown);
  EXPECT_EQ(Report(reloaded + " --load '" + dir + "/none.CivWarlordsSave'").out, "");
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The width and height a PNG file's header states; 0 x 0 for no PNG.
std::pair<uint32_t, uint32_t> PngSize(const std::string& png) {
  if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
  auto be32 = [&png](size_t at) {
    return uint32_t(uint8_t(png[at])) << 24 | uint32_t(uint8_t(png[at + 1])) << 16 |
           uint32_t(uint8_t(png[at + 2])) << 8 | uint32_t(uint8_t(png[at + 3]));
  };
  return {be32(16), be32(20)};
}

// --export-world writes the World page's picture with its layers as the
// actions left them; --export-histories every drawn point of every history.
TEST(ReportProcess, WorldPictureAndHistoriesExports) {
  const std::string dir = ::testing::TempDir();
  Outcome run = Report(kDemo + " --json --export-world '" + dir + "/world.png' --export-histories '" + dir + "/h.csv'");
  ASSERT_EQ(run.status, 0);
  const json picture = json::parse(run.out)["controls"]["WorldPicture"];
  const std::string plain = ReadAll(dir + "/world.png");
  EXPECT_EQ(PngSize(plain), std::pair(picture["width"].get<uint32_t>(), picture["height"].get<uint32_t>()));
  EXPECT_EQ(PngSize(plain), std::pair(960u, 640u));  // 60 x 40 plots of 16 pixels
  const std::string csv = ReadAll(dir + "/h.csv");
  EXPECT_EQ(csv.substr(0, csv.find('\n') + 1), "player,slot,series,turn,value\r\n");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 8 * 7 * 180);  // 8 players, 7 histories, 180 turns
  EXPECT_NE(csv.find("\r\nBarbarians,18,Science,179,"), std::string::npos);

  ASSERT_EQ(
      Report(kDemo + " --check WorldResourcesCheckBox --world-scale 2 --export-world '" + dir + "/small.png'").status,
      0);
  EXPECT_EQ(PngSize(ReadAll(dir + "/small.png")), std::pair(120u, 80u));
  ASSERT_EQ(Report(kDemo + " --check WorldResourcesCheckBox --export-world '" + dir + "/resources.png'").status, 0);
  EXPECT_NE(ReadAll(dir + "/resources.png"), plain);

  // A save whose first slot has a password has no picture: none is written,
  // the message says why, the save loaded all the same; the histories
  // have no rows.
  auto locked = tolvane::testing::ExampleSave();
  locked.slots[0].password = "secret";
  tolvane::testing::WriteFile(dir + "/locked.CivWarlordsSave", tolvane::testing::WriteSaveFile(locked));
  run = Report("'" + dir + "/locked.CivWarlordsSave' --json --export-world '" + dir +
               "/locked.png' --export-histories '" + dir + "/locked.csv'");
  EXPECT_EQ(run.status, 0);
  const json j = json::parse(run.out);
  EXPECT_EQ(j["messages"],
            json::array({"The map is not shown for a save whose first slot has a password: no picture written."}));
  EXPECT_EQ(j["tabs"]["World"], false);
  EXPECT_FALSE(std::ifstream(dir + "/locked.png").good());
  EXPECT_EQ(ReadAll(dir + "/locked.csv"), "player,slot,series,turn,value\r\n");

  // A file that cannot be written fails; a scale out of range is a usage error.
  EXPECT_EQ(Report(kDemo + " --export-world '" + dir + "/no such folder/w.png'").status, 1);
  EXPECT_EQ(Report(kDemo + " --export-histories '" + dir + "/no such folder/h.csv'").status, 1);
  for (const char* args :
       {"--world-scale 0 --export-world w.png", "--world-scale 33 --export-world w.png", "--world-scale 2"})
    EXPECT_EQ(Report(kDemo + " " + args).status, 2) << args;
}

// -q (--quiet) writes the exports and prints no report; messages still go
// to standard error, and the exit status is as without it.
TEST(ReportProcess, QuietExportsPrintNoReport) {
  const std::string dir = ::testing::TempDir() + "/quiet";
  std::filesystem::create_directories(dir);
  const std::string exports = " --export-world '" + dir + "/w.png' --export-histories '" + dir +
                              "/h.csv' --export-map '" + dir + "/m.txt' --export-image '" + dir + "/i.img'";
  for (const char* quiet : {" -q", " --quiet"}) {
    SCOPED_TRACE(quiet);
    for (const char* file : {"w.png", "h.csv", "m.txt", "i.img"}) std::filesystem::remove(dir + "/" + file);
    const Outcome run = Report(kDemo + exports + quiet);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    for (const char* file : {"w.png", "h.csv", "m.txt", "i.img"})
      EXPECT_FALSE(ReadAll(dir + "/" + file).empty()) << file;
  }
  // The same export as with the report printed.
  EXPECT_NE(Report(kDemo + " --export-map '" + dir + "/loud.txt'").out, "");
  EXPECT_EQ(ReadAll(dir + "/m.txt"), ReadAll(dir + "/loud.txt"));

  // A picture not written and an export that fails: said on standard error.
  auto locked = tolvane::testing::ExampleSave();
  locked.slots[0].password = "secret";
  tolvane::testing::WriteFile(dir + "/locked.CivWarlordsSave", tolvane::testing::WriteSaveFile(locked));
  const std::string lockedWorld = "'" + dir + "/locked.CivWarlordsSave' -q --export-world '" + dir + "/locked.png'";
  Outcome run = Report(lockedWorld);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(tolvane::testing::RunReportErrors(lockedWorld).find("no picture written"), std::string::npos);
  const std::string unwritable = kDemo + " -q --export-map '" + dir + "/no such folder/m.txt'";
  run = Report(unwritable);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(tolvane::testing::RunReportErrors(unwritable).find("Cannot write"), std::string::npos);
  // No report at all goes with one: --json, --table and --compare are usage errors.
  for (const std::string& args : {kDemo + " -q --json", "-q --table " + kDemo, "-q --compare " + kDemo + " " + kDemo})
    EXPECT_EQ(Report(args).status, 2) << args;
}

// No export writes over a save, the loaded one or another: the export fails
// (1) with a message naming the file, which stays byte for byte.
TEST(ReportProcess, ExportsNeverWriteOverASave) {
  const std::string dir = ::testing::TempDir();
  const std::string copy = dir + "/copy.CivWarlordsSave";
  tolvane::testing::WriteFile(copy, tolvane::testing::WriteSaveFile(tolvane::testing::ExampleSave()));
  const std::string before = ReadAll(copy), demo = ReadAll(DEMO_SAVE);
  for (const char* option : {"--export-world", "--export-image", "--export-map", "--export-histories"}) {
    for (const std::string& target : {copy, std::string(DEMO_SAVE)}) {
      SCOPED_TRACE(std::string(option) + " " + target);
      const std::string args = kDemo + " " + option + " '" + target + "'";
      EXPECT_EQ(Report(args).status, 1);
      EXPECT_EQ(tolvane::testing::RunReportErrors(args),
                "tolvane-report: Cannot write \"" + target +
                    "\". It holds a saved game, and Tolvane never writes over a save.\n");
    }
  }
  EXPECT_EQ(ReadAll(copy), before);
  EXPECT_EQ(ReadAll(DEMO_SAVE), demo);
}

// The report or an export that cannot be written whole is a failure (1),
// not a success.
TEST(ReportProcess, OutputThatCannotBeWrittenFails) {
  const std::string report = ::testing::TempDir() + "/report.txt";
  EXPECT_EQ(tolvane::testing::RunReportInto(kDemo, report), 0);
  std::ifstream written(report);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), Report(kDemo).out);
#ifndef _WIN32
  EXPECT_EQ(tolvane::testing::RunReportInto(kDemo, "/dev/full"), 1);
  EXPECT_EQ(tolvane::testing::RunReportInto(kDemo + " --json", "/dev/full"), 1);
  EXPECT_EQ(Report(kDemo + " --export-map /dev/full").status, 1);
#endif
  EXPECT_EQ(Report(kDemo + " --export-image '" + ::testing::TempDir() + "/no-such-folder/image'").status, 1);
}

// Paths on the command line are UTF-8 (on Windows taken from the wide command
// line): a save in a folder named in Cyrillic is loaded and its exports are
// written there.
TEST(ReportProcess, LoadsAndExportsInAFolderNamedInCyrillic) {
  const std::string folder = ::testing::TempDir() + "/Сохранения игры";
  const std::filesystem::path folderPath(std::u8string(folder.begin(), folder.end()));
  std::filesystem::create_directories(folderPath);
  const std::string save = folder + "/Демо.CivWarlordsSave";
  std::filesystem::copy_file(DEMO_SAVE, folderPath / u8"Демо.CivWarlordsSave",
                             std::filesystem::copy_options::overwrite_existing);
  const Outcome run = Report("'" + save + "' --json --export-map '" + folder + "/карта.txt'");
  ASSERT_EQ(run.status, 0);
  const json j = json::parse(run.out);
  EXPECT_EQ(j["controls"]["Edit1"], save);
  EXPECT_TRUE(j["messages"].empty());
  {
    std::ifstream map(folderPath / u8"карта.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(map), {}).substr(0, 6), "y/x;0;");
  }  // closed: an open file cannot be removed on Windows
  std::filesystem::remove_all(folderPath);
}

TEST(ReportProcess, TextReportShowsThePages) {
  const Outcome run = Report(kDemo);
  ASSERT_EQ(run.status, 0);
  for (const char* heading : {"== Base ==", "== Leaders ==", "== Replay ==", "== Kavrel ==", "Score Calculations"})
    EXPECT_NE(run.out.find(heading), std::string::npos) << heading;
}

}  // namespace
