// Writing a whole file at once, for the exports.
#pragma once

#include <filesystem>
#include <string_view>

namespace tolvane {

// Writes bytes to a file, replacing it. Throws SaveError naming the file and
// the system's reason ("Cannot write "map.txt". No space left on device.")
// when it cannot be opened, written or closed.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tolvane
