// The reader primitives: widths, the text length and width rules, and the
// bounds check that turns a read past the end into a message.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "save/SaveReader.h"

namespace tolvane {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(SaveReader, TextLengthAndWidthRules) {
  struct Case {
    const char* name;
    Bytes bytes;
    bool wide;  // read with ReadUStr, else ReadStr
    std::string text;
    size_t advance;
  };
  const Case cases[] = {
      {"wide, 16-bit", {5, 0, 0, 0, 'H', 0, 'e', 0, 'l', 0, 'l', 0, 'o', 0}, true, "Hello", 14},
      {"wide, stored as 8-bit", {5, 0, 0, 0, 'H', 'e', 'l', 'l', 'o'}, true, "Hello", 9},
      {"one character is always 16-bit", {1, 0, 0, 0, 'A', 'B'}, true, "A", 6},
      // A high byte of 20 or more makes the text count as 8-bit: half of it is consumed.
      {"high byte 20 means 8-bit", {2, 0, 0, 0, 'A', 20, 'B', 0}, true, "A\x14", 6},
      {"high byte 19 means 16-bit", {2, 0, 0, 0, 'A', 19, 'B', 0}, true, "AB", 8},
      {"a zero ends the text but is consumed", {3, 0, 0, 0, 'A', 0, 0, 0, 'C', 0}, true, "A", 10},
      {"high bytes are dropped",
       {2, 0, 0, 0, 0xE9, 0, 0x41, 0x04},
       true,
       "\xE9"
       "A",
       8},
      {"zero length", {0, 0, 0, 0, 'x'}, true, "", 4},
      {"negative length", {0xFF, 0xFF, 0xFF, 0xFF, 'x'}, true, "", 4},
      {"length 1024 leaves the characters unread", {0, 4, 0, 0, 'x'}, true, "", 4},
      {"narrow", {3, 0, 0, 0, 'a', 'b', 'c', 'd'}, false, "abc", 7},
      {"narrow, a zero ends the text", {3, 0, 0, 0, 'a', 0, 'c'}, false, "a", 7},
      {"narrow, length 1024", {0, 4, 0, 0}, false, "", 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SaveReader r(c.bytes);
    EXPECT_EQ(c.wide ? r.ReadUStr() : r.ReadStr(), c.text);
    EXPECT_EQ(r.Pos(), c.advance);
  }
}

TEST(SaveReader, ReadsLittleEndianWidths) {
  Bytes b = {0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0xFF, 0x02};
  SaveReader r(b);
  EXPECT_EQ(r.ReadInt32(), -2);
  EXPECT_EQ(r.ReadInt16(), 0x1234);
  EXPECT_EQ(r.ReadByte(), 255);
  EXPECT_EQ(r.ReadBool(), 2);  // a flag keeps its byte value
  EXPECT_EQ(r.Remaining(), 0u);
}

// The message names the innermost part being read; when that part ends, the
// part around it is named again, also after a failed read inside it.
TEST(SaveReader, ReadPastTheEndNamesTheSection) {
  auto messageOfRead = [](SaveReader& r) {
    try {
      r.ReadInt32();
    } catch (const SaveError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  Bytes b = {1, 2, 3};
  SaveReader r(b);
  SectionScope outer(r, "player records");
  {
    SectionScope inner(r, "city records");
    EXPECT_EQ(messageOfRead(r), "The save ends inside the city records.");
    EXPECT_STREQ(r.Section(), "city records");
  }
  EXPECT_STREQ(r.Section(), "player records");
  try {
    SectionScope inner(r, "team records");
    r.ReadInt32();
  } catch (const SaveError& e) {
    EXPECT_STREQ(e.what(), "The save ends inside the team records.");
  }
  EXPECT_EQ(messageOfRead(r), "The save ends inside the player records.");
  // A failed read consumes nothing; the same holds for skips and texts.
  EXPECT_EQ(r.Pos(), 0u);
  EXPECT_THROW(r.SkipInt32(1), SaveError);
  EXPECT_THROW(r.SkipBytes(int64_t(1) << 40), SaveError);
  Bytes text = {9, 0, 0, 0, 'a', 0};
  SaveReader t(text);
  EXPECT_THROW(t.ReadUStr(), SaveError);
}

TEST(SaveReader, SkipsOfZeroOrNegativeCountsReadNothing) {
  Bytes b = {7, 0, 0, 0};
  SaveReader r(b);
  r.SkipInt32(0);
  r.SkipInt32(-5);
  EXPECT_EQ(r.ReadInt32(), 7);
}

std::vector<uint8_t> Wide(std::string_view s, size_t lead = 1) {
  std::vector<uint8_t> b(lead, 'x');
  for (char c : s) {
    b.push_back(uint8_t(c));
    b.push_back(0x04);  // any high byte
  }
  return b;
}

TEST(FindUStr, MatchesLowBytesOnly) {
  auto b = Wide("Sessions");
  EXPECT_EQ(FindUStr(b, "Session", 1), 1);
  EXPECT_EQ(FindUStr(b, "session", 1), std::nullopt);
  EXPECT_EQ(FindUStr(b, "Session", 2), std::nullopt);  // the only one lies before the start
  EXPECT_EQ(FindUStr(b, "", 5), 5);
  EXPECT_EQ(FindUStr(b, "Session", int64_t(b.size())), std::nullopt);
  // A match at the very first byte is a match like any other.
  EXPECT_EQ(FindUStr(Wide("Session", 0), "Session", 0), 0);
  // A pattern whose last character would lie past the end does not match.
  auto cut = Wide("Sessio");
  EXPECT_EQ(FindUStr(cut, "Session", 1), std::nullopt);
  // The Russian word's bytes match whatever the high bytes hold.
  auto ru = Wide("\xD1\xE5\xF1\xF1\xE8\xFF", 3);
  EXPECT_EQ(FindUStr(ru, "\xD1\xE5\xF1\xF1\xE8\xFF", 1), 3);
}

}  // namespace
}  // namespace tolvane
