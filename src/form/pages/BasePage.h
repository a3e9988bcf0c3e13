// The "Base" page: the first player, the turn, date, playing time,
// difficulty and state of the game, and the score calculator that recombines
// the four score parts of the first slot into a game score and a final
// score.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "analysis/SaveAnalyse.h"
#include "form/Page.h"
#include "form/pages/CalculatorCells.h"

namespace tolvane::form {

// One row of the score calculator: the four inputs and the two results of a
// score part.
struct ScoreRow {
  ScoreRow(ControlList& list, std::string_view rowTitle, const std::array<std::string_view, 6>& names);
  explicit ScoreRow(const CalculatorCells<6>& cells);
  std::string_view title;
  Edit initial, current, maximal, factor, gameScore, finalScore;
};

// The calculator's values for the first slot, seeded from each load and
// changed by the user's edits. Parts in the order population, land,
// technology, wonders; only population and land have a vassals' share.
struct ScoreInputs {
  std::array<int32_t, 4> initial{};
  std::array<int32_t, 4> current{};  // the slot's own value
  std::array<int32_t, 4> maximal{};
  std::array<int32_t, 2> vassalShare{};
  double difficultyCoefficient = 1.0;
  // The value scored: the own value with the vassals' share.
  int32_t Counted(size_t part) const;
};

// Results of the calculation, parts in the same order.
struct ScoreResults {
  std::array<int32_t, 4> game{};
  int32_t gameSum = 0;
  std::array<int32_t, 4> final{};
  int32_t finalSum = 0;
};

// What the page shows of the game as values, each set where the text that
// shows it is set: the table of many saves and the comparison take these,
// never the texts read back. None until the page shows the value.
struct GameFigures {
  std::optional<int32_t> turn, lastTurn;
  std::optional<int32_t> year;         // before Christ negative
  std::optional<int32_t> playingTime;  // seconds
  std::optional<int32_t> gameScore;
  std::optional<int32_t> finalScore;  // the calculator's result
};

class BasePage : public Page {
 public:
  explicit BasePage(PageList& pages);

  Edit nick{controls_, {.name = "NickE", .caption = "Nick (Игрок)"}};
  Edit leader{controls_, {.name = "LeaderE", .description = "Leader"}};
  Edit civilization{controls_, {.name = "CountryE", .description = "Civilization"}};
  Edit turn{controls_, {.name = "Edit3", .caption = "Current turn (Текущий ход)"}};  // current / limit
  Edit date{controls_, {.name = "Edit4", .description = "Date"}};
  Edit playingTime{controls_, {.name = "Edit5", .caption = "Playing time  (Время игры)"}};
  Edit difficulty{controls_, {.name = "Edit8", .caption = "    Difficulty     (Ур-нь сложности)"}};
  Edit gameStatus{controls_, {.name = "Edit7", .caption = "Game status (Состояние игры)"}};
  Edit gameScore{controls_, {.name = "Edit6", .caption = "Game score  (Очки)"}};  // as the save stores it
  Edit finalScore{controls_, {.name = "Edit13", .description = "Final score (computed)", .role = EditRole::Computed}};
  Edit vassalPopulationScored{
      controls_, {.name = "VassalPopScoredE", .caption = "Vassal Pop scored", .role = EditRole::IntegerInput}};
  Edit vassalLandScored{controls_,
                        {.name = "VassalLandScoredE", .caption = "Vassal Land scored", .role = EditRole::IntegerInput}};
  // "Score Calculations".
  ScoreRow population{controls_,
                      "Population",
                      {"InitPopE", "CurrPopScoreE", "MaxPopScoreE", "PopCoeffE", "PopScoreE", "PopFinalScoreE"}};
  ScoreRow land{controls_,
                "Land",
                {"InitLandE", "CurrLandScoreE", "MaxLandScoreE", "LandCoeffE", "LandScoreE", "LandFinalScoreE"}};
  ScoreRow science{controls_,
                   "Science",
                   {"InitTechE", "CurrTechScoreE", "MaxTechScoreE", "TechCoeffE", "TechScoreE", "TechFinalScoreE"}};
  ScoreRow wonders{
      controls_,
      "Wonder",
      {"InitWonderE", "CurrWonderScoreE", "MaxWonderScoreE", "WonderCoeffE", "WonderScoreE", "WonderFinalScoreE"}};
  Edit gameScoreSum{controls_, {.name = "GameScoreSumE", .description = "Game Score sum", .role = EditRole::Computed}};
  Edit finalScoreSum{controls_,
                     {.name = "FinalScoreSumE", .description = "Final Score sum", .role = EditRole::Computed}};
  Edit difficultyCoefficient{controls_,
                             {.name = "DiffCoeffE", .caption = "Difficulty Coefficient", .role = EditRole::RealInput}};

  // The column titles of the calculator, over the rows' edits.
  static constexpr std::array<std::string_view, 6> kScoreColumns = {"Initial", "Current",    "Maximal",
                                                                    "Factor",  "Game Score", "Final Score"};
  std::array<const ScoreRow*, 4> ScoreRows() const { return {&population, &land, &science, &wonders}; }

  void Fill() override;
  // The results of the previous save go with the controls; the factors stay.
  void Reset() override {
    Page::Reset();
    results_ = {};
    figures_ = {};
  }
  // Reads every input of the calculator back, storing each value as soon as
  // it is read, then recomputes. A text that is no number stops the reading
  // there and recomputes nothing.
  void RecomputeScores();

  // The factors outlive a load: the next save's players are scored with them.
  const ScoreFactors& Factors() const { return factors_; }
  // Takes another calculator's factors for the next load.
  void SetFactors(const ScoreFactors& factors) { factors_ = factors; }
  const ScoreInputs& Inputs() const { return inputs_; }
  const ScoreResults& Results() const { return results_; }
  const GameFigures& Figures() const { return figures_; }

 private:
  std::array<ScoreRow*, 4> Rows() { return {&population, &land, &science, &wonders}; }
  // Computes from the inputs and shows every value; a part without a value
  // stops it with CalcError, a result that leaves the 32-bit range with an
  // InputError naming the part's factor.
  void CalculateScores();
  // The first typed input that makes a result leave the 32-bit range, while
  // the values before it did not, is refused (InputError): the inputs go
  // back to what they were before it.
  void RefuseWrappingInputs(const ScoreInputs& beforeInputs, const ScoreFactors& beforeFactors);

  ScoreFactors factors_;
  ScoreInputs inputs_;
  ScoreResults results_;
  GameFigures figures_;
};

}  // namespace tolvane::form
