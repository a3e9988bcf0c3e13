// What the window shows, control by control, in one text per control: once
// taken from the form's state and once read back from the widgets (found by
// their object names). The two lists are equal when every widget shows its
// control.
#pragma once

#include <QStringList>
#include <cstdint>
#include <vector>

#include "form/Form.h"

namespace tolvane::gui {
class MainWindow;
}

namespace tolvane::gui::testing {

// One entry per control in layout order, then one per caption beside a
// control, then one per tab.
QStringList FormState(const form::Form& form);
QStringList WidgetState(const MainWindow& window);

// Every control's revision: two forms that ran the same handlers the same
// number of times have the same revisions.
std::vector<uint64_t> Revisions(const form::Form& form);

}  // namespace tolvane::gui::testing
