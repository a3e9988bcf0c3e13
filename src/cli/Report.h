// The window's state as tolvane-report prints it: JSON after the contract,
// or a readable page-by-page text.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "form/Form.h"

namespace tolvane::report {

// {"tabs": {caption: visible}, "controls": {name: state}, "messages": [...]}.
nlohmann::ordered_json FormJson(const form::Form& form);

// The pages in tab order, each control with its caption and contents.
std::string FormText(const form::Form& form);
// One page of the form as FormText prints it.
std::string PageText(const form::Form& form, const form::Page& page);

}  // namespace tolvane::report
