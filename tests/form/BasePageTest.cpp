// The Base page: the first player and the game's state, and the score calculator.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

// The texts of a row of the score calculator, column by column.
Strings Texts(const ScoreRow& row) {
  Strings texts;
  for (const Edit* e : {&row.initial, &row.current, &row.maximal, &row.factor, &row.gameScore, &row.finalScore})
    texts.push_back(e->Text());
  return texts;
}

TEST_F(BasePageTest, ShowsTurnDateTimeScoreAndFirstPlayer) {
  Show(SmallGame());
  EXPECT_EQ(form_.base.turn.Text(), " 120/460");
  EXPECT_EQ(form_.base.date.Text(), "  125AD");
  EXPECT_EQ(form_.base.playingTime.Text(), "   1:02:05");
  EXPECT_EQ(form_.base.gameScore.Text(), "   812");
  EXPECT_EQ(form_.base.difficulty.Text(), "Noble");
  EXPECT_EQ(form_.base.gameStatus.Text(), "Incomplete");
  EXPECT_EQ(form_.base.nick.Text(), "Alice");
  EXPECT_EQ(form_.base.leader.Text(), "Augustus");
  EXPECT_EQ(form_.base.civilization.Text(), "Rome");
}

TEST_F(BasePageTest, EdgeValues) {
  Analysis a = SmallGame();
  a.gameTurn = 115;  // year 0 at Normal speed
  a.gameDate = 0;
  a.slots[0].leaderType = 37;  // beyond the leader table
  a.slots[0].civType = -1;
  a.slots[0].leaderName = "\xC5sa";
  a.difficulty = 9;
  Show(a);
  EXPECT_EQ(form_.base.date.Text(), "   1AD");
  EXPECT_EQ(form_.base.leader.Text(), "Unknown");
  EXPECT_EQ(form_.base.civilization.Text(), "Unknown");
  EXPECT_EQ(form_.base.nick.Text(), "Åsa");
  EXPECT_EQ(form_.base.difficulty.Text(), "Unknown");
}

TEST_F(BasePageTest, GameStatusByStateAndVictory) {
  struct Case {
    int32_t state, victory;
    const char* shown;
  };
  for (const Case& c : {Case{0, 2, "Incomplete"}, Case{1, 0, "Unknown"}, Case{1, 2, "Conquest"}, Case{1, -1, "Loss"},
                        Case{-1, 6, "Diplomatic"}, Case{1, 7, "Unknown"}}) {
    Analysis a = SmallGame();
    a.gameState = c.state;
    a.victoryType = c.victory;
    Show(a);
    EXPECT_EQ(form_.base.gameStatus.Text(), c.shown) << c.state << "/" << c.victory;
  }
}

TEST_F(BasePageTest, ScoreCalculationAfterALoad) {
  Show(ScoreGame());
  EXPECT_EQ(Texts(form_.base.population), (Strings{"     10", "    100", "    400", "   5000", "   1250", "   7905"}));
  EXPECT_EQ(Texts(form_.base.land), (Strings{"      0", "    200", "   1000", "   2000", "    500", "   1000"}));
  EXPECT_EQ(Texts(form_.base.wonders), (Strings{"      0", "      0", "    100", "   1000", "      0", "      0"}));
  EXPECT_EQ(form_.base.gameScoreSum.Text(), "   1750");
  EXPECT_EQ(form_.base.finalScoreSum.Text(), "   8905");
  EXPECT_EQ(form_.base.finalScore.Text(), "   8905");
  EXPECT_EQ(form_.base.difficultyCoefficient.Text(), "    1.0");
  EXPECT_EQ(form_.base.vassalPopulationScored.Text(), "      0");
  EXPECT_EQ(form_.base.vassalLandScored.Text(), "     50");
}

TEST_F(BasePageTest, EditsRecomputeWhenLeft) {
  Show(ScoreGame());
  form_.base.vassalPopulationScored.SetText("5");
  EXPECT_EQ(form_.base.population.gameScore.Text(), "   1250");  // only leaving the edit recomputes
  form_.base.vassalPopulationScored.Exit();
  EXPECT_EQ(form_.base.Inputs().Counted(0), 105);
  EXPECT_EQ(form_.base.population.gameScore.Text(), "   1312");
  EXPECT_EQ(form_.base.population.finalScore.Text(), "   8300");
  EXPECT_EQ(form_.base.population.current.Text(), "    100");

  form_.base.difficultyCoefficient.SetText("2");
  form_.base.difficultyCoefficient.Exit();
  EXPECT_EQ(form_.base.difficultyCoefficient.Text(), "    2.0");
  EXPECT_EQ(form_.base.population.finalScore.Text(), "  16601");
  EXPECT_TRUE(form_.Messages().empty());
}

