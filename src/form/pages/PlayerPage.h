// The "Player" page: one player's gold, research, technologies with their
// costs, great people, vassals, rank among the players met and best cities.
#pragma once

#include <array>

#include "form/Page.h"

namespace tolvane::form {

class PlayerPage : public Page {
 public:
  explicit PlayerPage(PageList& pages);

  ComboBox playerSelector{controls_, {.name = "PlayerInfoSelect", .description = "Player"}, 9};
  Edit gold{controls_, {.name = "GoldE", .caption = "Gold"}};
  Edit researching{controls_, {.name = "ResearchingE", .caption = "Researching"}};
  Edit researchBeakers{controls_, {.name = "CurrTechBeakersE", .description = "Beakers"}};  // done / cost
  // The culture of the player's three most cultured cities.
  std::array<Edit, 3> bestCityCultures{
      {{controls_, {.name = "City1CultureE", .caption = "Culture 3xC", .description = "Culture: best city"}},
       {controls_, {.name = "City2CultureE", .description = "Culture: second city"}},
       {controls_, {.name = "City3CultureE", .description = "Culture: third city"}}}};
  Edit generalPoints{controls_, {.name = "GeneralPointsE", .caption = "General points"}};  // points / next general
  Edit greatPeople{controls_, {.name = "GPCreatedE", .caption = "GPeoples"}};
  Edit vassals{controls_, {.name = "VassalsE", .caption = "Vassals"}};
  Edit rankAmongMet{controls_, {.name = "RankMetE", .caption = "Rank/Met"}};
  Edit technologies{controls_, {.name = "TechNumberE", .caption = "Techs"}};
  Edit units{controls_, {.name = "UnitNumberE", .caption = "Units"}};
  Edit cities{controls_, {.name = "CityNumberE", .caption = "Cities"}};
  Grid technologyGrid{controls_, {.name = "TechGrid", .description = "Technologies"}, 5, kTechs + 1, 1, 1};

  void Fill() override;
  // Shows the selected player.
  void ShowPlayer();

  // Technologies in the order of the grid's rows: by era, then cost.
  const std::array<int, kTechs>& TechOrder() const { return techOrder_; }

 private:
  std::array<int, kTechs> techOrder_{};
};

}  // namespace tolvane::form
