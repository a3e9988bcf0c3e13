// The Base page's game and final score and the Kavrel score of slot 0. Both
// pages edit the same values of the model: slot 0's four score values and the
// four maxima.
#include <fmt/format.h>
#include <fmt/printf.h>

#include "rules/Calendar.h"
#include "rules/Int32Math.h"
#include "rules/Scores.h"
#include "ui/Form.h"
#include "ui/NumberText.h"

namespace tolvane::ui {

namespace {

// One row of the Base page's table: the values it reads and writes, and its
// edits, column by column.
struct ScorePart {
  int32_t& initial;
  int32_t& own;      // slot 0's value as stored ("Current")
  int32_t& counted;  // the value scored: with the vassals' share for population and land
  int32_t& maximum;
  int32_t& factor;
  Edit &initialE, &currentE, &maximumE, &factorE, &gameE, &finalE;
};

// One row of the Kavrel page.
struct KavrelPart {
  int32_t& current;
  int32_t& maximum;
  int32_t& factor;
  double scale;  // culture is kept in hundredths of a point
  Edit &currentE, &maximumE, &factorE, &finalE, &percentE;
};

std::string Int7(int32_t v) { return fmt::sprintf("%7d", v); }

int32_t Sum(const auto& values) {
  int64_t sum = 0;
  for (int32_t v : values) sum = Wrap32(sum + v);
  return int32_t(sum);
}

std::array<ScorePart, 4> ScoreParts(Analysis& a, ScoreFactors& f, FormLayout& w) {
  return {{{a.initPop, a.populationScore[0], a.populationScoreCounted[0], a.maxPopScore, f.popCoeff, w.initPopE,
            w.currPopScoreE, w.maxPopScoreE, w.popCoeffE, w.popScoreE, w.popFinalScoreE},
           {a.initLand, a.landScore[0], a.landScoreCounted[0], a.maxLandScore, f.landCoeff, w.initLandE,
            w.currLandScoreE, w.maxLandScoreE, w.landCoeffE, w.landScoreE, w.landFinalScoreE},
           {a.initTech, a.techScore[0], a.techScore[0], a.maxTechScore, f.techCoeff, w.initTechE, w.currTechScoreE,
            w.maxTechScoreE, w.techCoeffE, w.techScoreE, w.techFinalScoreE},
           {a.initWonder, a.wondersScore[0], a.wondersScore[0], a.maxWonderScore, f.wonderCoeff, w.initWonderE,
            w.currWonderScoreE, w.maxWonderScoreE, w.wonderCoeffE, w.wonderScoreE, w.wonderFinalScoreE}}};
}

std::array<KavrelPart, 7> KavrelParts(Analysis& a, KavrelFactors& f, int32_t& mtechMax, FormLayout& w) {
  return {{{a.populationScoreCounted[0], a.maxPopScore, f.pop, 1.0, w.kavrelPopCurrE, w.kavrelPopMaxE,
            w.kavrelPopFactorE, w.kavrelPopFinalE, w.kavrelPopPercentE},
           {a.landScoreCounted[0], a.maxLandScore, f.land, 1.0, w.kavrelLandCurrE, w.kavrelLandMaxE,
            w.kavrelLandFactorE, w.kavrelLandFinalE, w.kavrelLandPercentE},
           {a.techScore[0], a.maxTechScore, f.tech, 1.0, w.kavrelTechCurrE, w.kavrelTechMaxE, w.kavrelTechFactorE,
            w.kavrelTechFinalE, w.kavrelTechPercentE},
           {a.wondersScore[0], a.maxWonderScore, f.wonder, 1.0, w.kavrelWonderCurrE, w.kavrelWonderMaxE,
            w.kavrelWonderFactorE, w.kavrelWonderFinalE, w.kavrelWonderPercentE},
           {a.kavrelCultureCurr, a.kavrelCultureMax, f.culture, 100.0, w.kavrelCultureCurrE, w.kavrelCultureMaxE,
            w.kavrelCultureFactorE, w.kavrelCultureFinalE, w.kavrelCulturePercentE},
           {a.kavrelMTechCurr, mtechMax, f.mTech, 1.0, w.kavrelMTechCurrE, w.kavrelMTechMaxE, w.kavrelMTechFactorE,
            w.kavrelMTechFinalE, w.kavrelMTechPercentE},
           {a.kavrelTurnCurr, a.kavrelTurnMax, f.turn, 1.0, w.kavrelTurnCurrE, w.kavrelTurnMaxE, w.kavrelTurnFactorE,
            w.kavrelTurnFinalE, w.kavrelTurnPercentE}}};
}

}  // namespace

void Form::ScoreCalc() {
  Analysis& a = model_;
  const auto parts = ScoreParts(a, scoreFactors_, *this);
  ScoreResults& r = scores_;
  for (size_t i = 0; i < parts.size(); ++i)
    r.game[i] = GameScorePart(parts[i].counted, parts[i].maximum, parts[i].factor);
  r.gameScoreSum = Sum(r.game);
  // A part without a value stops here, after the parts before it.
  for (size_t i = 0; i < parts.size(); ++i) {
    const ScorePart& p = parts[i];
    r.final[i] = FinalScorePart(p.counted, p.initial, p.maximum, p.factor, a.gameTurn, a.endTurn, a.diffCoeff);
  }
  r.finalScoreSum = Sum(r.final);

  for (size_t i = 0; i < parts.size(); ++i) {
    const ScorePart& p = parts[i];
    p.initialE.SetText(Int7(p.initial));
    p.currentE.SetText(Int7(p.own));
    p.maximumE.SetText(Int7(p.maximum));
    p.factorE.SetText(Int7(p.factor));
    p.gameE.SetText(Int7(r.game[i]));
    p.finalE.SetText(Int7(r.final[i]));
  }
  gameScoreSumE.SetText(Int7(r.gameScoreSum));
  finalScoreSumE.SetText(Int7(r.finalScoreSum));
  diffCoeffE.SetText(fmt::sprintf("%7.1f", a.diffCoeff));
  edit13.SetText(Int7(r.finalScoreSum));
  vassalPopScoredE.SetText(Int7(Wrap32(int64_t(a.populationScoreCounted[0]) - a.populationScore[0])));
  vassalLandScoredE.SetText(Int7(Wrap32(int64_t(a.landScoreCounted[0]) - a.landScore[0])));
}

// Reads every input of the Base page back, storing each value as soon as it
// is read, then recomputes. A text that is no number stops the reading there.
void Form::DiffCoeffEChange() {
  Guarded([this] {
    Analysis& a = model_;
    const auto parts = ScoreParts(a, scoreFactors_, *this);
    a.diffCoeff = ParseFloat(diffCoeffE.Text());
    for (const ScorePart& p : parts) p.initial = ParseInt(p.initialE.Text());
    for (const ScorePart& p : parts) p.own = ParseInt(p.currentE.Text());
    for (const ScorePart& p : parts) p.maximum = ParseInt(p.maximumE.Text());
    for (const ScorePart& p : parts) p.factor = ParseInt(p.factorE.Text());
    a.populationScoreCounted[0] = Wrap32(int64_t(ParseInt(vassalPopScoredE.Text())) + a.populationScore[0]);
    a.landScoreCounted[0] = Wrap32(int64_t(ParseInt(vassalLandScoredE.Text())) + a.landScore[0]);
    ScoreCalc();
  });
}

void Form::KavrelScoreCalc() {
  Analysis& a = model_;
  const auto parts = KavrelParts(a, kavrelFactors_, kavrelMTechMax_, *this);
  KavrelResults& r = kavrel_;
  // A component without a value stops here, after the components before it.
  for (size_t i = 0; i < parts.size(); ++i) {
    const KavrelPart& p = parts[i];
    r.final[i] = KavrelScorePart(p.factor, a.kavrelTurnCurr, p.current / p.scale, p.maximum / p.scale, a.kavrelTurnMax);
  }
  r.sumFinal = Sum(r.final);

  for (size_t i = 0; i < parts.size(); ++i) {
    const KavrelPart& p = parts[i];
    p.currentE.SetText(Int7(p.current));
    p.maximumE.SetText(Int7(p.maximum));
    p.factorE.SetText(Int7(p.factor));
    p.finalE.SetText(Int7(r.final[i]));
  }
  // The shares keep their texts while the sum is not positive.
  if (r.sumFinal > 0)
    for (size_t i = 0; i < parts.size(); ++i)
      parts[i].percentE.SetText(fmt::sprintf("%7.2f", double(Wrap32(int64_t(r.final[i]) * 100)) / r.sumFinal));
  kavrelSumFinalE.SetText(Int7(r.sumFinal));
  r.date = Turn2Date(a.gameSpeed, a.kavrelTurnCurr);
  kavrelDateE.SetText(DateTextPadded(r.date));
}

// Reads every input of the Kavrel page back, storing each value as soon as it
// is read, then recomputes.
void Form::KavrelPopCurrEExit() {
  Guarded([this] {
    Analysis& a = model_;
    const auto parts = KavrelParts(a, kavrelFactors_, kavrelMTechMax_, *this);
    for (const KavrelPart& p : parts) p.current = ParseInt(p.currentE.Text());
    for (const KavrelPart& p : parts) p.maximum = ParseInt(p.maximumE.Text());
    for (const KavrelPart& p : parts) p.factor = ParseInt(p.factorE.Text());
    KavrelScoreCalc();
  });
}

}  // namespace tolvane::ui
