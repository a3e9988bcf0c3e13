// Test save writer: builds complete save files from a plain description,
// field for field in the host game's layout. Every field the analysis skips
// is filled with seeded non-zero junk and every skipped list gets junk
// elements, so a walk that consumes one byte too many or too few reads junk
// instead of the described values and fails the tests.
//
// Field names mirror the analysis model (analysis/Model.h). The writer
// describes the whole file, so it also holds the fields the walk skips and
// the model does not keep (slotText3, info1, auxInt1, ...). Values the save
// stores as single bytes (flags) are uint8_t here so that a test can write a
// flag byte of 2 or 255.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "SaveBytes.h"
#include "rules/GameCodes.h"
#include "rules/Limits.h"

namespace tolvane::testing {

// How wide the writer stores the save's wide texts (text16).
enum class TextWidth {
  Wide,    // 16-bit characters (what the host game writes)
  Narrow,  // 8-bit characters; a text the reader would take as wide (one
           // character, or a second character below 20) is still written wide
};

// How the writer fills the counts of the lists the analysis skips.
enum class JunkCounts {
  Positive,  // 1 .. MaxJunkListLength elements of junk
  Zero,      // empty lists
  Negative,  // negative counts (read as empty), INT32_MIN among them
  Mixed,     // each list picks one of the three at random
};

struct WriteOptions {
  uint64_t junkSeed = 0x70C0FFEE;
  JunkCounts counts = JunkCounts::Positive;
  int32_t maxJunkListLength = 3;
  // A skipped text gets 1 .. this characters (letters a..m and digits); 0
  // writes every skipped text empty.
  int32_t maxJunkTextLength = 8;
  TextWidth texts = TextWidth::Wide;
  // Junk that compresses like a real save's small values: mostly the byte
  // 01, the rest as usual. For benchmarks, where the share of decompression
  // in a load should be that of real saves.
  bool compressibleJunk = false;
};

// One player slot of the header's slot table (SlotInfo). A default
// slot is an unused, closed one.
struct SlotDesc {
  std::string leaderName;
  std::string civDescription;
  std::string slotText3;
  std::string civAdjective;
  std::string password;
  std::string slotText6;
  std::string slotText7;
  uint8_t slotFlag = 0;
  std::string slotText9;
  int32_t civType = -1;
  int32_t leaderType = -1;
  int32_t team = 0;
  int32_t handicap = 3;
  int32_t slotValue14 = 0;
  int32_t slotValue15 = 0;
  int32_t slotStatus = kSlotClosed;
};

// One replay message (ReplayMessage); Text is raw, markup included.
struct ReplayMessageDesc {
  int32_t turn = 0;
  int32_t info1 = 0, info2 = 0, info3 = 0, info4 = 0;
  std::string text;
  int32_t color = 0;
  uint8_t textHighByte = 0;  // high byte of every 16-bit character (0x04 for Cyrillic)
};

// One plot: its place, owner byte and the Plot values.
struct PlotDesc {
  int16_t x = 0;
  int16_t y = 0;
  uint8_t owner = 255;  // slot index; 19 or more for none
  int16_t plotType = 3;
  int16_t terrain = 6;
  int16_t feature = -1;
  int16_t bonus = -1;
};

// One team record's stored values.
struct TeamDesc {
  int32_t teamMembers = 0;
  int32_t teamPopulation = 0;
  int32_t teamLand = 0;
  std::array<uint8_t, kTeams> hasMet{};
  std::array<uint8_t, kTeams> isVassal{};  // [u]: this team is the vassal of team u
  std::array<int32_t, kTechs> researchProgress{};
  int32_t futureTechCount = 0;  // the last value of its row; the 85 before it are junk
  std::array<uint8_t, kTechs> hasTech{};
};

// One city (City's stored fields). Culture is written into the owner's
// entry of the city's per-slot culture row.
struct CityDesc {
  std::string name;  // raw, e.g. "TXT_KEY_CITY_NAME_NEW_YORK"
  int32_t x = 0;
  int32_t y = 0;
  int32_t foundedTurn = 0;
  int32_t population = 1;
  std::array<int32_t, kProcesses> processRate{};
  int32_t culture = 0;
  // The other slots' culture entries; junk when absent. The owner's entry
  // is always Culture.
  std::optional<std::array<int32_t, kSlots>> slotCulture;
  std::array<int32_t, kProjects> projectProduction{};
  std::array<int32_t, kBuildings> buildingProduction{};
  std::array<int32_t, kUnits> unitProduction{};
  std::array<uint8_t, kBuildings> hasBuilding{};
  std::array<uint8_t, kBuildings> freeBuilding{};
};

// One player message (Message); Text is raw, markup included.
struct MessageDesc {
  std::string text;
  std::string auxText1;
  std::string auxText2;
  int32_t auxInt1 = 0;
  int32_t color = 0;
  int32_t auxInt2 = 0;
  int32_t auxInt3 = 0;
  uint8_t auxFlag1 = 0;
  uint8_t auxFlag2 = 0;
  int32_t turn = 0;
  int32_t messageType = 0;  // kCityEventMessage, kCombatMessage, ...
  int32_t auxInt4 = 0;
  int32_t auxInt5 = 0;
  uint8_t auxFlag3 = 0;
};

struct HistoryPair {
  int32_t turn = 0;
  int32_t value = 0;
};

// The six per-turn histories in save order.
inline constexpr int kSavedHistories = 6;  // score, economy, industry, agriculture, power, culture

// One player record's stored values and lists.
struct PlayerDesc {
  int32_t playerPopulation = 0;
  int32_t playerGold = 0;
  int32_t greatPeopleCreated = 0;
  int32_t greatGeneralsCreated = 0;
  int32_t populationScore = 0;
  int32_t landScore = 0;
  int32_t wondersScore = 0;
  int32_t techScore = 0;
  int32_t generalPoints = 0;
  uint8_t playerAlive = 0;
  int32_t leaderPersonality = 0;
  std::array<uint8_t, kTechs> researchFlags{};  // the technology being researched has a non-zero flag
  // Count of the unit list; the units themselves are junk records. A
  // count of 0 or less writes no records.
  int32_t unitCount = 0;
  std::vector<CityDesc> cities;
  std::optional<int32_t> cityCountOverride;  // written instead of Cities.size()
  std::vector<MessageDesc> messages;
  std::optional<int32_t> messageCountOverride;  // written instead of Messages.size()
  // Event records (junk apart from their tagged items, see EventTags).
  int32_t eventRecordCount = 1;
  std::array<std::vector<HistoryPair>, kSavedHistories> histories;
};

// Offsets in the inflated body where WriteBody put each section.
struct BodyLayout {
  size_t mapSection = 0;
  size_t firstPlot = 0;
  size_t teamSection = 0;
  std::array<size_t, kSlots> playerRecords{};
  size_t end = 0;
};

struct SaveDescription {
  // --- Save header (uncompressed prefix).
  int32_t saveVersion = 302;
  std::string modPath;
  std::string modChecksum;
  int32_t flags = 0;
  std::string gameBuildVersion;
  std::string dllChecksum;
  std::string shaderChecksum;
  std::string pythonChecksum;
  std::string xmlChecksum;
  int32_t saveFlag = 0;
  int32_t gameType = 0;
  std::string gameName;
  std::string gamePassword;
  std::string adminPassword;
  std::string mapScript;
  int32_t worldSize = 2;
  int32_t climate = 0;
  int32_t seaLevel = 1;
  int32_t startEra = 0;
  int32_t gameSpeed = 2;  // as stored (saves before version 102 number the speeds from 1)
  int32_t calendar = 0;
  int32_t headerListCount = 2;  // count of the junk int32 list after Calendar
  std::vector<uint8_t> victoryFlags = std::vector<uint8_t>(kVictories, 1);  // its size is the count written
  std::array<uint8_t, kGameOptions> gameOptions{};
  std::array<SlotDesc, kSlots> slots{};
  int32_t prefixPadding = 40;        // junk bytes after the slot table
  std::vector<uint8_t> prefixExtra;  // written verbatim after the padding, just before BodyLength

