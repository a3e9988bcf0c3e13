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
  a.GameTurn = 230;
  a.EndTurn = 460;
  a.InitPop = 10;
  a.MaxPopScore = 400;
  a.PopulationScore[0] = a.PopulationScoreCounted[0] = 100;
  a.MaxLandScore = 1000;
  a.LandScore[0] = 200;
  a.LandScoreCounted[0] = 250;
  a.MaxTechScore = 500;
  a.MaxWonderScore = 100;
  a.KavrelTurnCurr = a.KavrelTurnMax = 460;
  a.KavrelCultureMax = 50000;
  return a;
}

Strings BaseRow(const Form& f, int part) {
  const Edit* rows[4][6] = {
      {&f.InitPopE, &f.CurrPopScoreE, &f.MaxPopScoreE, &f.PopCoeffE, &f.PopScoreE, &f.PopFinalScoreE},
      {&f.InitLandE, &f.CurrLandScoreE, &f.MaxLandScoreE, &f.LandCoeffE, &f.LandScoreE, &f.LandFinalScoreE},
      {&f.InitTechE, &f.CurrTechScoreE, &f.MaxTechScoreE, &f.TechCoeffE, &f.TechScoreE, &f.TechFinalScoreE},
      {&f.InitWonderE, &f.CurrWonderScoreE, &f.MaxWonderScoreE, &f.WonderCoeffE, &f.WonderScoreE,
       &f.WonderFinalScoreE}};
  Strings texts;
  for (const Edit* e : rows[part]) texts.push_back(e->Text());
  return texts;
}

TEST_F(FormTest, ScoreCalculationAfterALoad) {
  Show(ScoreGame());
  EXPECT_EQ(BaseRow(form, 0), (Strings{"     10", "    100", "    400", "   5000", "   1250", "   7905"}));
  EXPECT_EQ(BaseRow(form, 1), (Strings{"      0", "    200", "   1000", "   2000", "    500", "   1000"}));
  EXPECT_EQ(BaseRow(form, 3), (Strings{"      0", "      0", "    100", "   1000", "      0", "      0"}));
  EXPECT_EQ(form.GameScoreSumE.Text(), "   1750");
  EXPECT_EQ(form.FinalScoreSumE.Text(), "   8905");
  EXPECT_EQ(form.Edit13.Text(), "   8905");
  EXPECT_EQ(form.DiffCoeffE.Text(), "    1.0");
  EXPECT_EQ(form.VassalPopScoredE.Text(), "      0");
  EXPECT_EQ(form.VassalLandScoredE.Text(), "     50");
}

TEST_F(FormTest, BaseEditsRecomputeWhenLeft) {
  Show(ScoreGame());
  form.SetEditText("VassalPopScoredE", "5");
  EXPECT_EQ(form.PopScoreE.Text(), "   1250");  // only leaving the edit recomputes
  form.ExitEdit("VassalPopScoredE");
  EXPECT_EQ(form.Model().PopulationScoreCounted[0], 105);
  EXPECT_EQ(form.PopScoreE.Text(), "   1312");
  EXPECT_EQ(form.PopFinalScoreE.Text(), "   8300");
  EXPECT_EQ(form.CurrPopScoreE.Text(), "    100");

  form.SetEditText("DiffCoeffE", "2");
  form.ExitEdit("DiffCoeffE");
  EXPECT_EQ(form.DiffCoeffE.Text(), "    2.0");
  EXPECT_EQ(form.PopFinalScoreE.Text(), "  16601");
  EXPECT_TRUE(form.Messages().empty());
}

TEST_F(FormTest, BaseEditThatIsNoNumberStopsTheReadingThere) {
  Show(ScoreGame());
  form.SetEditText("InitPopE", "20");
  form.SetEditText("MaxPopScoreE", "abc");
  form.SetEditText("PopCoeffE", "1");
  form.ExitEdit("InitPopE");
  EXPECT_EQ(form.Messages(), (Strings{"'abc' is not a valid integer value"}));
  EXPECT_EQ(form.Model().InitPop, 20);  // read before the failing edit
  EXPECT_EQ(form.Model().MaxPopScore, 400);
  EXPECT_EQ(form.Factors().PopCoeff, 5000);
  EXPECT_EQ(form.InitPopE.Text(), "20");  // nothing recomputed or refilled
  EXPECT_EQ(form.PopFinalScoreE.Text(), "   7905");

  form.SetEditText("DiffCoeffE", "1,5");
  form.ExitEdit("DiffCoeffE");
  EXPECT_EQ(form.Messages().back(), "'1,5' is not a valid floating point value");
  EXPECT_EQ(form.Model().DiffCoeff, 1.0);
}

