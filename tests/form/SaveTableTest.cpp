// The table of many saves without a toolkit: each row is what the pages show
// after loading its save, the rows come in order from parallel reading, the
// cells sort by the kind of their column, the folder's saves are listed by
// name, and every bad file gets a row with its message without blocking.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <thread>

#include "FormFixture.h"
#include "SaveWriter.h"
#include "form/FigureText.h"
#include "form/Games.h"
#include "form/SaveFolder.h"
#include "form/SaveSummary.h"
#include "form/SaveTableRun.h"
#include "form/exports/SaveTableText.h"
#include "rules/Calendar.h"
#include "save/SaveError.h"

namespace tolvane::form::testing {
namespace {

namespace fs = std::filesystem;
using tolvane::testing::ExampleSave;
using tolvane::testing::SaveDescription;
using tolvane::testing::WriteSaveFile;

// The control that shows each column's value, and its page.
struct Shown {
  SaveColumnIndex column;
  const Page& (*page)(const Form&);
  const Edit& (*edit)(const Form&);
};
const Shown kShown[] = {
    {kPlayerColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.nick; }},
    {kLeaderColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.leader; }},
    {kCivilizationColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.civilization; }},
    {kDifficultyColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.difficulty; }},
    {kGameSpeedColumn, [](const Form& f) -> const Page& { return f.map; },
     [](const Form& f) -> const Edit& { return f.map.gameSpeed; }},
    {kWorldSizeColumn, [](const Form& f) -> const Page& { return f.map; },
     [](const Form& f) -> const Edit& { return f.map.worldSize; }},
    {kMapScriptColumn, [](const Form& f) -> const Page& { return f.map; },
     [](const Form& f) -> const Edit& { return f.map.mapScript; }},
    {kTurnColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.turn; }},
    {kDateColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.date; }},
    {kGameStatusColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.gameStatus; }},
    {kGameScoreColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.gameScore; }},
    {kFinalScoreColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.finalScore; }},
    {kKavrelScoreColumn, [](const Form& f) -> const Page& { return f.kavrel; },
     [](const Form& f) -> const Edit& { return f.kavrel.finalScoreSum; }},
    {kSessionsColumn, [](const Form& f) -> const Page& { return f.reloads; },
     [](const Form& f) -> const Edit& { return f.reloads.sessions; }},
    {kPreSessionsColumn, [](const Form& f) -> const Page& { return f.reloads; },
     [](const Form& f) -> const Edit& { return f.reloads.preSessions; }},
    {kPlaySessionsColumn, [](const Form& f) -> const Page& { return f.reloads; },
     [](const Form& f) -> const Edit& { return f.reloads.playSessions; }},
    {kAverageSessionTimeColumn, [](const Form& f) -> const Page& { return f.reloads; },
     [](const Form& f) -> const Edit& { return f.reloads.averageSessionTime; }},
    {kPlayingTimeColumn, [](const Form& f) -> const Page& { return f.base; },
     [](const Form& f) -> const Edit& { return f.base.playingTime; }},
};

