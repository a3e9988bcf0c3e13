#include "ui/MessageLog.h"

#include "rules/Scores.h"
#include "ui/NumberText.h"

namespace tolvane::ui {

void MessageLog::Guard(const std::function<void()>& body) {
  try {
    body();
  } catch (const InputError& e) {
    Add(e.what(), e.Field());
  } catch (const CalcError& e) {
    Add(e.what());
  }
}

}  // namespace tolvane::ui
