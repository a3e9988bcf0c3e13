#include "form/pages/WorldPage.h"

#include <fmt/format.h>

#include <algorithm>
#include <iterator>

#include "form/Latin1.h"
#include "form/PlayerColors.h"
#include "form/exports/Png.h"
#include "form/exports/Timelapse.h"
#include "form/exports/WorldFrame.h"
#include "form/pages/SaveView.h"
#include "rules/Calendar.h"
#include "rules/Tables.h"
#include "save/FileWrite.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::form {

namespace {

// The name of a row of a table; "unknown (n)" for a value outside it.
template <size_t N>
std::string NameOf(const std::array<std::string_view, N>& names, int16_t value) {
  return value >= 0 && size_t(value) < N ? std::string(names[size_t(value)]) : fmt::format("unknown ({})", value);
}

}  // namespace

WorldPage::WorldPage(PageList& pages) : Page({"World", "WorldSheet"}, pages) {
  int col = 0;
  for (const auto& [header, width] :
       {std::pair{"№", 24}, {"Colour", 36}, {"Player", 100}, {"Plots", 40}, {"Cities", 40}}) {
    legend.SetCell(col, 0, header);
    legend.SetColWidth(col++, width);
  }
  for (CheckBox* box : {&showOwners, &showCities, &showResources}) box->OnClick([this] { Redraw(); });
  frames.SetVisible(false);
  for (Button* button : {&first, &previous, &play, &pause, &next, &last, &saveTimelapse}) button->SetEnabled(false);
  frames.OnChange([this] { ShowFrame(frames.Position()); });
  first.OnClick([this] { ShowFrame(0); });
  previous.OnClick([this] { ShowFrame(shown_ - 1); });
  next.OnClick([this] { ShowFrame(shown_ + 1); });
  last.OnClick([this] { ShowFrame(int(game_.frames.size()) - 1); });
  play.OnClick([this] { Play(); });
  pause.OnClick([this] { Pause(); });
}

void WorldPage::Fill() {
  SetVisible(!NotAvailable(save_));
  world_ = WorldAsShown(save_);
  scale_ = DefaultWorldScale(world_.width, world_.height);
  plotText.SetText("");
  // A new save: its game's frames come with SetGame.
  game_ = {};
  shown_ = -1;
  playing_ = false;
  drawn_.reset();
  ShowTimelapse();
  FillLegend(WorldLegend(save_, world_));
  Redraw();
}

WorldLayers WorldPage::Layers() const {
  return {.owners = showOwners.Checked(), .cities = showCities.Checked(), .resources = showResources.Checked()};
}

const ShownWorld& WorldPage::WorldShown() const { return drawn_ ? drawn_->world : world_; }

void WorldPage::Redraw() {
  // The painter holds the frame it draws: the picture outlives a new game.
  picture.SetPainter([this, frame = drawn_, layers = Layers(), scale = scale_] {
    return DrawWorld(frame ? frame->world : world_, layers, scale);
  });
}

void WorldPage::FillLegend(const std::vector<LegendPlayer>& players) {
  legend.SetRowCount(1 + int(players.size()));
  int row = 1;
  for (const LegendPlayer& p : players) {
    legend.SetCell(0, row, fmt::format("{:2}", p.slot + 1));
    legend.SetCell(1, row, RgbText(kPlayerColors[size_t(p.slot)]));
    legend.SetCell(2, row, p.name);
    legend.SetCell(3, row, fmt::format("{:6}", p.plots));
    legend.SetCell(4, row, fmt::format("{:6}", p.cities));
    ++row;
  }
}

void WorldPage::PointAt(int32_t x, int32_t y) {
  std::string text = PlotText(x, y);
  if (text != plotText.Text()) plotText.SetText(std::move(text));
}

std::string WorldPage::PlotText(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= world_.width || y >= world_.height) return {};
  const Analysis& a = save_;
  const Plot& p = a.PlotAt(x, y);
  std::string text =
      fmt::format("x {}, y {} — {}, {}", x, y, NameOf(kPlotTypeNames, p.plotType), NameOf(kTerrainNames, p.terrain));
  if (p.feature >= 0) text += ", " + NameOf(kFeatureNames, p.feature);
  if (p.bonus >= 0) text += ", " + NameOf(kBonusNames, p.bonus);
  const int owner = world_.OwnerAt(x, y);
  text += owner >= 0 ? ", owner " + WorldPlayerName(a, owner) : ", no owner";
  if (const WorldCity* c = world_.CityAt(x, y))
    text += fmt::format(" — city {} of {}, population {}, founded on turn {} ({})", Latin1ToUtf8(c->city->name),
                        WorldPlayerName(a, c->slot), c->city->population, c->city->foundedTurn,
                        DateTextPlain(Turn2Date(a.gameSpeed, c->city->foundedTurn)));
  return text;
}

