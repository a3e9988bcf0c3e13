// The Kavrel page's anarchy length calculator; it needs no save.
#include <fmt/format.h>
#include <fmt/printf.h>

#include "rules/Scores.h"
#include "ui/Form.h"
#include "ui/NumberText.h"

namespace tolvane::ui {

void Form::NewCivicsEChange() {
  Guarded([this] {
    const int32_t civics = ParseInt(newCivicsE.Text());
    const int32_t cities = ParseInt(anarchyCitiesE.Text());
    const int32_t turns = AnarchyLength(civics, cities, anarchyWorldSizeBox.Index(), anarchyGameSpeedBox.Index(),
                                        anarchyStartEraBox.Index());
    anarchyLengthL.SetCaption(fmt::sprintf("= %d turns", turns));
  });
}

}  // namespace tolvane::ui
