// The World page's timelapse of the loaded save's game: the frames of the
// game's saves in turn order whatever their file names, stepping and
// playing through them, each frame the picture and legend a form that
// loaded that save shows, a new load starting over, and what "Save
// Timelapse…" hands the encoder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "SaveWriter.h"
#include "form/Form.h"
#include "form/SaveTableRun.h"
#include "form/exports/Timelapse.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::ExampleSave;
using tolvane::testing::SaveDescription;

// The example game at `turn`, the players' land growing with the turns:
// plots beyond the first `turn` stand unowned.
SaveDescription AtTurn(int32_t turn) {
  SaveDescription d = ExampleSave();
  d.elapsedTurns = turn;
  d.playTimeQuarterSeconds = 4 * 60 * turn;
  d.replay.clear();
  for (size_t i = size_t(turn); i < d.plots.size(); ++i) d.plots[i].owner = 255;
  return d;
}

class WorldTimelapseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-timelapse-" + std::to_string(getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "game");
    fs::create_directories(dir_ / "alone");
    // File names against the turn order.
    for (const auto& [name, turn] :
         {std::pair{"a.CivWarlordsSave", 300}, {"b.CivWarlordsSave", 100}, std::pair{"c.CivWarlordsSave", 200}})
      Write(dir_ / "game" / name, AtTurn(turn));
    Write(dir_ / "alone" / "x.CivWarlordsSave", AtTurn(150));
  }
  void TearDown() override { fs::remove_all(dir_); }

  static void Write(const fs::path& path, const SaveDescription& d) {
    tolvane::testing::WriteFile(path, tolvane::testing::WriteSaveFile(d));
  }
  fs::path Save(const char* name) const { return dir_ / "game" / name; }

  // What the window does in the background: the Saves page lists the
  // loaded save's folder and reads its rows with their world frames.
  static void ReadFolder(Form& form) {
    form.FollowLoadedSave();
    std::vector<std::pair<fs::path, SaveRow>> rows;
    const std::vector<fs::path> paths = form.saves.StartReading();
    SaveTableRun run(paths, form.Calculators(), {.threads = 1, .worldFrames = true},
                     [&](size_t i, SaveRow row) { rows.emplace_back(paths[i], std::move(row)); });
    run.Wait();
    form.saves.SetRows(std::move(rows));
  }

  // The World page of a form that loaded only that save.
  struct Alone {
    std::string digest;
    std::vector<std::vector<std::string>> legend;
  };
  static Alone AloneOf(const fs::path& save) {
    Form form;
    EXPECT_TRUE(form.LoadFile(PathText(save)));
    return {RasterDigest(form.world.picture.Image()), form.world.legend.Rows()};
  }

  static std::vector<int32_t> Turns(const WorldPage& page) {
    std::vector<int32_t> turns;
    for (const auto& frame : page.GameFramesShown()) turns.push_back(frame->turn);
    return turns;
  }

  fs::path dir_;
};

