// A load replaces everything: whatever save was shown before, the pages show
// exactly the new save, as a fresh form does; a save that cannot be loaded
// changes nothing. Only what the user set on purpose stays.
#include <fmt/format.h>
#include <fmt/ranges.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "SaveWriter.h"
#include "form/Form.h"
#include "save/Utf8Path.h"

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::ExampleSave;
using tolvane::testing::SaveDescription;
using tolvane::testing::WriteFile;
using tolvane::testing::WriteSaveFile;

// Everything a control shows, as text: two controls in the same state give
// the same text.
std::string StateOf(const Control& c) {
  if (const auto* e = As<Edit>(&c)) return fmt::format("{:?} marked {}", e->Text(), e->Marked());
  if (const auto* l = As<Label>(&c)) return fmt::format("{:?}", l->Text());
  if (const auto* b = As<Button>(&c)) return fmt::format("enabled {}", b->Enabled());
  if (const auto* x = As<CheckBox>(&c)) return fmt::format("checked {}", x->Checked());
  if (const auto* box = As<ComboBox>(&c))
    return fmt::format("{} {} {:?} visible {} rows {}", box->Items(), box->Index(), box->Text(), box->Visible(),
                       box->DropDownCount());
  if (const auto* list = As<ListBox>(&c)) return fmt::format("{}", list->Lines());
  if (const auto* rich = As<RichText>(&c)) {
    std::string s;
    for (const RichLine& line : rich->Lines()) s += fmt::format("{:06X} {:?}\n", line.color, line.text);
    return s;
  }
  if (const auto* grid = As<Grid>(&c)) {
    std::string s = fmt::format("{}x{}\n", grid->ColCount(), grid->RowCount());
    for (int col = 0; col < grid->ColCount(); ++col) s += fmt::format("{} ", grid->ColWidth(col));
    for (const auto& row : grid->Rows()) s += fmt::format("\n{}", row);
    return s;
  }
  if (const auto* table = As<Table>(&c))
    return fmt::format("{} {} {} {} {}", table->Rows(), table->SortColumn(), table->SortAscending(), table->MarkedRow(),
                       table->SelectedRows());
  if (const auto* chart = As<Chart>(&c)) {
    std::string s = fmt::format("{} .. {}", chart->AxisMin(), chart->AxisMax());
    for (const ChartSeries& series : chart->Series())
      s +=
          fmt::format("\n{:?} {:06X} {} {} {}", series.title, series.color, series.width, series.legend, series.points);
    return s;
  }
  if (const auto* slider = As<Slider>(&c))
    return fmt::format("{} of {} visible {}", slider->Position(), slider->Count(), slider->Visible());
  if (const auto* picture = As<Picture>(&c)) {
    const Raster& image = picture->Image();
    const std::string_view bytes(reinterpret_cast<const char*>(image.pixels.data()),
                                 image.pixels.size() * sizeof(image.pixels[0]));
    return fmt::format("{}x{} {}", image.width, image.height, std::hash<std::string_view>{}(bytes));
  }
  return "?";
}

// Every control of the form by window name, and every tab's visibility.
std::map<std::string, std::string> StateOf(const Form& form) {
  std::map<std::string, std::string> state;
  for (const Control* c : form.Controls()) state[c->Name()] = StateOf(*c);
  for (const Page* page : form.Pages()) state["tab " + page->Caption()] = fmt::format("visible {}", page->Visible());
  return state;
}

// The differences between two states, one line per control.
std::vector<std::string> Differences(const std::map<std::string, std::string>& expected,
                                     const std::map<std::string, std::string>& actual) {
  std::vector<std::string> lines;
  for (const auto& [name, state] : expected)
    if (actual.at(name) != state) lines.push_back(fmt::format("{}: {} instead of {}", name, actual.at(name), state));
  return lines;
}

class LoadAfterLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-reload-" + std::to_string(std::random_device()()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    WriteFile(dir_ / name, bytes);
    return Utf8FromPath(dir_ / name);
  }

  fs::path dir_;
};

struct Kind {
  std::string name;
  std::vector<uint8_t> bytes;
};

