// The steps of the analysis pass: the sections in the order the save holds
// them, each reading with the one cursor and filling its part of the model,
// then the values derived from what they read.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "analysis/Model.h"
#include "rules/Int32Math.h"
#include "save/SaveFile.h"
#include "save/SaveReader.h"

namespace tolvane {

struct ScoreFactors;

// The turns of the session messages, sorted, and how many lie at turn 0.
struct SessionScan {
  std::vector<int32_t> turns;
  int32_t preSessions = 0;
};
SessionScan ScanSessions(const SaveImage& save);  // Sessions.cpp

// The turn on which each team acquired each technology, from the players'
// messages: -1 for none named. Each team's row starts unknown once, before
// any member's messages are scanned, so that every member's messages count.
// The science histories are built from it.
struct TechTurns {
  PerTeam<TechRow> turn;
  TechTurns() {
    for (auto& row : turn) row.fill(-1);
  }
};

// The reading steps, in save order. They store what they read and derive
// nothing that another step needs.
void ReadFixedOffsets(std::span<const uint8_t> body, Analysis& a);              // Header.cpp
void ReadHeader(SaveReader& r, Analysis& a);                                    // Header.cpp
void ReadGameSection(SaveReader& r, Analysis& a);                               // GameSection.cpp
void ReadMap(SaveReader& r, Analysis& a);                                       // MapSection.cpp
void ReadTeams(SaveReader& r, Analysis& a);                                     // Teams.cpp
void ReadPlayers(SaveReader& r, Analysis& a, TechTurns& techTurns);             // Players.cpp
void ReadCities(SaveReader& r, Analysis& a, int slot);                          // Cities.cpp
void ReadMessages(SaveReader& r, Analysis& a, int slot, TechTurns& techTurns);  // Messages.cpp
void ReadHistories(SaveReader& r, Analysis& a, int slot);                       // Histories.cpp

// The derivation steps, once everything is read, in this order.
void DeriveSettings(Analysis& a);                                     // DerivedSettings.cpp
void BuildScienceHistories(Analysis& a, const TechTurns& techTurns);  // Messages.cpp
void DeriveStatistics(Analysis& a, const ScoreFactors& f);            // Statistics.cpp

// Reserves room for the records of a list whose count the save states, kept
// up to `cap`: never for more records of at least `minRecordBytes` each than
// the rest of the save can hold, so a damaged count reserves no memory that
// the records could not fill.
template <typename T>
void ReserveForList(std::vector<T>& list, int64_t count, int64_t cap, int64_t minRecordBytes, const SaveReader& r) {
  const int64_t fits = int64_t(r.Remaining()) / minRecordBytes;
  list.reserve(size_t(std::clamp<int64_t>(count, 0, std::min(cap, fits))));
}

// Skips the layout's common list shapes.
inline void SkipIndexBlock(SaveReader& r) {
  int32_t n = r.ReadCount();
  r.SkipInt32(4);
  r.SkipInt32(n);
}
inline void SkipInt32List(SaveReader& r, int32_t itemInts = 1) { r.SkipInt32(int64_t(r.ReadCount()) * itemInts); }
inline void SkipUStrList(SaveReader& r, int32_t textsPerItem = 1) {
  for (int64_t i = 0, n = int64_t(r.ReadCount()) * textsPerItem; i < n; ++i) r.SkipUStr();
}

}  // namespace tolvane
