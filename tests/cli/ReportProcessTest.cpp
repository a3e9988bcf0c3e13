// tolvane-report run as a process, as scripts use it: the JSON follows the
// contract for every control, actions run in order, and the exit status
// tells a loaded save, a failed load and a usage error apart.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "RunReport.h"
#include "ui/Form.h"

namespace {

using nlohmann::json;

using tolvane::testing::Outcome;

Outcome Report(const std::string& args) { return tolvane::testing::RunReport(args); }

const std::string kDemo = std::string("'") + DEMO_SAVE + "'";

TEST(ReportProcess, JsonHasEveryTabAndControlInItsShape) {
  const Outcome run = Report(kDemo + " --json");
  ASSERT_EQ(run.status, 0);
  const json j = json::parse(run.out);
  const tolvane::ui::Form form;
  ASSERT_EQ(j["tabs"].size(), form.Pages().size());
  EXPECT_EQ(j["tabs"]["Base"], true);
  EXPECT_EQ(j["tabs"]["Header"], false);
  EXPECT_EQ(j["tabs"]["Cities"], false);
  EXPECT_TRUE(j["messages"].empty());
  // Every control of the window appears, each in the shape of its kind.
  ASSERT_EQ(j["controls"].size(), form.Controls().size());
  using tolvane::ui::ControlKind;
  for (const tolvane::ui::Control* c : form.Controls()) {
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
      case ControlKind::Table:
        EXPECT_TRUE(state["headers"].is_array() && state["rows"].is_array() &&
                    state["sort"]["column"].is_number_integer() && state["sort"]["ascending"].is_boolean() &&
                    state["marked"].is_number_integer());
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
  // A file that is no save: status 1, the message in the JSON.
  std::ofstream(dir + "/junk.CivWarlordsSave") << "not a save";
  run = Report("'" + dir + "/junk.CivWarlordsSave' --json");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(json::parse(run.out)["messages"].size(), 1u);
  // Usage errors: unknown option, unknown control, item out of range, malformed action.
  for (const char* args : {"--frobnicate", "--select NoSuchBox=0", "--select GraphSelect=7", "--set Edit11",
                           "--check Edit3", "--select GraphSelect=x"})
    EXPECT_EQ(Report(kDemo + " " + args).status, 2) << args;
}

TEST(ReportProcess, TextReportShowsThePages) {
  const Outcome run = Report(kDemo);
  ASSERT_EQ(run.status, 0);
  for (const char* heading : {"== Base ==", "== Leaders ==", "== Replay ==", "== Kavrel ==", "Score Calculations"})
    EXPECT_NE(run.out.find(heading), std::string::npos) << heading;
}

}  // namespace