  // --- Game section. Body offsets of the values the analysis takes
  // directly: ElapsedTurns 8, StartTurn 12, EndTurn 20, play time 24, the
  // four maximal score values 64 .. 76, the four initial values 80 .. 92,
  // Difficulty 105, VictoryType 121, GameState 125, GameScore 361.
  int32_t elapsedTurns = 0;
  int32_t startTurn = 0;
  int32_t endTurn = 460;
  int32_t playTimeQuarterSeconds = 0;
  int32_t maxPopScore = 0, maxLandScore = 0, maxTechScore = 0, maxWonderScore = 0;
  int32_t initPop = 0, initLand = 0, initTech = 0, initWonder = 0;
  int32_t difficulty = 3;
  int32_t victoryType = -1;
  int32_t gameState = 0;
  std::string gameText;   // the wide text at body offset 129; empty keeps GameScore at 361
  int32_t gameScore = 0;  // the first value of the fourth block of 19 after GameText
  std::vector<ReplayMessageDesc> replay;
  std::optional<int32_t> replayCountOverride;  // written instead of ReplayMsgs.size()

  // --- Map. When Plots is empty the writer generates MapWidth x MapHeight
  // plots from the junk seed (GeneratePlots); otherwise Plots is written as
  // given, whatever its length.
  int32_t mapWidth = 0;
  int32_t mapHeight = 0;
  int32_t landPlots = 0;
  int32_t ownedPlots = 0;
  int32_t latitude1 = -90;
  int32_t latitude2 = 90;
  uint8_t wrapX = 1;
  uint8_t wrapY = 0;
  std::vector<PlotDesc> plots;

