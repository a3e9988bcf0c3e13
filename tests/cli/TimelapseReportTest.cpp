// tolvane-report --timelapse run as a process: one frame per save of the
// game in turn order whatever the files' names, each the frame picture of
// that save; a damaged save left out and named, the GIF of the rest written;
// several games refused unless --game picks one; a target that cannot be
// written left as it was. A build without the GIF library says so.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "RunReport.h"
#include "SaveWriter.h"
#include "form/exports/Timelapse.h"

#ifdef TOLVANE_TEST_GIF
#include "GifFrames.h"
#include "analysis/SaveAnalyse.h"
#include "save/SaveFile.h"
#endif

namespace tolvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(TimelapseReportBuild, ABuildWithoutTheGifLibrarySaysSo) {
  if (form::CanEncodeTimelapse()) GTEST_SKIP() << "this build writes timelapses";
  const std::string args = "--timelapse out.gif " + std::string(TOLVANE_SOURCE_DIR) + "/examples";
  EXPECT_EQ(RunReport(args).status, 2);
  EXPECT_NE(RunReportErrors(args).find("This build cannot write a timelapse"), std::string::npos);
}

#ifdef TOLVANE_TEST_GIF

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class TimelapseReport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-report-timelapse-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir_ / "game");
    // One game at turns 90, 120 and 150, the land changing hands, in files
    // whose names sort otherwise; and a copy cut short.
    SaveDescription d = ExampleSave();
    for (const int32_t turn : {90, 120, 150}) {
      d.elapsedTurns = turn;
      for (auto& p : d.plots)
        if (p.plotType != 3 && p.x < (turn - 80) / 10) p.owner = 3;
      turns_.push_back(d);
    }
    Write("game/a-late.CivWarlordsSave", turns_[2]);
    Write("game/b-early.CivWarlordsSave", turns_[0]);
    Write("game/c-middle.CivWarlordsSave", turns_[1]);
    std::vector<uint8_t> damaged = WriteSaveFile(turns_[1]);
    damaged.resize(damaged.size() / 2);
    WriteFile(dir_ / "game/d-damaged.CivWarlordsSave", damaged);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const SaveDescription& d) {
    fs::create_directories((dir_ / name).parent_path());
    WriteFile(dir_ / name, WriteSaveFile(d));
  }
  // The frame pictures of saves, as the encoder draws them.
  static std::vector<form::Raster> Pictures(const std::vector<SaveDescription>& saves, const form::WorldLayers& layers,
                                            int32_t scale) {
    std::vector<form::Raster> pictures;
    for (const SaveDescription& d : saves) {
      const Analysis a = SaveAnalyse(SpliceSave(WriteSaveFile(d)), ScoreFactors{});
      pictures.push_back(form::DrawTimelapseFrame(form::WorldFrameOf(a), layers, scale));
    }
    return pictures;
  }

  fs::path dir_;
  std::vector<SaveDescription> turns_;
};

void ExpectFrames(const GifMovie& movie, const std::vector<form::Raster>& pictures, int delayCs) {
  ASSERT_EQ(movie.error, "");
  ASSERT_EQ(movie.frames.size(), pictures.size());
  for (size_t i = 0; i < pictures.size(); ++i) {
    SCOPED_TRACE("frame " + std::to_string(i));
    const form::Raster& composed = movie.frames[i].composed;
    EXPECT_EQ(movie.frames[i].delayCs, delayCs);
    bool same = true;
    for (int32_t y = 0; y < movie.height && same; ++y)
      for (int32_t x = 0; x < movie.width && same; ++x) {
        const form::Rgba expected =
            x < pictures[i].width && y < pictures[i].height ? pictures[i].At(x, y) : form::kTimelapseBand;
        same = composed.At(x, y) == expected;
      }
    EXPECT_TRUE(same);
  }
}

TEST_F(TimelapseReport, OneFramePerSaveInTurnOrderTheDamagedSaveLeftOut) {
  const fs::path gif = dir_ / "game.gif";
  const std::string args = "--timelapse " + Quoted(gif) + " " + Quoted(dir_ / "game") + " --world-scale 4";
  EXPECT_EQ(RunReport(args).status, 1);
  ExpectFrames(ReadGifFile(gif.string()), Pictures(turns_, {}, 4), 70);
  const std::string errors = RunReportErrors(args);
  EXPECT_NE(errors.find("left out \"d-damaged.CivWarlordsSave\": The save is cut short"), std::string::npos);

  // The files one by one, the World page's layers clicked, another pace.
  const fs::path other = dir_ / "layers.gif";
  EXPECT_EQ(
      RunReport("--timelapse " + Quoted(other) + " " + Quoted(dir_ / "game/c-middle.CivWarlordsSave") + " " +
                Quoted(dir_ / "game/a-late.CivWarlordsSave") + " " + Quoted(dir_ / "game/b-early.CivWarlordsSave") +
                " --check WorldResourcesCheckBox --check WorldOwnersCheckBox --frame-ms 250 --game 1 -j 1")
          .status,
      0);
  ExpectFrames(ReadGifFile(other.string()),
               Pictures(turns_, {.owners = false, .cities = true, .resources = true},
                        form::DefaultWorldScale(turns_[0].mapWidth, turns_[0].mapHeight)),
               25);
}

