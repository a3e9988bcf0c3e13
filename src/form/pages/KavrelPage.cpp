#include "form/pages/KavrelPage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <cstdlib>
#include <optional>
#include <vector>

#include "form/NumberText.h"
#include "form/pages/SaveView.h"
#include "form/pages/WrappingInput.h"
#include "rules/Calendar.h"
#include "rules/Int32Math.h"
#include "rules/Scores.h"
#include "rules/Tables.h"

namespace tolvane::form {

namespace {

std::vector<std::string> Items(std::span<const std::string_view> names) { return {names.begin(), names.end()}; }

constexpr size_t kCulture = 4;

// Where a calculation leaves the 32-bit range: the component whose factor
// scales the result, and the result.
struct Overflow {
  size_t component;
  std::string_view result;
};

// Computes every component into `r` (a component without a value stops it
// with CalcError, after the components before it), the sum and the year of
// the turn component. The first result that leaves the 32-bit range, if any:
// a component, the sum, a component's hundredfold share, or the year.
std::optional<Overflow> Calculate(const KavrelInputs& in, const std::array<int32_t, 7>& factors, size_t turnIndex,
                                  int32_t speed, KavrelResults& r) {
  std::optional<Overflow> overflow;
  for (size_t i = 0; i < r.final.size(); ++i) {
    const double scale = i == kCulture ? 100.0 : 1.0;  // culture is kept in hundredths of a point
    bool wrapped = false;
    r.final[i] = KavrelScorePart(factors[i], in.current[turnIndex], in.current[i] / scale, in.maximal[i] / scale,
                                 in.maximal[turnIndex], &wrapped);
    if (wrapped && !overflow) overflow = Overflow{i, "Kavrel score"};
  }
  int64_t sum = 0, exact = 0;
  size_t largest = 0;
  for (size_t i = 0; i < r.final.size(); ++i) {
    sum = Wrap32(sum + r.final[i]);
    exact += r.final[i];
    if (std::abs(int64_t(r.final[i])) > std::abs(int64_t(r.final[largest]))) largest = i;
  }
  r.sum = int32_t(sum);
  if (!overflow && (!Fits32(exact) || (exact > 0 && !Fits32(int64_t(r.final[largest]) * 100))))
    overflow = Overflow{largest, "Kavrel score"};
  bool wrapped = false;
  r.date = Turn2Date(speed, in.current[turnIndex], &wrapped);
  if (wrapped && !overflow) overflow = Overflow{turnIndex, "date"};
  return overflow;
}

// The calculator's values that typed inputs change.
struct TypedValues {
  KavrelInputs inputs;
  std::array<int32_t, 7> factors;
};

}  // namespace

KavrelRow::KavrelRow(ControlList& list, std::string_view rowTitle, const std::array<std::string_view, 5>& names)
    : KavrelRow(CalculatorCells<5>{list, rowTitle, names, KavrelPage::kColumns, 3}) {}

KavrelRow::KavrelRow(const CalculatorCells<5>& cells)
    : title(cells.title),
      current(cells.Cell(0)),
      maximal(cells.Cell(1)),
      factor(cells.Cell(2)),
      finalScore(cells.Cell(3)),
      share(cells.Cell(4)) {}

AnarchyCalculator::AnarchyCalculator(ControlList& list)
    : civics(list, {.name = "NewCivicsE", .caption = "Civics", .role = EditRole::IntegerInput}, "  0"),
      cities(list, {.name = "AnarchyCitiesE", .caption = "Cities", .role = EditRole::IntegerInput}, " 10"),
      worldSize(list, {.name = "AnarchyWorldSizeBox", .caption = "World Size"}, 8, Items(WorldSizeNames()), 3),
      gameSpeed(list, {.name = "AnarchyGameSpeedBox", .caption = "Game Speed"}, 8, Items(GameSpeedNames()), 2),
      startEra(list, {.name = "AnarchyStartEraBox", .caption = "Starting Era"}, 8, Items(StartEraNames()), 0),
      length(list, {.name = "AnarchyLengthL", .caption = "Anarchy Length"}, "= 0 turns") {}

KavrelPage::KavrelPage(PageList& pages) : Page({"Kavrel", "TabSheet9"}, pages) {
  for (KavrelRow* row : MutableRows())
    for (Edit* e : {&row->current, &row->maximal, &row->factor}) e->OnExit([this] { RecomputeScore(); });
  anarchy.civics.OnExit([this] { RecomputeAnarchy(); });
  anarchy.cities.OnExit([this] { RecomputeAnarchy(); });
  for (ComboBox* box : {&anarchy.worldSize, &anarchy.gameSpeed, &anarchy.startEra})
    box->OnChange([this] { RecomputeAnarchy(); });
}

void KavrelPage::Fill() {
  const Analysis& a = save_;
  SetVisible(!NotAvailable(a));
  inputs_.current = {a.populationScoreCounted[0], a.landScoreCounted[0], a.techScore[0],  a.wondersScore[0],
                     a.kavrelCultureCurr,         a.kavrelMTechCurr,     a.kavrelTurnCurr};
  inputs_.maximal = {a.maxPopScore,      a.maxLandScore,         a.maxTechScore, a.maxWonderScore,
                     a.kavrelCultureMax, modernTechnologiesMax_, a.kavrelTurnMax};
  if (!NotAvailable(a)) messages_.Guard([this] { CalculateScore(); });
}

void KavrelPage::CalculateScore() {
  const KavrelInputs& in = inputs_;
  KavrelResults& r = results_;
  // Values that make a result leave the 32-bit range, although each was
  // taken when typed (the factors outlive a load): the component's factor is
  // named and no result is shown.
  const KavrelResults shown = r;
  if (const std::optional<Overflow> overflow = Calculate(in, factors_, kTurn, save_.gameSpeed, r)) {
    r = shown;
    KavrelRow& row = *MutableRows()[overflow->component];
    row.factor.SetMarked(true);
    throw InputError(WrapsMessage(fmt::format("{} {}", row.title, kColumns[2]),
                                  std::to_string(factors_[overflow->component]), overflow->result),
                     &row.factor);
  }

  const auto rows = MutableRows();
  for (size_t i = 0; i < rows.size(); ++i) {
    rows[i]->current.SetText(Int7(in.current[i]));
    rows[i]->maximal.SetText(Int7(in.maximal[i]));
    rows[i]->factor.SetText(Int7(factors_[i]));
    rows[i]->finalScore.SetText(Int7(r.final[i]));
  }
  // The shares keep their texts while the sum is not positive.
  if (r.sum > 0)
    for (size_t i = 0; i < rows.size(); ++i)
      rows[i]->share.SetText(fmt::sprintf("%7.2f", double(Wrap32(int64_t(r.final[i]) * 100)) / r.sum));
  scoreShown_ = r.sum;
  finalScoreSum.SetText(Int7(r.sum));
  date.SetText(DateTextPadded(r.date));
}

void KavrelPage::RecomputeScore() {
  messages_.Guard([this] {
    const KavrelInputs beforeInputs = inputs_;
    const std::array<int32_t, 7> beforeFactors = factors_;
    const auto rows = MutableRows();
    for (size_t i = 0; i < rows.size(); ++i) inputs_.current[i] = ReadInt(rows[i]->current);
    for (size_t i = 0; i < rows.size(); ++i) {
      inputs_.maximal[i] = ReadInt(rows[i]->maximal);
      if (i == kModernTechnologies) modernTechnologiesMax_ = inputs_.maximal[i];
    }
    for (size_t i = 0; i < rows.size(); ++i) factors_[i] = ReadInt(rows[i]->factor);
    RefuseWrappingInputs(beforeInputs, beforeFactors);
    CalculateScore();
  });
}

void KavrelPage::RefuseWrappingInputs(const KavrelInputs& beforeInputs, const std::array<int32_t, 7>& beforeFactors) {
  // The inputs in the order they are read.
  std::vector<CalculatorInput<TypedValues>> typedInputs;
  const auto rows = MutableRows();
  auto name = [](const KavrelRow& row, size_t column) { return fmt::format("{} {}", row.title, kColumns[column]); };
  for (size_t i = 0; i < rows.size(); ++i)
    typedInputs.push_back({&rows[i]->current, name(*rows[i], 0), [i](TypedValues& to, const TypedValues& from) {
                             to.inputs.current[i] = from.inputs.current[i];
                           }});
  for (size_t i = 0; i < rows.size(); ++i)
    typedInputs.push_back({&rows[i]->maximal, name(*rows[i], 1), [i](TypedValues& to, const TypedValues& from) {
                             to.inputs.maximal[i] = from.inputs.maximal[i];
                           }});
  for (size_t i = 0; i < rows.size(); ++i)
    typedInputs.push_back({&rows[i]->factor, name(*rows[i], 2),
                           [i](TypedValues& to, const TypedValues& from) { to.factors[i] = from.factors[i]; }});
  const TypedValues before{beforeInputs, beforeFactors};
  TypedValues typed{inputs_, factors_};
  const int32_t speed = save_.gameSpeed;
  auto wraps = [speed](const TypedValues& v) -> std::optional<std::string_view> {
    KavrelResults scratch;
    try {
      if (const std::optional<Overflow> overflow = Calculate(v.inputs, v.factors, kTurn, speed, scratch))
        return overflow->result;
    } catch (const CalcError&) {
      // A component without a value: its message comes from the calculation itself.
    }
    return std::nullopt;
  };
  try {
    RefuseWrappingInput<TypedValues>(typedInputs, before, typed, wraps);
  } catch (const InputError&) {
    inputs_ = typed.inputs;
    factors_ = typed.factors;
    modernTechnologiesMax_ = inputs_.maximal[kModernTechnologies];
    throw;
  }
}

void KavrelPage::RecomputeAnarchy() {
  messages_.Guard([this] {
    const int32_t civics = ReadInt(anarchy.civics);
    const int32_t cities = ReadInt(anarchy.cities);
    const int32_t turns =
        AnarchyLength(civics, cities, anarchy.worldSize.Index(), anarchy.gameSpeed.Index(), anarchy.startEra.Index());
    anarchy.length.SetText(fmt::sprintf("= %d turns", turns));
  });
}

}  // namespace tolvane::form
