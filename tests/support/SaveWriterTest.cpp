// The writer is the reference the analysis walk is checked against, so its
// record sizes and offsets are pinned here to figures counted by hand from
// the save layout.
#include <gtest/gtest.h>

#include <string_view>

#include "SaveWriter.h"

namespace tolvane::testing {
namespace {

// Junk that adds nothing variable: empty skipped lists and texts.
WriteOptions FixedShape() {
  WriteOptions o;
  o.counts = JunkCounts::Zero;
  o.maxJunkTextLength = 0;
  return o;
}

// Offsets of texts stored as 16-bit characters, compared on the low bytes
// as the session scan does.
size_t CountWide(std::span<const uint8_t> bytes, std::string_view pattern) {
  size_t found = 0;
  for (size_t p = 0; p + 2 * pattern.size() <= bytes.size(); ++p) {
    size_t j = 0;
    while (j < pattern.size() && bytes[p + 2 * j] == uint8_t(pattern[j])) ++j;
    found += j == pattern.size();
  }
  return found;
}

int64_t FirstZlibPair(std::span<const uint8_t> bytes) {
  for (size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] == 0x78 && bytes[i + 1] == 0x9C) return int64_t(i);
  }
  return -1;
}

TEST(SaveWriter, RecordsHaveTheirLayoutSizes) {
  const WriteOptions o = FixedShape();
  WriteOptions junky;  // fixed-size records keep their size whatever the junk
  junky.counts = JunkCounts::Mixed;
  junky.junkSeed = 99;

  SaveDescription d;
  d.options = o;
  d.players[3].eventRecordCount = 0;
  SaveDescription withUnit = d;
  withUnit.players[3].unitCount = 1;
  SaveDescription withEvent = d;
  withEvent.players[3].eventRecordCount = 1;
  withEvent.eventTags = {9, 10, 0, -1};

  const struct {
    const char* what;
    size_t bytes;
    size_t expected;
  } cases[] = {
      {"team record", WriteTeamRecord(TeamDesc{}, o).size(), 3815},
      {"team record, mixed junk", WriteTeamRecord(TeamDesc{}, junky).size(), 3815},
      {"map list record", WriteMapListRecord(junky).size(), 7189},
      {"plot, empty text, no pairs", WritePlotRecord(PlotDesc{}, o).size(), 715},
      {"city, empty texts and lists", WriteCityRecord(CityDesc{}, 0, o).size(), 5659},
      {"message, empty texts", WriteMessageRecord(MessageDesc{}, o).size(), 47},
      {"replay message, empty text", WriteReplayMessage(ReplayMessageDesc{}, o).size(), 28},
      {"replay message, text of 3", WriteReplayMessage(ReplayMessageDesc{.text = "abc"}, o).size(), 34},
      {"player, empty lists", WritePlayerRecord(d, 3).size(), 8455},
      {"player with one unit", WritePlayerRecord(withUnit, 3).size(), 8455 + 489},
      {"player with one event record", WritePlayerRecord(withEvent, 3).size(), 8455 + 77},
  };
  for (const auto& c : cases) EXPECT_EQ(c.bytes, c.expected) << c.what;
}

TEST(SaveWriter, SectionsStartWhereTheLayoutPutsThem) {
  SaveDescription d;
  d.options = FixedShape();
  d.mapWidth = 5;
  d.mapHeight = 3;
  d.replay = {{.turn = 1, .text = "ab"}, {.turn = 2}};
  for (auto& p : d.players) p.eventRecordCount = 0;
  BodyLayout layout;
  const std::vector<uint8_t> body = WriteBody(d, &layout);

  // 2,778 bytes of game section, plus the two replay messages.
  EXPECT_EQ(layout.mapSection, 2778u + 32 + 28);
  EXPECT_EQ(layout.firstPlot - layout.mapSection, 322u);
  EXPECT_EQ(layout.teamSection - layout.firstPlot, 15u * 715 + 24);
  EXPECT_EQ(layout.playerRecords[0] - layout.teamSection, 19u * 3815);
  for (int s = 1; s < kSlots; ++s) EXPECT_EQ(layout.playerRecords[s] - layout.playerRecords[s - 1], 8455u);
  EXPECT_EQ(layout.end, body.size());
  EXPECT_EQ(layout.end - layout.playerRecords[18], 8455u);
}