TEST_F(FormTest, ScoreWithoutValueShowsItsMessageAndRefillsNothing) {
  Show(ScoreGame());
  form.SetEditText("MaxPopScoreE", "-400");  // a negative ratio to a fractional power
  form.ExitEdit("MaxPopScoreE");
  EXPECT_EQ(form.Messages(), (Strings{"Invalid floating point operation"}));
  EXPECT_EQ(form.Scores().Game[0], 0);  // computed before the failing part
  EXPECT_EQ(form.PopScoreE.Text(), "   1250");
  EXPECT_EQ(form.MaxPopScoreE.Text(), "-400");
}

TEST_F(FormTest, LoadWithAScoreWithoutValueStillCompletes) {
  Analysis a = ScoreGame();
  a.MaxPopScore = -400;
  Show(a);
  EXPECT_EQ(form.Messages(), (Strings{"Invalid floating point operation"}));
  EXPECT_NE(form.KavrelPopFinalE.Text(), "");
  EXPECT_TRUE(form.Tabs()[kKavrelPage].visible);
  EXPECT_TRUE(form.Tabs()[kReplayPage].visible);
}

TEST_F(FormTest, KavrelCalculationAfterALoad) {
  Show(ScoreGame());
  // Population at the turn limit: 2500 * 100 / 400; the turn: 2500 * 460 / 460.
  EXPECT_EQ(form.KavrelPopFinalE.Text(), "    625");
  EXPECT_EQ(form.KavrelTurnFinalE.Text(), "   2500");
  EXPECT_EQ(form.KavrelSumFinalE.Text(), "   3750");  // with land 2500 * 250 / 1000
  EXPECT_EQ(form.KavrelLandFinalE.Text(), "    625");
  EXPECT_EQ(form.KavrelPopPercentE.Text(), "  16.67");
  EXPECT_EQ(form.KavrelTurnPercentE.Text(), "  66.67");
  EXPECT_EQ(form.KavrelCulturePercentE.Text(), "   0.00");
  EXPECT_EQ(form.KavrelCultureMaxE.Text(), "  50000");
  EXPECT_EQ(form.KavrelMTechMaxE.Text(), "    150");
  EXPECT_EQ(form.KavrelMTechFactorE.Text(), "   5000");
  EXPECT_EQ(form.KavrelDateE.Text(), " 2050AD");
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
    form.SetEditText(s.edit, s.text);
    form.ExitEdit(s.edit);
    EXPECT_EQ(As<Edit>(form.Find(s.result))->Text(), s.shown) << s.edit << "=" << s.text;
  }
  EXPECT_EQ(form.KavrelCultureCurrE.Text(), "   1234");
  EXPECT_TRUE(form.Messages().empty());
}

TEST_F(FormTest, KavrelSharesKeepTheirTextsWhileTheSumIsZero) {
  Show(ScoreGame());
  for (const char* edit : {"KavrelPopCurrE", "KavrelLandCurrE", "KavrelTurnCurrE"}) form.SetEditText(edit, "0");
  form.ExitEdit("KavrelTurnCurrE");
  EXPECT_EQ(form.KavrelSumFinalE.Text(), "      0");
  EXPECT_EQ(form.KavrelPopPercentE.Text(), "  16.67");
}

TEST_F(FormTest, KavrelEditThatIsNoNumberStopsTheReadingThere) {
  Show(ScoreGame());
  form.SetEditText("KavrelPopCurrE", "444");
  form.SetEditText("KavrelLandCurrE", "x");
  form.ExitEdit("KavrelPopCurrE");
  EXPECT_EQ(form.Messages(), (Strings{"'x' is not a valid integer value"}));
  EXPECT_EQ(form.Model().PopulationScoreCounted[0], 444);
  EXPECT_EQ(form.Model().LandScoreCounted[0], 250);
  EXPECT_EQ(form.KavrelPopFinalE.Text(), "    625");

  form.SetEditText("KavrelLandCurrE", "1");
  form.SetEditText("KavrelPopMaxE", "-5");
  form.SetEditText("KavrelTurnCurrE", "230");  // a fractional power of a negative maximum
  form.ExitEdit("KavrelPopMaxE");
  EXPECT_EQ(form.Messages().back(), "Invalid floating point operation");
  EXPECT_EQ(form.KavrelPopMaxE.Text(), "-5");
}

