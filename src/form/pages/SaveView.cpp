#include "form/pages/SaveView.h"

#include <fmt/format.h>

#include <algorithm>

#include "form/Latin1.h"

namespace tolvane::form {

bool NotAvailable(const Analysis& a) { return !a.slots[0].password.empty(); }

bool MetByFirstTeam(const Analysis& a, int slot) {
  const int32_t team = a.GetTeam(slot);
  return Analysis::ValidTeam(team) && a.hasMet[0][size_t(team)] != 0;
}

bool SeenByFirstTeam(const Analysis& a, int slot) { return !a.restrictedView || slot == 0 || MetByFirstTeam(a, slot); }

Detail DetailOf(const Analysis& a, int slot) {
  if (NotAvailable(a) && a.restrictedView) return Detail::NameOnly;
  if (a.restrictedView && !MetByFirstTeam(a, slot)) return Detail::Nothing;
  return a.slots[size_t(slot)].leaderType >= 0 ? Detail::Everything : Detail::NameOnly;
}

std::string ViewNote(const Analysis& a, const std::vector<std::string>& hiddenPages) {
  std::string note;
  if (NotAvailable(a)) {
    std::string pages;
    for (size_t i = 0; i < hiddenPages.size(); ++i)
      pages += (i == 0 ? "" : i + 1 == hiddenPages.size() ? " and " : ", ") + hiddenPages[i];
    note = hiddenPages.empty() ? "The first player's password protects this save."
                               : fmt::format("The first player's password protects this save: the {} {} hidden.",
                                             hiddenPages.size() == 1 ? "page " + pages : "pages " + pages,
                                             hiddenPages.size() == 1 ? "is" : "are");
  }
  if (a.restrictedView) {
    if (!note.empty()) note += " ";
    note += NotAvailable(a)
                ? "An administrator's password restricts the view of this running game: the Leaders and Teams pages "
                  "show only the players' names."
                : "An administrator's password restricts the view of this running game: the pages show only the "
                  "players the first team has met, no replay, and the Player and Player Log pages only the first "
                  "player.";
  }
  return note;
}

void FillPlayerSelector(ComboBox& selector, const Analysis& a) {
  selector.Clear();
  for (int s = 0; s < kSlots; ++s) {
    const std::string& name = a.slots[size_t(s)].leaderName;
    if (!name.empty()) selector.Add(Latin1ToUtf8(name));
  }
  // The player the user picked stays chosen while the save has a player of
  // that name; otherwise the first player is.
  const auto& items = selector.Items();
  if (items.empty()) return;
  const auto picked = std::find(items.begin(), items.end(), selector.Picked());
  selector.SetIndex(picked == items.end() || selector.Picked().empty() ? 0 : int(picked - items.begin()));
}

int SlotOf(const ComboBox& selector, const Analysis& a, int noSelection) {
  int position = selector.Index() < 0 ? noSelection : selector.Index();
  for (int s = 0; s < kSlots; ++s)
    if (!a.slots[size_t(s)].leaderName.empty() && position-- == 0) return s;
  return kBarbarianSlot;
}

}  // namespace tolvane::form
