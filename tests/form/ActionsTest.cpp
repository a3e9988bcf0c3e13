// The actions behind the buttons and the File menu, without a window: the
// save the form shows is its own (never the Path field's text), the Saves
// page's folder follows each load unless the user opened another folder
// since, Next/Previous step through the loaded save's own folder, and
// Compare takes two selected rows or the loaded save and a dropped one.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "SaveWriter.h"
#include "form/Form.h"
#include "form/SaveSummary.h"
#include "form/exports/SaveTableText.h"

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::ExampleSave;
using tolvane::testing::WriteSaveFile;

// Answers given beforehand, and what the form asked and noted.
struct FakeDialogs : Dialogs {
  std::string openFile, folder, saveFile;
  std::vector<std::string> asked, notes;
  std::string AskOpenFile() override {
    asked.push_back("open");
    return openFile;
  }
  std::string AskFolder(const std::string&) override {
    asked.push_back("folder");
    return folder;
  }
  std::string AskSaveFile(const SaveFileRequest& request) override {
    asked.push_back(request.title);
    return saveFile;
  }
  void Notify(const std::string& text) override { notes.push_back(text); }
};

// Two folders of saves: "one" with a, b, c (turns 10, 20, 30) and "two"
// with x, y.
class ActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-actions-" + std::to_string(std::random_device{}()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    int turn = 10, seed = 1;
    for (const char* name : {"one/a", "one/b", "one/c", "two/x", "two/y"}) {
      auto save = ExampleSave(seed++);
      save.elapsedTurns = turn;
      turn += 10;
      const fs::path path = dir_ / (std::string(name) + ".CivWarlordsSave");
      fs::create_directories(path.parent_path());
      tolvane::testing::WriteFile(path, WriteSaveFile(save));
    }
    form_.SetDialogs(&dialogs_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  // "one/b": the save b.CivWarlordsSave in the folder one, with the system's separators.
  std::string Save(const char* name) const {
    return PathText(dir_ / fs::path(std::string(name) + ".CivWarlordsSave").make_preferred());
  }
  std::string Folder(const char* name) const { return PathText(dir_ / name); }
  std::string Listed() const { return PathText(form_.saves.Folder()); }
  // Reads the listed saves' rows as the window's workers would.
  void ReadRows() {
    std::vector<std::pair<fs::path, SaveRow>> rows;
    for (const fs::path& path : form_.saves.StartReading())
      rows.emplace_back(path, SummarizeSave(path, form_.Calculators()));
    form_.saves.SetRows(std::move(rows));
  }

  fs::path dir_;
  FakeDialogs dialogs_;
  Form form_;
};

// The typed Path field is input only: the folder, Reload's path and a
// failed load all leave the loaded save as it was.
TEST_F(ActionsTest, TheLoadedSaveIsTheFormsNotThePathFieldsText) {
  EXPECT_EQ(form_.Shown(), nullptr);
  EXPECT_FALSE(form_.FollowLoadedSave());
  ASSERT_TRUE(form_.LoadFile(Save("one/b")));
  const std::string turn = form_.base.turn.Text();
  form_.SetEditText("Edit1", "nowhere/x.CivWarlordsSave");
  EXPECT_TRUE(form_.FollowLoadedSave());
  EXPECT_EQ(form_.saves.Folder(), dir_ / "one");
  EXPECT_TRUE(form_.Messages().empty());
  EXPECT_EQ(form_.saves.table.MarkedRow(), 1);
  EXPECT_FALSE(form_.LoadFile(Save("one/missing")));
  ASSERT_NE(form_.Shown(), nullptr);
  EXPECT_EQ(form_.Shown()->path, Save("one/b"));
  EXPECT_EQ(form_.LoadedPath(), Save("one/b"));
  EXPECT_EQ(form_.base.turn.Text(), turn);
}

// Each load is followed once; a folder the user opens stays until the next
// load, even a load of the same save again (as from Open Recent).
TEST_F(ActionsTest, SavesPageFollowsEachLoadUnlessAFolderWasOpenedSince) {
  ASSERT_TRUE(form_.LoadFile(Save("one/a")));
  EXPECT_TRUE(form_.FollowLoadedSave());
  EXPECT_EQ(Listed(), Folder("one"));
  EXPECT_TRUE(form_.OpenSavesFolder(Folder("two")));
  EXPECT_FALSE(form_.FollowLoadedSave());
  EXPECT_EQ(Listed(), Folder("two"));
  ASSERT_TRUE(form_.LoadFile(Save("one/a")));
  EXPECT_TRUE(form_.FollowLoadedSave());
  EXPECT_EQ(Listed(), Folder("one"));
  ASSERT_TRUE(form_.LoadFile(Save("one/b")));
  EXPECT_FALSE(form_.FollowLoadedSave());  // listed already: the rows stay
  EXPECT_EQ(form_.saves.table.MarkedRow(), 1);
}

