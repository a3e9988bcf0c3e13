// The window right after start-up, and the generic access to its controls.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "FormFixture.h"

namespace tolvane::ui::testing {
namespace {

TEST(FormStart, PagesSelectorsAndButtonsAsCreated) {
  Form form;
  std::vector<std::string> hidden;
  for (const Tab& tab : form.Tabs())
    if (!tab.visible) hidden.push_back(tab.caption);
  EXPECT_EQ(hidden, (std::vector<std::string>{"Header", "Cities"}));
  EXPECT_EQ(form.Tabs()[kPlayerLogPage].caption, "Player Log");

  EXPECT_FALSE(form.button2.Enabled());
  EXPECT_TRUE(form.button1.Enabled());
  EXPECT_FALSE(form.playerLogSelect.Visible());
  EXPECT_FALSE(form.playerInfoSelect.Visible());
  EXPECT_TRUE(form.playerCitySelect.Visible());
  EXPECT_EQ(form.playerLogSelect.DropDownCount(), 9);
  EXPECT_EQ(form.cityBox.DropDownCount(), 16);
  for (const ComboBox* box : {&form.playerLogSelect, &form.playerInfoSelect, &form.attLeaderSel1, &form.attLeaderSel2,
                              &form.playerCitySelect, &form.cityBox}) {
    EXPECT_EQ(box->Index(), -1) << box->Name();
    EXPECT_TRUE(box->Items().empty()) << box->Name();
  }
  EXPECT_EQ(form.graphSelect.Text(), "Score");
  EXPECT_EQ(form.anarchyWorldSizeBox.Text(), "Standart");
  EXPECT_EQ(form.anarchyGameSpeedBox.Text(), "Normal");
  EXPECT_EQ(form.anarchyStartEraBox.Text(), "Ancient");
  EXPECT_FALSE(form.showAiCheckBox.Checked());
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(form.MapText(), "y/x;");
}

TEST(FormStart, EveryEditIsEmptyButThreeWithInitialTexts) {
  Form form;
  std::map<std::string, std::string> filled;
  for (const Control* c : form.Controls())
    if (const Edit* e = As<Edit>(c); e && !e->Text().empty()) filled[e->Name()] = e->Text();
  EXPECT_EQ(filled,
            (std::map<std::string, std::string>{{"Edit11", "1"}, {"NewCivicsE", "  0"}, {"AnarchyCitiesE", " 10"}}));
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 0 turns");
}

TEST(FormStart, GridHeadersWidthsAndTechRowNumbers) {
  Form form;
  EXPECT_EQ(Row(form.leadersGrid, 0),
            (std::vector<std::string>{"№", "Leader name", "Score", "Territory", "Population", "Civ description",
                                      "Civ adjective", "Team", "Land", ""}));
  EXPECT_EQ(Row(form.teamsGrid, 0), (std::vector<std::string>{"№", "Leader name", "Score", "Territory", "Population",
                                                              "Vassal", "Level", "Slot"}));
  EXPECT_EQ(Row(form.techGrid, 0), (std::vector<std::string>{"№", "Tech", "Era", "Cost", "Known"}));
  EXPECT_EQ(Row(form.productionGrid, 0), (std::vector<std::string>{"№", "Production", "Hammers"}));
  EXPECT_EQ(form.leadersGrid.ColWidth(9), 200);
  EXPECT_EQ(form.teamsGrid.ColWidth(5), 37);
  EXPECT_EQ(form.productionGrid.ColWidth(2), 70);
  EXPECT_EQ(form.techGrid.Cell(0, 1), " 1");
  EXPECT_EQ(form.techGrid.Cell(0, 86), "86");
  EXPECT_EQ(form.techGrid.Cell(1, 1), "");
  EXPECT_EQ(form.leadersGrid.Cell(0, 1), "");  // numbered by the first load
  EXPECT_EQ(form.leadersGrid.RowCount(), 20);
  EXPECT_EQ(form.teamsGrid.FixedCols(), 2);
  EXPECT_EQ(form.techGrid.RowCount(), 87);
}

TEST(FormStart, ChartListsNineteenSeriesWithTheirColours) {
  Form form;
  const auto& series = form.historyChart.Series();
  ASSERT_EQ(series.size(), 19u);
  EXPECT_EQ(series[0].title, "Graph01");
  EXPECT_EQ(series[18].title, "Graph19");
  EXPECT_EQ(RgbText(series[0].color), "#FF0000");
  EXPECT_EQ(RgbText(series[1].color), "#0000FF");
  EXPECT_EQ(RgbText(series[13].color), "#808040");
  EXPECT_EQ(RgbText(series[18].color), "#000000");
  for (const ChartSeries& s : series) {
    EXPECT_TRUE(s.legend);
    EXPECT_EQ(s.width, 2);
    EXPECT_TRUE(s.points.empty());
  }
  EXPECT_EQ(form.historyChart.AxisMin(), 0);
  EXPECT_EQ(form.historyChart.AxisMax(), 0);
}

TEST(FormStart, ControlsAreListedOnceInLayoutOrder) {
  Form form;
  const auto& controls = form.Controls();
  std::set<std::string> names;
  std::map<ControlKind, int> kinds;
  Page page = kTopRow;
  for (const Control* c : controls) {
    EXPECT_TRUE(names.insert(c->Name()).second) << c->Name();
    EXPECT_EQ(form.Find(c->Name()), c);
    EXPECT_GE(c->OnPage(), page) << c->Name() << " breaks the page order";
    page = c->OnPage();
    ++kinds[c->Kind()];
  }
  EXPECT_EQ(controls.front()->Name(), "Edit1");
  EXPECT_EQ(controls.back()->Name(), "Edit78");
  EXPECT_EQ(kinds, (std::map<ControlKind, int>{{ControlKind::Edit, 195},
                                               {ControlKind::Label, 1},
                                               {ControlKind::Button, 2},
                                               {ControlKind::CheckBox, 3},
                                               {ControlKind::ComboBox, 10},
                                               {ControlKind::ListBox, 3},
                                               {ControlKind::RichText, 3},
                                               {ControlKind::Grid, 4},
                                               {ControlKind::Chart, 1}}));
  EXPECT_EQ(form.Find("KavrelDateE")->OnPage(), kKavrelPage);
  EXPECT_EQ(form.Find("Label1"), nullptr);  // static captions are no state
  EXPECT_EQ(As<Grid>(form.Find("TechGrid")), &form.techGrid);
  EXPECT_EQ(As<Grid>(form.Find("Edit3")), nullptr);
}

TEST(FormStart, ActionsOnUnknownControlsChangeNothing) {
  Form form;
  EXPECT_THROW(form.SetEditText("NoSuchE", "1"), std::invalid_argument);
  EXPECT_THROW(form.SetEditText("GraphSelect", "1"), std::invalid_argument);
  EXPECT_THROW(form.ClickCheckBox("Edit3"), std::invalid_argument);
  EXPECT_THROW(form.SelectItem("GraphSelect", 7), std::out_of_range);
  EXPECT_THROW(form.SelectItem("GraphSelect", -1), std::out_of_range);
  EXPECT_EQ(form.graphSelect.Index(), 0);
  EXPECT_TRUE(form.Messages().empty());
}

TEST(FormStart, TypingIntoADisplayEditChangesOnlyItsText) {
  Form form;
  const uint64_t revision = form.edit3.Revision();
  form.SetEditText("Edit3", "hello");
  form.ExitEdit("Edit3");
  EXPECT_EQ(form.edit3.Text(), "hello");
  EXPECT_GT(form.edit3.Revision(), revision);
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_EQ(form.edit4.Text(), "");
}

// By era, then cost; equal costs keep the technologies' order (Fishing 25
// and Hunting 56 both cost 40 in the first era).
TEST(FormStart, TechnologyOrderIsByEraThenCostThenIndex) {
  Form form;
  const auto& order = form.TechOrder();
  EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 5), (std::vector<int>{25, 56, 0, 57, 3}));
  EXPECT_EQ(order.back(), kFutureTech);
}

}  // namespace
}  // namespace tolvane::ui::testing
