// The window's state as tolvane-report prints it: JSON after the contract,
// or a readable page-by-page text.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "form/Form.h"
#include "form/exports/FormText.h"

namespace tolvane::report {

// {"tabs": {caption: visible}, "controls": {name: state}, "messages": [...]}.
nlohmann::ordered_json FormJson(const form::Form& form);

// The readable text: the pages in tab order, each control with its caption
// and contents (form/exports/FormText.h).
using form::FormText;
using form::PageText;

}  // namespace tolvane::report
