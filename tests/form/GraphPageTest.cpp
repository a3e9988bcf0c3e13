// The "Graph" page: one history per chart, one line per player.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Points = std::vector<std::pair<int32_t, int32_t>>;

// Three turns from turn 10; a value beyond them must never be drawn.
Analysis GraphGame() {
  Analysis a = SmallGame();
  a.startTurn = 10;
  a.elapsedTurns = 3;
  for (auto& kind : a.history)
    for (auto& row : kind) row.assign(kHistoryLength, 0);
  a.history[kScoreHistory][0] = {100, 500, 1000, 99999};
  a.history[kScoreHistory][1] = {10, 20, 30};
  a.history[kScoreHistory][18] = {1, 2, 3};
  a.history[kEconomyHistory][0] = {-250, 800, 0};
  a.history[kPowerHistory][0] = {49, 0, 0};
  for (auto& kind : a.history)
    for (auto& row : kind) row.resize(kHistoryLength);
  return a;
}

std::vector<int> DrawnSlots(const Form& form) {
  std::vector<int> drawn;
  for (int s = 0; s < kSlots; ++s)
    if (form.graph.chart.Series()[size_t(s)].legend) drawn.push_back(s);
  return drawn;
}

TEST_F(GraphPageTest, DrawsTheFirstPlayerOnly) {
  Show(GraphGame());
  const auto& series = form_.graph.chart.Series();
  EXPECT_EQ(series[0].title, "Alice");
  EXPECT_EQ(series[0].points, (Points{{10, 100}, {11, 500}, {12, 1000}}));
  EXPECT_EQ(DrawnSlots(form_), (std::vector<int>{0}));
  EXPECT_TRUE(series[1].points.empty());
  EXPECT_EQ(series[1].title, "Graph02");  // a line not drawn keeps its title
  EXPECT_EQ(form_.graph.chart.AxisMax(), 1050);
  EXPECT_EQ(form_.graph.chart.AxisMin(), -20);
}

TEST_F(GraphPageTest, ShowAIAddsEveryUsedSlot) {
  Show(GraphGame());
  form_.graph.showAi.Click();
  const auto& series = form_.graph.chart.Series();
  EXPECT_EQ(DrawnSlots(form_), (std::vector<int>{0, 1, 2, 18}));  // the dead player too
  EXPECT_EQ(series[2].title, "René");
  EXPECT_EQ(series[18].points, (Points{{10, 1}, {11, 2}, {12, 3}}));
  form_.graph.showAi.Click();
  EXPECT_EQ(DrawnSlots(form_), (std::vector<int>{0}));
  EXPECT_TRUE(series[18].points.empty());
}

TEST_F(GraphPageTest, ShowAIInRestrictedViewAddsOnlyTeamsMet) {
  Analysis a = GraphGame();
  a.restrictedView = true;
  a.hasMet[0][1] = 0;
  a.hasMet[0][0] = 0;  // the first player is drawn all the same
  Show(a);
  form_.graph.showAi.Click();
  EXPECT_EQ(DrawnSlots(form_), (std::vector<int>{0, 18}));
}

TEST_F(GraphPageTest, AxisLimitsByHistory) {
  Show(GraphGame());
  struct Case {
    int item;
    int64_t min, max;
  };
  // Economy goes below zero with its lowest value; Power's highest is 49.
  for (const Case& c : {Case{1, -262, 840}, Case{4, 0, 51}, Case{2, 0, 0}, Case{0, -20, 1050}}) {
    form_.graph.historySelector.Select(c.item);
    EXPECT_EQ(form_.graph.chart.AxisMin(), c.min) << c.item;
    EXPECT_EQ(form_.graph.chart.AxisMax(), c.max) << c.item;
  }
  Analysis a = GraphGame();
  a.history[kEconomyHistory][0] = {5, 800, 0};
  Show(a);  // the selected history stays across loads
  EXPECT_EQ(form_.graph.historySelector.Index(), 0);
  form_.graph.historySelector.Select(1);
  EXPECT_EQ(form_.graph.chart.AxisMin(), 0);
  Show(a);
  EXPECT_EQ(form_.graph.historySelector.Text(), "Economy");
  EXPECT_EQ(form_.graph.chart.AxisMax(), 840);
}

TEST_F(GraphPageTest, TypedHistoryNameDrawsZeros) {
  Show(GraphGame());
  form_.graph.historySelector.Type("Score");
  EXPECT_EQ(form_.graph.chart.Series()[0].points, (Points{{10, 0}, {11, 0}, {12, 0}}));
  EXPECT_EQ(form_.graph.chart.AxisMin(), 0);
  EXPECT_EQ(form_.graph.chart.AxisMax(), 0);
}

TEST_F(GraphPageTest, PointsFollowTheElapsedTurnsUpToTheHistoryLength) {
  Analysis a = GraphGame();
  a.elapsedTurns = 0;
  Show(a);
  EXPECT_TRUE(form_.graph.chart.Series()[0].points.empty());
  EXPECT_EQ(form_.graph.chart.AxisMax(), 0);
  a.elapsedTurns = 5000;
  Show(a);
  ASSERT_EQ(form_.graph.chart.Series()[0].points.size(), size_t(kHistoryLength));
  EXPECT_EQ(form_.graph.chart.Series()[0].points.back().first, 10 + kHistoryLength - 1);
  EXPECT_EQ(form_.graph.chart.AxisMax(), 99999 * 105 / 100);
}

TEST_F(GraphPageTest, DrawsNothingInNotAvailableMode) {
  Show(GraphGame());
  ASSERT_FALSE(DrawnSlots(form_).empty());
  Analysis a = GraphGame();
  a.slots[0].password = "pw";
  Show(a);
  form_.graph.showAi.Click();
  // The lines of the save before are gone; the chart is as it started.
  const Form fresh;
  for (int s = 0; s < kSlots; ++s) {
    EXPECT_TRUE(form_.graph.chart.Series()[size_t(s)].points.empty()) << s;
    EXPECT_EQ(form_.graph.chart.Series()[size_t(s)].title, fresh.graph.chart.Series()[size_t(s)].title) << s;
  }
  EXPECT_EQ(form_.graph.chart.AxisMax(), 0);
}

}  // namespace
}  // namespace tolvane::form::testing