TEST_F(TimelapseReport, SeveralGamesAreRefusedUnlessOneIsPicked) {
  SaveDescription other = ExampleSave(4);
  other.gameName = "Other Lands";
  Write("game/other.CivWarlordsSave", other);
  const fs::path gif = dir_ / "picked.gif";
  const std::string base = "--timelapse " + Quoted(gif) + " " + Quoted(dir_ / "game") + " --world-scale 2";
  const struct {
    std::string options;
    int status;
    std::string error;  // a part of standard error
    size_t frames;      // of the GIF written; 0: none written
  } kCases[] = {
      {"", 2, "the saves hold 2 games; pick one with --game N:\n  Game 1: Tolvane Example, ", 0},
      {" --game 3", 2, "--game 3: the saves hold 2 games.", 0},
      {" --game 1", 1, "left out \"d-damaged.CivWarlordsSave\"", 3},
      {" --game 2", 1, "left out \"d-damaged.CivWarlordsSave\"", 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.options);
    fs::remove(gif);
    EXPECT_EQ(RunReport(base + c.options).status, c.status);
    const std::string errors = RunReportErrors(base + c.options);
    EXPECT_NE(errors.find(c.error), std::string::npos) << errors;
    if (c.frames == 0) {
      EXPECT_FALSE(fs::exists(gif));
      if (c.options.empty()) {
        EXPECT_NE(errors.find("\n  Game 2: Other Lands, "), std::string::npos);
      }
    } else {
      EXPECT_EQ(ReadGifFile(gif.string()).frames.size(), c.frames);
    }
  }
}

TEST_F(TimelapseReport, ATargetThatCannotBeWrittenIsLeftAsItWas) {
  const std::string saves = Quoted(dir_ / "game/b-early.CivWarlordsSave");
  SaveDescription locked = ExampleSave();
  locked.slots[0].password = "secret";
  Write("locked/locked.CivWarlordsSave", locked);
  const fs::path existing = dir_ / "existing.gif";
  std::ofstream(existing) << "an older picture";
  const struct {
    std::string args;
    fs::path target;
    std::string error;
  } kCases[] = {
      // A folder that does not exist.
      {"--timelapse " + Quoted(dir_ / "missing/out.gif") + " " + saves, dir_ / "missing/out.gif", "Cannot write"},
      // A save is never written over.
      {"--timelapse " + saves + " " + saves, dir_ / "game/b-early.CivWarlordsSave", "b-early.CivWarlordsSave"},
      // No save with a map to show: nothing to write.
      {"--timelapse " + Quoted(existing) + " " + Quoted(dir_ / "locked"), existing, "the save shows no map"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.args);
    const bool existed = fs::exists(c.target);
    const std::string before = existed ? Contents(c.target) : "";
    EXPECT_EQ(RunReport(c.args).status, 1);
    EXPECT_NE(RunReportErrors(c.args).find(c.error), std::string::npos);
    EXPECT_EQ(fs::exists(c.target), existed);
    if (existed) {
      EXPECT_EQ(Contents(c.target), before);
    }
  }
  // Nothing half-written beside the targets.
  for (const auto& entry : fs::recursive_directory_iterator(dir_)) EXPECT_NE(entry.path().extension(), ".tmp");
}

TEST_F(TimelapseReport, UsageErrors) {
  const std::string gif = Quoted(dir_ / "u.gif"), saves = Quoted(dir_ / "game");
  for (const std::string& args : {"--timelapse " + gif, "--timelapse " + gif + " " + saves + " --frame-ms 5",
                                  "--game 1 --table " + saves, "--timelapse " + gif + " " + saves + " --world-scale 33",
                                  "--timelapse " + gif + " " + saves + " --check CitiesGrid",
                                  "--timelapse " + gif + " " + saves + " --format csv",
                                  "--timelapse " + gif + " " + saves + " --table " + saves}) {
    SCOPED_TRACE(args);
    EXPECT_EQ(RunReport(args).status, 2);
    EXPECT_FALSE(fs::exists(dir_ / "u.gif"));
  }
}

#endif

}  // namespace
}  // namespace tolvane::testing
