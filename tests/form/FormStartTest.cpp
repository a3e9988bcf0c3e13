// The window right after start-up, and the generic access to its controls.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

TEST(FormStart, PagesSelectorsAndButtonsAsCreated) {
  Form form;
  std::vector<std::string> captions, hidden;
  for (const Page* page : form.Pages()) {
    captions.push_back(page->Caption());
    if (!page->Visible()) hidden.push_back(page->Caption());
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"Base", "Header", "Map", "World", "Leaders", "Teams", "Replay", "Graph",
                                                "Player Log", "Reloads", "Player", "Kavrel", "Cities", "Attitudes",
                                                "Saves", "Compare"}));
  EXPECT_EQ(hidden, (std::vector<std::string>{"Header", "Cities", "Compare"}));  // Compare until a comparison

  EXPECT_FALSE(form.fileBar.saveFile.Enabled());
  EXPECT_TRUE(form.fileBar.loadFile.Enabled());
  EXPECT_FALSE(form.playerLog.playerSelector.Visible());
  EXPECT_FALSE(form.player.playerSelector.Visible());
  EXPECT_TRUE(form.cities.playerSelector.Visible());
  EXPECT_EQ(form.playerLog.playerSelector.DropDownCount(), 9);
  EXPECT_EQ(form.cities.citySelector.DropDownCount(), 16);
  for (const ComboBox* box :
       {&form.playerLog.playerSelector, &form.player.playerSelector, &form.attitudes.leaderSelector,
        &form.attitudes.towardSelector, &form.cities.playerSelector, &form.cities.citySelector}) {
    EXPECT_EQ(box->Index(), -1) << box->Name();
    EXPECT_TRUE(box->Items().empty()) << box->Name();
  }
  EXPECT_EQ(form.graph.historySelector.Text(), "Score");
  EXPECT_EQ(form.kavrel.anarchy.worldSize.Text(), "Standart");
  EXPECT_EQ(form.kavrel.anarchy.gameSpeed.Text(), "Normal");
  EXPECT_EQ(form.kavrel.anarchy.startEra.Text(), "Ancient");
  EXPECT_FALSE(form.graph.showAi.Checked());
  EXPECT_TRUE(form.world.showOwners.Checked());
  EXPECT_TRUE(form.world.showCities.Checked());
  EXPECT_FALSE(form.world.showResources.Checked());
  EXPECT_TRUE(form.world.picture.Image().Empty());
  EXPECT_EQ(Row(form.world.legend, 0), (std::vector<std::string>{"№", "Colour", "Player", "Plots", "Cities"}));
  EXPECT_EQ(form.world.legend.RowCount(), 1);
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(form.MapText(), "y/x;");
}

TEST(FormStart, EveryEditIsEmptyButThreeWithInitialTexts) {
  Form form;
  std::map<const Control*, std::string> filled;
  for (const Control* c : form.Controls())
    if (const Edit* e = As<Edit>(c); e && !e->Text().empty()) filled[e] = e->Text();
  EXPECT_EQ(filled, (std::map<const Control*, std::string>{{&form.reloads.preSessions, "1"},
                                                           {&form.kavrel.anarchy.civics, "  0"},
                                                           {&form.kavrel.anarchy.cities, " 10"}}));
  EXPECT_EQ(form.kavrel.anarchy.length.Text(), "= 0 turns");
}

TEST(FormStart, GridHeadersWidthsAndTechRowNumbers) {
  Form form;
  EXPECT_EQ(Row(form.leaders.leaders, 0),
            (std::vector<std::string>{"№", "Leader name", "Score", "Territory", "Population", "Civ description",
                                      "Civ adjective", "Team", "Land", ""}));
  EXPECT_EQ(Row(form.teams.teams, 0), (std::vector<std::string>{"№", "Leader name", "Score", "Territory", "Population",
                                                                "Vassal", "Level", "Slot"}));
  EXPECT_EQ(Row(form.player.technologyGrid, 0), (std::vector<std::string>{"№", "Tech", "Era", "Cost", "Known"}));
  EXPECT_EQ(Row(form.cities.production, 0), (std::vector<std::string>{"№", "Production", "Hammers"}));
  EXPECT_EQ(form.leaders.leaders.ColWidth(9), 200);
  EXPECT_EQ(form.teams.teams.ColWidth(5), 37);
  EXPECT_EQ(form.cities.production.ColWidth(2), 70);
  EXPECT_EQ(form.player.technologyGrid.Cell(0, 1), " 1");
  EXPECT_EQ(form.player.technologyGrid.Cell(0, 86), "86");
  EXPECT_EQ(form.player.technologyGrid.Cell(1, 1), "");
  EXPECT_EQ(form.leaders.leaders.Cell(0, 1), "");  // numbered by the first load
  EXPECT_EQ(form.leaders.leaders.RowCount(), 20);
  EXPECT_EQ(form.teams.teams.FixedCols(), 2);
  EXPECT_EQ(form.player.technologyGrid.RowCount(), 87);
}

TEST(FormStart, ChartListsNineteenSeriesWithTheirColours) {
  Form form;
  const auto& series = form.graph.chart.Series();
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
  EXPECT_EQ(form.graph.chart.AxisMin(), 0);
  EXPECT_EQ(form.graph.chart.AxisMax(), 0);
}

