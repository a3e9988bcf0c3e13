// The controls above the pages: the loaded save's path and file date, and
// the "Load File" and "Save File" buttons. The form runs their actions.
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
};

}  // namespace tolvane::form
