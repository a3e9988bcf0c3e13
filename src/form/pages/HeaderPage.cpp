#include "form/pages/HeaderPage.h"

#include <fmt/printf.h>

#include "form/Latin1.h"

namespace tolvane::form {

HeaderPage::HeaderPage(PageList& pages) : Page({"Header", "TabSheet2"}, pages) { SetVisible(false); }

void HeaderPage::Fill() {
  const Analysis& a = save_;
  saveVersion.SetText(fmt::sprintf("%8d", a.saveVersion));
  modPath.SetText(Latin1ToUtf8(a.modPath));
  modChecksum.SetText(Latin1ToUtf8(a.modChecksum));
  flags.SetText(fmt::sprintf("%08X", a.flags));
  gameBuildVersion.SetText(Latin1ToUtf8(a.gameBuildVersion));
  dllChecksum.SetText(Latin1ToUtf8(a.dllChecksum));
  shaderChecksum.SetText(Latin1ToUtf8(a.shaderChecksum));
  pythonChecksum.SetText(Latin1ToUtf8(a.pythonChecksum));
  xmlChecksum.SetText(Latin1ToUtf8(a.xmlChecksum));
  gamePassword.SetText(Latin1ToUtf8(a.gamePassword));
  adminPassword.SetText(Latin1ToUtf8(a.adminPassword));
}

}  // namespace tolvane::form