std::string Trimmed(const std::string& s) {
  const size_t b = s.find_first_not_of(' ');
  return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// The row a user would copy from the window after "Load File": the text of
// each column's control, nothing of a hidden page, the players the Leaders
// grid names (the barbarians' row apart).
std::vector<std::string> PagesOf(const Form& form, const fs::path& path) {
  std::vector<std::string> cells(kSaveColumnCount);
  cells[kFileNameColumn] = path.filename().string();
  cells[kFileDateColumn] = FileTimeText(path);
  for (const Shown& shown : kShown)
    if (shown.page(form).Visible()) cells[shown.column] = Trimmed(shown.edit(form).Text());
  int players = 0;
  for (int row = 1; row < form.leaders.leaders.RowCount() - 1; ++row)
    players += !Trimmed(form.leaders.leaders.Cell(1, row)).empty();
  cells[kPlayersColumn] = std::to_string(players);
  // The Map page's lists, their lines joined.
  if (form.map.Visible())
    for (const auto& [column, list] :
         {std::pair{kVictoriesColumn, &form.map.victoryConditions}, std::pair{kOptionsColumn, &form.map.gameOptions}})
      for (const std::string& line : list->Lines()) cells[column] += (cells[column].empty() ? "" : ", ") + line;
  return cells;
}

class SaveTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tolvane-table-" + std::to_string(std::random_device{}()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code error;
    fs::permissions(dir_ / "locked.CivWarlordsSave", fs::perms::owner_all, error);
    fs::remove_all(dir_);
  }
  fs::path Write(const fs::path& name, const std::vector<uint8_t>& bytes) {
    const fs::path path = dir_ / name;
    fs::create_directories(path.parent_path());
    tolvane::testing::WriteFile(path.string(), bytes);
    return path;
  }
  fs::path WriteSave(const fs::path& name, const SaveDescription& d) { return Write(name, WriteSaveFile(d)); }

  // Reads the saves on two threads and returns their rows by index, checking
  // that they come in the order of the paths.
  static std::vector<SaveRow> Table(const std::vector<fs::path>& paths, const CalculatorSettings& settings) {
    std::vector<SaveRow> rows;
    SaveTableRun run(paths, settings, {.threads = 2}, [&rows](size_t index, SaveRow row) {
      EXPECT_EQ(index, rows.size());
      rows.push_back(std::move(row));
    });
    run.Wait();
    EXPECT_EQ(run.Done(), paths.size());
    return rows;
  }

  fs::path dir_;
};

