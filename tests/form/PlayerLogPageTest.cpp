// The "Player Log" page: one player's messages, filtered and coloured.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

Message MakeMessage(const char* text, int32_t turn, int32_t color, int32_t type = 0) {
  Message m;
  m.text = text;
  m.turn = turn;
  m.color = color;
  m.messageType = type;
  return m;
}

Analysis LogGame() {
  Analysis a = SmallGame();
  a.messages[0] = {MakeMessage("Founded", 12, 37), MakeMessage("Attacked", 13, 8),   MakeMessage("Olive", 14, 33),
                   MakeMessage("Grey", 15, 34),    MakeMessage("Blue", 16, 36),      MakeMessage("Red", 17, 38),
                   MakeMessage("Black", 18, 7),    MakeMessage("Combat", 19, 36, 5), MakeMessage("Grew", 20, 38, 3),
                   MakeMessage("", 21, 37),        MakeMessage("Caf\xE9", 115, 0),   MakeMessage("Uncounted", 116, 0)};
  a.messageCount[0] = 11;
  a.messages[18] = {MakeMessage("Raid", 30, 0)};
  a.messageCount[18] = 1;
  return a;
}

TEST_F(PlayerLogPageTest, LeavesOutCombatsAndCityEventsAtFirst) {
  Show(LogGame());
  EXPECT_EQ(Texts(form_.playerLog.log),
            (Strings{"  12 3520BC Founded", "  13 3480BC Attacked", "  14 3440BC Olive", "  15 3400BC Grey",
                     "  16 3360BC Blue", "  17 3320BC Red", "  18 3280BC Black", " 115   1AD Café"}));
  EXPECT_EQ(Colors(form_.playerLog.log),
            (Strings{"#008000", "#FF0000", "#808000", "#808080", "#0000FF", "#FF0000", "#000000", "#000000"}));
}

TEST_F(PlayerLogPageTest, FiltersAddTheirMessagesInTheirOwnColours) {
  Show(LogGame());
  form_.playerLog.showCombats.Click();
  ASSERT_EQ(form_.playerLog.log.Lines().size(), 9u);
  EXPECT_EQ(form_.playerLog.log.Lines()[7], (RichLine{"  19 3240BC Combat", kPurple}));
  form_.playerLog.showCityEvents.Click();
  ASSERT_EQ(form_.playerLog.log.Lines().size(), 10u);
  EXPECT_EQ(form_.playerLog.log.Lines()[8], (RichLine{"  20 3200BC Grew", kGreen}));
  form_.playerLog.showCombats.Click();
  EXPECT_EQ(Texts(form_.playerLog.log)[7], "  20 3200BC Grew");

  // The boxes keep their state across loads.
  Show(LogGame());
  EXPECT_EQ(form_.playerLog.log.Lines().size(), 9u);
}

TEST_F(PlayerLogPageTest, LogOfTheSelectedPlayer) {
  Show(LogGame());
  form_.playerLog.playerSelector.Select(3);  // the barbarians' position
  EXPECT_EQ(Texts(form_.playerLog.log), (Strings{"  30 2800BC Raid"}));
  form_.playerLog.playerSelector.Select(1);  // Bob has no messages
  EXPECT_TRUE(form_.playerLog.log.Lines().empty());
  form_.playerLog.playerSelector.Type("?");
  EXPECT_EQ(form_.playerLog.log.Lines().size(), 8u);
}

}  // namespace
}  // namespace tolvane::form::testing