// The file bar's controls, then each page's in tab order, each once and
// found by its window name.
TEST(FormStart, ControlsAreListedOnceInLayoutOrder) {
  Form form;
  std::vector<const Control*> expected(form.fileBar.Controls().begin(), form.fileBar.Controls().end());
  for (const Page* page : form.Pages())
    expected.insert(expected.end(), page->Controls().begin(), page->Controls().end());
  const auto& controls = form.Controls();
  EXPECT_EQ(std::vector<const Control*>(controls.begin(), controls.end()), expected);
  std::set<std::string> names;
  std::map<ControlKind, int> kinds;
  for (const Control* c : controls) {
    EXPECT_TRUE(names.insert(c->Name()).second) << c->Name();
    EXPECT_EQ(form.Find(c->Name()), c);
    ++kinds[c->Kind()];
  }
  EXPECT_EQ(controls.front(), &form.fileBar.savePath);
  EXPECT_EQ(controls.back(), &form.compare.saveComparison);
  EXPECT_EQ(kinds, (std::map<ControlKind, int>{{ControlKind::Edit, 200},
                                               {ControlKind::Label, 12},
                                               {ControlKind::Button, 21},
                                               {ControlKind::CheckBox, 7},
                                               {ControlKind::ComboBox, 11},
                                               {ControlKind::ListBox, 3},
                                               {ControlKind::RichText, 5},
                                               {ControlKind::Grid, 9},
                                               {ControlKind::Chart, 1},
                                               {ControlKind::Picture, 1},
                                               {ControlKind::Table, 2},
                                               {ControlKind::Slider, 1}}));
  EXPECT_EQ(As<Grid>(form.Find(form.player.technologyGrid.Name())), &form.player.technologyGrid);
  EXPECT_EQ(As<Grid>(form.Find(form.base.turn.Name())), nullptr);
}

// Every control tells the user what it shows: the caption beside it, or a
// description (the window's tooltip).
TEST(FormStart, EveryControlHasATitle) {
  Form form;
  for (const Control* c : form.Controls()) EXPECT_FALSE(c->Title().empty()) << c->Name();
  EXPECT_EQ(form.reloads.preSessions.Title(), "PreSessions");
  EXPECT_EQ(form.base.difficulty.Title(), "Difficulty");
  EXPECT_EQ(form.base.leader.Title(), "Leader");
}

// The calculators' rows: the user's inputs come first, the computed results
// after them, each edit known as "<row>: <column>".
TEST(FormStart, CalculatorRowsHoldInputsThenResults) {
  Form form;
  auto roles = [](std::initializer_list<const Edit*> row) {
    std::string kinds;
    for (const Edit* e : row)
      kinds += e->Role() == EditRole::IntegerInput ? 'i' : e->Role() == EditRole::Computed ? 'c' : '?';
    return kinds;
  };
  const ScoreRow& land = form.base.land;
  EXPECT_EQ(roles({&land.initial, &land.current, &land.maximal, &land.factor, &land.gameScore, &land.finalScore}),
            "iiiicc");
  EXPECT_EQ(land.factor.Title(), "Land: Factor");
  EXPECT_EQ(land.finalScore.Title(), "Land: Final Score");
  const KavrelRow& turn = form.kavrel.turn;
  EXPECT_EQ(roles({&turn.current, &turn.maximal, &turn.factor, &turn.finalScore, &turn.share}), "iiicc");
  EXPECT_EQ(turn.current.Title(), "Turn: Current+");
  EXPECT_EQ(turn.share.Title(), "Turn: % Score");
}

// tolvane-report names the controls it acts on; a name of no control, or of
// a control of another kind, and an item the list does not hold change
// nothing.
TEST(FormStart, ActionsByNameRefuseUnknownControlsAndItems) {
  Form form;
  EXPECT_THROW(form.SetEditText("NoSuchE", "1"), std::invalid_argument);
  EXPECT_THROW(form.SetEditText("GraphSelect", "1"), std::invalid_argument);
  EXPECT_THROW(form.ClickCheckBox("Edit3"), std::invalid_argument);
  EXPECT_THROW(form.SelectItem("GraphSelect", 7), std::out_of_range);
  EXPECT_THROW(form.SelectItem("GraphSelect", -1), std::out_of_range);
  EXPECT_EQ(form.graph.historySelector.Index(), 0);
  form.SetEditText("Edit11", "0");
  EXPECT_EQ(form.reloads.preSessions.Text(), "0");
  EXPECT_TRUE(form.Messages().empty());
}

TEST(FormStart, TypingIntoADisplayEditChangesOnlyItsText) {
  Form form;
  const uint64_t revision = form.base.turn.Revision();
  form.base.turn.SetText("hello");
  form.base.turn.Exit();
  EXPECT_EQ(form.base.turn.Text(), "hello");
  EXPECT_GT(form.base.turn.Revision(), revision);
  EXPECT_TRUE(form.Messages().empty());
  EXPECT_EQ(form.base.date.Text(), "");
}

// By era, then cost; equal costs keep the technologies' order (Fishing 25
// and Hunting 56 both cost 40 in the first era).
TEST(FormStart, TechnologyOrderIsByEraThenCostThenIndex) {
  Form form;
  const auto& order = form.player.TechOrder();
  EXPECT_EQ(std::vector<int>(order.begin(), order.begin() + 5), (std::vector<int>{25, 56, 0, 57, 3}));
  EXPECT_EQ(order.back(), kFutureTech);
}

}  // namespace
}  // namespace tolvane::form::testing