bool WorldPage::SavePicture(const std::string& path, int32_t scale) {
  if (NotAvailable(save_)) {
    messages_.Add("The map is not shown for a save whose first slot has a password: no picture written.");
    return false;
  }
  if (world_.width == 0 || world_.height == 0) {
    messages_.Add("The save holds no map: no picture written.");
    return false;
  }
  if (scale == 0) {
    WriteBytes(PathFromUtf8(path), EncodePng(picture.Image()));
    return true;
  }
  const ShownWorld& world = WorldShown();
  if (scale < 1 || scale > kMaxWorldScale || int64_t(world.width) * world.height * scale * scale > kMaxWorldPixels)
    throw SaveError(fmt::format("A picture of the {} x {} map at {} pixels a plot would be too large.", world.width,
                                world.height, scale));
  WriteBytes(PathFromUtf8(path), EncodePng(DrawWorld(world, Layers(), scale)));
  return true;
}

void WorldPage::SetGame(GameFrames game) {
  const std::filesystem::path showing = shown_ >= 0 ? game_.saves[size_t(shown_)] : std::filesystem::path();
  const int own = game.own;
  if (own < 0 || game.frames.size() < 2 || game.frames.size() != game.saves.size()) {
    game_ = {};
    shown_ = -1;
    playing_ = false;
    ShowFrame(-1);
    return;
  }
  game_ = std::move(game);
  // The loaded save's frame is made from the save the pages show, so that
  // it draws exactly the page's own picture.
  auto ownFrame = std::make_shared<WorldFrame>(*game_.frames[size_t(own)]);
  ownFrame->world = world_;
  for (WorldCity& city : ownFrame->world.cities) city.city = nullptr;
  ownFrame->legend = WorldLegend(save_, world_);
  game_.frames[size_t(own)] = std::move(ownFrame);
  const auto at = std::find(game_.saves.begin(), game_.saves.end(), showing);
  shown_ = -1;  // the frame is shown anew: the game's saves may have moved
  ShowFrame(at != game_.saves.end() ? int(at - game_.saves.begin()) : own);
}

void WorldPage::ShowFrame(int i) {
  const int count = int(game_.frames.size());
  if (count > 0 && (i < 0 || i >= count)) return;
  const bool moved = i != shown_;
  shown_ = count > 0 ? i : -1;
  // The loaded save's frame is the page's own picture.
  std::shared_ptr<const WorldFrame> frame = shown_ >= 0 && shown_ != game_.own ? game_.frames[size_t(shown_)] : nullptr;
  if (playing_ && shown_ == count - 1) playing_ = false;
  ShowTimelapse();
  if (!moved && frame == drawn_) return;
  const bool legendChanges = frame != drawn_;
  drawn_ = std::move(frame);
  if (legendChanges) FillLegend(drawn_ ? drawn_->legend : WorldLegend(save_, world_));
  Redraw();
}

void WorldPage::ShowTimelapse() {
  const int count = int(game_.frames.size());
  const bool on = count > 1 && shown_ >= 0;
  if (frames.Visible() != on) frames.SetVisible(on);
  if (frames.Count() != (on ? count : 0) || frames.Position() != (on ? shown_ : -1))
    frames.SetRange(on ? count : 0, on ? shown_ : -1);
  const auto enable = [](Button& button, bool enabled) {
    if (button.Enabled() != enabled) button.SetEnabled(enabled);
  };
  enable(first, on && shown_ > 0);
  enable(previous, on && shown_ > 0);
  enable(next, on && shown_ < count - 1);
  enable(last, on && shown_ < count - 1);
  enable(play, on && !playing_);
  enable(pause, on && playing_);
  enable(saveTimelapse, on && CanEncodeTimelapse());
  std::string text =
      on ? fmt::format("{} (save {} of {})", FrameCaption(*game_.frames[size_t(shown_)]), shown_ + 1, count)
         : std::string();
  if (text != frameText.Text()) frameText.SetText(std::move(text));
}

void WorldPage::Play() {
  if (game_.frames.size() < 2) return;
  playing_ = true;
  // From the last frame the timelapse plays again from the first.
  ShowFrame(shown_ == int(game_.frames.size()) - 1 ? 0 : shown_);
}

void WorldPage::Pause() {
  playing_ = false;
  ShowTimelapse();
}

int32_t WorldPage::FrameMs() const {
  const int i = speed.Index();
  return i >= 0 && size_t(i) < std::size(kTimelapseFrameMs) ? kTimelapseFrameMs[i] : kTimelapseFrameMs[1];
}

void WorldPage::Tick() {
  if (playing_) ShowFrame(shown_ + 1);
}

TimelapseRequest WorldPage::Timelapse() const {
  return {game_.frames, {.layers = Layers(), .scale = scale_, .frameMs = FrameMs()}};
}

std::optional<TimelapseRequest> WorldPage::TimelapseToSave() {
  if (game_.frames.size() < 2) {
    messages_.Add("The loaded save's game has no other saves in the folder: no timelapse written.");
    return std::nullopt;
  }
  return Timelapse();
}

void WorldPage::WriteTimelapse(const std::string& path, const TimelapseRequest& request) {
  const std::vector<uint8_t> gif = EncodeTimelapse(request.frames, request.options);
  WriteBytes(PathFromUtf8(path), std::string_view(reinterpret_cast<const char*>(gif.data()), gif.size()));
}

bool WorldPage::SaveTimelapse(const std::string& path) {
  const std::optional<TimelapseRequest> request = TimelapseToSave();
  if (request) WriteTimelapse(path, *request);
  return request.has_value();
}

}  // namespace tolvane::form
