// The controls above the pages: the loaded save's path and file date, the
// "Load File" and "Save File" buttons, and a line that says which pages the
// save keeps hidden and why. The form runs their actions.
#pragma once

#include "form/Page.h"

namespace tolvane::form {

class FileBar : public ControlGroup {
 public:
  Edit savePath{controls_, {.name = "Edit1", .caption = "Path"}};
  Button loadFile{controls_, {.name = "Button1", .caption = "Load File"}};
  Edit fileDate{controls_, {.name = "Edit2", .caption = "Date"}};
  // Writes the decompressed save and "map.txt"; created disabled.
  Button saveFile{controls_, {.name = "Button2", .caption = "Save File"}};
  // Empty for a save the pages show in full.
  Label viewNote{controls_, {.name = "ViewNoteL", .description = "View"}, ""};
};

}  // namespace tolvane::form
