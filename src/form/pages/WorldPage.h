// The "World" page: a picture of the map, one square per plot, north up,
// with the players' land and cities; check boxes for what it draws over the
// ground, a legend of the players on the map, the text of the plot under the
// pointer, and "Save Picture…".
#pragma once

#include <string>

#include "form/Page.h"
#include "form/exports/WorldRaster.h"

namespace tolvane::form {

class WorldPage : public Page {
 public:
  explicit WorldPage(PageList& pages);

  CheckBox showOwners{controls_, {.name = "WorldOwnersCheckBox", .caption = "Owners"}, true};
  CheckBox showCities{controls_, {.name = "WorldCitiesCheckBox", .caption = "Cities"}, true};
  CheckBox showResources{controls_, {.name = "WorldResourcesCheckBox", .caption = "Resources"}};
  // The window asks for the file, then runs SavePicture.
  Button savePicture{controls_, {.name = "WorldSavePictureButton", .caption = "Save Picture…"}};
  Picture picture{controls_, {.name = "WorldPicture", .description = "Map picture"}};
  // Each player on the map: slot number, colour ("#RRGGBB"), name, plots and
  // cities shown as the player's.
  Grid legend{controls_, {.name = "WorldLegendGrid", .description = "Legend"}, 5, 1, 1, 1};
  Label plotText{controls_, {.name = "WorldPlotL", .description = "Plot"}, ""};

  void Fill() override;
  // Pixels per plot of the page's picture.
  int32_t Scale() const { return scale_; }
  // The stored map's size in plots (0 x 0 when there is no map to show).
  int32_t MapWidth() const { return world_.width; }
  int32_t MapHeight() const { return world_.height; }
  // The pointer rests on plot (x, y): the plot text tells what the plot
  // holds; a place outside the map clears it.
  void PointAt(int32_t x, int32_t y);
  // "x 12, y 30 — Hills, Grassland, Forest, Iron, owner Ingrid — city
  // Antium, population 9, founded on turn 34 (3325BC)", or "" outside the map.
  std::string PlotText(int32_t x, int32_t y) const;
  // Writes the picture as PNG, with the layers ticked, at `scale` pixels per
  // plot (0: the page's). Throws SaveError when the file cannot be written
  // or the picture would be too large. A save that is not available, or one
  // without a map, has no picture: a message says so, nothing is written,
  // and the result is false.
  bool SavePicture(const std::string& path, int32_t scale = 0);

 private:
  WorldLayers Layers() const;
  void Redraw();
  void FillLegend();

  ShownWorld world_;
  int32_t scale_ = 1;
};

}  // namespace tolvane::form
