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
  return {{{a.InitPop, a.PopulationScore[0], a.PopulationScoreCounted[0], a.MaxPopScore, f.PopCoeff, w.InitPopE,
            w.CurrPopScoreE, w.MaxPopScoreE, w.PopCoeffE, w.PopScoreE, w.PopFinalScoreE},
           {a.InitLand, a.LandScore[0], a.LandScoreCounted[0], a.MaxLandScore, f.LandCoeff, w.InitLandE,
            w.CurrLandScoreE, w.MaxLandScoreE, w.LandCoeffE, w.LandScoreE, w.LandFinalScoreE},
           {a.InitTech, a.TechScore[0], a.TechScore[0], a.MaxTechScore, f.TechCoeff, w.InitTechE, w.CurrTechScoreE,
            w.MaxTechScoreE, w.TechCoeffE, w.TechScoreE, w.TechFinalScoreE},
           {a.InitWonder, a.WondersScore[0], a.WondersScore[0], a.MaxWonderScore, f.WonderCoeff, w.InitWonderE,
            w.CurrWonderScoreE, w.MaxWonderScoreE, w.WonderCoeffE, w.WonderScoreE, w.WonderFinalScoreE}}};
}

std::array<KavrelPart, 7> KavrelParts(Analysis& a, KavrelFactors& f, int32_t& mtechMax, FormLayout& w) {
  return {{{a.PopulationScoreCounted[0], a.MaxPopScore, f.Pop, 1.0, w.KavrelPopCurrE, w.KavrelPopMaxE,
            w.KavrelPopFactorE, w.KavrelPopFinalE, w.KavrelPopPercentE},
           {a.LandScoreCounted[0], a.MaxLandScore, f.Land, 1.0, w.KavrelLandCurrE, w.KavrelLandMaxE,
            w.KavrelLandFactorE, w.KavrelLandFinalE, w.KavrelLandPercentE},
           {a.TechScore[0], a.MaxTechScore, f.Tech, 1.0, w.KavrelTechCurrE, w.KavrelTechMaxE, w.KavrelTechFactorE,
            w.KavrelTechFinalE, w.KavrelTechPercentE},
           {a.WondersScore[0], a.MaxWonderScore, f.Wonder, 1.0, w.KavrelWonderCurrE, w.KavrelWonderMaxE,
            w.KavrelWonderFactorE, w.KavrelWonderFinalE, w.KavrelWonderPercentE},
           {a.KavrelCultureCurr, a.KavrelCultureMax, f.Culture, 100.0, w.KavrelCultureCurrE, w.KavrelCultureMaxE,
            w.KavrelCultureFactorE, w.KavrelCultureFinalE, w.KavrelCulturePercentE},
           {a.KavrelMTechCurr, mtechMax, f.MTech, 1.0, w.KavrelMTechCurrE, w.KavrelMTechMaxE, w.KavrelMTechFactorE,
            w.KavrelMTechFinalE, w.KavrelMTechPercentE},
           {a.KavrelTurnCurr, a.KavrelTurnMax, f.Turn, 1.0, w.KavrelTurnCurrE, w.KavrelTurnMaxE, w.KavrelTurnFactorE,
            w.KavrelTurnFinalE, w.KavrelTurnPercentE}}};
}

}  // namespace

void Form::ScoreCalc() {
  Analysis& a = model_;
  const auto parts = ScoreParts(a, scoreFactors_, *this);
  ScoreResults& r = scores_;
  for (size_t i = 0; i < parts.size(); ++i) r.Game[i] = gScore(parts[i].counted, parts[i].maximum, parts[i].factor);
  r.GameScoreSum = Sum(r.Game);
  // A part without a value stops here, after the parts before it.
  for (size_t i = 0; i < parts.size(); ++i) {
    const ScorePart& p = parts[i];
    r.Final[i] = fScore(p.counted, p.initial, p.maximum, p.factor, a.GameTurn, a.EndTurn, a.DiffCoeff);
  }
  r.FinalScoreSum = Sum(r.Final);

  for (size_t i = 0; i < parts.size(); ++i) {
    const ScorePart& p = parts[i];
    p.initialE.SetText(Int7(p.initial));
    p.currentE.SetText(Int7(p.own));
    p.maximumE.SetText(Int7(p.maximum));
    p.factorE.SetText(Int7(p.factor));
    p.gameE.SetText(Int7(r.Game[i]));
    p.finalE.SetText(Int7(r.Final[i]));
  }
  GameScoreSumE.SetText(Int7(r.GameScoreSum));
  FinalScoreSumE.SetText(Int7(r.FinalScoreSum));
  DiffCoeffE.SetText(fmt::sprintf("%7.1f", a.DiffCoeff));
  Edit13.SetText(Int7(r.FinalScoreSum));
  VassalPopScoredE.SetText(Int7(Wrap32(int64_t(a.PopulationScoreCounted[0]) - a.PopulationScore[0])));
  VassalLandScoredE.SetText(Int7(Wrap32(int64_t(a.LandScoreCounted[0]) - a.LandScore[0])));
}

// Reads every input of the Base page back, storing each value as soon as it
// is read, then recomputes. A text that is no number stops the reading there.
void Form::DiffCoeffEChange() {
  Guarded([this] {
    Analysis& a = model_;
    const auto parts = ScoreParts(a, scoreFactors_, *this);
    a.DiffCoeff = ParseFloat(DiffCoeffE.Text());
    for (const ScorePart& p : parts) p.initial = ParseInt(p.initialE.Text());
    for (const ScorePart& p : parts) p.own = ParseInt(p.currentE.Text());
    for (const ScorePart& p : parts) p.maximum = ParseInt(p.maximumE.Text());
    for (const ScorePart& p : parts) p.factor = ParseInt(p.factorE.Text());
    a.PopulationScoreCounted[0] = Wrap32(int64_t(ParseInt(VassalPopScoredE.Text())) + a.PopulationScore[0]);
    a.LandScoreCounted[0] = Wrap32(int64_t(ParseInt(VassalLandScoredE.Text())) + a.LandScore[0]);
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
    r.Final[i] = cScore(p.factor, a.KavrelTurnCurr, p.current / p.scale, p.maximum / p.scale, a.KavrelTurnMax);
  }
  r.SumFinal = Sum(r.Final);

  for (size_t i = 0; i < parts.size(); ++i) {
    const KavrelPart& p = parts[i];
    p.currentE.SetText(Int7(p.current));
    p.maximumE.SetText(Int7(p.maximum));
    p.factorE.SetText(Int7(p.factor));
    p.finalE.SetText(Int7(r.Final[i]));
  }
  // The shares keep their texts while the sum is not positive.
  if (r.SumFinal > 0)
    for (size_t i = 0; i < parts.size(); ++i)
      parts[i].percentE.SetText(fmt::sprintf("%7.2f", double(Wrap32(int64_t(r.Final[i]) * 100)) / r.SumFinal));
  KavrelSumFinalE.SetText(Int7(r.SumFinal));
  r.Date = Turn2Date(a.GameSpeed, a.KavrelTurnCurr);
  KavrelDateE.SetText(DateTextPadded(r.Date));
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
