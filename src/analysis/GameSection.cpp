// The game section: the game-wide state at the start of the body, with the
// start turn and the replay.
#include "analysis/Walk.h"
#include "rules/TextKeys.h"

namespace tolvane {

namespace {

// A replay message with an empty text: five int32, the text's count and the colour.
constexpr int64_t kMinReplayMessageBytes = 5 * 4 + 4 + 4;

void ReadReplay(SaveReader& r, Analysis& a) {
  SectionScope scope(r, "replay");
  const int32_t count = r.ReadCount();
  ReserveForList(a.replay, count, kMaxReplayMessages, kMinReplayMessageBytes, r);
  ReplayMessage m;
  for (int32_t i = 0; i < count; ++i) {
    m.turn = r.ReadInt32();
    r.SkipInt32(4);
    m.text = r.ReadUStr();
    CutMacrosInPlace(m.text);
    m.color = r.ReadInt32();
    if (i < kMaxReplayMessages) a.replay.push_back(m);
  }
  r.SkipInt32();  // the value after the list; a save that ends there ends inside the replay
}

}  // namespace

void ReadGameSection(SaveReader& r, Analysis& a) {
  SectionScope scope(r, "game settings");
  r.SkipInt32(3);  // the third is ElapsedTurns, taken from its offset
  a.startTurn = r.ReadInt32();
  r.SkipInt32(21);
  r.SkipBool(5);
  r.SkipInt32(6);
  r.SkipUStr();
  r.SkipInt32(7 * kSlots);  // seven runs of one value per slot
  r.SkipInt32(kUnits);
  r.SkipInt32(kUnitClasses);
  r.SkipInt32(kBuildingClasses);
  r.SkipInt32(11);
  r.SkipInt32(25);
  r.SkipInt32(10);
  r.SkipInt32(7);
  r.SkipBool(3);
  r.SkipBool(4);
  r.SkipBool(10);
  r.SkipInt32(7 * 2);
  r.SkipInt32(18 * 10);
  SkipUStrList(r);
  SkipUStrList(r);
  SkipIndexBlock(r);
  for (int32_t i = 0, n = r.ReadCount(); i < n; ++i) {
    r.SkipInt32(5);
    SkipInt32List(r, 3);
    SkipInt32List(r, 3);
  }
  r.SkipInt32(2);
  ReadReplay(r, a);
}

}  // namespace tolvane