TEST_F(WorldTimelapseTest, StepsThroughTheGamesSavesInTurnOrderEachFrameAsItsSaveAlone) {
  Form form;
  WorldPage& page = form.world;
  ASSERT_TRUE(form.LoadFile(PathText(Save("c.CivWarlordsSave"))));
  const std::string own = RasterDigest(page.picture.Image());
  // Until the folder is read the game is unknown: no timelapse.
  EXPECT_FALSE(page.frames.Visible());
  EXPECT_FALSE(page.play.Enabled());
  EXPECT_FALSE(page.saveTimelapse.Enabled());

  ReadFolder(form);
  EXPECT_TRUE(page.frames.Visible());
  EXPECT_EQ(Turns(page), (std::vector<int32_t>{100, 200, 300}));
  EXPECT_EQ(page.frames.Count(), 3);
  // The loaded save's frame is shown, its picture the page's own.
  EXPECT_EQ(page.frames.Position(), 1);
  EXPECT_EQ(RasterDigest(page.picture.Image()), own);
  EXPECT_NE(page.frameText.Text().find("turn 200"), std::string::npos);
  EXPECT_NE(page.frameText.Text().find("(save 2 of 3)"), std::string::npos);

  // Each way of stepping, and where it leaves the slider and the buttons.
  struct Step {
    const char* action;
    std::function<void()> run;
    int position;
    const char* save;
  };
  const std::vector<Step> steps = {
      {"Next", [&] { form.ClickButton("WorldNextButton"); }, 2, "a.CivWarlordsSave"},
      {"First", [&] { form.ClickButton("WorldFirstButton"); }, 0, "b.CivWarlordsSave"},
      {"Previous at the first", [&] { form.ClickButton("WorldPreviousButton"); }, 0, "b.CivWarlordsSave"},
      {"Last", [&] { form.ClickButton("WorldLastButton"); }, 2, "a.CivWarlordsSave"},
      {"Previous", [&] { form.ClickButton("WorldPreviousButton"); }, 1, "c.CivWarlordsSave"},
      {"slider", [&] { form.MoveSlider("WorldTurnSlider", 0); }, 0, "b.CivWarlordsSave"},
      {"slider back", [&] { form.MoveSlider("WorldTurnSlider", 1); }, 1, "c.CivWarlordsSave"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.action);
    step.run();
    EXPECT_EQ(page.frames.Position(), step.position);
    EXPECT_EQ(page.FrameShown(), step.position);
    const Alone alone = AloneOf(Save(step.save));
    EXPECT_EQ(RasterDigest(page.picture.Image()), alone.digest);
    EXPECT_EQ(page.legend.Rows(), alone.legend);
    EXPECT_EQ(page.first.Enabled(), step.position > 0);
    EXPECT_EQ(page.previous.Enabled(), step.position > 0);
    EXPECT_EQ(page.next.Enabled(), step.position < 2);
    EXPECT_EQ(page.last.Enabled(), step.position < 2);
  }
  EXPECT_EQ(RasterDigest(page.picture.Image()), own);
  // The saves' worlds differ: each frame is its own.
  EXPECT_NE(AloneOf(Save("a.CivWarlordsSave")).digest, AloneOf(Save("b.CivWarlordsSave")).digest);
  EXPECT_NE(AloneOf(Save("a.CivWarlordsSave")).legend, AloneOf(Save("b.CivWarlordsSave")).legend);
  EXPECT_THROW(form.MoveSlider("WorldTurnSlider", 3), std::out_of_range);

  // The layers of the page draw the frame shown.
  form.ClickButton("WorldFirstButton");
  form.ClickCheckBox("WorldOwnersCheckBox");
  Form alone;
  ASSERT_TRUE(alone.LoadFile(PathText(Save("b.CivWarlordsSave"))));
  alone.ClickCheckBox("WorldOwnersCheckBox");
  EXPECT_EQ(RasterDigest(page.picture.Image()), RasterDigest(alone.world.picture.Image()));
}

TEST_F(WorldTimelapseTest, PlaysToTheLastFrameAtTheSpeedChosen) {
  Form form;
  WorldPage& page = form.world;
  ASSERT_TRUE(form.LoadFile(PathText(Save("a.CivWarlordsSave"))));
  ReadFolder(form);
  ASSERT_EQ(page.frames.Position(), 2);
  EXPECT_EQ(page.FrameMs(), 500);
  form.SelectItem("WorldSpeedCombo", 3);
  EXPECT_EQ(page.FrameMs(), 100);

  // From the last frame Play starts again from the first.
  form.ClickButton("WorldPlayButton");
  EXPECT_TRUE(page.Playing());
  EXPECT_EQ(page.frames.Position(), 0);
  EXPECT_FALSE(page.play.Enabled());
  EXPECT_TRUE(page.pause.Enabled());
  page.Tick();
  EXPECT_EQ(page.frames.Position(), 1);
  // Pause holds the frame; a tick then changes nothing.
  form.ClickButton("WorldPauseButton");
  page.Tick();
  EXPECT_EQ(page.frames.Position(), 1);
  EXPECT_TRUE(page.play.Enabled());
  form.ClickButton("WorldPlayButton");
  EXPECT_EQ(page.frames.Position(), 1);
  page.Tick();
  // On the last frame it stops.
  EXPECT_EQ(page.frames.Position(), 2);
  EXPECT_FALSE(page.Playing());
  EXPECT_TRUE(page.play.Enabled());
  EXPECT_FALSE(page.pause.Enabled());
  page.Tick();
  EXPECT_EQ(page.frames.Position(), 2);
}