// Next/Previous step in the loaded save's own folder, whatever folder the
// page lists, and every step is a load run by the form's load job.
TEST_F(ActionsTest, NextAndPreviousStepThroughTheLoadedSavesFolder) {
  std::vector<std::string> loads;
  form_.SetJobs({.load = [this, &loads](const std::string& path) {
    loads.push_back(path);
    form_.LoadFile(path);
  }});
  // Nothing loaded: the listed folder's first save.
  ASSERT_TRUE(form_.OpenSavesFolder(Folder("two")));
  form_.StepSave(1);
  ASSERT_EQ(loads, std::vector<std::string>{Save("two/x")});
  ASSERT_TRUE(form_.LoadFile(Save("one/a")));
  ASSERT_TRUE(form_.OpenSavesFolder(Folder("two")));
  form_.StepSave(1);
  EXPECT_EQ(loads.back(), Save("one/b"));
  EXPECT_EQ(Listed(), Folder("one"));
  form_.StepSave(1);
  form_.StepSave(1);
  EXPECT_EQ(loads.back(), Save("one/c"));
  EXPECT_EQ(dialogs_.notes, std::vector<std::string>{"No next save in the folder."});
  form_.saves.table.ClickHeader(kFileNameColumn);  // now c, b, a
  form_.StepSave(-1);
  EXPECT_EQ(form_.NeighbourSave(-1), std::nullopt);
  EXPECT_EQ(form_.NeighbourSave(1), Save("one/b"));
  EXPECT_EQ(loads.size(), 3u);
  EXPECT_EQ(dialogs_.notes.back(), "No previous save in the folder.");
  // A row opened on the page loads through the same job.
  form_.saves.OpenRow(2);
  EXPECT_EQ(loads.back(), Save("one/a"));
  EXPECT_EQ(form_.LoadedPath(), Save("one/a"));
}

// The buttons run their handlers as the window's clicks do: the dialogs'
// answers, a cancelled dialog doing nothing, a disabled button ignored.
TEST_F(ActionsTest, ButtonsAskTheDialogsAndRunTheirActions) {
  form_.ClickButton("Button1");  // cancelled
  EXPECT_FALSE(form_.Loaded());
  dialogs_.openFile = Save("one/c");
  form_.ClickButton("Button1");
  EXPECT_EQ(form_.LoadedPath(), Save("one/c"));
  EXPECT_EQ(form_.fileBar.savePath.Text(), Save("one/c"));

  dialogs_.folder = Folder("two");
  form_.ClickButton("OpenFolderButton");
  EXPECT_EQ(Listed(), Folder("two"));
  EXPECT_FALSE(form_.FollowLoadedSave());  // the folder chosen stays
  ReadRows();
  dialogs_.saveFile = PathText(dir_ / "table.csv");
  form_.ClickButton("SaveTableButton");
  std::ifstream csv(dir_ / "table.csv", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(csv), {}), SaveTableCsv(form_.saves.ShownRows()));
  EXPECT_EQ(dialogs_.notes.back(), "The table of 2 saves went to " + dialogs_.saveFile);

  EXPECT_EQ(dialogs_.asked, (std::vector<std::string>{"open", "open", "folder", "Save Table"}));
  EXPECT_THROW(form_.ClickButton("Edit1"), std::invalid_argument);
  EXPECT_THROW(form_.ClickButton("NoSuchButton"), std::invalid_argument);
}

// Compare takes the two rows selected (the button is disabled otherwise),
// or the loaded save and a dropped one, in the order given.
TEST_F(ActionsTest, CompareTakesTwoSelectedRowsOrTheLoadedAndADroppedSave) {
  ASSERT_TRUE(form_.LoadFile(Save("one/a")));
  form_.FollowLoadedSave();
  ReadRows();
  form_.saves.table.Select({1});
  EXPECT_FALSE(form_.saves.compare.Enabled());
  form_.ClickButton("CompareButton");
  EXPECT_EQ(form_.compare.later.Text(), "");
  form_.saves.table.Select({1, 2});
  form_.ClickButton("CompareButton");
  EXPECT_EQ(form_.compare.earlier.Text(), Save("one/b"));
  EXPECT_EQ(form_.compare.later.Text(), Save("one/c"));

  std::vector<std::pair<std::string, std::string>> compared;
  form_.SetJobs({.compare = [this, &compared](const std::string& first, const std::string& second) {
    compared.emplace_back(first, second);
    form_.FinishComparison(LoadForComparison(first, second, form_.Calculators()));
  }});
  form_.SetEditText("Edit1", "nowhere/x.CivWarlordsSave");
  form_.CompareWithLoaded(Save("two/y"));
  ASSERT_EQ(compared.size(), 1u);
  EXPECT_EQ(compared[0], std::pair(Save("one/a"), Save("two/y")));
  EXPECT_EQ(form_.compare.earlier.Text(), Save("one/a"));
  const size_t messages = form_.Messages().size();
  form_.CompareWithLoaded(Save("two/missing"));
  EXPECT_EQ(form_.Messages().size(), messages + 1);
  EXPECT_EQ(form_.compare.later.Text(), Save("two/y"));  // the comparison shown stays
}

}  // namespace
}  // namespace tolvane::form::testing