TEST_F(SaveTableTest, RowsAreWhatThePagesShowWithTheWindowsCalculators) {
  SaveDescription named = ExampleSave(3);
  named.slots[0].leaderName = "Ren\xE9, \"the Bold\"";
  SaveDescription password = ExampleSave(4);
  password.slots[0].password = "secret";  // not available: the game's course is hidden
  SaveDescription restricted = ExampleSave(5);
  restricted.adminPassword = "admin";  // a running game: only the teams met are shown
  SaveDescription finished = ExampleSave(6);
  finished.gameState = 1;
  finished.victoryType = 2;
  SaveDescription firstTurn = ExampleSave(7);
  firstTurn.elapsedTurns = 0;
  std::vector<uint8_t> cut = WriteSaveFile(ExampleSave(8));
  cut.resize(cut.size() / 3);
  // Given out of the folder's order: the rows keep the order given.
  const std::vector<fs::path> paths = {
      WriteSave("plain.CivWarlordsSave", ExampleSave(1)),  WriteSave("named.CivWarlordsSave", named),
      WriteSave("a password.CivWarlordsSave", password),   Write("cut.CivWarlordsSave", cut),
      WriteSave("restricted.CivWarlordsSave", restricted), WriteSave("finished.CivWarlordsSave", finished),
      WriteSave("first turn.CivWarlordsSave", firstTurn)};

  // The window's calculators as the user set them on the save it shows.
  Form window;
  ASSERT_TRUE(window.LoadFile(paths[0].string()));
  window.base.population.factor.SetText("9000");
  window.base.population.factor.Exit();
  window.kavrel.land.factor.SetText("700");
  window.kavrel.land.factor.Exit();
  window.kavrel.modernTechnologies.maximal.SetText("90");
  window.kavrel.modernTechnologies.maximal.Exit();
  const CalculatorSettings settings = window.Calculators();
  ASSERT_NE(settings, Form().Calculators());

  const std::vector<SaveRow> rows = Table(paths, settings);
  ASSERT_EQ(rows.size(), paths.size());
  for (size_t i = 0; i < paths.size(); ++i) {
    SCOPED_TRACE(paths[i].filename().string());
    Form form;
    form.AdoptCalculators(settings);
    const bool loaded = form.LoadFile(paths[i].string());
    EXPECT_EQ(rows[i].loaded, loaded);
    if (!loaded) {
      EXPECT_EQ(rows[i].cells[kFileNameColumn], "cut.CivWarlordsSave");
      // The row names the file: its error cell gives the reason alone.
      EXPECT_EQ(form.Messages().back(), "Cannot load \"" + paths[i].string() + "\". " + rows[i].cells[kErrorColumn]);
      EXPECT_EQ(std::count(rows[i].cells.begin(), rows[i].cells.end(), ""), ptrdiff_t(kSaveColumnCount) - 3);
      continue;
    }
    std::vector<std::string> expected = PagesOf(form, paths[i]);
    expected[kErrorColumn] = form.Messages().empty() ? "" : form.Messages().front();
    EXPECT_EQ(rows[i].cells, expected);
    // Beside each cell, the value that it shows and that it sorts by.
    const Analysis& a = form.Model();
    for (size_t column = 0; column < kSaveColumnCount; ++column) {
      const std::optional<int64_t>& value = rows[i].values[column];
      SCOPED_TRACE(kSaveColumns[column].key);
      if (kSaveColumns[column].sort == SortKind::Text || expected[column].empty()) {
        EXPECT_EQ(value, std::nullopt);
        continue;
      }
      ASSERT_TRUE(value.has_value());
      switch (column) {
        case kTurnColumn:
          EXPECT_EQ(*value, TurnOrder(a.gameTurn, a.endTurn));
          break;
        case kDateColumn:
          EXPECT_EQ(DateTextPlain(int32_t(*value)), expected[column]);
          break;
        case kFileDateColumn:
          EXPECT_EQ(*value, FileTimeOf(paths[i]).seconds);
          break;
        case kPlayingTimeColumn:
        case kAverageSessionTimeColumn:
          EXPECT_EQ(Trimmed(TimeText(int32_t(*value))), expected[column]);
          break;
        default:
          EXPECT_EQ(std::to_string(*value), expected[column]);
      }
    }
  }

  const auto& plain = rows[0].cells;
  EXPECT_EQ(plain[kTurnColumn], "120/460");
  EXPECT_EQ(plain[kGameSpeedColumn], "Normal");
  EXPECT_EQ(plain[kPlayersColumn], "7");
  EXPECT_EQ(plain[kSessionsColumn], "5");
  EXPECT_EQ(plain[kPreSessionsColumn], "2");
  EXPECT_EQ(plain[kPlaySessionsColumn], "3");
  EXPECT_EQ(rows[1].cells[kPlayerColumn], "René, \"the Bold\"");
  // The calculators' settings count: the default ones score otherwise.
  EXPECT_NE(SummarizeSave(paths[0], Form().Calculators()).cells[kFinalScoreColumn], plain[kFinalScoreColumn]);
  // What a hidden page shows stays out of the row; the restricted view names
  // only the players met.
  EXPECT_EQ(rows[2].cells[kKavrelScoreColumn], "");
  EXPECT_EQ(rows[2].cells[kSessionsColumn], "");
  EXPECT_NE(rows[2].cells[kPlayerColumn], "");
  EXPECT_LT(std::stoi(rows[4].cells[kPlayersColumn]), 7);
  EXPECT_NE(rows[5].cells[kGameStatusColumn], "Incomplete");
}

