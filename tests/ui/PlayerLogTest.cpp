// The "Player Log" page: one player's messages, filtered and coloured.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::ui::testing {
namespace {

using Strings = std::vector<std::string>;

TMessageRec Message(const char* text, int32_t turn, int32_t color, int32_t type = 0) {
  TMessageRec m;
  m.Text = text;
  m.Turn = turn;
  m.Color = color;
  m.MessageType = type;
  return m;
}

Analysis LogGame() {
  Analysis a = SmallGame();
  a.Messages[0] = {Message("Founded", 12, 37), Message("Attacked", 13, 8),   Message("Olive", 14, 33),
                   Message("Grey", 15, 34),    Message("Blue", 16, 36),      Message("Red", 17, 38),
                   Message("Black", 18, 7),    Message("Combat", 19, 36, 5), Message("Grew", 20, 38, 3),
                   Message("", 21, 37),        Message("Caf\xE9", 115, 0),   Message("Uncounted", 116, 0)};
  a.MessageCount[0] = 11;
  a.Messages[18] = {Message("Raid", 30, 0)};
  a.MessageCount[18] = 1;
  return a;
}

TEST_F(FormTest, PlayerLogLeavesOutCombatsAndCityEventsAtFirst) {
  Show(LogGame());
  EXPECT_EQ(Texts(form.PlayerLog),
            (Strings{"  12 3520BC Founded", "  13 3480BC Attacked", "  14 3440BC Olive", "  15 3400BC Grey",
                     "  16 3360BC Blue", "  17 3320BC Red", "  18 3280BC Black", " 115   1AD Café"}));
  EXPECT_EQ(Colors(form.PlayerLog),
            (Strings{"#008000", "#FF0000", "#808000", "#808080", "#0000FF", "#FF0000", "#000000", "#000000"}));
}

TEST_F(FormTest, PlayerLogFiltersAddTheirMessagesInTheirOwnColours) {
  Show(LogGame());
  form.ClickCheckBox("ShowCombatsCheckBox");
  ASSERT_EQ(form.PlayerLog.Lines().size(), 9u);
  EXPECT_EQ(form.PlayerLog.Lines()[7], (RichLine{"  19 3240BC Combat", kPurple}));
  form.ClickCheckBox("ShowCityEventsCheckBox");
  ASSERT_EQ(form.PlayerLog.Lines().size(), 10u);
  EXPECT_EQ(form.PlayerLog.Lines()[8], (RichLine{"  20 3200BC Grew", kGreen}));
  form.ClickCheckBox("ShowCombatsCheckBox");
  EXPECT_EQ(Texts(form.PlayerLog)[7], "  20 3200BC Grew");

  // The boxes keep their state across loads.
  Show(LogGame());
  EXPECT_EQ(form.PlayerLog.Lines().size(), 9u);
}

TEST_F(FormTest, PlayerLogOfTheSelectedPlayer) {
  Show(LogGame());
  form.SelectItem("PlayerLogSelect", 3);  // the barbarians' position
  EXPECT_EQ(Texts(form.PlayerLog), (Strings{"  30 2800BC Raid"}));
  form.SelectItem("PlayerLogSelect", 1);  // Bob has no messages
  EXPECT_TRUE(form.PlayerLog.Lines().empty());
  form.TypeComboText("PlayerLogSelect", "?");
  EXPECT_EQ(form.PlayerLog.Lines().size(), 8u);
}

}  // namespace
}  // namespace tolvane::ui::testing
