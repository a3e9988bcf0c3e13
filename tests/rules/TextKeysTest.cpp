#include <gtest/gtest.h>

#include <string>

#include "rules/TextKeys.h"

namespace tolvane {
namespace {

using namespace std::string_literals;

TEST(CutMacros, DropsMarkupAndKeepsTheRest) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"<color=255,0,0,255>Rome</color> was founded <link=x>", "Rome was founded "},
      {"a > b", "a > b"},           // ">" outside markup stays
      {"Athens <fell", "Athens "},  // unclosed "<" drops the rest
      {"a<<b>c>d", "ac>d"},         // nested markup ends at the first ">"
      {"", ""},
      {"ab\0<x>cd"s, "ab"},  // the text ends at its first zero byte
      {std::string(1023, 'x'), std::string(1023, 'x')},
      {std::string(1024, 'x'), ""},  // too long: nothing
      {std::string(1023, 'x') + '\0' + "yy", std::string(1023, 'x')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    EXPECT_EQ(CutMacros(c.text), c.expected);
  }
}

TEST(CharLowCase, FoldsOnlyAToZ) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const bool capital = b >= 'A' && b <= 'Z';
    EXPECT_EQ(CharLowCase(c), capital ? static_cast<char>(b + 32) : c) << b;
  }
}

TEST(LowCase, TurnsKeysIntoCapitalisedWords) {
  struct Case {
    std::string key;
    std::string expected;
  };
  const Case cases[] = {
      {"GREAT_PALACE", "Great Palace"},
      {"SPANISH_CITADEL", "Spanish Citadel"},
      {"ROCKNROLL", "Rocknroll"},
      {"A__BC", "A  Bc"},  // both underscores become blanks, the letter after keeps its case
      {"_X", " X"},
      {"great_palace", "great palace"},  // kept characters are kept as they are
      {"\xC0\xC1_\xD1\xD2", "\xC0\xC1 \xD1\xD2"},
      {"SS_\0JUNK"s, "Ss "},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(LowCase(c.key), c.expected);
  }
}

TEST(CutTextKey, CutsTheKeyLengthFromTheFront) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const Case cases[] = {
      {"TXT_KEY_CITY_NAME_ROME", "Rome"},
      {"TXT_KEY_CITY_NAME_NEW_YORK", "New York"},
      {"Rome", "Rome"},
      {"TXT_KEY_CITY_NAME_", "TXT_KEY_CITY_NAME_"},  // equal to the key
      {"TXT_KEY_CITY", "TXT_KEY_CITY"},              // shorter than the key
      {"txt_key_city_name_rome", "txt_key_city_name_rome"},
      {"XXTXT_KEY_CITY_NAME_ROME", "E Rome"},  // key found later, still 18 characters cut
      {"TXT_KEY_CITY_NAME_ROME\0JUNK"s, "Rome"},
      {"TXT_KEY_CITY_NAME_" + std::string(1005, 'A'), "A" + std::string(1004, 'a')},
      {"TXT_KEY_CITY_NAME_" + std::string(1006, 'A'), "TXT_KEY_CITY_NAME_" + std::string(1006, 'A')},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    EXPECT_EQ(CutTextKey(c.text, kCityNameKey), c.expected);
  }
}

}  // namespace
}  // namespace tolvane