// The Saves page sorts by the values the pages show, not by their texts:
// turns of two and three digits, dates before and after Christ, playing
// times of 100 hours and more, file times; text columns ignore the case.
TEST_F(SaveTableTest, SortingTakesTheValuesNotTheTexts) {
  const struct {
    const char* name;
    int32_t turns;
    int32_t hours;
  } kSaves[] = {{"a.CivWarlordsSave", 200, 9}, {"b.CivWarlordsSave", 99, 100}, {"c.CivWarlordsSave", 310, 35}};
  Form form;
  SavesPage& page = form.saves;
  auto filed = fs::file_time_type::clock::now() - std::chrono::hours(1);
  for (const auto& save : kSaves) {
    SaveDescription d = ExampleSave(2);
    d.elapsedTurns = save.turns;
    d.playTimeQuarterSeconds = (save.hours * 3600 + 41 * 60 + 17) * 4;
    const fs::path path = WriteSave(save.name, d);
    // Written later, dated earlier: the file times run against the names.
    fs::last_write_time(path, filed -= std::chrono::hours(30));
  }
  ASSERT_TRUE(page.OpenFolder(dir_));
  std::vector<std::pair<fs::path, SaveRow>> rows;
  for (const fs::path& path : page.StartReading()) rows.emplace_back(path, SummarizeSave(path, form.Calculators()));
  page.SetRows(std::move(rows));

  auto sorted = [&page](SaveColumnIndex column) {
    page.table.ClickHeader(column);
    if (!page.table.SortAscending()) page.table.ClickHeader(column);
    std::vector<std::string> names, cells;
    for (const auto& row : page.table.Rows()) {
      names.push_back(row[kFileNameColumn].substr(0, 1));
      cells.push_back(row[column]);
    }
    // And whether the texts sorted as texts would stand otherwise: then
    // the case shows that the values sort.
    std::vector<std::string> asText = cells;
    std::sort(asText.begin(), asText.end());
    return std::pair{names, asText != cells};
  };
  const std::vector<std::string> byTurn = {"b", "a", "c"};
  EXPECT_EQ(sorted(kTurnColumn), std::pair(byTurn, true));
  EXPECT_EQ(sorted(kDateColumn), std::pair(byTurn, true));
  EXPECT_EQ(sorted(kPlayingTimeColumn), std::pair(std::vector<std::string>{"a", "c", "b"}, true));
  EXPECT_EQ(page.table.Rows()[0][kPlayingTimeColumn], "9:41:17");
  EXPECT_EQ(page.table.Rows()[2][kPlayingTimeColumn], "100:41:17");
  EXPECT_EQ(sorted(kFileDateColumn), std::pair(std::vector<std::string>{"c", "b", "a"}, false));

  // Text: the case of A to Z aside; an empty cell last either way.
  SaveRow apple, banana, none;
  apple.cells[kPlayerColumn] = "apple";
  banana.cells[kPlayerColumn] = "Banana";
  EXPECT_LT(CompareRows(apple, banana, kPlayerColumn), 0);
  EXPECT_LT(CompareRows(banana, none, kPlayerColumn), 0);
  EXPECT_EQ(CompareRows(none, none, kPlayerColumn), 0);
}

TEST(SaveTableText, CsvRowsAndAlignedText) {
  SaveRow row;
  row.cells[kFileNameColumn] = "x.CivWarlordsSave";
  row.cells[kPlayerColumn] = "Ann, Bo";
  row.cells[kGameScoreColumn] = "812";
  const std::string csv = SaveTableCsv({row});
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "file_name,file_date,player,leader,civilization,difficulty,game_speed,world_size,map_script,turn,date,"
            "game_status,game_score,final_score,kavrel_score,sessions,pre_sessions,play_sessions,"
            "average_session_time,playing_time,players,victories,options,game,continues_previous,continues,evidence,"
            "rules_ok,rules_broken,error");
  EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), "x.CivWarlordsSave,,\"Ann, Bo\",,,,,,,,,,812,,,,,,,,,,,,,,,,,\r\n");

  const std::string text = SaveTableText({row});
  const size_t second = text.find('\n') + 1;
  // The score stands right-aligned under its header.
  const size_t header = text.find("Game score");
  EXPECT_EQ(text.substr(second + header, 10), "       812");
  EXPECT_EQ(text.substr(second, 17), "x.CivWarlordsSave");
}

