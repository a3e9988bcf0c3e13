// The "Cities" page (its tab stays hidden): one city of one player, with
// its founding date, population, culture, place, buildings and production.
#pragma once

#include "form/Page.h"

namespace tolvane::form {

class CitiesPage : public Page {
 public:
  explicit CitiesPage(PageList& pages);

  ComboBox playerSelector{controls_, {.name = "PlayerCitySelect", .description = "Player"}, 9};
  ComboBox citySelector{controls_, {.name = "CityBox", .caption = "City Select"}, 16};
  // Built buildings in black, those the city got for free in blue.
  RichText buildings{controls_, {.name = "BuildingsList", .caption = "Buildings"}};
  Edit founded{controls_, {.name = "CityFoundE", .caption = "Founded"}};
  Edit population{controls_, {.name = "PopE", .caption = "Pop"}};
  Edit culture{controls_, {.name = "CultureE", .caption = "Culture"}};  // points / next level
  Edit position{controls_, {.name = "CityXYE", .caption = "X,Y"}};
  Grid production{controls_, {.name = "ProductionGrid", .description = "Production"}, 3, 16, 1, 1};

  void Fill() override;
  // Lists the selected player's cities and shows the first.
  void SelectPlayer();
  // Shows the selected city.
  void SelectCity();
};

}  // namespace tolvane::form