TEST(SaveWriter, FixedBodyOffsetsHoldTheirValues) {
  SaveDescription d = ExampleSave(3);
  d.elapsedTurns = 1001;
  d.startTurn = 1002;
  d.endTurn = 1003;
  d.playTimeQuarterSeconds = 1004;
  d.maxPopScore = 1005;
  d.maxLandScore = 1006;
  d.maxTechScore = 1007;
  d.maxWonderScore = 1008;
  d.initPop = 1009;
  d.initLand = 1010;
  d.initTech = 1011;
  d.initWonder = 1012;
  d.difficulty = 1013;
  d.victoryType = -1014;
  d.gameState = 1015;
  d.gameScore = 1016;
  const std::vector<uint8_t> body = WriteBody(d);
  const struct {
    size_t offset;
    int32_t value;
  } fixed[] = {{8, 1001},   {12, 1002},   {20, 1003},  {24, 1004}, {64, 1005}, {68, 1006},
               {72, 1007},  {76, 1008},   {80, 1009},  {84, 1010}, {88, 1011}, {92, 1012},
               {105, 1013}, {121, -1014}, {125, 1015}, {129, 0},   {361, 1016}};
  for (const auto& f : fixed) EXPECT_EQ(GetInt32(body, f.offset), f.value) << "body offset " << f.offset;

  // A text at offset 129 moves the game score behind it.
  d.gameText = "abc";
  const std::vector<uint8_t> moved = WriteBody(d);
  EXPECT_EQ(GetInt32(moved, 129), 3);
  EXPECT_NE(GetInt32(moved, 361), 1016);
  EXPECT_EQ(GetInt32(moved, 361 + 6), 1016);
}

TEST(SaveWriter, ContainerHoldsLengthsThenTheStreamThenTheTail) {
  SaveDescription d = ExampleSave(5);
  d.tail = {0xDE, 0xAD, 0x78, 0x9C};
  const std::vector<uint8_t> prefix = WritePrefix(d);
  const std::vector<uint8_t> body = WriteBody(d);
  const std::vector<uint8_t> file = WriteSaveFile(d);

  const size_t at = prefix.size() + 8;
  ASSERT_EQ(FirstZlibPair(file), int64_t(at)) << "the stream must be the file's first 78 9C";
  EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), file.begin()));
  EXPECT_EQ(GetInt32(file, at - 8), int32_t(body.size()));
  const int32_t packed = GetInt32(file, at - 4);
  ASSERT_EQ(file.size(), at + packed + d.tail.size());
  EXPECT_EQ(Inflate(std::span(file).subspan(at, packed)), body);
  EXPECT_TRUE(std::equal(d.tail.begin(), d.tail.end(), file.end() - 4));

  // Overridden lengths are written as given.
  d.bodyLengthOverride = 100;
  d.packedLengthOverride = -5;
  const std::vector<uint8_t> lying = WriteSaveFile(d);
  EXPECT_EQ(GetInt32(lying, at - 8), 100);
  EXPECT_EQ(GetInt32(lying, at - 4), -5);
}

TEST(SaveWriter, PrefixExtraBytesComeJustBeforeTheLengths) {
  SaveDescription d = ExampleSave(2);
  d.prefixExtra = {0x78, 0x9C, 0x01};
  const std::vector<uint8_t> prefix = WritePrefix(d);
  const std::vector<uint8_t> file = WriteSaveFile(d);
  EXPECT_EQ(FirstZlibPair(file), int64_t(prefix.size() - 3));
  EXPECT_EQ(file[prefix.size() + 8], 0x78);
  EXPECT_EQ(file[prefix.size() + 9], 0x9C);
}

