// The "Map" page: the game's settings, the map's size and land, the victory
// conditions and the game options.
#pragma once

#include "form/Page.h"

namespace tolvane::form {

class MapPage : public Page {
 public:
  explicit MapPage(PageList& pages);

  Edit saveFlag{controls_, {.name = "SaveFlagE", .caption = "Save Flag"}};
  Edit gameName{controls_, {.name = "GameNameE", .caption = "Game Name"}};
  Edit mapScript{controls_, {.name = "MapScriptE", .caption = "Map Script"}};
  Edit worldSize{controls_, {.name = "WorldSizeE", .caption = "World Size"}};
  Edit seaLevel{controls_, {.name = "SeaLevelE", .caption = "Sea Level"}};
  Edit gameSpeed{controls_, {.name = "GameSpeedE", .caption = "Game Speed"}};
  Edit mapSize{controls_, {.name = "MapSizeE", .caption = "Map Size"}};
  Edit landTiles{controls_, {.name = "LandTilesE", .caption = "Land Tiles"}};
  Edit ownedTiles{controls_, {.name = "OwnedTilesE", .caption = "Owned Tiles"}};
  Edit gameType{controls_, {.name = "GameTypeE", .caption = "Game Type"}};
  Edit climate{controls_, {.name = "ClimateE", .caption = "Climate"}};
  Edit startEra{controls_, {.name = "EraE", .caption = "Era"}};
  Edit calendar{controls_, {.name = "CalenderE", .caption = "Calendar"}};
  Edit latitudes{controls_, {.name = "LatitudesE", .caption = "Latitudes"}};
  Edit wrapX{controls_, {.name = "WrapXE", .caption = "Wrap X"}};
  Edit wrapY{controls_, {.name = "WrapYE", .caption = "Wrap Y"}};
  Edit startTurn{controls_, {.name = "StartTurnDateE", .caption = "Starting"}};  // turn and date
  ListBox victoryConditions{controls_, {.name = "VictoryConditionBox", .caption = "Victory Conditions"}};
  ListBox gameOptions{controls_, {.name = "GameOptionBox", .caption = "Game Options"}};

  void Fill() override;
};

}  // namespace tolvane::form
