#include "analysis/SaveAnalyse.h"

#include <functional>
#include <future>

#include "analysis/Walk.h"
#include "rules/Scores.h"

namespace tolvane {

int32_t gPlayerScore(const Analysis& a, int slot, const ScoreFactors& f) {
  const size_t s = size_t(slot);
  if (!a.PlayerAlive[s]) return 0;
  return Wrap32(int64_t(gScore(a.PopulationScoreCounted[s], a.MaxPopScore, f.PopCoeff)) +
                gScore(a.LandScoreCounted[s], a.MaxLandScore, f.LandCoeff) +
                gScore(a.TechScore[s], a.MaxTechScore, f.TechCoeff) +
                gScore(a.WondersScore[s], a.MaxWonderScore, f.WonderCoeff));
}

Analysis SaveAnalyse(const SaveImage& save, const ScoreFactors& factors) {
  Analysis a;
  ReadFixedOffsets(save.Body(), a);
  // The session scan reads the whole image and nothing the walk writes, so
  // it runs beside the walk on a second core.
  std::future<SessionScan> scan = std::async(std::launch::async, ScanSessions, std::cref(save));
  SaveReader r(save.Bytes);
  ReadHeader(r, a);
  DeriveSettings(a);
  r.seek(size_t(save.BodyOffset));
  ReadGameSection(r, a);
  ReadMap(r, a);
  ReadTeams(r, a);
  ReadPlayers(r, a);
  DeriveStatistics(a, factors);
  SessionScan sessions = scan.get();
  a.SessionTurns = std::move(sessions.Turns);
  a.PreSessions = sessions.PreSessions;
  a.Sessions = int32_t(a.SessionTurns.size()) + 1;
  return a;
}

}  // namespace tolvane
