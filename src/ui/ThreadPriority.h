// Work in the background: a thread that reads saves while the user works in
// the window gives way to the window's thread when both want a core.
#pragma once

namespace tolvane::ui {

// Lowers the priority of the calling thread (threads it starts inherit the
// lower priority where the system lets them). Does nothing where the system
// offers no such thing.
void LowerThisThreadsPriority();

}  // namespace tolvane::ui
