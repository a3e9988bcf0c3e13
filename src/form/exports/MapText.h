// The map as a text grid ("map.txt" of "Save File", --export-map).
#pragma once

#include <string>

#include "analysis/Model.h"

namespace tolvane::form {

// "y/x;0;1;...", then one row per y from the top row down, each cell the
// plot type, terrain, feature and resource abbreviations; CR LF between the
// lines and none after the last.
std::string MapText(const Analysis& a);

}  // namespace tolvane::form
