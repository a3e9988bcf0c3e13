// The Kavrel page: the Kavrel score and the anarchy length calculator.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(KavrelPageTest, CalculationAfterALoad) {
  Show(ScoreGame());
  // Population at the turn limit: 2500 * 100 / 400; the turn: 2500 * 460 / 460.
  EXPECT_EQ(form_.kavrel.population.finalScore.Text(), "    625");
  EXPECT_EQ(form_.kavrel.turn.finalScore.Text(), "   2500");
  EXPECT_EQ(form_.kavrel.finalScoreSum.Text(), "   3750");  // with land 2500 * 250 / 1000
  EXPECT_EQ(form_.kavrel.land.finalScore.Text(), "    625");
  EXPECT_EQ(form_.kavrel.population.share.Text(), "  16.67");
  EXPECT_EQ(form_.kavrel.turn.share.Text(), "  66.67");
  EXPECT_EQ(form_.kavrel.culture.share.Text(), "   0.00");
  EXPECT_EQ(form_.kavrel.culture.maximal.Text(), "  50000");
  EXPECT_EQ(form_.kavrel.modernTechnologies.maximal.Text(), "    150");
  EXPECT_EQ(form_.kavrel.modernTechnologies.factor.Text(), "   5000");
  EXPECT_EQ(form_.kavrel.date.Text(), " 2050AD");
}

TEST_F(KavrelPageTest, EditsRecomputeWhenLeft) {
  Show(ScoreGame());
  KavrelPage& k = form_.kavrel;
  struct Step {
    Edit& edit;
    const char* text;
    const Edit& result;
    const char* shown;
  };
  for (const Step& s : {Step{k.population.maximal, "1000", k.population.finalScore, "    250"},
                        Step{k.population.current, "300", k.population.finalScore, "    750"},  // 2500 * 300 / 1000
                        Step{k.turn.current, "230", k.turn.finalScore, "  26810"},              // 2500 * 230 / 460^0.5
                        Step{k.turn.current, "0", k.population.finalScore, " 750000"},
                        Step{k.culture.current, "1234", k.culture.finalScore, "  30850"},
                        Step{k.turn.current, "115", k.date, "   1AD"}}) {
    Enter(s.edit, s.text);
    EXPECT_EQ(s.result.Text(), s.shown) << s.edit.Description() << " = " << s.text;
  }
  EXPECT_EQ(form_.kavrel.culture.current.Text(), "   1234");
  EXPECT_TRUE(form_.Messages().empty());
}

TEST_F(KavrelPageTest, SharesKeepTheirTextsWhileTheSumIsZero) {
  Show(ScoreGame());
  for (Edit* edit : {&form_.kavrel.population.current, &form_.kavrel.land.current, &form_.kavrel.turn.current})
    edit->SetText("0");
  form_.kavrel.turn.current.Exit();
  EXPECT_EQ(form_.kavrel.finalScoreSum.Text(), "      0");
  EXPECT_EQ(form_.kavrel.population.share.Text(), "  16.67");
}

TEST_F(KavrelPageTest, EditThatIsNoNumberStopsTheReadingThere) {
  Show(ScoreGame());
  form_.kavrel.population.current.SetText("444");
  form_.kavrel.land.current.SetText("x");
  form_.kavrel.population.current.Exit();
  EXPECT_EQ(form_.Messages(), (Strings{"'x' is not a valid integer value"}));
  EXPECT_EQ(form_.kavrel.Inputs().current[0], 444);  // read before the failing edit
  EXPECT_EQ(form_.kavrel.Inputs().current[1], 250);
  EXPECT_EQ(form_.kavrel.population.finalScore.Text(), "    625");

  form_.kavrel.land.current.SetText("1");
  form_.kavrel.population.maximal.SetText("-5");
  form_.kavrel.turn.current.SetText("230");  // a fractional power of a negative maximum
  form_.kavrel.population.maximal.Exit();
  EXPECT_EQ(form_.Messages().back(), "Invalid floating point operation");
  EXPECT_EQ(form_.kavrel.population.maximal.Text(), "-5");
}

