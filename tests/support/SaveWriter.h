// Test save writer: builds complete save files from a plain description,
// field for field in the host game's layout. Every field the analysis skips
// is filled with seeded non-zero junk and every skipped list gets junk
// elements, so a walk that consumes one byte too many or too few reads junk
// instead of the described values and fails the tests.
//
// Field names mirror the analysis model (analysis/Model.h). Values the save
// stores as single bytes (flags) are uint8_t here so that a test can write a
// flag byte of 2 or 255.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SaveBytes.h"
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
  uint64_t JunkSeed = 0x70C0FFEE;
  JunkCounts Counts = JunkCounts::Positive;
  int32_t MaxJunkListLength = 3;
  // A skipped text gets 1 .. this characters (letters a..m and digits); 0
  // writes every skipped text empty.
  int32_t MaxJunkTextLength = 8;
  TextWidth Texts = TextWidth::Wide;
  // Junk that compresses like a real save's small values: mostly the byte
  // 01, the rest as usual. For benchmarks, where the share of decompression
  // in a load should be that of real saves.
  bool CompressibleJunk = false;
};

// One player slot of the header's slot table (TLeaderInfoRec). A default
// slot is an unused, closed one.
struct SlotDesc {
  std::string LeaderName;
  std::string CivDescription;
  std::string SlotText3;
  std::string CivAdjective;
  std::string Password;
  std::string SlotText6;
  std::string SlotText7;
  uint8_t SlotFlag = 0;
  std::string SlotText9;
  int32_t CivType = -1;
  int32_t LeaderType = -1;
  int32_t Team = 0;
  int32_t Handicap = 3;
  int32_t SlotValue14 = 0;
  int32_t SlotValue15 = 0;
  int32_t SlotStatus = 2;  // 0 Open, 1 Computer, 2 Closed, 3 Human
};

// One replay message (TReplayMsgRec); Text is raw, markup included.
struct ReplayMsgDesc {
  int32_t Turn = 0;
  int32_t Info1 = 0, Info2 = 0, Info3 = 0, Info4 = 0;
  std::string Text;
  int32_t Color = 0;
  uint8_t TextHighByte = 0;  // high byte of every 16-bit character (0x04 for Cyrillic)
};

// One plot: its place, owner byte and the TPlotRec values.
struct PlotDesc {
  int16_t X = 0;
  int16_t Y = 0;
  uint8_t Owner = 255;  // slot index; 19 or more for none
  int16_t PlotType = 3;
  int16_t Terrain = 6;
  int16_t Feature = -1;
  int16_t Bonus = -1;
};

// One team record's stored values.
struct TeamDesc {
  int32_t TeamMembers = 0;
  int32_t TeamPopulation = 0;
  int32_t TeamLand = 0;
  std::array<uint8_t, kTeams> HasMet{};
  std::array<uint8_t, kTeams> IsVassal{};  // [u]: this team is the vassal of team u
  std::array<int32_t, kTechs> ResearchProgress{};
  int32_t FutureTechCount = 0;  // the last value of its row; the 85 before it are junk
  std::array<uint8_t, kTechs> HasTech{};
};

// One city (TCityRec's stored fields). Culture is written into the owner's
// entry of the city's per-slot culture row.
struct CityDesc {
  std::string Name;  // raw, e.g. "TXT_KEY_CITY_NAME_NEW_YORK"
  int32_t X = 0;
  int32_t Y = 0;
  int32_t FoundedTurn = 0;
  int32_t Population = 1;
  std::array<int32_t, kProcesses> ProcessRate{};
  int32_t Culture = 0;
  // The other slots' culture entries; junk when absent. The owner's entry
  // is always Culture.
  std::optional<std::array<int32_t, kSlots>> SlotCulture;
  std::array<int32_t, kProjects> ProjectProduction{};
  std::array<int32_t, kBuildings> BuildingProduction{};
  std::array<int32_t, kUnits> UnitProduction{};
  std::array<uint8_t, kBuildings> HasBuilding{};
  std::array<uint8_t, kBuildings> FreeBuilding{};
};

// One player message (TMessageRec); Text is raw, markup included.
struct MessageDesc {
  std::string Text;
  std::string AuxText1;
  std::string AuxText2;
  int32_t AuxInt1 = 0;
  int32_t Color = 0;
  int32_t AuxInt2 = 0;
  int32_t AuxInt3 = 0;
  uint8_t AuxFlag1 = 0;
  uint8_t AuxFlag2 = 0;
  int32_t Turn = 0;
  int32_t MessageType = 0;  // 3 city event, 5 combat
  int32_t AuxInt4 = 0;
  int32_t AuxInt5 = 0;
  uint8_t AuxFlag3 = 0;
};

struct HistoryPair {
  int32_t Turn = 0;
  int32_t Value = 0;
};

// The six per-turn histories in save order.
inline constexpr int kSavedHistories = 6;  // score, economy, industry, agriculture, power, culture

