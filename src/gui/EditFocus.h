// The exit event of an edit: the focus moves on from it within the window.
#pragma once

#include <functional>

class QWidget;

namespace tolvane::gui {

// Runs `exit` whenever the focus leaves `edit` for another widget of the
// window. A focus that only leaves with the window (another program comes
// to the front) or for a context menu comes back unchanged: no exit.
void OnFocusExit(QWidget* edit, std::function<void()> exit);

}  // namespace tolvane::gui
