// The captions that stand beside the controls of the window (the labels of
// the layout), by control name. The window lays them out; the text report
// prints them in front of the values.
#pragma once

#include <string_view>

namespace tolvane::ui {

// The caption of a control, or "" for one without its own label.
std::string_view CaptionOf(std::string_view controlName);

}  // namespace tolvane::ui
