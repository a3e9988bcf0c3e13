// What the window shows, control by control, in one text per control: once
// taken from the form's state and once read back from the widgets (found by
// their object names). The two lists are equal when every widget shows its
// control.
#pragma once

#include <QStringList>
#include <cstdint>
#include <vector>

#include "ui/Form.h"

namespace tolvane::app {
class MainWindow;
}

namespace tolvane::app::testing {

// One entry per control in layout order, then one per caption beside a
// control, then one per tab.
QStringList FormState(const ui::Form& form);
QStringList WidgetState(const MainWindow& window);

// Every control's revision: two forms that ran the same handlers the same
// number of times have the same revisions.
std::vector<uint64_t> Revisions(const ui::Form& form);

}  // namespace tolvane::app::testing
