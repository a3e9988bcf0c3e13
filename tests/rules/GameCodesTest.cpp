// The game's codes: line colours of the replay and the player log, the
// session words, and the option indexes against the option names.
#include <gtest/gtest.h>

#include <string_view>

#include "rules/GameCodes.h"
#include "rules/Tables.h"

namespace tolvane {
namespace {

TEST(LineColors, ReplayByColorCodeAndSessionStart) {
  struct Case {
    std::string_view text;
    int32_t code;
    uint32_t color;
  };
  const Case cases[] = {
      {"Rome founded", 34, 0x808080},
      {"Rome founded", 36, 0x0000FF},
      {"Rome founded", 37, 0x008000},
      {"Rome founded", 38, 0xFF0000},
      {"Rome founded", 33, 0x000000},  // olive only in the player log
      {"Rome founded", 8, 0x000000},
      {"Rome founded", 0, 0x000000},
      {"Session 3", 38, 0x800080},  // a session start is purple whatever its code
      {"New \xD1\xE5\xF1\xF1\xE8\xFF", 0, 0x800080},
      {"Lancement de la session", 36, 0x800080},
      {"session in lower case", 36, 0x0000FF},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplayLineColor(c.text, c.code), c.color) << c.text << " " << c.code;
}

TEST(LineColors, PlayerLogByTypeThenColorCode) {
  struct Case {
    int32_t type, code;
    uint32_t color;
  };
  const Case cases[] = {
      {kCombatMessage, 37, 0x800080},
      {kCityEventMessage, 38, 0x008000},
      {0, 8, 0xFF0000},
      {0, 38, 0xFF0000},
      {0, 33, 0x808000},
      {0, 34, 0x808080},
      {0, 36, 0x0000FF},
      {1, 37, 0x008000},
      {0, 35, 0x000000},
      {4, -1, 0x000000},
  };
  for (const Case& c : cases) EXPECT_EQ(PlayerLogLineColor(c.type, c.code), c.color) << c.type << " " << c.code;
  EXPECT_EQ(kCityEventMessage, 3);
  EXPECT_EQ(kCombatMessage, 5);
}

TEST(SessionWords, FoundAnywhereAndCaseSensitive) {
  EXPECT_EQ(SessionWords().size(), 3u);
  for (std::string_view word : SessionWords()) EXPECT_TRUE(IsSessionText(std::string("Start: ") + std::string(word)));
  EXPECT_TRUE(IsSessionText("\xD1\xE5\xF1\xF1\xE8\xFF 2"));
  EXPECT_FALSE(IsSessionText("session"));
  EXPECT_FALSE(IsSessionText("Sess ion"));
  EXPECT_FALSE(IsSessionText(""));
  EXPECT_EQ(kNoSessionTurn, 9999);
}

// The option indexes follow the option names; the slot kinds their names.
TEST(GameCodes, IndexesMatchTheirNames) {
  const std::pair<GameOption, std::string_view> options[] = {
      {kOptionNoCityRazing, "No City Razing"},
      {kOptionNoCityFlipping, "No City Flipping"},
      {kOptionFlippingAfterConquest, "Flipping After Conquest"},
      {kOptionNoBarbarians, "No Barbarians"},
      {kOptionRagingBarbarians, "Raging Barbarians"},
      {kOptionAggressiveAI, "Aggressive AI"},
      {kOptionRandomPersonalities, "Random Personalities"},
      {kOptionNoTechTrading, "No Tech Trading"},
      {kOptionPermanentAlliances, "Permanent Alliances"},
      {kOptionAlwaysWar, "Always War"},
      {kOptionAlwaysPeace, "Always Peace"},
      {kOptionOneCityChallenge, "One City Challenge"},
      {kOptionNoChangingWarPeace, "No Changing War Peace"},
      {kOptionNewRandomSeed, "New Random Seed"},
      {kOptionLockMods, "Lock Mods"},
      {kOptionCompleteKills, "Complete Kills"},
      {kOptionNoVassalStates, "No Vassal States"},
      {kOptionNoGoodyHuts, "No Goody Huts"},
  };
  static_assert(std::size(options) == kGameOptions);
  for (const auto& [option, name] : options) EXPECT_EQ(kGameOptionNames[option], name);
  EXPECT_EQ(kOptionAggressiveAI, 5);
  EXPECT_EQ(SlotStatusName(kSlotOpen), "Open");
  EXPECT_EQ(SlotStatusName(kSlotComputer), "Computer");
  EXPECT_EQ(SlotStatusName(kSlotClosed), "Closed");
  EXPECT_EQ(SlotStatusName(kSlotHuman), "Human");
  EXPECT_EQ(kSlotHuman, 3);
}

}  // namespace
}  // namespace tolvane
