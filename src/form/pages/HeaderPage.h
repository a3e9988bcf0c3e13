// The "Header" page (its tab stays hidden): the save's version, checksums
// and passwords.
#pragma once

#include "form/Page.h"

namespace tolvane::form {

class HeaderPage : public Page {
 public:
  explicit HeaderPage(PageList& pages);

  Edit saveVersion{controls_, {.name = "SaveVersionE", .caption = "SaveVersion"}};
  Edit flags{controls_, {.name = "FlagsE", .caption = "Flags"}};
  Edit gameBuildVersion{controls_, {.name = "GameBuildVersionE", .caption = "GameBuildVersion"}};
  Edit modPath{controls_, {.name = "ModPathE", .caption = "ModPath"}};
  Edit modChecksum{controls_, {.name = "ModChecksumE", .caption = "ModChecksum"}};
  Edit dllChecksum{controls_, {.name = "DLLChecksumE", .caption = "DLLChecksum"}};
  Edit shaderChecksum{controls_, {.name = "ShaderChecksumE", .caption = "ShaderChecksum"}};
  Edit pythonChecksum{controls_, {.name = "PythonChecksumE", .caption = "PythonChecksum"}};
  Edit xmlChecksum{controls_, {.name = "XMLChecksumE", .caption = "XMLChecksum"}};
  Edit gamePassword{controls_, {.name = "GamePasswordE", .caption = "GamePassword"}};
  Edit adminPassword{controls_, {.name = "AdminPasswordE", .caption = "AdminPassword"}};

  void Fill() override;
};

}  // namespace tolvane::form
