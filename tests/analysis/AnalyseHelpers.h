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
  d.LeaderInfo[0].LeaderName = "Anna";
  d.LeaderInfo[0].LeaderType = 3;
  d.LeaderInfo[0].CivType = 19;
  d.LeaderInfo[0].SlotStatus = 3;
  d.LeaderInfo[18].LeaderName = "Barbarians";
  d.LeaderInfo[18].LeaderType = 0;
  d.LeaderInfo[18].Team = 18;
  d.Teams[0].TeamMembers = 1;
  d.Teams[18].TeamMembers = 1;
  d.Players[0].PlayerAlive = 1;
  d.MapWidth = 3;
  d.MapHeight = 2;
  return d;
}

}  // namespace tolvane::testing
