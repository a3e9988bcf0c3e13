#include "cli/CompareReport.h"

#include <ostream>

#include "form/Form.h"
#include "form/exports/ComparisonReport.h"

namespace tolvane::report {

int PrintComparison(const std::string& first, const std::string& second, bool json, std::ostream& out,
                    std::ostream& err) {
  const form::ComparedForms forms = form::LoadForComparison(first, second, form::Form().Calculators());
  if (!forms.error.empty()) {
    err << "tolvane-report: " << forms.error << "\n";
    return 1;
  }
  const form::SaveComparison comparison = form::CompareSaves(*forms.first, *forms.second);
  out << (json ? form::ComparisonJson(comparison) : form::ComparisonText(comparison));
  out.flush();
  if (!out) {
    err << "tolvane-report: Cannot write the report.\n";
    return 1;
  }
  return 0;
}

}  // namespace tolvane::report
