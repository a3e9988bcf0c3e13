// The "Kavrel" page: the Kavrel score of the first slot, a second scoring
// scheme of seven components, and the anarchy length calculator.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "form/Page.h"
#include "form/pages/CalculatorCells.h"

namespace tolvane::form {

// One component of the Kavrel score: three inputs, the score and its share.
struct KavrelRow {
  KavrelRow(ControlList& list, std::string_view rowTitle, const std::array<std::string_view, 5>& names);
  explicit KavrelRow(const CalculatorCells<5>& cells);
  std::string_view title;
  Edit current, maximal, factor, finalScore, share;
};

// The calculator's values, seeded from each load and changed by the user's
// edits. Components in the order population, land, technology, wonders,
// culture (in hundredths of a point), modern technologies, turn.
struct KavrelInputs {
  std::array<int32_t, 7> current{};
  std::array<int32_t, 7> maximal{};
};

struct KavrelResults {
  std::array<int32_t, 7> final{};
  int32_t sum = 0;
  int32_t date = 0;  // the year of the turn component's current value
};

// The user's choice of civics, cities, world size, speed and era, and the
// turns of anarchy they give.
struct AnarchyCalculator {
  explicit AnarchyCalculator(ControlList& list);
  Edit civics, cities;
  ComboBox worldSize, gameSpeed, startEra;
  Label length;
};

class KavrelPage : public Page {
 public:
  explicit KavrelPage(PageList& pages);

  KavrelRow population{controls_,
                       "Population",
                       {"KavrelPopCurrE", "KavrelPopMaxE", "KavrelPopFactorE", "KavrelPopFinalE", "KavrelPopPercentE"}};
  KavrelRow land{controls_,
                 "Land",
                 {"KavrelLandCurrE", "KavrelLandMaxE", "KavrelLandFactorE", "KavrelLandFinalE", "KavrelLandPercentE"}};
  KavrelRow science{
      controls_,
      "Science",
      {"KavrelTechCurrE", "KavrelTechMaxE", "KavrelTechFactorE", "KavrelTechFinalE", "KavrelTechPercentE"}};
  KavrelRow wonders{
      controls_,
      "Wonder",
      {"KavrelWonderCurrE", "KavrelWonderMaxE", "KavrelWonderFactorE", "KavrelWonderFinalE", "KavrelWonderPercentE"}};
  KavrelRow culture{controls_,
                    "Culture",
                    {"KavrelCultureCurrE", "KavrelCultureMaxE", "KavrelCultureFactorE", "KavrelCultureFinalE",
                     "KavrelCulturePercentE"}};
  KavrelRow modernTechnologies{
      controls_,
      "M.Tech",
      {"KavrelMTechCurrE", "KavrelMTechMaxE", "KavrelMTechFactorE", "KavrelMTechFinalE", "KavrelMTechPercentE"}};
  KavrelRow turn{controls_,
                 "Turn",
                 {"KavrelTurnCurrE", "KavrelTurnMaxE", "KavrelTurnFactorE", "KavrelTurnFinalE", "KavrelTurnPercentE"}};
  // The year of the turn component; leaving it recomputes the Base page.
  Edit date{controls_, {.name = "KavrelDateE", .caption = "Date", .role = EditRole::Computed}};
  Edit finalScoreSum{controls_, {.name = "KavrelSumFinalE", .description = "Kavrel score", .role = EditRole::Computed}};
  AnarchyCalculator anarchy{controls_};

  // The column titles of the calculator, over the rows' edits.
  static constexpr std::array<std::string_view, 5> kColumns = {"Current+", "Maximal", "Factor", "Final Score",
                                                               "% Score"};
  std::array<const KavrelRow*, 7> Rows() const {
    return {&population, &land, &science, &wonders, &culture, &modernTechnologies, &turn};
  }

  void Fill() override;
  // The results of the previous save go with the controls; the factors stay.
  void Reset() override {
    Page::Reset();
    results_ = {};
    scoreShown_.reset();
  }
  // Reads every input of the Kavrel score back, storing each value as soon
  // as it is read, then recomputes.
  void RecomputeScore();
  // The anarchy length of the five inputs.
  void RecomputeAnarchy();

  const KavrelInputs& Inputs() const { return inputs_; }
  const KavrelResults& Results() const { return results_; }
  // The sum the page shows; none until a calculation has one.
  const std::optional<int32_t>& ScoreShown() const { return scoreShown_; }
  // The factors and the maximum of modern technologies outlive a load.
  const std::array<int32_t, 7>& Factors() const { return factors_; }
  int32_t ModernTechnologiesMax() const { return modernTechnologiesMax_; }
  // Takes another calculator's factors and maximum for the next load.
  void SetFactors(const std::array<int32_t, 7>& factors, int32_t modernTechnologiesMax) {
    factors_ = factors;
    modernTechnologiesMax_ = modernTechnologiesMax;
  }

 private:
  std::array<KavrelRow*, 7> MutableRows() {
    return {&population, &land, &science, &wonders, &culture, &modernTechnologies, &turn};
  }
  // Computes from the inputs and shows every value; a component without a
  // value stops it with CalcError, a result that leaves the 32-bit range
  // with an InputError naming the component's factor.
  void CalculateScore();
  // The first typed input that makes a result leave the 32-bit range, while
  // the values before it did not, is refused (InputError): the inputs go
  // back to what they were before it.
  void RefuseWrappingInputs(const KavrelInputs& beforeInputs, const std::array<int32_t, 7>& beforeFactors);

  static constexpr size_t kModernTechnologies = 5, kTurn = 6;
  std::array<int32_t, 7> factors_ = {2500, 2500, 2500, 5000, 2500, 5000, 2500};
  int32_t modernTechnologiesMax_ = 150;
  KavrelInputs inputs_;
  KavrelResults results_;
  std::optional<int32_t> scoreShown_;
};

}  // namespace tolvane::form