TEST_F(SaveTableTest, FoldersListTheirSavesByName) {
  const std::vector<uint8_t> save = WriteSaveFile(ExampleSave(1));
  for (const char* name : {"b.CivWarlordsSave", "a.civwarlordssave", "notes.txt", "c.CivWarlordsSave.bak",
                           "sub/d.CivWarlordsSave", "sub/deeper/e.CivWarlordsSave"})
    Write(name, save);
  fs::create_directories(dir_ / "folder.CivWarlordsSave");
  auto names = [this](bool recursive) {
    std::vector<std::string> found;
    for (const ListedSave& s : ListSaves(dir_, recursive))
      found.push_back(s.path.lexically_relative(dir_).generic_string());
    return found;
  };
  EXPECT_EQ(names(false),
            (std::vector<std::string>{"a.civwarlordssave", "b.CivWarlordsSave", "folder.CivWarlordsSave"}));
  EXPECT_EQ(names(true), (std::vector<std::string>{"a.civwarlordssave", "b.CivWarlordsSave", "folder.CivWarlordsSave",
                                                   "sub/d.CivWarlordsSave", "sub/deeper/e.CivWarlordsSave"}));
  EXPECT_THROW(ListSaves(dir_ / "missing"), SaveError);
  EXPECT_THROW(ListSaves(dir_ / "notes.txt"), SaveError);
}

// A save or a folder is found again however its path is written: relative
// or absolute, with "." and "..", with a separator at the end, whether it
// exists or not; the empty path is the current folder.
TEST_F(SaveTableTest, PathKeysFindAFileOrFolderHoweverItIsWritten) {
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  const fs::path here = fs::current_path();  // the folder as the system names it (links resolved)
  const struct {
    fs::path written, key;
  } kCases[] = {
      {"", here},
      {".", here},
      {"./", here},
      {"sub/..", here},
      {here / "sub" / ".." / "", here},
      {"saves", here / "saves"},  // missing, as the others below
      {"saves/", here / "saves"},
      {"./saves/.", here / "saves"},
      {"saves/deeper/../", here / "saves"},
      {fs::path("..") / here.filename() / "saves", here / "saves"},
      {"a.CivWarlordsSave", here / "a.CivWarlordsSave"},
      {"./sub/../a.CivWarlordsSave", here / "a.CivWarlordsSave"},
      {here.root_path(), here.root_path()},  // a root keeps its separator
  };
  for (const auto& c : kCases) EXPECT_EQ(PathKey(c.written), c.key) << c.written;
  EXPECT_NE(PathKey("saves"), PathKey("saves2"));
  EXPECT_NE(PathKey("a.CivWarlordsSave"), PathKey("A.CivWarlordsSave"));
  fs::current_path(before);
}

// Damaged, empty, foreign, unreadable and special files, a huge file and one
// that changes while it is read: each gets its row with a message (the one
// rewritten may load), a named pipe or a device is never opened, and the
// run ends.
TEST_F(SaveTableTest, BadFilesGetTheirRowWithAMessage) {
  std::vector<uint8_t> good = WriteSaveFile(ExampleSave(1));
  std::vector<uint8_t> damaged = good;
  for (size_t i = damaged.size() / 2; i < damaged.size() / 2 + 32; ++i) damaged[i] ^= 0x5A;
  Write("damaged.CivWarlordsSave", damaged);
  Write("empty.CivWarlordsSave", {});
  Write("foreign.CivWarlordsSave", {'%', 'P', 'D', 'F', '-', '1', '.', '4', '\n'});
  Write("locked.CivWarlordsSave", good);
  fs::permissions(dir_ / "locked.CivWarlordsSave", fs::perms::none);
#ifdef _WIN32
  // No permission takes reading away on Windows; there are no named pipes or
  // devices in a folder either.
  const bool readsLocked = true;
  const size_t files = 7;
#else
  const bool readsLocked = geteuid() == 0;  // root reads whatever it likes
  ASSERT_EQ(mkfifo((dir_ / "pipe.CivWarlordsSave").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir_ / "device.CivWarlordsSave");
  const size_t files = 9;
#endif
  fs::create_directories(dir_ / "folder.CivWarlordsSave");
  { std::ofstream huge(dir_ / "huge.CivWarlordsSave", std::ios::binary); }
  fs::resize_file(dir_ / "huge.CivWarlordsSave", uintmax_t(kMaxFileLength) + 1);  // sparse: no disk used
  const fs::path changing = Write("changing.CivWarlordsSave", good);

  // A writer rewrites one save over and over while the table reads it.
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    std::vector<uint8_t> other = WriteSaveFile(ExampleSave(2));
    for (int i = 0; !stop; ++i) tolvane::testing::WriteFile(changing.string(), i % 2 ? good : other);
  });
  std::vector<fs::path> paths;
  for (const ListedSave& s : ListSaves(dir_)) paths.push_back(s.path);
  const std::vector<SaveRow> rows = Table(paths, Form().Calculators());
  stop = true;
  writer.join();

  ASSERT_EQ(rows.size(), files);
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string name = paths[i].filename().string();
    SCOPED_TRACE(name);
    EXPECT_EQ(rows[i].cells[kFileNameColumn], name);
    if (name == "changing.CivWarlordsSave" || (name == "locked.CivWarlordsSave" && readsLocked)) continue;
    EXPECT_FALSE(rows[i].loaded);
    EXPECT_NE(rows[i].cells[kErrorColumn], "");
  }
  auto errorOf = [&](const char* name) {
    for (size_t i = 0; i < rows.size(); ++i)
      if (paths[i].filename() == name) return rows[i].cells[kErrorColumn];
    return std::string();
  };
