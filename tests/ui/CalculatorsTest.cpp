// The Base page's score calculator, the Kavrel score and the anarchy length:
// their edits, the values the two score pages share, and their messages.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::ui::testing {
namespace {

using Strings = std::vector<std::string>;

// Slot 0 at turn 230 of 460: population 100 of 400 from 10; land 200 plus a
// vassal share of 50, of 1000 from 0. The Kavrel turn is its maximum.
Analysis ScoreGame() {
  Analysis a = SmallGame();
  a.gameTurn = 230;
  a.endTurn = 460;
  a.initPop = 10;
  a.maxPopScore = 400;
  a.populationScore[0] = a.populationScoreCounted[0] = 100;
  a.maxLandScore = 1000;
  a.landScore[0] = 200;
  a.landScoreCounted[0] = 250;
  a.maxTechScore = 500;
  a.maxWonderScore = 100;
  a.kavrelTurnCurr = a.kavrelTurnMax = 460;
  a.kavrelCultureMax = 50000;
  return a;
}

Strings BaseRow(const Form& f, int part) {
  const Edit* rows[4][6] = {
      {&f.initPopE, &f.currPopScoreE, &f.maxPopScoreE, &f.popCoeffE, &f.popScoreE, &f.popFinalScoreE},
      {&f.initLandE, &f.currLandScoreE, &f.maxLandScoreE, &f.landCoeffE, &f.landScoreE, &f.landFinalScoreE},
      {&f.initTechE, &f.currTechScoreE, &f.maxTechScoreE, &f.techCoeffE, &f.techScoreE, &f.techFinalScoreE},
      {&f.initWonderE, &f.currWonderScoreE, &f.maxWonderScoreE, &f.wonderCoeffE, &f.wonderScoreE,
       &f.wonderFinalScoreE}};
  Strings texts;
  for (const Edit* e : rows[part]) texts.push_back(e->Text());
  return texts;
}

TEST_F(FormTest, ScoreCalculationAfterALoad) {
  Show(ScoreGame());
  EXPECT_EQ(BaseRow(form_, 0), (Strings{"     10", "    100", "    400", "   5000", "   1250", "   7905"}));
  EXPECT_EQ(BaseRow(form_, 1), (Strings{"      0", "    200", "   1000", "   2000", "    500", "   1000"}));
  EXPECT_EQ(BaseRow(form_, 3), (Strings{"      0", "      0", "    100", "   1000", "      0", "      0"}));
  EXPECT_EQ(form_.gameScoreSumE.Text(), "   1750");
  EXPECT_EQ(form_.finalScoreSumE.Text(), "   8905");
  EXPECT_EQ(form_.edit13.Text(), "   8905");
  EXPECT_EQ(form_.diffCoeffE.Text(), "    1.0");
  EXPECT_EQ(form_.vassalPopScoredE.Text(), "      0");
  EXPECT_EQ(form_.vassalLandScoredE.Text(), "     50");
}

TEST_F(FormTest, BaseEditsRecomputeWhenLeft) {
  Show(ScoreGame());
  form_.SetEditText("VassalPopScoredE", "5");
  EXPECT_EQ(form_.popScoreE.Text(), "   1250");  // only leaving the edit recomputes
  form_.ExitEdit("VassalPopScoredE");
  EXPECT_EQ(form_.Model().populationScoreCounted[0], 105);
  EXPECT_EQ(form_.popScoreE.Text(), "   1312");
  EXPECT_EQ(form_.popFinalScoreE.Text(), "   8300");
  EXPECT_EQ(form_.currPopScoreE.Text(), "    100");

  form_.SetEditText("DiffCoeffE", "2");
  form_.ExitEdit("DiffCoeffE");
  EXPECT_EQ(form_.diffCoeffE.Text(), "    2.0");
  EXPECT_EQ(form_.popFinalScoreE.Text(), "  16601");
  EXPECT_TRUE(form_.Messages().empty());
}

TEST_F(FormTest, BaseEditThatIsNoNumberStopsTheReadingThere) {
  Show(ScoreGame());
  form_.SetEditText("InitPopE", "20");
  form_.SetEditText("MaxPopScoreE", "abc");
  form_.SetEditText("PopCoeffE", "1");
  form_.ExitEdit("InitPopE");
  EXPECT_EQ(form_.Messages(), (Strings{"'abc' is not a valid integer value"}));
  EXPECT_EQ(form_.Model().initPop, 20);  // read before the failing edit
  EXPECT_EQ(form_.Model().maxPopScore, 400);
  EXPECT_EQ(form_.Factors().popCoeff, 5000);
  EXPECT_EQ(form_.initPopE.Text(), "20");  // nothing recomputed or refilled
  EXPECT_EQ(form_.popFinalScoreE.Text(), "   7905");

  form_.SetEditText("DiffCoeffE", "1,5");
  form_.ExitEdit("DiffCoeffE");
  EXPECT_EQ(form_.Messages().back(), "'1,5' is not a valid floating point value");
  EXPECT_EQ(form_.Model().diffCoeff, 1.0);
}

TEST_F(FormTest, ScoreWithoutValueShowsItsMessageAndRefillsNothing) {
  Show(ScoreGame());
  form_.SetEditText("MaxPopScoreE", "-400");  // a negative ratio to a fractional power
  form_.ExitEdit("MaxPopScoreE");
  EXPECT_EQ(form_.Messages(), (Strings{"Invalid floating point operation"}));
  EXPECT_EQ(form_.Scores().game[0], 0);  // computed before the failing part
  EXPECT_EQ(form_.popScoreE.Text(), "   1250");
  EXPECT_EQ(form_.maxPopScoreE.Text(), "-400");
}

TEST_F(FormTest, LoadWithAScoreWithoutValueStillCompletes) {
  Analysis a = ScoreGame();
  a.maxPopScore = -400;
  Show(a);
  EXPECT_EQ(form_.Messages(), (Strings{"Invalid floating point operation"}));
  EXPECT_NE(form_.kavrelPopFinalE.Text(), "");
  EXPECT_TRUE(form_.Tabs()[kKavrelPage].visible);
  EXPECT_TRUE(form_.Tabs()[kReplayPage].visible);
}

TEST_F(FormTest, KavrelCalculationAfterALoad) {
  Show(ScoreGame());
  // Population at the turn limit: 2500 * 100 / 400; the turn: 2500 * 460 / 460.
  EXPECT_EQ(form_.kavrelPopFinalE.Text(), "    625");
  EXPECT_EQ(form_.kavrelTurnFinalE.Text(), "   2500");
  EXPECT_EQ(form_.kavrelSumFinalE.Text(), "   3750");  // with land 2500 * 250 / 1000
  EXPECT_EQ(form_.kavrelLandFinalE.Text(), "    625");
  EXPECT_EQ(form_.kavrelPopPercentE.Text(), "  16.67");
  EXPECT_EQ(form_.kavrelTurnPercentE.Text(), "  66.67");
  EXPECT_EQ(form_.kavrelCulturePercentE.Text(), "   0.00");
  EXPECT_EQ(form_.kavrelCultureMaxE.Text(), "  50000");
  EXPECT_EQ(form_.kavrelMTechMaxE.Text(), "    150");
  EXPECT_EQ(form_.kavrelMTechFactorE.Text(), "   5000");
  EXPECT_EQ(form_.kavrelDateE.Text(), " 2050AD");
}

TEST_F(FormTest, KavrelEditsRecomputeWhenLeft) {
  Show(ScoreGame());
  struct Step {
    const char* edit;
    const char* text;
    const char* result;  // edit to check
    const char* shown;
  };
  for (const Step& s : {Step{"KavrelPopMaxE", "1000", "KavrelPopFinalE", "    250"},
                        Step{"KavrelPopCurrE", "300", "KavrelPopFinalE", "    750"},    // 2500 * 300 / 1000
                        Step{"KavrelTurnCurrE", "230", "KavrelTurnFinalE", "  26810"},  // 2500 * 230 / 460^0.5
                        Step{"KavrelTurnCurrE", "0", "KavrelPopFinalE", " 750000"},
                        Step{"KavrelCultureCurrE", "1234", "KavrelCultureFinalE", "  30850"},
                        Step{"KavrelTurnCurrE", "115", "KavrelDateE", "   1AD"}}) {
    form_.SetEditText(s.edit, s.text);
    form_.ExitEdit(s.edit);
    EXPECT_EQ(As<Edit>(form_.Find(s.result))->Text(), s.shown) << s.edit << "=" << s.text;
  }
  EXPECT_EQ(form_.kavrelCultureCurrE.Text(), "   1234");
  EXPECT_TRUE(form_.Messages().empty());
}

TEST_F(FormTest, KavrelSharesKeepTheirTextsWhileTheSumIsZero) {
  Show(ScoreGame());
  for (const char* edit : {"KavrelPopCurrE", "KavrelLandCurrE", "KavrelTurnCurrE"}) form_.SetEditText(edit, "0");
  form_.ExitEdit("KavrelTurnCurrE");
  EXPECT_EQ(form_.kavrelSumFinalE.Text(), "      0");
  EXPECT_EQ(form_.kavrelPopPercentE.Text(), "  16.67");
}

TEST_F(FormTest, KavrelEditThatIsNoNumberStopsTheReadingThere) {
  Show(ScoreGame());
  form_.SetEditText("KavrelPopCurrE", "444");
  form_.SetEditText("KavrelLandCurrE", "x");
  form_.ExitEdit("KavrelPopCurrE");
  EXPECT_EQ(form_.Messages(), (Strings{"'x' is not a valid integer value"}));
  EXPECT_EQ(form_.Model().populationScoreCounted[0], 444);
  EXPECT_EQ(form_.Model().landScoreCounted[0], 250);
  EXPECT_EQ(form_.kavrelPopFinalE.Text(), "    625");

  form_.SetEditText("KavrelLandCurrE", "1");
  form_.SetEditText("KavrelPopMaxE", "-5");
  form_.SetEditText("KavrelTurnCurrE", "230");  // a fractional power of a negative maximum
  form_.ExitEdit("KavrelPopMaxE");
  EXPECT_EQ(form_.Messages().back(), "Invalid floating point operation");
  EXPECT_EQ(form_.kavrelPopMaxE.Text(), "-5");
}

// Both pages edit slot 0's values and the maxima; neither recomputes the other.
TEST_F(FormTest, BaseAndKavrelPagesShareSlotZerosValues) {
  Show(ScoreGame());
  form_.SetEditText("MaxPopScoreE", "800");
  form_.ExitEdit("MaxPopScoreE");
  EXPECT_EQ(form_.Model().maxPopScore, 800);
  EXPECT_EQ(form_.kavrelPopMaxE.Text(), "    400");

  form_.SetEditText("KavrelPopCurrE", "500");
  form_.ExitEdit("KavrelPopCurrE");  // also reads the Kavrel page's maximum back
  EXPECT_EQ(form_.Model().populationScoreCounted[0], 500);
  EXPECT_EQ(form_.Model().maxPopScore, 400);
  EXPECT_EQ(form_.currPopScoreE.Text(), "    100");

  // Leaving the Kavrel date runs the Base page's calculation, which reads
  // the Base page's edits back over the Kavrel page's values.
  form_.ExitEdit("KavrelDateE");
  EXPECT_EQ(form_.Model().populationScoreCounted[0], 100);
  EXPECT_EQ(form_.Model().maxPopScore, 800);
  EXPECT_EQ(form_.popScoreE.Text(), "    625");
  EXPECT_EQ(form_.kavrelPopCurrE.Text(), "    500");
}

TEST_F(FormTest, CalculatorFactorsOutliveALoad) {
  Show(ScoreGame());
  form_.SetEditText("PopCoeffE", "3000");
  form_.ExitEdit("PopCoeffE");
  form_.SetEditText("KavrelMTechMaxE", "300");
  form_.SetEditText("KavrelWonderFactorE", "10");
  form_.ExitEdit("KavrelMTechMaxE");
  Show(ScoreGame());
  EXPECT_EQ(form_.popCoeffE.Text(), "   3000");
  EXPECT_EQ(form_.popScoreE.Text(), "    750");
  EXPECT_EQ(form_.kavrelMTechMaxE.Text(), "    300");
  EXPECT_EQ(form_.kavrelWonderFactorE.Text(), "     10");
  EXPECT_EQ(form_.maxPopScoreE.Text(), "    400");  // the save's values come back
}

TEST(AnarchyCalculator, LengthFromTheFiveInputs) {
  Form form;
  auto enter = [&](const char* edit, const char* text) {
    form.SetEditText(edit, text);
    form.ExitEdit(edit);
  };
  enter("NewCivicsE", "  0");
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 0 turns");
  form.SetEditText("NewCivicsE", "2");
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 0 turns");  // typing alone computes nothing
  form.ExitEdit("NewCivicsE");
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 1 turns");

  enter("NewCivicsE", "7");         // counts as 5
  enter("AnarchyCitiesE", "5000");  // counts as 1000
  form.SelectItem("AnarchyWorldSizeBox", 0);
  form.SelectItem("AnarchyGameSpeedBox", 0);
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 116 turns");

  enter("NewCivicsE", "1");
  enter("AnarchyCitiesE", "-3");  // counts as 0
  form.SelectItem("AnarchyWorldSizeBox", 5);
  form.SelectItem("AnarchyGameSpeedBox", 3);
  form.SelectItem("AnarchyStartEraBox", 6);
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 1 turns");  // 0 raised to 1 with a civic
  EXPECT_TRUE(form.Messages().empty());
}

TEST(AnarchyCalculator, TypedListTextsAndBadNumbers) {
  Form form;
  form.SetEditText("NewCivicsE", "5");
  form.SetEditText("AnarchyCitiesE", "1000");
  form.TypeComboText("AnarchyGameSpeedBox", "Normal");  // typed over: 2 percent
  EXPECT_EQ(form.anarchyGameSpeedBox.Index(), -1);
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 1 turns");  // (6 + 80) * 2 / 100 * 50 / 100, raised to 1
  form.SelectItem("AnarchyGameSpeedBox", 2);
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 43 turns");
  form.TypeComboText("AnarchyStartEraBox", "Stone Age");  // no era: 0 percent
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 1 turns");
  form.SetEditText("NewCivicsE", "0");
  form.TypeComboText("AnarchyWorldSizeBox", "");
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 0 turns");

  form.SetEditText("NewCivicsE", "x");
  form.ExitEdit("NewCivicsE");
  form.SetEditText("NewCivicsE", "1");
  form.SetEditText("AnarchyCitiesE", "");
  form.ExitEdit("AnarchyCitiesE");
  EXPECT_EQ(form.Messages(), (Strings{"'x' is not a valid integer value", "'' is not a valid integer value"}));
  EXPECT_EQ(form.anarchyLengthL.Caption(), "= 0 turns");
}

}  // namespace
}  // namespace tolvane::ui::testing