TEST_F(BasePageTest, EditThatIsNoNumberStopsTheReadingThere) {
  Show(ScoreGame());
  form_.base.population.initial.SetText("20");
  form_.base.population.maximal.SetText("abc");
  form_.base.population.factor.SetText("1");
  form_.base.population.initial.Exit();
  EXPECT_EQ(form_.Messages(), (Strings{"'abc' is not a valid integer value"}));
  EXPECT_EQ(form_.base.Inputs().initial[0], 20);  // read before the failing edit
  EXPECT_EQ(form_.base.Inputs().maximal[0], 400);
  EXPECT_EQ(form_.base.Factors().popCoeff, 5000);
  EXPECT_EQ(form_.base.population.initial.Text(), "20");  // nothing recomputed or refilled
  EXPECT_EQ(form_.base.population.finalScore.Text(), "   7905");

  form_.base.difficultyCoefficient.SetText("1,5");
  form_.base.difficultyCoefficient.Exit();
  EXPECT_EQ(form_.Messages().back(), "'1,5' is not a valid floating point value");
  EXPECT_EQ(form_.base.Inputs().difficultyCoefficient, 1.0);
}

TEST_F(BasePageTest, ScoreWithoutValueShowsItsMessageAndRefillsNothing) {
  Show(ScoreGame());
  form_.base.population.maximal.SetText("-400");  // a negative ratio to a fractional power
  form_.base.population.maximal.Exit();
  EXPECT_EQ(form_.Messages(), (Strings{"Invalid floating point operation"}));
  EXPECT_EQ(form_.base.Results().game[0], 0);  // computed before the failing part
  EXPECT_EQ(form_.base.population.gameScore.Text(), "   1250");
  EXPECT_EQ(form_.base.population.maximal.Text(), "-400");
}

TEST_F(BasePageTest, LoadWithAScoreWithoutValueStillCompletes) {
  Analysis a = ScoreGame();
  a.maxPopScore = -400;
  Show(a);
  EXPECT_EQ(form_.Messages(), (Strings{"Invalid floating point operation"}));
  EXPECT_NE(form_.kavrel.population.finalScore.Text(), "");
  EXPECT_TRUE(form_.kavrel.Visible());
  EXPECT_TRUE(form_.replay.Visible());
}

TEST_F(BasePageTest, FactorsOutliveALoad) {
  Show(ScoreGame());
  form_.base.population.factor.SetText("3000");
  form_.base.population.factor.Exit();
  form_.kavrel.modernTechnologies.maximal.SetText("300");
  form_.kavrel.wonders.factor.SetText("10");
  form_.kavrel.modernTechnologies.maximal.Exit();
  Show(ScoreGame());
  EXPECT_EQ(form_.base.population.factor.Text(), "   3000");
  EXPECT_EQ(form_.base.population.gameScore.Text(), "    750");
  EXPECT_EQ(form_.kavrel.modernTechnologies.maximal.Text(), "    300");
  EXPECT_EQ(form_.kavrel.wonders.factor.Text(), "     10");
  EXPECT_EQ(form_.base.population.maximal.Text(), "    400");  // the save's values come back
}

// A refused input stays marked until its text is a number again, or until a
// calculation reads it.
TEST_F(BasePageTest, RefusedInputIsMarkedUntilItsTextIsANumber) {
  Show(ScoreGame());
  Enter(form_.base.land.maximal, "lots");
  EXPECT_TRUE(form_.base.land.maximal.Marked());
  EXPECT_EQ(form_.FieldOfMessage(0), &form_.base.land.maximal);
  form_.base.land.maximal.SetText("lots of");
  EXPECT_TRUE(form_.base.land.maximal.Marked());
  form_.base.land.maximal.SetText("900");
  EXPECT_FALSE(form_.base.land.maximal.Marked());
  Enter(form_.base.difficultyCoefficient, "x");
  EXPECT_TRUE(form_.base.difficultyCoefficient.Marked());
  form_.base.difficultyCoefficient.SetText("2.5");
  EXPECT_FALSE(form_.base.difficultyCoefficient.Marked());
  EXPECT_EQ(form_.Messages().size(), 2u);
}

// What the user types stays in the calculator: the analysis keeps the save's
// values.
TEST_F(BasePageTest, EditsLeaveTheAnalysisAsTheSaveHasIt) {
  Show(ScoreGame());
  Enter(form_.base.population.maximal, "800");
  Enter(form_.base.science.current, "77");
  Enter(form_.base.vassalLandScored, "9");
  Enter(form_.base.difficultyCoefficient, "3");
  EXPECT_EQ(form_.base.population.maximal.Text(), "    800");
  EXPECT_EQ(form_.Model().maxPopScore, 400);
  EXPECT_EQ(form_.Model().techScore[0], 0);
  EXPECT_EQ(form_.Model().landScoreCounted[0], 250);
  EXPECT_EQ(form_.Model().diffCoeff, 1.0);
  EXPECT_TRUE(form_.Messages().empty());
}

}  // namespace
}  // namespace tolvane::form::testing
