// The keys that go from page to page: Ctrl+Tab and Ctrl+PageDown to the
// next page, Ctrl+Shift+Tab and Ctrl+PageUp to the one before, past the
// pages that are hidden or disabled and round from the last to the first.
#pragma once

class QTabWidget;
class QWidget;

namespace tolvane::gui {

// The keys work anywhere in `window`: a grid, a list or an edit with the
// focus would otherwise take them as its own (a list moves its current line
// by a page).
void AddPageKeys(QWidget* window, QTabWidget* pages);

}  // namespace tolvane::gui
