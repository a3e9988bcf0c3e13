#include "form/pages/KavrelPage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include "form/NumberText.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/Int32Math.h"
#include "rules/Scores.h"
#include "rules/Tables.h"

namespace tolvane::form {

namespace {

std::vector<std::string> Items(std::span<const std::string_view> names) { return {names.begin(), names.end()}; }

}  // namespace

KavrelRow::KavrelRow(ControlList& list, std::string_view title, const std::array<std::string_view, 5>& names)
    : KavrelRow(CalculatorCells<5>{list, title, names, KavrelPage::kColumns, 3}) {}

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
  constexpr size_t kCulture = 4;
  // A component without a value stops here, after the components before it.
  for (size_t i = 0; i < r.final.size(); ++i) {
    const double scale = i == kCulture ? 100.0 : 1.0;  // culture is kept in hundredths of a point
    r.final[i] = KavrelScorePart(factors_[i], in.current[kTurn], in.current[i] / scale, in.maximal[i] / scale,
                                 in.maximal[kTurn]);
  }
  int64_t sum = 0;
  for (int32_t v : r.final) sum = Wrap32(sum + v);
  r.sum = int32_t(sum);

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
  r.date = Turn2Date(save_.gameSpeed, in.current[kTurn]);
  date.SetText(DateTextPadded(r.date));
}

void KavrelPage::RecomputeScore() {
  messages_.Guard([this] {
    const auto rows = MutableRows();
    for (size_t i = 0; i < rows.size(); ++i) inputs_.current[i] = ReadInt(rows[i]->current);
    for (size_t i = 0; i < rows.size(); ++i) {
      inputs_.maximal[i] = ReadInt(rows[i]->maximal);
      if (i == kModernTechnologies) modernTechnologiesMax_ = inputs_.maximal[i];
    }
    for (size_t i = 0; i < rows.size(); ++i) factors_[i] = ReadInt(rows[i]->factor);
    CalculateScore();
  });
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
