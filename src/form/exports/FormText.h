// A page-by-page text of the window for a terminal or a file: each page in
// tab order, its values beside their captions, grids as aligned tables, the
// two score calculators as tables, logs line by line.
#pragma once

#include <string>

namespace tolvane::form {

class Form;
class Page;

// The file bar, then the pages in tab order, each control with its caption
// and contents, then the messages.
std::string FormText(const Form& form);
// One page of the form as FormText prints it.
std::string PageText(const Form& form, const Page& page);

}  // namespace tolvane::form
