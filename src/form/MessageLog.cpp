#include "form/MessageLog.h"

#include "form/NumberText.h"
#include "rules/Scores.h"

namespace tolvane::form {

void MessageLog::Guard(const std::function<void()>& body) {
  try {
    body();
  } catch (const InputError& e) {
    Add(e.what(), e.Field());
  } catch (const CalcError& e) {
    Add(e.what());
  }
}

}  // namespace tolvane::form