#ifndef _WIN32
  EXPECT_NE(errorOf("pipe.CivWarlordsSave").find("named pipe"), std::string::npos);
  EXPECT_NE(errorOf("device.CivWarlordsSave").find("a device"), std::string::npos);
#endif
  EXPECT_NE(errorOf("folder.CivWarlordsSave").find("a folder"), std::string::npos);
  EXPECT_NE(errorOf("huge.CivWarlordsSave").find("too large to be a saved game"), std::string::npos);
}

TEST_F(SaveTableTest, ACancelledRunDeliversNothingMore) {
  const fs::path save = WriteSave("game.CivWarlordsSave", ExampleSave(1));
  const std::vector<fs::path> paths(40, save);
  std::atomic<size_t> delivered{0};
  std::atomic<bool> cancelled{false}, lateRow{false}, finished{false};
  SaveTableRun run(
      paths, Form().Calculators(), {.threads = 2, .order = SaveTableRun::Order::Completion},
      [&](size_t, SaveRow) {
        if (cancelled) lateRow = true;
        ++delivered;
      },
      [&] { finished = true; });
  while (delivered == 0) std::this_thread::yield();
  run.Cancel();
  cancelled = true;
  run.Wait();
  EXPECT_TRUE(finished);
  EXPECT_FALSE(lateRow);
  EXPECT_LT(delivered, paths.size());
  EXPECT_LT(run.Done(), paths.size());
}