TEST_F(WorldTimelapseTest, ANewLoadStartsOverOnItsOwnGame) {
  Form form;
  WorldPage& page = form.world;
  ASSERT_TRUE(form.LoadFile(PathText(Save("c.CivWarlordsSave"))));
  ReadFolder(form);
  form.ClickButton("WorldLastButton");
  form.ClickButton("WorldPlayButton");
  ASSERT_TRUE(page.Playing());

  // Another save of the same game: the rows are there, its frame shown.
  ASSERT_TRUE(form.LoadFile(PathText(Save("b.CivWarlordsSave"))));
  EXPECT_FALSE(page.Playing());
  EXPECT_TRUE(page.frames.Visible());
  EXPECT_EQ(page.frames.Position(), 0);
  EXPECT_EQ(RasterDigest(page.picture.Image()), AloneOf(Save("b.CivWarlordsSave")).digest);

  // A save alone in its folder: no timelapse, the page as a fresh form's.
  const fs::path lone = dir_ / "alone" / "x.CivWarlordsSave";
  ASSERT_TRUE(form.LoadFile(PathText(lone)));
  ReadFolder(form);
  Form fresh;
  ASSERT_TRUE(fresh.LoadFile(PathText(lone)));
  for (const Control* c : page.Controls()) {
    SCOPED_TRACE(c->Name());
    if (const auto* b = As<Button>(c)) {
      EXPECT_EQ(b->Enabled(), As<Button>(fresh.Find(c->Name()))->Enabled());
    }
  }
  EXPECT_FALSE(page.frames.Visible());
  EXPECT_EQ(page.frames.Count(), 0);
  EXPECT_EQ(page.frameText.Text(), "");
  EXPECT_EQ(RasterDigest(page.picture.Image()), RasterDigest(fresh.world.picture.Image()));
  EXPECT_FALSE(page.SaveTimelapse(PathText(dir_ / "t.gif")));
  EXPECT_FALSE(fs::exists(dir_ / "t.gif"));
}

TEST_F(WorldTimelapseTest, SaveTimelapseHandsTheGamesFramesInTurnOrderAndFailsWithoutAFile) {
  Form form;
  WorldPage& page = form.world;
  ASSERT_TRUE(form.LoadFile(PathText(Save("c.CivWarlordsSave"))));
  ReadFolder(form);
  form.ClickCheckBox("WorldResourcesCheckBox");
  form.SelectItem("WorldSpeedCombo", 0);
  form.ClickButton("WorldLastButton");

  const TimelapseRequest request = page.Timelapse();
  std::vector<int32_t> turns;
  for (const auto& frame : request.frames) turns.push_back(frame->turn);
  EXPECT_EQ(turns, (std::vector<int32_t>{100, 200, 300}));
  EXPECT_EQ(request.options.scale, page.Scale());
  EXPECT_TRUE(request.options.layers.resources);
  EXPECT_EQ(request.options.frameMs, 1000);
  // The loaded save's frame draws the page's own picture.
  form.ClickButton("WorldPreviousButton");
  EXPECT_EQ(RasterDigest(DrawWorld(request.frames[1]->world, request.options.layers, page.Scale())),
            RasterDigest(page.picture.Image()));

  // Written where the build can write a GIF: an animated GIF of the frames.
  if (CanEncodeTimelapse()) {
    const fs::path gif = dir_ / "t.gif";
    EXPECT_TRUE(page.SaveTimelapse(PathText(gif)));
    std::ifstream in(gif, std::ios::binary);
    std::string head(6, '\0');
    in.read(head.data(), 6);
    EXPECT_EQ(head, "GIF89a");
  } else {
    EXPECT_FALSE(page.saveTimelapse.Enabled());
  }

  // A target that cannot be written: the reason, and no file.
  const fs::path target = dir_ / "missing" / "t.gif";
  EXPECT_THROW(page.SaveTimelapse(PathText(target)), SaveError);
  EXPECT_FALSE(fs::exists(target));
}

}  // namespace
}  // namespace tolvane::form::testing
