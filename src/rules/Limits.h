// Sizes fixed by the host game's save format and content.
#pragma once

namespace tolvane {

inline constexpr int kSlots = 19;  // 18 players and the barbarians (slot 18)
inline constexpr int kBarbarianSlot = 18;
inline constexpr int kTeams = 19;
inline constexpr int kTechs = 86;  // row 85 is the repeatable "Future Tech"
inline constexpr int kFutureTech = 85;
inline constexpr int kBuildings = 129;
inline constexpr int kUnits = 92;
// A civilization-specific unit or building replaces a common one and shares
// its class. The game has 24 of each, so it counts 24 fewer unit classes than
// units and 24 fewer building classes than buildings.
inline constexpr int kUnitClasses = kUnits - 24;          // 68
inline constexpr int kBuildingClasses = kBuildings - 24;  // 105
inline constexpr int kBonuses = 35;                       // the resources a plot can hold
inline constexpr int kProjects = 11;
inline constexpr int kProcesses = 3;
inline constexpr int kVictories = 7;
inline constexpr int kGameOptions = 18;
inline constexpr int kLeaders = 37;
inline constexpr int kCivs = 26;
inline constexpr int kEras = 7;
inline constexpr int kSpeeds = 4;
inline constexpr int kWorldSizes = 6;

// Caps of what one load keeps; longer lists are read to their end.
inline constexpr int kMaxCities = 500;      // per slot
inline constexpr int kMaxMessages = 65537;  // per slot
inline constexpr int kMaxReplayMessages = 65536;
inline constexpr int kMaxSessions = 4096;
inline constexpr int kHistoryLength = 1201;    // entries per slot and history
inline constexpr int kHistoryWritable = 1200;  // the walk writes indexes 0..1199
inline constexpr int kMaxMapSide = 500;

}  // namespace tolvane