// A save of every kind the pages treat apart.
std::vector<Kind> SavesOfEveryKind() {
  std::vector<Kind> kinds;
  kinds.push_back({"normal", WriteSaveFile(ExampleSave(1))});
  SaveDescription other = ExampleSave(2);
  other.slots[0].leaderName = "Ottilie";
  other.gameScore = 1234;
  kinds.push_back({"other", WriteSaveFile(other)});
  SaveDescription restricted = ExampleSave(3);
  restricted.adminPassword = "referee";
  kinds.push_back({"restricted", WriteSaveFile(restricted)});
  SaveDescription password = ExampleSave(4);
  password.slots[0].password = "secret";
  kinds.push_back({"password", WriteSaveFile(password)});
  SaveDescription scoreError = ExampleSave(5);
  scoreError.maxPopScore = -400;  // the population score's ratio has no value
  kinds.push_back({"score-error", WriteSaveFile(scoreError)});
  std::vector<uint8_t> damaged = WriteSaveFile(ExampleSave(6));
  damaged.resize(damaged.size() / 2);
  kinds.push_back({"damaged", damaged});
  return kinds;
}

TEST_F(LoadAfterLoadTest, EveryLoadShowsItsSaveAsAFreshFormDoes) {
  const std::vector<Kind> kinds = SavesOfEveryKind();
  std::vector<std::string> paths;
  for (const Kind& k : kinds) paths.push_back(Write(k.name + ".CivWarlordsSave", k.bytes));
  {
    // The kinds are what they claim to be.
    Form scoreError, damaged;
    ASSERT_TRUE(scoreError.LoadFile(paths[4]));
    ASSERT_FALSE(scoreError.Messages().empty());
    ASSERT_EQ(scoreError.Messages().front(), "Invalid floating point operation");
    ASSERT_FALSE(damaged.LoadFile(paths[5]));
  }
  for (size_t a = 0; a < kinds.size(); ++a) {
    Form before;
    if (!before.LoadFile(paths[a])) continue;  // nothing to load over
    for (size_t b = 0; b < kinds.size(); ++b) {
      SCOPED_TRACE(kinds[a].name + " then " + kinds[b].name);
      Form form;
      ASSERT_TRUE(form.LoadFile(paths[a]));
      // Inputs that the calculators refuse, marked as such.
      form.SetEditText("AnarchyCitiesE", "");
      form.ExitEdit("AnarchyCitiesE");
      form.SetEditText("InitPopE", "many");
      form.ExitEdit("InitPopE");
      const auto shownBefore = StateOf(form);
      const bool loaded = form.LoadFile(paths[b]);
      Form fresh;
      EXPECT_EQ(fresh.LoadFile(paths[b]), loaded);
      EXPECT_EQ(Differences(loaded ? StateOf(fresh) : shownBefore, StateOf(form)), std::vector<std::string>{});
    }
  }
}

TEST_F(LoadAfterLoadTest, WhatTheUserSetOnPurposeStays) {
  const std::string first = Write("first.CivWarlordsSave", WriteSaveFile(ExampleSave(1)));
  SaveDescription fewer = ExampleSave(2);
  fewer.slots[1].leaderName = "Ottilie";
  const std::string second = Write("second.CivWarlordsSave", WriteSaveFile(fewer));
  Form form;
  ASSERT_TRUE(form.LoadFile(first));
  const std::string bob = form.player.playerSelector.Items().at(1);
  const std::string third = form.player.playerSelector.Items().at(2);
  form.SetEditText("PopCoeffE", "9000");
  form.ExitEdit("PopCoeffE");
  form.ClickCheckBox("ShowAICheckBox");
  form.SelectItem("GraphSelect", 1);
  form.SelectItem("PlayerInfoSelect", 2);
  form.SelectItem("PlayerCitySelect", 1);  // a name the next save does not have

  ASSERT_TRUE(form.LoadFile(second));
  EXPECT_EQ(form.base.Factors().popCoeff, 9000);
  EXPECT_EQ(form.base.population.factor.Text(), "   9000");
  EXPECT_TRUE(form.graph.showAi.Checked());
  EXPECT_EQ(form.graph.historySelector.Index(), 1);
  EXPECT_EQ(form.player.playerSelector.Text(), third);
  EXPECT_EQ(form.cities.playerSelector.Index(), 0) << bob;
  // A fresh form that adopts the settings and the choices shows the same.
  Form fresh;
  fresh.AdoptCalculators(form.Calculators());
  fresh.ClickCheckBox("ShowAICheckBox");
  ASSERT_TRUE(fresh.LoadFile(second));
  fresh.SelectItem("GraphSelect", 1);
  fresh.SelectItem("PlayerInfoSelect", 2);
  EXPECT_EQ(Differences(StateOf(fresh), StateOf(form)), std::vector<std::string>{});
}

}  // namespace
}  // namespace tolvane::form::testing
