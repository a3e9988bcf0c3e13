#include "form/pages/BasePage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include "form/FigureText.h"
#include "form/Latin1.h"
#include "form/NumberText.h"
#include "form/pages/SaveView.h"
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

int32_t& FactorOf(ScoreFactors& f, size_t part) {
  std::array<int32_t*, 4> factors = {&f.popCoeff, &f.landCoeff, &f.techCoeff, &f.wonderCoeff};
  return *factors[part];
}

// The table's name for a type, "Unknown" for a code outside the table (as
// for every other code the save holds).
template <typename Table>
std::string RowOr(const Table& table, int32_t row) {
  return row >= 0 && size_t(row) < table.size() ? std::string(table[size_t(row)]) : std::string("Unknown");
}

}  // namespace

ScoreRow::ScoreRow(ControlList& list, std::string_view title, const std::array<std::string_view, 6>& names)
    : ScoreRow(CalculatorCells<6>{list, title, names, BasePage::kScoreColumns, 4}) {}

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
  ScoreInputs& in = inputs_;
  ScoreResults& r = results_;
  for (size_t i = 0; i < 4; ++i) r.game[i] = GameScorePart(in.Counted(i), in.maximal[i], FactorOf(factors_, i));
  r.gameSum = Sum(r.game);
  // A part without a value stops here, after the parts before it.
  for (size_t i = 0; i < 4; ++i)
    r.final[i] = FinalScorePart(in.Counted(i), in.initial[i], in.maximal[i], FactorOf(factors_, i), a.gameTurn,
                                a.endTurn, in.difficultyCoefficient);
  r.finalSum = Sum(r.final);

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
    const auto rows = Rows();
    inputs_.difficultyCoefficient = ReadFloat(difficultyCoefficient);
    for (size_t i = 0; i < rows.size(); ++i) inputs_.initial[i] = ReadInt(rows[i]->initial);
    for (size_t i = 0; i < rows.size(); ++i) inputs_.current[i] = ReadInt(rows[i]->current);
    for (size_t i = 0; i < rows.size(); ++i) inputs_.maximal[i] = ReadInt(rows[i]->maximal);
    for (size_t i = 0; i < rows.size(); ++i) FactorOf(factors_, i) = ReadInt(rows[i]->factor);
    inputs_.vassalShare[0] = ReadInt(vassalPopulationScored);
    inputs_.vassalShare[1] = ReadInt(vassalLandScored);
    CalculateScores();
  });
}

}  // namespace tolvane::form
