#include "form/pages/MapPage.h"

#include <fmt/printf.h>

#include "form/Latin1.h"
#include "rules/Calendar.h"
#include "rules/Tables.h"

namespace tolvane::form {

MapPage::MapPage(PageList& pages) : Page({"Map", "TabSheet3"}, pages) {}

void MapPage::Fill() {
  const Analysis& a = save_;
  saveFlag.SetText(fmt::sprintf("%8d", a.saveFlag));
  gameType.SetText(fmt::sprintf("%8d", a.gameType));
  gameName.SetText(Latin1ToUtf8(a.gameName));
  mapScript.SetText(Latin1ToUtf8(a.mapScript));
  worldSize.SetText(std::string(WorldSizeName(a.worldSize)));
  climate.SetText(std::string(ClimateName(a.climate)));
  seaLevel.SetText(std::string(SeaLevelName(a.seaLevel)));
  startEra.SetText(std::string(EraName(a.startEra)));
  gameSpeed.SetText(std::string(GameSpeedName(a.gameSpeed)));
  calendar.SetText(fmt::sprintf("%8d", a.calendar));
  mapSize.SetText(fmt::sprintf("%4d x %d", a.mapWidth, a.mapHeight));
  latitudes.SetText(fmt::sprintf("%5d ; %d", a.latitude2, a.latitude1));
  landTiles.SetText(fmt::sprintf("%8d", a.landPlots));
  ownedTiles.SetText(fmt::sprintf("%8d", a.ownedPlots));
  wrapX.SetText(a.wrapX != 0 ? " Yes" : "  No");
  wrapY.SetText(a.wrapY != 0 ? " Yes" : "  No");
  startTurn.SetText(fmt::sprintf("%6d/%s", a.startTurn, DateTextPlain(Turn2Date(a.gameSpeed, a.startTurn))));

  gameOptions.Clear();
  for (int k = 0; k < kGameOptions; ++k)
    if (a.gameOptions[size_t(k)] != 0) gameOptions.Add(std::string(kGameOptionNames[size_t(k)]));
  // Entry 0 of the victory names is "Loss", never a condition.
  victoryConditions.Clear();
  for (int k = 1; k < kVictories; ++k)
    if (a.victoryFlags[size_t(k)] != 0) victoryConditions.Add(std::string(kVictoryNames[size_t(k)]));
}

}  // namespace tolvane::form
