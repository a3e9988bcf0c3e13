// tolvane-report: loads a save with the window's own logic, applies the
// user's actions given on the command line through the same handlers, and
// prints what the window would show, as text or as JSON.

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <map>
#include <stdexcept>
#include <system_error>

#include "cli/CompareReport.h"
#include "cli/GamesReport.h"
#include "cli/Report.h"
#include "cli/TableReport.h"
#include "cli/TimelapseReport.h"
#include "form/Form.h"
#include "form/exports/HistoryCsv.h"
#include "save/FileWrite.h"
#include "save/Platform.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"
#include "version/Version.h"

namespace {

using tolvane::form::Form;

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// "NAME=VALUE" split at the first "=".
std::pair<std::string, std::string> SplitAction(const std::string& option, const std::string& arg) {
  const size_t eq = arg.find('=');
  if (eq == std::string::npos || eq == 0) throw UsageError(option + " expects NAME=VALUE, not '" + arg + "'");
  return {arg.substr(0, eq), arg.substr(eq + 1)};
}

void RunAction(Form& form, const std::string& option, const std::string& arg) {
  using tolvane::form::ControlKind;
  try {
    if (option == "--select") {
      auto [name, index] = SplitAction(option, arg);
      size_t used = 0;
      int i = -1;
      try {
        i = std::stoi(index, &used);
      } catch (const std::exception&) {
      }
      if (used != index.size() || index.empty())
        throw UsageError("--select expects an item number, not '" + index + "'");
      form.SelectItem(name, i);
    } else if (option == "--check") {
      form.ClickCheckBox(arg);
    } else if (option == "--click") {
      form.ClickButton(arg);
    } else {
      auto [name, text] = SplitAction(option, arg);
      const auto* control = form.Find(name);
      if (control && control->Kind() == ControlKind::ComboBox) {
        form.TypeComboText(name, text);
      } else {
        form.SetEditText(name, text);
        form.ExitEdit(name);
      }
    }
  } catch (const std::invalid_argument& e) {
    throw UsageError(option + " " + arg + ": " + e.what());
  } catch (const std::out_of_range& e) {
    throw UsageError(option + " " + arg + ": " + e.what());
  }
}

// Writes the report to standard output; false (with the message on standard
// error) when it could not be written whole, e.g. on a full disk.
bool PrintReport(const std::string& report) {
  errno = 0;
  std::cout << report;
  std::cout.flush();
  if (std::cout && std::fflush(stdout) == 0) return true;
  const int error = errno ? errno : EIO;
  std::cerr << "tolvane-report: Cannot write the report. " << std::generic_category().message(error) << ".\n";
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Prints what the Tolvane window shows for a saved game (CivWarlordsSave), as text or JSON.",
               "tolvane-report"};
  std::string save, exportImage, exportMap, exportWorld, exportHistories;
  int worldScale = 0;
  bool json = false;
  std::vector<std::string> selects, checks, clicks, sets, loads;
  app.add_option("SAVE", save, "The save to load; without it the window's state right after start-up")
      ->check(CLI::Validator(
          [](const std::string& path) { return path.empty() ? std::string("an empty path names no file") : ""; }, "",
          "not empty"));
  // Options are "--name" on every system: an argument that starts with "/"
  // is a path (CLI11 would take it for an option on Windows).
  app.allow_windows_style_options(false);
  app.set_version_flag("--version", std::string("tolvane-report ") + tolvane::kVersion);
  app.add_flag("--json", json, "Print the state of every control as JSON");
  bool quiet = false;
  auto* quietOption =
      app.add_flag("-q,--quiet", quiet, "Print no report (for the exports); messages still go to standard error")
          ->excludes("--json");
  auto* select = app.add_option("--select", selects, "Select item INDEX of combo box NAME (NAME=INDEX)");
  auto* check = app.add_option("--check", checks, "Click check box NAME");
  auto* click = app.add_option("--click", clicks,
                               "Click button NAME (a button that asks for a file or folder is answered 'cancelled')");
  auto* set = app.add_option(
      "--set", sets, "Replace the text of edit NAME and leave it, or type TEXT into combo box NAME (NAME=TEXT)");
  auto* load = app.add_option("--load", loads,
                              "Type PATH into the path field and press Load File: the save replaces the one shown");
  for (auto* o : {select, check, click, set, load})
    o->type_name("ACTION")->allow_extra_args(false)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  auto* exportImageOption = app.add_option("--export-image", exportImage, "Write the decompressed save image to FILE");
  auto* exportMapOption = app.add_option("--export-map", exportMap, "Write the map grid text to FILE");
  auto* world = app.add_option("--export-world", exportWorld,
                               "Write the World page's picture of the map as PNG to FILE, with its layers as ticked");
  auto* worldScaleOption =
      app.add_option(
             "--world-scale", worldScale,
             "Pixels per plot of --export-world or --timelapse (default: the page's, the map's for a timelapse)")
          ->check(CLI::Range(1, tolvane::form::kMaxWorldScale));
  auto* historiesOption =
      app.add_option("--export-histories", exportHistories,
                     "Write every player's histories as CSV to FILE: player,slot,series,turn,value");

