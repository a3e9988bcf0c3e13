#include "form/pages/BasePage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "form/FigureText.h"
#include "form/Latin1.h"
#include "form/NumberText.h"
#include "form/pages/SaveView.h"
#include "form/pages/WrappingInput.h"
#include "rules/Calendar.h"
#include "rules/Int32Math.h"
#include "rules/Scores.h"
#include "rules/Tables.h"

namespace tolvane::form {

namespace {

int32_t Sum(const std::array<int32_t, 4>& values) {
  int64_t sum = 0;
  for (int32_t v : values) sum = Wrap32(sum + v);
  return int32_t(sum);
}

// Whether the sum of the parts lies in the 32-bit range.
bool SumFits(const std::array<int32_t, 4>& values) {
  int64_t sum = 0;
  for (int32_t v : values) sum += v;
  return Fits32(sum);
}

// The part that weighs most in a sum, whose factor is named when the sum
// leaves the 32-bit range.
size_t LargestPart(const std::array<int32_t, 4>& values) {
  size_t largest = 0;
  for (size_t i = 1; i < values.size(); ++i)
    if (std::abs(int64_t(values[i])) > std::abs(int64_t(values[largest]))) largest = i;
  return largest;
}

int32_t& FactorOf(ScoreFactors& f, size_t part) {
  std::array<int32_t*, 4> factors = {&f.popCoeff, &f.landCoeff, &f.techCoeff, &f.wonderCoeff};
  return *factors[part];
}

int32_t FactorOf(const ScoreFactors& f, size_t part) { return FactorOf(const_cast<ScoreFactors&>(f), part); }

// Where a calculation leaves the 32-bit range: the part whose factor scales
// the result, and the result.
struct Overflow {
  size_t part;
  std::string_view result;
};

// Computes every result into `r`, part by part as the game does (a part
// without a value stops it with CalcError, after the parts before it). The
// first result that leaves the 32-bit range, if any.
std::optional<Overflow> Calculate(const ScoreInputs& in, const ScoreFactors& factors, int32_t turn, int32_t endTurn,
                                  ScoreResults& r) {
  std::optional<Overflow> overflow;
  auto note = [&overflow](bool wrapped, size_t part, std::string_view result) {
    if (wrapped && !overflow) overflow = Overflow{part, result};
  };
  for (size_t i = 0; i < 2; ++i) note(!Fits32(int64_t(in.current[i]) + in.vassalShare[i]), i, "game score");
  for (size_t i = 0; i < 4; ++i) {
    bool wrapped = false;
    r.game[i] = GameScorePart(in.Counted(i), in.maximal[i], FactorOf(factors, i), &wrapped);
    note(wrapped, i, "game score");
  }
  r.gameSum = Sum(r.game);
  note(!SumFits(r.game), LargestPart(r.game), "game score");
  for (size_t i = 0; i < 4; ++i) {
    bool wrapped = false;
    r.final[i] = FinalScorePart(in.Counted(i), in.initial[i], in.maximal[i], FactorOf(factors, i), turn, endTurn,
                                in.difficultyCoefficient, &wrapped);
    note(wrapped, i, "final score");
  }
  r.finalSum = Sum(r.final);
  note(!SumFits(r.final), LargestPart(r.final), "final score");
  return overflow;
}

// The calculator's values that typed inputs change.
struct TypedValues {
  ScoreInputs inputs;
  ScoreFactors factors;
};

// The table's name for a type, "Unknown" for a code outside the table (as
// for every other code the save holds).
template <typename Table>
std::string RowOr(const Table& table, int32_t row) {
  return row >= 0 && size_t(row) < table.size() ? std::string(table[size_t(row)]) : std::string("Unknown");
}

}  // namespace

ScoreRow::ScoreRow(ControlList& list, std::string_view rowTitle, const std::array<std::string_view, 6>& names)
    : ScoreRow(CalculatorCells<6>{list, rowTitle, names, BasePage::kScoreColumns, 4}) {}

ScoreRow::ScoreRow(const CalculatorCells<6>& cells)
    : title(cells.title),
      initial(cells.Cell(0)),
      current(cells.Cell(1)),
      maximal(cells.Cell(2)),
      factor(cells.Cell(3)),
      gameScore(cells.Cell(4)),
      finalScore(cells.Cell(5)) {}

int32_t ScoreInputs::Counted(size_t part) const {
  return part < vassalShare.size() ? Wrap32(int64_t(current[part]) + vassalShare[part]) : current[part];
}

BasePage::BasePage(PageList& pages) : Page({"Base", "TabSheet1"}, pages) {
  for (Edit* e : {&vassalPopulationScored, &vassalLandScored, &difficultyCoefficient})
    e->OnExit([this] { RecomputeScores(); });
  for (ScoreRow* row : Rows())
    for (Edit* e : {&row->initial, &row->current, &row->maximal, &row->factor})
      e->OnExit([this] { RecomputeScores(); });
}

void BasePage::Fill() {
  const Analysis& a = save_;
  figures_.turn = a.gameTurn, figures_.lastTurn = a.endTurn;
  turn.SetText(TurnText(a.gameTurn, a.endTurn));
  figures_.year = a.gameDate;
  date.SetText(DateTextPadded(a.gameDate));
  figures_.playingTime = a.playTime;
  playingTime.SetText(TimeText(a.playTime));
  figures_.gameScore = a.gameScore;
  gameScore.SetText(fmt::sprintf("%6d", a.gameScore));
  difficulty.SetText(std::string(LevelString(a.difficulty)));
  gameStatus.SetText(a.gameState == 0 ? "Incomplete" : std::string(VictoryTypeName(a.victoryType)));
  const SlotInfo& first = a.slots[0];
  nick.SetText(Latin1ToUtf8(first.leaderName));
  leader.SetText(RowOr(kLeaderNames, first.leaderType));
  civilization.SetText(RowOr(kCivNames, first.civType));

  inputs_.initial = {a.initPop, a.initLand, a.initTech, a.initWonder};
  inputs_.current = {a.populationScore[0], a.landScore[0], a.techScore[0], a.wondersScore[0]};
  inputs_.maximal = {a.maxPopScore, a.maxLandScore, a.maxTechScore, a.maxWonderScore};
  inputs_.vassalShare = {Wrap32(int64_t(a.populationScoreCounted[0]) - a.populationScore[0]),
                         Wrap32(int64_t(a.landScoreCounted[0]) - a.landScore[0])};
  inputs_.difficultyCoefficient = a.diffCoeff;
  // A save whose course is hidden gets no calculation; one without a value
  // shows its message, and the load completes all the same.
  if (!NotAvailable(a)) messages_.Guard([this] { CalculateScores(); });
}

void BasePage::CalculateScores() {
  const Analysis& a = save_;
  const ScoreInputs& in = inputs_;
  ScoreResults& r = results_;
  // Values that make a result leave the 32-bit range, although each was
  // taken when typed (the factors outlive a load, the next save's values may
  // be larger): the part's factor is named and no result is shown.
  const ScoreResults shown = r;
  if (const std::optional<Overflow> overflow = Calculate(in, factors_, a.gameTurn, a.endTurn, r)) {
    r = shown;
    Edit& factor = Rows()[overflow->part]->factor;
    factor.SetMarked(true);
    throw InputError(WrapsMessage(fmt::format("{} {}", Rows()[overflow->part]->title, kScoreColumns[3]),
                                  std::to_string(FactorOf(factors_, overflow->part)), overflow->result),
                     &factor);
  }

  const auto rows = Rows();
  for (size_t i = 0; i < rows.size(); ++i) {
    rows[i]->initial.SetText(Int7(in.initial[i]));
    rows[i]->current.SetText(Int7(in.current[i]));
    rows[i]->maximal.SetText(Int7(in.maximal[i]));
    rows[i]->factor.SetText(Int7(FactorOf(factors_, i)));
    rows[i]->gameScore.SetText(Int7(r.game[i]));
    rows[i]->finalScore.SetText(Int7(r.final[i]));
  }
  gameScoreSum.SetText(Int7(r.gameSum));
  finalScoreSum.SetText(Int7(r.finalSum));
  difficultyCoefficient.SetText(fmt::sprintf("%7.1f", in.difficultyCoefficient));
  figures_.finalScore = r.finalSum;
  finalScore.SetText(Int7(r.finalSum));
  vassalPopulationScored.SetText(Int7(in.vassalShare[0]));
  vassalLandScored.SetText(Int7(in.vassalShare[1]));
}

void BasePage::RecomputeScores() {
  messages_.Guard([this] {
    const ScoreInputs beforeInputs = inputs_;
    const ScoreFactors beforeFactors = factors_;
    const auto rows = Rows();
    inputs_.difficultyCoefficient = ReadFloat(difficultyCoefficient);
    for (size_t i = 0; i < rows.size(); ++i) inputs_.initial[i] = ReadInt(rows[i]->initial);
    for (size_t i = 0; i < rows.size(); ++i) inputs_.current[i] = ReadInt(rows[i]->current);
    for (size_t i = 0; i < rows.size(); ++i) inputs_.maximal[i] = ReadInt(rows[i]->maximal);
    for (size_t i = 0; i < rows.size(); ++i) FactorOf(factors_, i) = ReadInt(rows[i]->factor);
    inputs_.vassalShare[0] = ReadInt(vassalPopulationScored);
    inputs_.vassalShare[1] = ReadInt(vassalLandScored);
    RefuseWrappingInputs(beforeInputs, beforeFactors);
    CalculateScores();
  });
}

void BasePage::RefuseWrappingInputs(const ScoreInputs& beforeInputs, const ScoreFactors& beforeFactors) {
  // The inputs in the order they are read.
  std::vector<CalculatorInput<TypedValues>> typedInputs;
  const auto rows = Rows();
  auto name = [](const ScoreRow& row, size_t column) { return fmt::format("{} {}", row.title, kScoreColumns[column]); };
  typedInputs.push_back(
      {&difficultyCoefficient, difficultyCoefficient.Title(), [](TypedValues& to, const TypedValues& from) {
         to.inputs.difficultyCoefficient = from.inputs.difficultyCoefficient;
       }});
  for (size_t i = 0; i < rows.size(); ++i)
    typedInputs.push_back({&rows[i]->initial, name(*rows[i], 0), [i](TypedValues& to, const TypedValues& from) {
                             to.inputs.initial[i] = from.inputs.initial[i];
                           }});
  for (size_t i = 0; i < rows.size(); ++i)
    typedInputs.push_back({&rows[i]->current, name(*rows[i], 1), [i](TypedValues& to, const TypedValues& from) {
                             to.inputs.current[i] = from.inputs.current[i];
                           }});
  for (size_t i = 0; i < rows.size(); ++i)
    typedInputs.push_back({&rows[i]->maximal, name(*rows[i], 2), [i](TypedValues& to, const TypedValues& from) {
                             to.inputs.maximal[i] = from.inputs.maximal[i];
                           }});
  for (size_t i = 0; i < rows.size(); ++i)
    typedInputs.push_back({&rows[i]->factor, name(*rows[i], 3), [i](TypedValues& to, const TypedValues& from) {
                             FactorOf(to.factors, i) = FactorOf(from.factors, i);
                           }});
  for (size_t i = 0; i < 2; ++i)
    typedInputs.push_back(
        {i == 0 ? &vassalPopulationScored : &vassalLandScored,
         (i == 0 ? vassalPopulationScored : vassalLandScored).Title(),
         [i](TypedValues& to, const TypedValues& from) { to.inputs.vassalShare[i] = from.inputs.vassalShare[i]; }});
  const TypedValues before{beforeInputs, beforeFactors};
  TypedValues typed{inputs_, factors_};
  const int32_t gameTurn = save_.gameTurn, endTurn = save_.endTurn;
  auto wraps = [gameTurn, endTurn](const TypedValues& v) -> std::optional<std::string_view> {
    ScoreResults scratch;
    try {
      if (const std::optional<Overflow> overflow = Calculate(v.inputs, v.factors, gameTurn, endTurn, scratch))
        return overflow->result;
    } catch (const CalcError&) {
      // A part without a value: its message comes from the calculation itself.
    }
    return std::nullopt;
  };
  try {
    RefuseWrappingInput<TypedValues>(typedInputs, before, typed, wraps);
  } catch (const InputError&) {
    inputs_ = typed.inputs;
    factors_ = typed.factors;
    throw;
  }
}

}  // namespace tolvane::form
