// Two saves compared (the Compare page, tolvane-report --compare) on the
// large save of an 18-player game given twice, so that every session, every
// replay line and every log line of both is compared: the comparison of two
// loaded forms alone, and with the loads of both saves. Compare with
// RowOfOneSave of the same run (one save loaded into a form): the comparison
// alone should cost a small share of it, loading and comparing about twice
// it.
#include <benchmark/benchmark.h>

#include "LargeSaveFile.h"
#include "form/Form.h"
#include "form/SaveComparison.h"

namespace {

using namespace tolvane;
using bench::Large;

void CompareLoadedSaves(benchmark::State& state) {
  const form::ComparedForms forms = form::LoadForComparison(Large().path, Large().path, form::Form().Calculators());
  if (!forms.error.empty()) state.SkipWithError(forms.error.c_str());
  for (auto _ : state) {
    const form::SaveComparison comparison = form::CompareSaves(*forms.first, *forms.second);
    benchmark::DoNotOptimize(comparison.continues);
  }
}

void LoadAndCompare(benchmark::State& state) {
  const form::CalculatorSettings settings = form::Form().Calculators();
  for (auto _ : state) {
    const form::ComparedForms forms = form::LoadForComparison(Large().path, Large().path, settings);
    const form::SaveComparison comparison = form::CompareSaves(*forms.first, *forms.second);
    benchmark::DoNotOptimize(comparison.continues);
  }
}

}  // namespace

BENCHMARK(CompareLoadedSaves)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadAndCompare)->Unit(benchmark::kMillisecond);
