// Numbers typed into the calculators, and the 8-bit texts of the save.
#include <gtest/gtest.h>

#include "form/Latin1.h"
#include "form/NumberText.h"

namespace tolvane::form {
namespace {

TEST(ParseInt, AcceptsDecimalIntegersWithBlanksAround) {
  const std::pair<const char*, int32_t> cases[] = {{"42", 42},
                                                   {"   42", 42},
                                                   {"42  ", 42},
                                                   {"\t-7", -7},
                                                   {"+7", 7},
                                                   {"-2147483648", INT32_MIN},
                                                   {"2147483647", INT32_MAX},
                                                   {"0007", 7}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseInt(text), value) << text;
}

TEST(ParseInt, RefusesEverythingElseQuotingTheTextAsTyped) {
  for (const char* text :
       {"", "   ", "4 2", "1.5", "0x10", "$10", "2147483648", "-2147483649", "abc", "+-1", "--1", "1e3"}) {
    try {
      ParseInt(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const InputError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(ParseFloat, UsesThePointWhateverTheLocale) {
  const std::pair<const char*, double> cases[] = {{"1.2", 1.2},  {"    1.0", 1.0}, {"2 ", 2.0},  {"-0.5", -0.5},
                                                  {"+1.5", 1.5}, {".5", 0.5},      {"1e1", 10.0}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ParseFloat(text), value) << text;
  for (const char* text : {"", "1,2", "inf", "nan", "0x1p3", "1.2.3", "abc", "1e999"}) {
    try {
      ParseFloat(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const InputError& e) {
      EXPECT_EQ(e.what(), "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

TEST(Latin1, EachByteBecomesTheCharacterOfTheSameNumber) {
  EXPECT_EQ(Latin1ToUtf8("Ren\xE9"), "René");
  EXPECT_EQ(Latin1ToUtf8("\xB9\xFF\x80"), "\u00B9\u00FF\u0080");
  EXPECT_EQ(Latin1ToUtf8("plain"), "plain");
}

}  // namespace
}  // namespace tolvane::form
