// The Header and Map pages: the save's header and the game's settings.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(HeaderAndMapPagesTest, ShowTheSettingsAsTheirNames) {
  Analysis a = SmallGame();
  a.flags = 255;
  a.modPath = "Mods\\Caf\xE9";
  a.gameName = "Test";
  a.adminPassword = "pw";
  a.saveFlag = 1;
  a.worldSize = 2;
  a.climate = 9;
  a.seaLevel = 1;
  a.latitude1 = -90;
  a.latitude2 = 90;
  a.wrapX = 1;
  a.wrapY = 0;
  a.gameOptions[0] = a.gameOptions[5] = 1;
  a.victoryFlags.fill(1);
  Show(a);
  EXPECT_EQ(form_.header.saveVersion.Text(), "     302");
  EXPECT_EQ(form_.header.flags.Text(), "000000FF");
  EXPECT_EQ(form_.header.modPath.Text(), "Mods\\Café");
  EXPECT_EQ(form_.header.adminPassword.Text(), "pw");
  EXPECT_EQ(form_.map.saveFlag.Text(), "       1");
  EXPECT_EQ(form_.map.worldSize.Text(), "Small");
  EXPECT_EQ(form_.map.climate.Text(), "Unknown");
  EXPECT_EQ(form_.map.seaLevel.Text(), "Medium");
  EXPECT_EQ(form_.map.startEra.Text(), "Ancient");
  EXPECT_EQ(form_.map.gameSpeed.Text(), "Normal");
  EXPECT_EQ(form_.map.calendar.Text(), "       0");
  EXPECT_EQ(form_.map.mapSize.Text(), "   2 x 1");
  EXPECT_EQ(form_.map.latitudes.Text(), "   90 ; -90");
  EXPECT_EQ(form_.map.landTiles.Text(), "     160");
  EXPECT_EQ(form_.map.ownedTiles.Text(), "      70");
  EXPECT_EQ(form_.map.wrapX.Text(), " Yes");
  EXPECT_EQ(form_.map.wrapY.Text(), "  No");
  EXPECT_EQ(form_.map.startTurn.Text(), "     0/4000BC");
  EXPECT_EQ(form_.map.gameOptions.Lines(), (Strings{"No City Razing", "Aggressive AI"}));
  EXPECT_EQ(form_.map.victoryConditions.Lines(),
            (Strings{"Time", "Conquest", "Domination", "Culture", "Space", "Diplomatic"}));
}

}  // namespace
}  // namespace tolvane::form::testing