// Each calculator keeps its own inputs: neither page recomputes the other,
// and leaving the Kavrel page's date recomputes the Base page from its own
// edits.
TEST_F(KavrelPageTest, BaseAndKavrelCalculatorsKeepTheirOwnInputs) {
  Show(ScoreGame());
  Enter(form_.base.population.maximal, "800");
  EXPECT_EQ(form_.kavrel.population.maximal.Text(), "    400");
  EXPECT_EQ(form_.base.population.gameScore.Text(), "    625");

  Enter(form_.kavrel.population.current, "500");
  EXPECT_EQ(form_.kavrel.population.finalScore.Text(), "   3125");
  EXPECT_EQ(form_.base.population.current.Text(), "    100");

  form_.base.population.current.SetText("200");
  form_.kavrel.date.Exit();
  EXPECT_EQ(form_.base.population.gameScore.Text(), "   1250");
  EXPECT_EQ(form_.kavrel.population.current.Text(), "    500");
  EXPECT_EQ(form_.Model().maxPopScore, 400);
  EXPECT_EQ(form_.Model().populationScoreCounted[0], 100);
}

TEST_F(KavrelPageTest, AnarchyLengthFromTheFiveInputs) {
  AnarchyCalculator& anarchy = form_.kavrel.anarchy;
  Enter(anarchy.civics, "  0");
  EXPECT_EQ(anarchy.length.Text(), "= 0 turns");
  anarchy.civics.SetText("2");
  EXPECT_EQ(anarchy.length.Text(), "= 0 turns");  // typing alone computes nothing
  anarchy.civics.Exit();
  EXPECT_EQ(anarchy.length.Text(), "= 1 turns");

  Enter(anarchy.civics, "7");     // counts as 5
  Enter(anarchy.cities, "5000");  // counts as 1000
  anarchy.worldSize.Select(0);
  anarchy.gameSpeed.Select(0);
  EXPECT_EQ(anarchy.length.Text(), "= 116 turns");

  Enter(anarchy.civics, "1");
  Enter(anarchy.cities, "-3");  // counts as 0
  anarchy.worldSize.Select(5);
  anarchy.gameSpeed.Select(3);
  anarchy.startEra.Select(6);
  EXPECT_EQ(anarchy.length.Text(), "= 1 turns");  // 0 raised to 1 with a civic
  EXPECT_TRUE(form_.Messages().empty());
}

TEST_F(KavrelPageTest, AnarchyTypedListTextsAndBadNumbers) {
  AnarchyCalculator& anarchy = form_.kavrel.anarchy;
  anarchy.civics.SetText("5");
  anarchy.cities.SetText("1000");
  anarchy.gameSpeed.Type("Normal");  // typed over: 2 percent
  EXPECT_EQ(anarchy.gameSpeed.Index(), -1);
  EXPECT_EQ(anarchy.length.Text(), "= 1 turns");  // (6 + 80) * 2 / 100 * 50 / 100, raised to 1
  anarchy.gameSpeed.Select(2);
  EXPECT_EQ(anarchy.length.Text(), "= 43 turns");
  anarchy.startEra.Type("Stone Age");  // no era: 0 percent
  EXPECT_EQ(anarchy.length.Text(), "= 1 turns");
  anarchy.civics.SetText("0");
  anarchy.worldSize.Type("");
  EXPECT_EQ(anarchy.length.Text(), "= 0 turns");

  anarchy.civics.SetText("x");
  anarchy.civics.Exit();
  anarchy.civics.SetText("1");
  anarchy.cities.SetText("");
  anarchy.cities.Exit();
  EXPECT_EQ(form_.Messages(), (Strings{"'x' is not a valid integer value", "'' is not a valid integer value"}));
  EXPECT_EQ(anarchy.length.Text(), "= 0 turns");
}

}  // namespace
}  // namespace tolvane::form::testing
