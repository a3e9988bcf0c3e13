// The "Cities" page: one city of one player.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::ui::testing {
namespace {

using Strings = std::vector<std::string>;

TCityRec City(const char* name, int x, int y, int32_t culture) {
  TCityRec c;
  c.Name = name;
  c.X = x;
  c.Y = y;
  c.Culture = culture;
  return c;
}

// Alice: "Roma", a nameless record, "Caféville". Bob has no city.
Analysis CityGame() {
  Analysis a = SmallGame();
  a.SpeedCostPercent = 300;
  TCityRec roma = City("Roma", 3, 4, 234500);
  roma.Population = 5;
  roma.HasBuilding[0] = 1;          // Palace
  roma.HasBuilding[3] = 1;          // Walls
  roma.FreeBuilding[5] = 1;         // Castle
  roma.BuildingProduction[3] = 20;  // built already: not in production
  roma.BuildingProduction[5] = 10;  // free already: not in production
  roma.BuildingProduction[1] = 30;  // Great Palace, cost 200
  roma.UnitProduction[0] = 5;       // Lion, cost -1
  roma.ProjectProduction[2] = 7;    // SDI, cost 1000
  roma.ProcessRate[0] = 3;          // Wealth
  a.Cities[0] = {roma, City("", 1, 1, 0), City("Caf\xE9ville", 7, 8, 6000000)};
  a.Cities[0][2].FoundedTurn = 115;
  a.CityCount[0] = 3;
  a.Cities[18] = {City("Barbtown", 9, 9, 100)};
  a.CityCount[18] = 1;
  return a;
}

TEST_F(FormTest, CityPageShowsTheFirstCityOfTheFirstPlayer) {
  Show(CityGame());
  EXPECT_EQ(form.PlayerCitySelect.Text(), "Alice");
  EXPECT_EQ(form.CityBox.Items(), (Strings{"Roma", "Caféville"}));
  EXPECT_EQ(form.CityBox.Index(), 0);
  EXPECT_EQ(form.CityBox.DropDownCount(), 2);
  EXPECT_EQ(form.CityFoundE.Text(), " 4000BC");
  EXPECT_EQ(form.PopE.Text(), "  5");
  EXPECT_EQ(form.CultureE.Text(), "  2345.00/5000");
  EXPECT_EQ(form.CityXYE.Text(), "   3;4");
  EXPECT_EQ(Texts(form.BuildingsList), (Strings{"Palace", "Walls", "Castle"}));
  EXPECT_EQ(Colors(form.BuildingsList), (Strings{"#000000", "#000000", "#0000FF"}));
  EXPECT_EQ(form.ProductionGrid.RowCount(), 16);
  EXPECT_EQ(Row(form.ProductionGrid, 1), (Strings{" 1", "Great Palace", "    30/600"}));
  EXPECT_EQ(Row(form.ProductionGrid, 2), (Strings{" 2", "Lion", "     5/-3"}));
  EXPECT_EQ(Row(form.ProductionGrid, 3), (Strings{" 3", "Sdi", "     7/3000"}));
  EXPECT_EQ(Row(form.ProductionGrid, 4), (Strings{" 4", "Wealth", "     3"}));
  EXPECT_EQ(Row(form.ProductionGrid, 5), (Strings{"", "", ""}));
  EXPECT_EQ(Row(form.ProductionGrid, 15), (Strings{"", "", ""}));
}

TEST_F(FormTest, NamelessCityDoesNotShiftTheOthers) {
  Show(CityGame());
  form.SelectItem("CityBox", 1);
  EXPECT_EQ(form.CityXYE.Text(), "   7;8");
  EXPECT_EQ(form.CityFoundE.Text(), "   1AD");
  EXPECT_EQ(form.CultureE.Text(), " 60000.00/50000");  // past the highest level
  EXPECT_TRUE(form.BuildingsList.Lines().empty());
  EXPECT_EQ(Row(form.ProductionGrid, 1), (Strings{"", "", ""}));
  // Typed text selects no city: the first one.
  form.TypeComboText("CityBox", "x");
  EXPECT_EQ(form.CityXYE.Text(), "   3;4");
}

TEST_F(FormTest, CultureIsMeasuredAgainstTheNextHigherLevel) {
  struct Case {
    int32_t speed, culture;
    const char* shown;
  };
  for (const Case& c : {Case{2, 50000, "   500.00/5000"}, Case{2, 999, "     9.99/10"}, Case{0, 0, "     0.00/30"},
                        Case{3, 2500000, " 25000.00/25000"}, Case{7, 234500, "  2345.00"}, Case{-1, 1, "     0.01"}}) {
    Analysis a = CityGame();
    a.GameSpeed = c.speed;
    a.Cities[0][0].Culture = c.culture;
    Show(a);
    EXPECT_EQ(form.CultureE.Text(), c.shown) << c.speed << " " << c.culture;
  }
}

TEST_F(FormTest, ProductionGridGrowsPastFifteenEntriesAndShrinksBack) {
  Analysis a = CityGame();
  TCityRec busy = City("Busy", 0, 0, 0);
  for (int u = 0; u < 20; ++u) busy.UnitProduction[size_t(u)] = u + 1;
  a.Cities[0].push_back(busy);
  Show(a);
  form.SelectItem("CityBox", 2);
  EXPECT_EQ(form.ProductionGrid.RowCount(), 21);
  EXPECT_EQ(form.ProductionGrid.Cell(0, 20), "20");
  EXPECT_EQ(Row(form.ProductionGrid, 20), (Strings{"20", "Swordsman", "    20/120"}));
  form.SelectItem("CityBox", 0);
  EXPECT_EQ(form.ProductionGrid.RowCount(), 16);
  EXPECT_EQ(Row(form.ProductionGrid, 15), (Strings{"", "", ""}));
}

TEST_F(FormTest, PlayerWithoutCitiesShowsEmptyCityFields) {
  Show(CityGame());
  form.SelectItem("PlayerCitySelect", 1);  // Bob
  EXPECT_TRUE(form.CityBox.Items().empty());
  EXPECT_EQ(form.CityBox.Index(), -1);
  for (const Edit* e : {&form.CityFoundE, &form.PopE, &form.CultureE, &form.CityXYE}) EXPECT_EQ(e->Text(), "");
  EXPECT_TRUE(form.BuildingsList.Lines().empty());
  EXPECT_EQ(Row(form.ProductionGrid, 1), (Strings{"", "", ""}));

  // The barbarian entry stands for slot 18.
  form.SelectItem("PlayerCitySelect", 3);
  EXPECT_EQ(form.CityBox.Items(), (Strings{"Barbtown"}));
  EXPECT_EQ(form.CityXYE.Text(), "   9;9");
}

TEST_F(FormTest, CityListDropsDownAtMostTwentyRows) {
  Analysis a = CityGame();
  a.Cities[1].assign(25, City("Town", 0, 0, 0));
  Show(a);
  form.SelectItem("PlayerCitySelect", 1);
  EXPECT_EQ(form.CityBox.Items().size(), 25u);
  EXPECT_EQ(form.CityBox.DropDownCount(), 20);
}

}  // namespace
}  // namespace tolvane::ui::testing
