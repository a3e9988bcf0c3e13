// How much of a save the pages show, and which slot a player selector
// stands for.
//
// A save whose first slot has a password is not available: the pages of
// the game's course are hidden. In the restricted view (an administrator's
// password on a running game) the pages show only the players whose team
// the first team has met.
#pragma once

#include <string>
#include <vector>

#include "analysis/Model.h"
#include "form/Controls.h"

namespace tolvane::form {

bool NotAvailable(const Analysis& a);

// The first team has met the slot's team (a team outside the team tables
// was met by nobody).
bool MetByFirstTeam(const Analysis& a, int slot);

// Whether the pages may show the slot's player in a game the first team
// plays: always outside the restricted view, and in it the first player and
// the players the first team has met.
bool SeenByFirstTeam(const Analysis& a, int slot);

// How much of a slot the Leaders and Teams grids show.
enum class Detail { Nothing, NameOnly, Everything };
Detail DetailOf(const Analysis& a, int slot);

// The line above the pages for a save that is not available or seen in the
// restricted view: what is hidden and why; "" for any other save.
// `hiddenPages` are the captions of the tabs the save hides.
std::string ViewNote(const Analysis& a, const std::vector<std::string>& hiddenPages);

// Fills a player selector with the names of the named slots in slot order
// and selects the player the user picked (ComboBox::Picked) when the save
// has one of that name, or else the first.
void FillPlayerSelector(ComboBox& selector, const Analysis& a);

// The slot that the selected item of a player selector stands for: the
// position-th named slot, 18 when there is none. No selection counts as
// position `noSelection`.
int SlotOf(const ComboBox& selector, const Analysis& a, int noSelection);

}  // namespace tolvane::form