TEST(SaveWriter, HeaderAndSlotTableFollowTheLayout) {
  SaveDescription d;
  d.options = FixedShape();
  d.prefixPadding = 0;
  for (int s = 0; s < kSlots; ++s) d.slots[s].leaderType = 100 + s;
  // Empty texts, a junk list of 2 and 7 victory flags: 160 bytes of header,
  // then the slot table column by column.
  EXPECT_EQ(WritePrefix(d).size(), 1433u);
  EXPECT_EQ(GetInt32(WritePrefix(d), 863 + 4 * 3), 103);  // LeaderType of slot 3

  d.victoryFlags.assign(9, 1);
  d.headerListCount = -3;
  d.slots[5].leaderName = "Ab";
  const std::vector<uint8_t> prefix = WritePrefix(d);
  EXPECT_EQ(prefix.size(), 1433u + 2 - 8 + 4);
  EXPECT_EQ(GetInt32(prefix, 160 - 8 + 2 + 5 * 4), 2);  // slot 5's name length
  EXPECT_EQ(prefix[160 - 8 + 2 + 5 * 4 + 4], 'A');
  EXPECT_EQ(GetInt32(prefix, 863 - 8 + 2 + 4 + 4 * 3), 103);
}

TEST(SaveWriter, TextsAreWideUnlessNarrowReadsTheSame) {
  EXPECT_EQ(SaveBytes().Text16("Hi").Take(), (std::vector<uint8_t>{2, 0, 0, 0, 'H', 0, 'i', 0}));
  EXPECT_EQ(SaveBytes().Text16("\xD1", 0x04).Take(), (std::vector<uint8_t>{1, 0, 0, 0, 0xD1, 0x04}));
  EXPECT_EQ(SaveBytes().Text8("Hi").Int16(-2).Take(), (std::vector<uint8_t>{2, 0, 0, 0, 'H', 'i', 0xFE, 0xFF}));

  WriteOptions narrow = FixedShape();
  narrow.texts = TextWidth::Narrow;
  const struct {
    std::string_view text;
    size_t charBytes;
  } cases[] = {{"Hello", 5}, {"A", 2}, {std::string_view("A\x05z", 3), 6}, {"", 0}};
  for (const auto& c : cases) {
    const std::vector<uint8_t> msg = WriteReplayMessage(ReplayMessageDesc{.text = std::string(c.text)}, narrow);
    EXPECT_EQ(msg.size(), 28 + c.charBytes) << c.text;
    EXPECT_EQ(GetInt32(msg, 20), int32_t(c.text.size())) << c.text;
  }
}

TEST(SaveWriter, JunkIsNonZeroAndFormsNoHeaderOrSessionText) {
  for (uint64_t seed : {1u, 2u, 77u}) {
    WriteOptions o;
    o.junkSeed = seed;
    const std::vector<uint8_t> junk = WriteMapListRecord(o);
    EXPECT_EQ(std::count(junk.begin(), junk.end(), 0), 0);
    EXPECT_EQ(FirstZlibPair(junk), -1);
    EXPECT_EQ(std::count(junk.begin(), junk.end(), 'S'), 0);
    EXPECT_EQ(std::count(junk.begin(), junk.end(), 0xD1), 0);

    SaveDescription d = ExampleSave(seed);
    d.options.counts = JunkCounts::Mixed;
    d.options.maxJunkTextLength = 30;
    EXPECT_EQ(FirstZlibPair(WritePrefix(d)), -1);
    // Only the example's four session messages look like one.
    const std::vector<uint8_t> body = WriteBody(d);
    EXPECT_EQ(CountWide(body, "Session"), 4u);
    EXPECT_EQ(CountWide(body, "\xD1\xE5\xF1\xF1\xE8\xFF"), 0u);
    EXPECT_EQ(CountWide(body, "Lancement de la session"), 0u);
  }
}