  tolvane::report::TableOptions table;
  std::string format = "text";
  auto* tableOption = app.add_option("--table", table.paths,
                                     "Print one row per save instead: of each file, and of each folder's "
                                     "*.CivWarlordsSave files sorted by name, in the order given")
                          ->type_name("PATH...");
  std::vector<std::string> gamesPaths;
  auto* gamesOption = app.add_option("--games", gamesPaths,
                                     "Print the saves grouped into games instead: each game's saves in turn order, "
                                     "whether each continues the one before it and which save it continues")
                          ->type_name("PATH...");
  tableOption->excludes(gamesOption);
  std::vector<std::string> timelapseArgs;
  auto* timelapseOption =
      app.add_option("--timelapse", timelapseArgs,
                     "Write one game's worlds as an animated GIF to OUT instead: a frame per save in turn order, with "
                     "the World page's layers as --check leaves them")
          ->type_name("OUT PATH...")
          ->expected(2, CLI::detail::expected_max_vector_size);
  tolvane::report::TimelapseRequest timelapse;
  app.add_option("--game", timelapse.game, "With --timelapse: the game's number as --games numbers them")
      ->check(CLI::Range(1, 1 << 30))
      ->needs(timelapseOption);
  app.add_option("--frame-ms", timelapse.gif.frameMs,
                 "With --timelapse: how long each frame stays, in milliseconds (default 700)")
      ->check(CLI::Range(20, tolvane::form::kMaxTimelapseFrameMs))
      ->needs(timelapseOption);
  // The options of the table and of the games; each needs one of the two.
  const std::vector<CLI::Option*> folderOptions = {
      app.add_flag("--recursive", table.recursive,
                   "With --table, --games or --timelapse: the saves of the folders' subfolders too"),
      app.add_option("-j,--jobs", table.jobs,
                     "With --table, --games or --timelapse: saves read at once (default: one per core)")
          ->check(CLI::Range(1u, 1024u)),
      app.add_option("--format", format, "With --table or --games: text (aligned columns), csv or json")
          ->check(CLI::IsMember({"text", "csv", "json"})),
      app.add_option("--rules", table.rules,
                     "With --table or --games: judge every save by the event's rules in FILE (JSON)")
          ->type_name("FILE")};
  for (CLI::Option* o : {app.get_option("SAVE"), app.get_option("--json"), select, check, click, set, load,
                         exportImageOption, exportMapOption, world, historiesOption})
    gamesOption->excludes(o);
  for (CLI::Option* o : {app.get_option("SAVE"), app.get_option("--json"), select, check, click, set, load,
                         exportImageOption, exportMapOption, world, historiesOption})
    tableOption->excludes(o);
  std::vector<std::string> compared;
  auto* compareOption = app.add_option("--compare", compared,
                                       "Compare two saves of one game instead: what changed between them and whether "
                                       "the later continues the earlier (with --json as one object)")
                            ->type_name("EARLIER LATER")
                            ->expected(2)
                            ->allow_extra_args(false);
  for (CLI::Option* o : {app.get_option("SAVE"), select, check, click, set, load, exportImageOption, exportMapOption,
                         world, historiesOption, tableOption, gamesOption})
    compareOption->excludes(o);
  for (CLI::Option* o : {tableOption, gamesOption, compareOption}) o->excludes(quietOption);
  for (CLI::Option* o : {app.get_option("SAVE"), app.get_option("--json"), select, click, set, load, exportImageOption,
                         exportMapOption, world, historiesOption, tableOption, gamesOption, compareOption, quietOption})
    timelapseOption->excludes(o);
  app.footer(
      "Actions run after the load in the order given, through the same handlers as in the window.\n"
      "Exit status: 0 loaded (or no save given), 1 the load failed or the output or an export could not be written,\n"
      "2 usage error.\n"
      "With --table or --games: 0 every save loaded, 1 one did not (its row holds the message), 2 usage error or a\n"
      "refused rules file.\n"
      "With --compare: 0 both saves loaded (whatever the verdict), 1 one did not, 2 usage error.\n"
      "With --timelapse: 0 written, 1 written without the saves that could not be loaded or not written at all, 2\n"
      "usage error, several games and no --game, or a build that cannot write a timelapse.");
  // The arguments as UTF-8 (on Windows from the wide command line), and the
  // report's bytes as they are.
  const std::vector<std::string> arguments = tolvane::platform::Utf8Arguments(argc, argv);
  std::vector<const char*> args;
  for (const std::string& a : arguments) args.push_back(a.c_str());
  tolvane::platform::UseBinaryStandardOutput();
  try {
    app.parse(int(args.size()), args.data());
  } catch (const CLI::ParseError& e) {
    // A third save after the two compared would be taken for the save to
    // load: whatever the count, say what --compare takes.
    if (compareOption->count() > 0 && (compareOption->count() != 2 || app.get_option("SAVE")->count() > 0)) {
      std::cerr << "--compare takes two saves: --compare EARLIER LATER\nRun with --help for more information.\n";
      return 2;
    }
    return app.exit(e) == 0 ? 0 : 2;
  }

