// The "World" page: a picture of the map, one square per plot, north up,
// with the players' land and cities; check boxes for what it draws over the
// ground, a legend of the players on the map, the text of the plot under the
// pointer, and "Save Picture…".
//
// When the loaded save's game has other saves (as the Saves page groups a
// folder), a timelapse steps through the worlds of the game's saves in turn
// order: a slider with a position per save, First / Previous / Next / Last,
// Play / Pause at a speed, a caption with the frame's turn and date, and
// "Save Timelapse…". The picture and the legend follow the frame shown, with
// the page's layers and scale; the plot text stays with the loaded save.
// Back on the loaded save's frame the page shows its own picture.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "form/Page.h"
#include "form/exports/WorldFrame.h"
#include "form/exports/WorldRaster.h"
#include "form/pages/WorldTimelapse.h"

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
  // The timelapse of the loaded save's game: hidden (the slider) and
  // disabled (the buttons) while the game has no other saves.
  Slider frames{controls_, {.name = "WorldTurnSlider", .description = "Save of the game"}};
  Button first{controls_, {.name = "WorldFirstButton", .caption = "First"}};
  Button previous{controls_, {.name = "WorldPreviousButton", .caption = "Previous"}};
  // One of the two is enabled: Play while the timelapse stands, Pause
  // while it plays. The window's timer calls Tick every FrameMs().
  Button play{controls_, {.name = "WorldPlayButton", .caption = "Play"}};
  Button pause{controls_, {.name = "WorldPauseButton", .caption = "Pause"}};
  Button next{controls_, {.name = "WorldNextButton", .caption = "Next"}};
  Button last{controls_, {.name = "WorldLastButton", .caption = "Last"}};
  ComboBox speed{controls_,
                 {.name = "WorldSpeedCombo", .caption = "Speed"},
                 4,
                 {"1 save a second", "2 saves a second", "5 saves a second", "10 saves a second"},
                 1};
  // "NAME — turn 120, 1200AD (save 2 of 7)".
  Label frameText{controls_, {.name = "WorldFrameL", .description = "Frame"}, ""};
  // The window asks for the file, then runs SaveTimelapse. Disabled in a
  // build that cannot write a GIF.
  Button saveTimelapse{controls_, {.name = "WorldSaveTimelapseButton", .caption = "Save Timelapse…"}};

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

  // --- The timelapse.
  // The frames of the loaded save's game (the form hands them on after a
  // load and whenever the Saves page groups its rows anew). The frame shown
  // stays shown while its save is among them; otherwise the loaded save's.
  // Fewer than two frames, or none of the loaded save, end the timelapse.
  void SetGame(GameFrames game);
  // The frames the timelapse steps through (the loaded save's own frame in
  // its place), and the one shown (-1 without a timelapse).
  const std::vector<std::shared_ptr<const WorldFrame>>& GameFramesShown() const { return game_.frames; }
  int FrameShown() const { return shown_; }
  // Shows frame i of the game (0 .. frames - 1).
  void ShowFrame(int i);
  bool Playing() const { return playing_; }
  // How long a frame stays while the timelapse plays, by the speed chosen.
  int32_t FrameMs() const;
  // The playing timelapse's next frame; it stops on the last.
  void Tick();
  // What "Save Timelapse…" encodes: the game's frames in turn order, with
  // the page's layers and scale, each frame staying FrameMs().
  TimelapseRequest Timelapse() const;
  // "Save Timelapse…": writes the game's timelapse as an animated GIF.
  // Throws SaveError when it cannot be encoded or written. Without a
  // timelapse a message says so, nothing is written, and the result is
  // false.
  bool SaveTimelapse(const std::string& path);
  // The same in two steps, for a window that writes while it stays usable:
  // what to write (none, with the message, without a timelapse), taken on
  // the page's thread; then the writing, on any thread, apart from the page.
  std::optional<TimelapseRequest> TimelapseToSave();
  static void WriteTimelapse(const std::string& path, const TimelapseRequest& request);

 private:
  WorldLayers Layers() const;
  // The world the picture shows: the frame's, or the loaded save's own.
  const ShownWorld& WorldShown() const;
  void Redraw();
  void FillLegend(const std::vector<LegendPlayer>& players);
  // The controls of the timelapse as the frames and the frame shown are.
  void ShowTimelapse();
  void Play();
  void Pause();

  ShownWorld world_;
  int32_t scale_ = 1;
  GameFrames game_;  // empty without a timelapse
  int shown_ = -1;   // the frame shown, or -1
  bool playing_ = false;
  // The frame whose world the picture shows; null for the page's own.
  std::shared_ptr<const WorldFrame> drawn_;
};

}  // namespace tolvane::form