  // --- Teams and players.
  std::array<TeamDesc, kTeams> teams{};
  std::array<PlayerDesc, kSlots> players{};
  // The tagged items of every event record: tags 9 and 10 carry a wide
  // text, every other tag two int32.
  std::vector<int32_t> eventTags = {9, 10, 0, -1, 4};

  // --- Container.
  std::vector<uint8_t> tail;  // bytes after the zlib stream
  std::optional<int32_t> bodyLengthOverride;
  std::optional<int32_t> packedLengthOverride;
  int compressionLevel = 1;

  WriteOptions options;
};

// The uncompressed prefix: header, slot table, padding and PrefixExtra (not
// the two lengths).
std::vector<uint8_t> WritePrefix(const SaveDescription& d);
// The inflated body: game section, map, teams, players.
std::vector<uint8_t> WriteBody(const SaveDescription& d, BodyLayout* layout = nullptr);
// The whole file: prefix, BodyLength, PackedLength, zlib stream, tail.
std::vector<uint8_t> WriteSaveFile(const SaveDescription& d);

// Packs any body into a save file: prefix, BodyLength, PackedLength, the
// zlib stream (its header always 78 9C, whatever the level), tail.
std::vector<uint8_t> PackSave(std::span<const uint8_t> prefix, std::span<const uint8_t> body,
                              std::span<const uint8_t> tail = {}, int level = 1);
// zlib compress2 at `level`, the header's level bits set to read 78 9C.
std::vector<uint8_t> Compress(std::span<const uint8_t> body, int level = 1);
// Inflates a complete zlib stream (for checking what was written).
std::vector<uint8_t> Inflate(std::span<const uint8_t> packed);
void WriteFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);

// Single records, for walking one section in isolation. Each starts its own
// junk from options.JunkSeed.
std::vector<uint8_t> WriteTeamRecord(const TeamDesc& team, const WriteOptions& options);
std::vector<uint8_t> WritePlotRecord(const PlotDesc& plot, const WriteOptions& options);
std::vector<uint8_t> WriteMapListRecord(const WriteOptions& options);  // one record of the list after the plots
std::vector<uint8_t> WriteCityRecord(const CityDesc& city, int ownerSlot, const WriteOptions& options);
std::vector<uint8_t> WriteMessageRecord(const MessageDesc& message, const WriteOptions& options);
std::vector<uint8_t> WriteReplayMessage(const ReplayMessageDesc& message, const WriteOptions& options);
std::vector<uint8_t> WritePlayerRecord(const SaveDescription& d, int slot);

// A believable map of width x height plots in row order: water around the
// edges, land in the middle, owned by the first `owners` slots in bands.
std::vector<PlotDesc> GeneratePlots(int32_t width, int32_t height, int owners, uint64_t seed);
// LandPlots and OwnedPlots from the plot list.
void CountPlots(SaveDescription& d);

// A small game at turn 120 of 460 (normal speed, start turn 0): 7 players
// (slot 0 human) and the barbarians. Slots 0 and 1 form team 0, slots 2 and
// 3 team 2, slots 4 .. 6 and 18 play alone, team 6 is the vassal of team 4.
// A 24 x 16 map, one to three cities per player (slot 0's third has the
// typed name "Karvik", the others are text keys), messages naming the
// technologies the teams discovered (the first two of each team's known
// technologies have none), combat and city messages, replay messages with
// sessions at turns 0, 0, 57 and 96, six histories for turns 0 .. 120.
// The seed changes the junk and the map, nothing else.
SaveDescription ExampleSave(uint64_t seed = 1);
// A big late game: 18 players and the barbarians, a 124 x 68 map, 36 cities,
// 150 units and 1,500 messages per player, 5,000 replay messages, 460 turns
// of history; an inflated body of about 15 MB.
SaveDescription LargeSave(uint64_t seed = 1);
// The example game played to `turn`: its replay only an event every ten
// turns of its line of play ("main", or `line` after turn `branchedAt`) and
// a session begun at each of `sessions`, in turn order; four minutes of
// playing time a turn. Saves of one game at several turns, and a reloaded
// branch of it, for the tests of the chain of a game's saves.
SaveDescription PlayedExample(int32_t turn, const std::vector<int32_t>& sessions, const std::string& line = "main",
                              int32_t branchedAt = 0);

}  // namespace tolvane::testing
