#include "analysis/SaveAnalyse.h"

#include <functional>
#include <future>

#include "analysis/Walk.h"
#include "rules/Scores.h"

namespace tolvane {

int32_t PlayerGameScore(const Analysis& a, int slot, const ScoreFactors& f) {
  const size_t s = size_t(slot);
  if (!a.playerAlive[s]) return 0;
  return Wrap32(int64_t(GameScorePart(a.populationScoreCounted[s], a.maxPopScore, f.popCoeff)) +
                GameScorePart(a.landScoreCounted[s], a.maxLandScore, f.landCoeff) +
                GameScorePart(a.techScore[s], a.maxTechScore, f.techCoeff) +
                GameScorePart(a.wondersScore[s], a.maxWonderScore, f.wonderCoeff));
}

Analysis SaveAnalyse(const SaveImage& save, const ScoreFactors& factors, SessionScanThread scanThread) {
  Analysis a;
  ReadFixedOffsets(save.Body(), a);
  // The session scan reads the whole image and nothing the walk writes, so
  // it may run beside the walk on a second core.
  std::future<SessionScan> scan =
      std::async(scanThread == SessionScanThread::Beside ? std::launch::async : std::launch::deferred, ScanSessions,
                 std::cref(save));
  SaveReader r(save.bytes);
  ReadHeader(r, a);
  r.Seek(size_t(save.bodyOffset));
  ReadGameSection(r, a);
  ReadMap(r, a);
  ReadTeams(r, a);
  TechTurns techTurns;
  ReadPlayers(r, a, techTurns);

  DeriveSettings(a);
  BuildScienceHistories(a, techTurns);
  DeriveStatistics(a, factors);
  SessionScan sessions = scan.get();
  a.sessionTurns = std::move(sessions.turns);
  a.preSessions = sessions.preSessions;
  a.sessions = int32_t(a.sessionTurns.size()) + 1;
  return a;
}

}  // namespace tolvane
