// The sections of the analysis pass, in the order the save holds them. Each
// reads with the one cursor and fills its part of the model.
#pragma once

#include <cstdint>

#include "analysis/Model.h"
#include "save/SaveFile.h"
#include "save/SaveReader.h"

namespace tolvane {

struct ScoreFactors;

// 32-bit arithmetic as the host game does it: the low 32 bits of the result.
inline int32_t Wrap32(int64_t v) { return int32_t(uint32_t(uint64_t(v))); }

void ReadFixedOffsets(std::span<const uint8_t> body, Analysis& a);  // header.cpp
void ReadHeader(SaveReader& r, Analysis& a);                        // header.cpp
void DeriveSettings(Analysis& a);                                   // header.cpp
// The turns of the session messages, sorted, and how many lie at turn 0.
struct SessionScan {
  std::vector<int32_t> Turns;
  int32_t PreSessions = 0;
};
SessionScan ScanSessions(const SaveImage& save);                    // sessions.cpp
void ReadGameSection(SaveReader& r, Analysis& a);                   // game_section.cpp
void ReadMap(SaveReader& r, Analysis& a);                           // map_section.cpp
void ReadTeams(SaveReader& r, Analysis& a);                         // teams.cpp
void ReadPlayers(SaveReader& r, Analysis& a);                       // players.cpp
void ReadCities(SaveReader& r, Analysis& a, int slot);              // cities.cpp
void ReadMessages(SaveReader& r, Analysis& a, int slot);            // messages.cpp
void BuildScienceHistories(Analysis& a);                            // messages.cpp
void ReadHistories(SaveReader& r, Analysis& a, int slot);           // histories.cpp
void DeriveStatistics(Analysis& a, const ScoreFactors& f);          // statistics.cpp

// Skips the layout's common list shapes.
inline void SkipIndexBlock(SaveReader& r) {
  int32_t n = r.readCount();
  r.skipInt32(4);
  r.skipInt32(n);
}
inline void SkipInt32List(SaveReader& r, int32_t itemInts = 1) { r.skipInt32(int64_t(r.readCount()) * itemInts); }
inline void SkipUStrList(SaveReader& r, int32_t textsPerItem = 1) {
  for (int64_t i = 0, n = int64_t(r.readCount()) * textsPerItem; i < n; ++i) r.skipUStr();
}

}  // namespace tolvane
