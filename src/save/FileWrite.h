// Writing a whole file at once, for the exports.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Writes bytes to a file, replacing it. Throws SaveError on failure.
void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace tolvane
