// One save's row of the table of many saves, read from the pages of a form
// that loaded it the normal way: what the row shows is what the pages show.
#pragma once

#include <filesystem>

#include "form/Form.h"
#include "form/SaveTable.h"

namespace tolvane::form {

// The row of the save a form shows: each cell the text of the control that
// shows it, without its padding, empty when the control's page is hidden
// (the restricted and the not-available views show only part of a save).
// The file's name and time come from `path`; the error column stays empty.
SaveRow RowOfForm(const Form& form, const std::filesystem::path& path);

// Loads the save at `path` into a form of its own that scores with
// `settings` and returns its row; the form and its analysis are gone
// afterwards. The form fills only the pages the row reads. A save that cannot be loaded gives a row with its message in
// the error column (so do the messages of a load's calculators). Safe to
// run on several threads at once.
SaveRow SummarizeSave(const std::filesystem::path& path, const CalculatorSettings& settings);
// The same, reading into a worker's own buffers (kept from save to save),
// with the session scan on the calling thread; with `worldFrame` the row
// also keeps the save's world frame (SaveRow::world).
SaveRow SummarizeSave(const std::filesystem::path& path, const CalculatorSettings& settings, SaveBuffers& buffers,
                      bool worldFrame = false);

}  // namespace tolvane::form
