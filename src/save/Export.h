// The "Save File" outputs: the decompressed image and a text grid of the map.
#pragma once

#include <string>

#include "analysis/Model.h"

namespace tolvane {

// "y/x;0;1;...", then one row per y from the top row down, each cell the
// plot type, terrain, feature and resource abbreviations; CR LF between the
// lines and none after the last.
std::string MapText(const Analysis& a);

// Writes bytes to a file, replacing it. Throws SaveError on failure.
void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace tolvane