  if (!*tableOption && !*gamesOption)
    for (const CLI::Option* o : folderOptions)
      if (*o && (!*timelapseOption || o == folderOptions[2] || o == folderOptions[3])) {
        std::cerr << o->get_name() << " needs --table or --games\nRun with --help for more information.\n";
        return 2;
      }
  if (*worldScaleOption && !*world && !*timelapseOption) {
    std::cerr << "--world-scale needs --export-world or --timelapse\nRun with --help for more information.\n";
    return 2;
  }
  if (*timelapseOption) {
    timelapse.output = timelapseArgs.front();
    timelapse.table.paths.assign(timelapseArgs.begin() + 1, timelapseArgs.end());
    timelapse.table.recursive = table.recursive;
    timelapse.table.jobs = table.jobs;
    timelapse.table.progress = tolvane::platform::IsTerminal(stderr);
    timelapse.gif.scale = worldScale;
    timelapse.checks = checks;
    return tolvane::report::WriteTimelapse(timelapse, std::cerr);
  }
  if (*tableOption || *gamesOption) {
    if (*gamesOption) table.paths = gamesPaths;
    table.format = format == "csv"    ? tolvane::report::TableFormat::Csv
                   : format == "json" ? tolvane::report::TableFormat::Json
                                      : tolvane::report::TableFormat::Text;
    table.progress = tolvane::platform::IsTerminal(stderr);
    return *gamesOption ? tolvane::report::PrintGames(table, std::cout, std::cerr)
                        : tolvane::report::PrintTable(table, std::cout, std::cerr);
  }

  if (*compareOption) return tolvane::report::PrintComparison(compared[0], compared[1], json, std::cout, std::cerr);

  Form form;
  bool loaded = true;
  if (!save.empty()) {
    loaded = form.LoadFile(save);
    if (!loaded) std::cerr << "tolvane-report: " << form.Messages().back() << "\n";
  }
  // The actions in command-line order: each option's values in turn.
  std::map<const CLI::Option*, size_t> next;
  try {
    for (const CLI::Option* o : app.parse_order()) {
      if (o != select && o != check && o != click && o != set && o != load) continue;
      const auto& values = o == select ? selects : o == check ? checks : o == click ? clicks : o == set ? sets : loads;
      const size_t i = next[o]++;
      if (i >= values.size()) continue;
      if (o == load) {
        // As "Load File" with the path typed in: a save that cannot be
        // loaded leaves the one shown, and the run fails.
        form.SetEditText(form.fileBar.savePath.Name(), values[i]);
        if (!form.LoadFile(values[i])) {
          std::cerr << "tolvane-report: " << form.Messages().back() << "\n";
          loaded = false;
        }
      } else {
        RunAction(form, o->get_name(), values[i]);
      }
    }
  } catch (const UsageError& e) {
    std::cerr << "tolvane-report: " << e.what() << "\n";
    return 2;
  }
  if (loaded) {
    try {
      if (!exportImage.empty()) tolvane::WriteSaveImage(tolvane::PathFromUtf8(exportImage), form.Image());
      if (!exportMap.empty()) tolvane::WriteBytes(tolvane::PathFromUtf8(exportMap), form.MapText());
      if (!exportHistories.empty())
        tolvane::WriteBytes(tolvane::PathFromUtf8(exportHistories), tolvane::form::HistoriesCsv(form.Model()));
      // A save without a picture of its map writes none; its message goes
      // with the others, and the save has loaded all the same.
      if (!exportWorld.empty() && !form.world.SavePicture(exportWorld, worldScale))
        std::cerr << "tolvane-report: " << form.Messages().back() << "\n";
    } catch (const tolvane::SaveError& e) {
      std::cerr << "tolvane-report: " << e.what() << "\n";
      return 1;
    }
  }
  if (quiet) return loaded ? 0 : 1;
  // A failed load prints no text report (there is nothing to show); the JSON
  // is always printed, with the message among its messages.
  if (json) {
    if (!PrintReport(tolvane::report::FormJson(form).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) +
                     "\n"))
      return 1;
  } else if (loaded && !PrintReport(tolvane::report::FormText(form))) {
    return 1;
  }
  return loaded ? 0 : 1;
}
