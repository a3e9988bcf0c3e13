// Loading a described save the way the window does: write the file, splice
// and analyse it.
#pragma once

#include <string>

#include "SaveWriter.h"
#include "analysis/SaveAnalyse.h"
#include "save/SaveError.h"

namespace tolvane::testing {

inline Analysis Analyse(const SaveDescription& d, const ScoreFactors& f = {}) {
  return SaveAnalyse(SpliceSave(WriteSaveFile(d)), f);
}

// The message a load of these bytes gives; "" when it succeeds.
inline std::string LoadMessage(std::span<const uint8_t> file) {
  try {
    SaveAnalyse(SpliceSave(file), ScoreFactors{});
  } catch (const SaveError& e) {
    return e.what();
  }
  return "";
}

// A small save with nothing in it but the slots' names: one player and the barbarians.
inline SaveDescription MinimalSave() {
  SaveDescription d;
  d.slots[0].leaderName = "Anna";
  d.slots[0].leaderType = 3;
  d.slots[0].civType = 19;
  d.slots[0].slotStatus = kSlotHuman;
  d.slots[18].leaderName = "Barbarians";
  d.slots[18].leaderType = 0;
  d.slots[18].team = 18;
  d.teams[0].teamMembers = 1;
  d.teams[18].teamMembers = 1;
  d.players[0].playerAlive = 1;
  d.mapWidth = 3;
  d.mapHeight = 2;
  return d;
}

}  // namespace tolvane::testing
