// Turning the host game's marked-up texts and upper-case keys into words.
// Byte-wise over 8-bit texts; only the letters A to Z are ever folded.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Removes everything from a "<" up to and including the next ">".
std::string CutMacros(std::string_view text);
// The same for a text as the save reader gives it (at most 1023 bytes, no
// zero byte), without a copy when it holds no markup.
void CutMacrosInPlace(std::string& text);
char CharLowCase(char c);
// "GREAT_PALACE" -> "Great Palace".
std::string LowCase(std::string_view key);
// Drops the key's length from the front and turns the rest into words when
// the text is longer than the key and contains it; else the text unchanged.
std::string CutTextKey(std::string_view text, std::string_view key);

inline constexpr std::string_view kCityNameKey = "TXT_KEY_CITY_NAME_";

}  // namespace tolvane
