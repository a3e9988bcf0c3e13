#include "form/pages/AttitudesPage.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include "form/pages/SaveView.h"
#include "rules/GameCodes.h"
#include "rules/Scores.h"

namespace tolvane::form {

VariableTerm::VariableTerm(ControlList& list, std::string_view caption, std::string_view valueName,
                           std::string_view maximumName)
    : value(list, {.name = valueName, .caption = caption, .role = EditRole::NoValue}),
      maximum(list,
              {.name = maximumName, .description = fmt::format("{} (maximum)", caption), .role = EditRole::NoValue}) {}

AttitudesPage::AttitudesPage(PageList& pages) : Page({"Attitudes", "TabSheet11"}, pages) {
  for (ComboBox* selector : {&leaderSelector, &towardSelector}) selector->OnChange([this] { ShowAttitude(); });
}

void AttitudesPage::Fill() {
  for (ComboBox* selector : {&leaderSelector, &towardSelector}) FillPlayerSelector(*selector, save_);
  ShowAttitude();
}

void AttitudesPage::ShowAttitude() {
  const Analysis& a = save_;
  if (NotAvailable(a) && a.restrictedView) return;
  // Without a selection the page shows the second player toward the first.
  const int s1 = SlotOf(leaderSelector, a, 1);
  const int s2 = SlotOf(towardSelector, a, 0);
  const SlotInfo& toward = a.slots[size_t(s2)];
  baseAttitude.SetText(fmt::sprintf("%6d", BaseAttitude(a.leaderPersonality[size_t(s1)])));
  handicapAttitude.SetText(fmt::sprintf("%6d", HandicapAttitude(toward.handicap)));
  aggressiveAiAttitude.SetText(
      fmt::sprintf("%6d", AggressiveAIAttitude(a.gameOptions[kOptionAggressiveAI] != 0, toward.slotStatus)));
}

}  // namespace tolvane::form