TEST(SaveWriter, JunkCountsFollowTheOptions) {
  WriteOptions o = FixedShape();
  o.counts = JunkCounts::Negative;
  for (uint64_t seed = 1; seed <= 8; ++seed) {
    o.junkSeed = seed;
    const std::vector<uint8_t> plot = WritePlotRecord(PlotDesc{}, o);
    ASSERT_EQ(plot.size(), 715u);
    EXPECT_LT(GetInt32(plot, 711), 0);
  }
  o.counts = JunkCounts::Positive;
  o.maxJunkListLength = 3;
  const size_t size = WritePlotRecord(PlotDesc{}, o).size();
  EXPECT_TRUE(size == 715 + 8 || size == 715 + 16 || size == 715 + 24) << size;

  // The same seed writes the same bytes, another seed other junk.
  o.counts = JunkCounts::Mixed;
  EXPECT_EQ(WriteTeamRecord(TeamDesc{}, o), WriteTeamRecord(TeamDesc{}, o));
  WriteOptions other = o;
  other.junkSeed += 1;
  EXPECT_NE(WriteTeamRecord(TeamDesc{}, o), WriteTeamRecord(TeamDesc{}, other));
}

TEST(SaveWriter, StoredValuesLandInTheirFields) {
  TeamDesc t;
  t.teamMembers = 2;
  t.hasMet[4] = 7;
  t.researchProgress[0] = 555;
  t.futureTechCount = 3;
  t.hasTech[85] = 1;
  const std::vector<uint8_t> team = WriteTeamRecord(t, WriteOptions{});
  EXPECT_EQ(GetInt32(team, 4), 2);
  EXPECT_EQ(team[354 + 4], 7);
  EXPECT_EQ(GetInt32(team, 1791), 555);
  EXPECT_EQ(GetInt32(team, 1791 + 4 * 86 + 4 * 85), 3);
  EXPECT_EQ(team[2515 + 85], 1);

  PlotDesc p{.x = 7, .y = 9, .owner = 2, .plotType = 1, .terrain = 4, .feature = -1, .bonus = 12};
  const std::vector<uint8_t> plot = WritePlotRecord(p, WriteOptions{});
  EXPECT_EQ(plot[4], 7);
  EXPECT_EQ(plot[6], 9);
  EXPECT_EQ(plot[40], 2);
  EXPECT_EQ(plot[41], 1);
  EXPECT_EQ(plot[43], 4);
  EXPECT_EQ(plot[45], 0xFF);
  EXPECT_EQ(plot[47], 12);

  CityDesc c;
  c.culture = 4321;
  c.slotCulture.emplace();
  c.slotCulture->fill(-7);
  const std::vector<uint8_t> city = WriteCityRecord(c, 5, WriteOptions{});
  EXPECT_EQ(GetInt32(city, 532 + 4 * 5), 4321);  // the owner's culture entry
  EXPECT_EQ(GetInt32(city, 532 + 4 * 6), -7);
}

TEST(SaveWriter, ExampleAndLargeSavesAreConsistent) {
  const SaveDescription example = ExampleSave();
  EXPECT_EQ(example.plots.size(), size_t(example.mapWidth * example.mapHeight));
  EXPECT_GT(example.landPlots, 0);
  EXPECT_GT(example.ownedPlots, 0);
  EXPECT_EQ(example.teams[0].teamMembers, 2);
  EXPECT_EQ(example.teams[2].teamMembers, 2);
  const std::vector<uint8_t> file = WriteSaveFile(example);
  EXPECT_EQ(Inflate(std::span(file).subspan(WritePrefix(example).size() + 8)), WriteBody(example));

  const SaveDescription large = LargeSave();
  BodyLayout layout;
  const size_t body = WriteBody(large, &layout).size();
  EXPECT_GE(body, 12u << 20);
  EXPECT_LE(body, 16u << 20);
  EXPECT_GE(layout.teamSection - layout.firstPlot, 124u * 68 * 715);
}

}  // namespace
}  // namespace tolvane::testing
