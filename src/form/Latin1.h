// Texts of the save are 8-bit; the window shows them as UTF-8, each byte the
// character of the same number (byte E9 is "é").
#pragma once

#include <string>
#include <string_view>

namespace tolvane::form {

std::string Latin1ToUtf8(std::string_view text);

}  // namespace tolvane::form