// Both pages edit slot 0's values and the maxima; neither recomputes the other.
TEST_F(FormTest, BaseAndKavrelPagesShareSlotZerosValues) {
  Show(ScoreGame());
  form.SetEditText("MaxPopScoreE", "800");
  form.ExitEdit("MaxPopScoreE");
  EXPECT_EQ(form.Model().MaxPopScore, 800);
  EXPECT_EQ(form.KavrelPopMaxE.Text(), "    400");

  form.SetEditText("KavrelPopCurrE", "500");
  form.ExitEdit("KavrelPopCurrE");  // also reads the Kavrel page's maximum back
  EXPECT_EQ(form.Model().PopulationScoreCounted[0], 500);
  EXPECT_EQ(form.Model().MaxPopScore, 400);
  EXPECT_EQ(form.CurrPopScoreE.Text(), "    100");

  // Leaving the Kavrel date runs the Base page's calculation, which reads
  // the Base page's edits back over the Kavrel page's values.
  form.ExitEdit("KavrelDateE");
  EXPECT_EQ(form.Model().PopulationScoreCounted[0], 100);
  EXPECT_EQ(form.Model().MaxPopScore, 800);
  EXPECT_EQ(form.PopScoreE.Text(), "    625");
  EXPECT_EQ(form.KavrelPopCurrE.Text(), "    500");
}

TEST_F(FormTest, CalculatorFactorsOutliveALoad) {
  Show(ScoreGame());
  form.SetEditText("PopCoeffE", "3000");
  form.ExitEdit("PopCoeffE");
  form.SetEditText("KavrelMTechMaxE", "300");
  form.SetEditText("KavrelWonderFactorE", "10");
  form.ExitEdit("KavrelMTechMaxE");
  Show(ScoreGame());
  EXPECT_EQ(form.PopCoeffE.Text(), "   3000");
  EXPECT_EQ(form.PopScoreE.Text(), "    750");
  EXPECT_EQ(form.KavrelMTechMaxE.Text(), "    300");
  EXPECT_EQ(form.KavrelWonderFactorE.Text(), "     10");
  EXPECT_EQ(form.MaxPopScoreE.Text(), "    400");  // the save's values come back
}

TEST(AnarchyCalculator, LengthFromTheFiveInputs) {
  Form form;
  auto enter = [&](const char* edit, const char* text) {
    form.SetEditText(edit, text);
    form.ExitEdit(edit);
  };
  enter("NewCivicsE", "  0");
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 0 turns");
  form.SetEditText("NewCivicsE", "2");
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 0 turns");  // typing alone computes nothing
  form.ExitEdit("NewCivicsE");
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 1 turns");

  enter("NewCivicsE", "7");         // counts as 5
  enter("AnarchyCitiesE", "5000");  // counts as 1000
  form.SelectItem("AnarchyWorldSizeBox", 0);
  form.SelectItem("AnarchyGameSpeedBox", 0);
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 116 turns");

  enter("NewCivicsE", "1");
  enter("AnarchyCitiesE", "-3");  // counts as 0
  form.SelectItem("AnarchyWorldSizeBox", 5);
  form.SelectItem("AnarchyGameSpeedBox", 3);
  form.SelectItem("AnarchyStartEraBox", 6);
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 1 turns");  // 0 raised to 1 with a civic
  EXPECT_TRUE(form.Messages().empty());
}

TEST(AnarchyCalculator, TypedListTextsAndBadNumbers) {
  Form form;
  form.SetEditText("NewCivicsE", "5");
  form.SetEditText("AnarchyCitiesE", "1000");
  form.TypeComboText("AnarchyGameSpeedBox", "Normal");  // typed over: 2 percent
  EXPECT_EQ(form.AnarchyGameSpeedBox.Index(), -1);
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 1 turns");  // (6 + 80) * 2 / 100 * 50 / 100, raised to 1
  form.SelectItem("AnarchyGameSpeedBox", 2);
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 43 turns");
  form.TypeComboText("AnarchyStartEraBox", "Stone Age");  // no era: 0 percent
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 1 turns");
  form.SetEditText("NewCivicsE", "0");
  form.TypeComboText("AnarchyWorldSizeBox", "");
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 0 turns");

  form.SetEditText("NewCivicsE", "x");
  form.ExitEdit("NewCivicsE");
  form.SetEditText("NewCivicsE", "1");
  form.SetEditText("AnarchyCitiesE", "");
  form.ExitEdit("AnarchyCitiesE");
  EXPECT_EQ(form.Messages(), (Strings{"'x' is not a valid integer value", "'' is not a valid integer value"}));
  EXPECT_EQ(form.AnarchyLengthL.Caption(), "= 0 turns");
}

}  // namespace
}  // namespace tolvane::ui::testing