// One player record's stored values and lists.
struct PlayerDesc {
  int32_t PlayerPopulation = 0;
  int32_t PlayerGold = 0;
  int32_t GreatPeopleCreated = 0;
  int32_t GreatGeneralsCreated = 0;
  int32_t PopulationScore = 0;
  int32_t LandScore = 0;
  int32_t WondersScore = 0;
  int32_t TechScore = 0;
  int32_t GeneralPoints = 0;
  uint8_t PlayerAlive = 0;
  int32_t LeaderPersonality = 0;
  std::array<uint8_t, kTechs> ResearchFlags{};  // the technology being researched has a non-zero flag
  // Count of the unit list; the units themselves are junk records. A
  // count of 0 or less writes no records.
  int32_t UnitCount = 0;
  std::vector<CityDesc> Cities;
  std::optional<int32_t> CityCountOverride;  // written instead of Cities.size()
  std::vector<MessageDesc> Messages;
  std::optional<int32_t> MessageCountOverride;  // written instead of Messages.size()
  // Event records (junk apart from their tagged items, see EventTags).
  int32_t EventRecordCount = 1;
  std::array<std::vector<HistoryPair>, kSavedHistories> Histories;
};

// Offsets in the inflated body where WriteBody put each section.
struct BodyLayout {
  size_t MapSection = 0;
  size_t FirstPlot = 0;
  size_t TeamSection = 0;
  std::array<size_t, kSlots> PlayerRecords{};
  size_t End = 0;
};

struct SaveDescription {
  // --- Save header (uncompressed prefix).
  int32_t SaveVersion = 302;
  std::string ModPath;
  std::string ModChecksum;
  int32_t Flags = 0;
  std::string GameBuildVersion;
  std::string DLLChecksum;
  std::string ShaderChecksum;
  std::string PythonChecksum;
  std::string XMLChecksum;
  int32_t SaveFlag = 0;
  int32_t GameType = 0;
  std::string GameName;
  std::string GamePassword;
  std::string AdminPassword;
  std::string MapScript;
  int32_t WorldSize = 2;
  int32_t Climate = 0;
  int32_t SeaLevel = 1;
  int32_t StartEra = 0;
  int32_t GameSpeed = 2;  // as stored (saves before version 102 number the speeds from 1)
  int32_t Calendar = 0;
  int32_t HeaderListCount = 2;  // count of the junk int32 list after Calendar
  std::vector<uint8_t> VictoryFlags = std::vector<uint8_t>(kVictories, 1);  // its size is the count written
  std::array<uint8_t, kGameOptions> GameOptions{};
  std::array<SlotDesc, kSlots> LeaderInfo{};
  int32_t PrefixPadding = 40;        // junk bytes after the slot table
  std::vector<uint8_t> PrefixExtra;  // written verbatim after the padding, just before BodyLength

  // --- Game section. Body offsets of the values the analysis takes
  // directly: ElapsedTurns 8, StartTurn 12, EndTurn 20, play time 24, the
  // four maximal score values 64 .. 76, the four initial values 80 .. 92,
  // Difficulty 105, VictoryType 121, GameState 125, GameScore 361.
  int32_t ElapsedTurns = 0;
  int32_t StartTurn = 0;
  int32_t EndTurn = 460;
  int32_t PlayTimeQuarterSeconds = 0;
  int32_t MaxPopScore = 0, MaxLandScore = 0, MaxTechScore = 0, MaxWonderScore = 0;
  int32_t InitPop = 0, InitLand = 0, InitTech = 0, InitWonder = 0;
  int32_t Difficulty = 3;
  int32_t VictoryType = -1;
  int32_t GameState = 0;
  std::string GameText;   // the wide text at body offset 129; empty keeps GameScore at 361
  int32_t GameScore = 0;  // the first value of the fourth block of 19 after GameText
  std::vector<ReplayMsgDesc> ReplayMsgs;
  std::optional<int32_t> ReplayMsgCountOverride;  // written instead of ReplayMsgs.size()

  // --- Map. When Plots is empty the writer generates MapWidth x MapHeight
  // plots from the junk seed (GeneratePlots); otherwise Plots is written as
  // given, whatever its length.
  int32_t MapWidth = 0;
  int32_t MapHeight = 0;
  int32_t LandPlots = 0;
  int32_t OwnedPlots = 0;
  int32_t Latitude1 = -90;
  int32_t Latitude2 = 90;
  uint8_t WrapX = 1;
  uint8_t WrapY = 0;
  std::vector<PlotDesc> Plots;

  // --- Teams and players.
  std::array<TeamDesc, kTeams> Teams{};
  std::array<PlayerDesc, kSlots> Players{};
  // The tagged items of every event record: tags 9 and 10 carry a wide
  // text, every other tag two int32.
  std::vector<int32_t> EventTags = {9, 10, 0, -1, 4};

  // --- Container.
  std::vector<uint8_t> Tail;  // bytes after the zlib stream
  std::optional<int32_t> BodyLengthOverride;
  std::optional<int32_t> PackedLengthOverride;
  int CompressionLevel = 1;

  WriteOptions Options;
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
void WriteFile(const std::string& path, std::span<const uint8_t> bytes);

// Single records, for walking one section in isolation. Each starts its own
// junk from options.JunkSeed.
std::vector<uint8_t> WriteTeamRecord(const TeamDesc& team, const WriteOptions& options);
std::vector<uint8_t> WritePlotRecord(const PlotDesc& plot, const WriteOptions& options);
std::vector<uint8_t> WriteMapListRecord(const WriteOptions& options);  // one record of the list after the plots
std::vector<uint8_t> WriteCityRecord(const CityDesc& city, int ownerSlot, const WriteOptions& options);
std::vector<uint8_t> WriteMessageRecord(const MessageDesc& message, const WriteOptions& options);
std::vector<uint8_t> WriteReplayMessage(const ReplayMsgDesc& message, const WriteOptions& options);
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

}  // namespace tolvane::testing