// The Saves page on its own: a folder's rows wait, then fill; a click on a
// header sorts, a second turns the order round; the filter narrows; the
// loaded save's row is marked; the neighbours pass over saves that could not
// be loaded; a rescan follows the folder; the table is written as shown.
TEST_F(SaveTableTest, SavesPageListsSortsFiltersAndFollowsItsFolder) {
  Form form;
  SavesPage& page = form.saves;
  SaveDescription late = ExampleSave(2);
  late.elapsedTurns = 200;
  SaveDescription early = ExampleSave(3);
  early.elapsedTurns = 9;
  const fs::path a = WriteSave("a.CivWarlordsSave", late), c = WriteSave("c.CivWarlordsSave", early);
  Write("b.CivWarlordsSave", {'x'});  // cannot be loaded
  ASSERT_TRUE(page.OpenFolder(dir_));
  EXPECT_EQ(page.table.Rows().size(), 3u);
  EXPECT_EQ(page.table.Rows()[1][kFileNameColumn], "b.CivWarlordsSave");
  EXPECT_EQ(page.table.Rows()[1][kTurnColumn], "");
  const std::vector<fs::path> waiting = page.StartReading();
  ASSERT_EQ(waiting.size(), 3u);
  EXPECT_TRUE(page.Reading());
  EXPECT_TRUE(page.cancel.Enabled());
  EXPECT_EQ(page.progress.Text(), "Reading saves: 0 of 3");
  std::vector<std::pair<fs::path, SaveRow>> rows;
  for (const fs::path& path : waiting) rows.emplace_back(path, SummarizeSave(path, form.Calculators()));
  page.SetRows(std::move(rows));
  EXPECT_FALSE(page.Reading());
  EXPECT_FALSE(page.cancel.Enabled());
  EXPECT_EQ(page.count.Text(), "3 saves, 1 could not be loaded");
  // Each row's game and the save it continues, as the games of the same rows
  // read aside give them.
  std::vector<SaveRow> aside;
  for (const fs::path& path : waiting) aside.push_back(SummarizeSave(path, form.Calculators()));
  FillGameColumns(aside, GroupGames(aside));
  for (const SaveRow& expected : aside) {
    for (const auto& shown : page.table.Rows()) {
      if (shown[kFileNameColumn] != expected.cells[kFileNameColumn]) continue;
      for (const size_t game : {kGameColumn, kContinuesPreviousColumn, kContinuesColumn, kEvidenceColumn})
        EXPECT_EQ(shown[game], expected.cells[game]) << shown[kFileNameColumn] << " " << game;
    }
  }
  EXPECT_EQ(page.table.Rows()[0][kGameColumn], "1");
  EXPECT_EQ(page.table.Rows()[1][kGameColumn], "");

  auto column = [&page](SaveColumnIndex index) {
    std::vector<std::string> cells;
    for (const auto& row : page.table.Rows()) cells.push_back(row[index]);
    return cells;
  };
  page.table.ClickHeader(kTurnColumn);
  EXPECT_EQ(column(kTurnColumn), (std::vector<std::string>{"9/460", "200/460", ""}));
  page.table.ClickHeader(kTurnColumn);
  EXPECT_EQ(column(kTurnColumn), (std::vector<std::string>{"200/460", "9/460", ""}));
  EXPECT_FALSE(page.table.SortAscending());

  form.LoadFile(a.string());
  EXPECT_EQ(page.table.MarkedRow(), 0);
  EXPECT_EQ(page.NeighbourSave(1), c);
  EXPECT_EQ(page.NeighbourSave(-1), std::nullopt);
  page.table.ClickHeader(kFileNameColumn);
  EXPECT_EQ(page.NeighbourSave(1), c);  // past b, which could not be loaded
  EXPECT_EQ(page.PathOfRow(2), c);

  page.filter.SetText("  200/460 ");
  EXPECT_EQ(column(kFileNameColumn), (std::vector<std::string>{"a.CivWarlordsSave"}));
  page.filter.SetText("civwarlordssave zzq");
  EXPECT_TRUE(page.table.Rows().empty());
  EXPECT_EQ(page.count.Text(), "0 of 3 saves, 1 could not be loaded");
  EXPECT_FALSE(page.saveTable.Enabled());
  page.filter.SetText("");

  page.WriteTable(dir_ / "table.csv");
  std::ifstream csv(dir_ / "table.csv", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(csv), {}), SaveTableCsv(page.ShownRows()));
  const size_t messages = form.Messages().size();
  page.WriteTable(dir_ / "no such folder" / "table.csv");
  EXPECT_EQ(form.Messages().size(), messages + 1);

  // A new save, a changed one and one gone.
  WriteSave("d.CivWarlordsSave", ExampleSave(4));
  WriteSave("c.CivWarlordsSave", ExampleSave(5));
  fs::remove(dir_ / "b.CivWarlordsSave");
  EXPECT_TRUE(page.Rescan());
  EXPECT_EQ(column(kFileNameColumn),
            (std::vector<std::string>{"a.CivWarlordsSave", "c.CivWarlordsSave", "d.CivWarlordsSave"}));
  const std::vector<fs::path> again = page.StartReading();
  EXPECT_EQ(again.size(), 2u);  // c and d
  EXPECT_FALSE(page.Rescan());
  page.CancelReading();
  EXPECT_EQ(page.count.Text(), "3 saves, 2 not read");

  EXPECT_FALSE(page.OpenFolder(dir_ / "missing"));
  EXPECT_EQ(page.Folder(), dir_);
  EXPECT_EQ(page.table.Rows().size(), 3u);
}

}  // namespace
}  // namespace tolvane::form::testing
