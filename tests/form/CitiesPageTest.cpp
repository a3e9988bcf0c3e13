// The "Cities" page: one city of one player.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

City MakeCity(const char* name, int x, int y, int32_t culture) {
  City c;
  c.name = name;
  c.x = x;
  c.y = y;
  c.culture = culture;
  return c;
}

// Alice: "Roma", a nameless record, "Caféville". Bob has no city.
Analysis CityGame() {
  Analysis a = SmallGame();
  a.speedCostPercent = 300;
  City roma = MakeCity("Roma", 3, 4, 234500);
  roma.population = 5;
  roma.hasBuilding[0] = 1;          // Palace
  roma.hasBuilding[3] = 1;          // Walls
  roma.freeBuilding[5] = 1;         // Castle
  roma.buildingProduction[3] = 20;  // built already: not in production
  roma.buildingProduction[5] = 10;  // free already: not in production
  roma.buildingProduction[1] = 30;  // Great Palace, cost 200
  roma.unitProduction[0] = 5;       // Lion, cost -1
  roma.projectProduction[2] = 7;    // SDI, cost 1000
  roma.processRate[0] = 3;          // Wealth
  a.cities[0] = {roma, MakeCity("", 1, 1, 0), MakeCity("Caf\xE9ville", 7, 8, 6000000)};
  a.cities[0][2].foundedTurn = 115;
  a.cityCount[0] = 3;
  a.cities[18] = {MakeCity("Barbtown", 9, 9, 100)};
  a.cityCount[18] = 1;
  return a;
}

TEST_F(CitiesPageTest, ShowsTheFirstCityOfTheFirstPlayer) {
  Show(CityGame());
  EXPECT_EQ(form_.cities.playerSelector.Text(), "Alice");
  EXPECT_EQ(form_.cities.citySelector.Items(), (Strings{"Roma", "Caféville"}));
  EXPECT_EQ(form_.cities.citySelector.Index(), 0);
  EXPECT_EQ(form_.cities.citySelector.DropDownCount(), 2);
  EXPECT_EQ(form_.cities.founded.Text(), " 4000BC");
  EXPECT_EQ(form_.cities.population.Text(), "  5");
  EXPECT_EQ(form_.cities.culture.Text(), "  2345.00/5000");
  EXPECT_EQ(form_.cities.position.Text(), "   3;4");
  EXPECT_EQ(Texts(form_.cities.buildings), (Strings{"Palace", "Walls", "Castle"}));
  EXPECT_EQ(Colors(form_.cities.buildings), (Strings{"#000000", "#000000", "#0000FF"}));
  EXPECT_EQ(form_.cities.production.RowCount(), 16);
  EXPECT_EQ(Row(form_.cities.production, 1), (Strings{" 1", "Great Palace", "    30/600"}));
  EXPECT_EQ(Row(form_.cities.production, 2), (Strings{" 2", "Lion", "     5/-3"}));
  EXPECT_EQ(Row(form_.cities.production, 3), (Strings{" 3", "Sdi", "     7/3000"}));
  EXPECT_EQ(Row(form_.cities.production, 4), (Strings{" 4", "Wealth", "     3"}));
  EXPECT_EQ(Row(form_.cities.production, 5), (Strings{"", "", ""}));
  EXPECT_EQ(Row(form_.cities.production, 15), (Strings{"", "", ""}));
}

TEST_F(CitiesPageTest, NamelessCityDoesNotShiftTheOthers) {
  Show(CityGame());
  form_.cities.citySelector.Select(1);
  EXPECT_EQ(form_.cities.position.Text(), "   7;8");
  EXPECT_EQ(form_.cities.founded.Text(), "   1AD");
  EXPECT_EQ(form_.cities.culture.Text(), " 60000.00/50000");  // past the highest level
  EXPECT_TRUE(form_.cities.buildings.Lines().empty());
  EXPECT_EQ(Row(form_.cities.production, 1), (Strings{"", "", ""}));
  // Typed text selects no city: the first one.
  form_.cities.citySelector.Type("x");
  EXPECT_EQ(form_.cities.position.Text(), "   3;4");
}

TEST_F(CitiesPageTest, CultureIsMeasuredAgainstTheNextHigherLevel) {
  struct Case {
    int32_t speed, culture;
    const char* shown;
  };
  for (const Case& c : {Case{2, 50000, "   500.00/5000"}, Case{2, 999, "     9.99/10"}, Case{0, 0, "     0.00/30"},
                        Case{3, 2500000, " 25000.00/25000"}, Case{7, 234500, "  2345.00"}, Case{-1, 1, "     0.01"}}) {
    Analysis a = CityGame();
    a.gameSpeed = c.speed;
    a.cities[0][0].culture = c.culture;
    Show(a);
    EXPECT_EQ(form_.cities.culture.Text(), c.shown) << c.speed << " " << c.culture;
  }
}

TEST_F(CitiesPageTest, ProductionGridGrowsPastFifteenEntriesAndShrinksBack) {
  Analysis a = CityGame();
  City busy = MakeCity("Busy", 0, 0, 0);
  for (int u = 0; u < 20; ++u) busy.unitProduction[size_t(u)] = u + 1;
  a.cities[0].push_back(busy);
  Show(a);
  form_.cities.citySelector.Select(2);
  EXPECT_EQ(form_.cities.production.RowCount(), 21);
  EXPECT_EQ(form_.cities.production.Cell(0, 20), "20");
  EXPECT_EQ(Row(form_.cities.production, 20), (Strings{"20", "Swordsman", "    20/120"}));
  form_.cities.citySelector.Select(0);
  EXPECT_EQ(form_.cities.production.RowCount(), 16);
  EXPECT_EQ(Row(form_.cities.production, 15), (Strings{"", "", ""}));
}

TEST_F(CitiesPageTest, PlayerWithoutCitiesShowsEmptyCityFields) {
  Show(CityGame());
  form_.cities.playerSelector.Select(1);  // Bob
  EXPECT_TRUE(form_.cities.citySelector.Items().empty());
  EXPECT_EQ(form_.cities.citySelector.Index(), -1);
  for (const Edit* e : {&form_.cities.founded, &form_.cities.population, &form_.cities.culture, &form_.cities.position})
    EXPECT_EQ(e->Text(), "");
  EXPECT_TRUE(form_.cities.buildings.Lines().empty());
  EXPECT_EQ(Row(form_.cities.production, 1), (Strings{"", "", ""}));

  // The barbarian entry stands for slot 18.
  form_.cities.playerSelector.Select(3);
  EXPECT_EQ(form_.cities.citySelector.Items(), (Strings{"Barbtown"}));
  EXPECT_EQ(form_.cities.position.Text(), "   9;9");
}

TEST_F(CitiesPageTest, CityListDropsDownAtMostTwentyRows) {
  Analysis a = CityGame();
  a.cities[1].assign(25, MakeCity("Town", 0, 0, 0));
  Show(a);
  form_.cities.playerSelector.Select(1);
  EXPECT_EQ(form_.cities.citySelector.Items().size(), 25u);
  EXPECT_EQ(form_.cities.citySelector.DropDownCount(), 20);
}

}  // namespace
}  // namespace tolvane::form::testing
