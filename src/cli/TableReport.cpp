#include "cli/TableReport.h"

#include <fmt/format.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <ostream>
#include <system_error>

#include "form/EventRules.h"
#include "form/Games.h"
#include "form/SaveFolder.h"
#include "form/SaveTableRun.h"
#include "form/exports/SaveTableText.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::report {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;
using form::SaveRow;

// One row of the table: a save to read, or a folder that could not be
// listed (its row is ready at once).
struct Item {
  fs::path path;
  std::string name;  // the file name column: the name given, or the path within the folder given
  std::optional<SaveRow> ready;
};

// A path with "/" between its parts, as UTF-8.
std::string GenericText(const fs::path& path) {
  const std::u8string text = path.generic_u8string();
  return {text.begin(), text.end()};
}

std::vector<Item> ItemsOf(const TableOptions& options, std::ostream& err) {
  std::vector<Item> items;
  for (const std::string& arg : options.paths) {
    const fs::path path = PathFromUtf8(arg);
    std::error_code error;
    if (!fs::is_directory(path, error)) {
      items.push_back({path, form::PathText(path.filename())});
      continue;
    }
    try {
      const std::vector<form::ListedSave> saves = form::ListSaves(path, options.recursive);
      if (saves.empty()) err << "tolvane-report: no saves in \"" << arg << "\"\n";
      for (const form::ListedSave& save : saves)
        items.push_back({save.path, GenericText(save.path.lexically_relative(path))});
    } catch (const SaveError& e) {
      SaveRow row;
      row.cells[form::kFileNameColumn] = arg;
      row.cells[form::kErrorColumn] = e.what();
      items.push_back({path, arg, std::move(row)});
    }
  }
  return items;
}

// The progress line on a terminal: saves read, of how many, how fast.
class ProgressLine {
 public:
  ProgressLine(std::ostream& err, bool shown, size_t total) : err_(err), shown_(shown), total_(total) {}
  void Show(size_t done) {
    if (!shown_) return;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    const std::string text =
        fmt::format("{} of {} saves read, {:.1f} saves/s", done, total_, seconds > 0 ? done / seconds : 0.0);
    err_ << "\r" << text << std::string(width_ > text.size() ? width_ - text.size() : 0, ' ') << std::flush;
    width_ = text.size();
  }
  void Clear() {
    if (!shown_ || width_ == 0) return;
    err_ << "\r" << std::string(width_, ' ') << "\r" << std::flush;
    width_ = 0;
  }

 private:
  std::ostream& err_;
  const bool shown_;
  const size_t total_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  size_t width_ = 0;
};

// The table in a format.
void WriteTable(TableFormat format, const std::vector<SaveRow>& rows, std::ostream& out) {
  switch (format) {
    case TableFormat::Text:
      out << form::SaveTableText(rows);
      break;
    case TableFormat::Csv:
      out << form::SaveTableCsv(rows);
      break;
    case TableFormat::Json: {
      Json array = Json::array();
      for (const SaveRow& row : rows) array.push_back(RowJson(row));
      out << array.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
      break;
    }
  }
  out.flush();
}

}  // namespace

Json RowJson(const SaveRow& row) {
  Json object = Json::object();
  for (size_t col = 0; col < form::kSaveColumns.size(); ++col) {
    const form::SaveColumn& column = form::kSaveColumns[col];
    const std::string& cell = row.cells[col];
    const std::string key(column.key);
    if (col == form::kContinuesPreviousColumn || col == form::kRulesOkColumn) {
      object[key] = cell.empty() ? Json(nullptr) : Json(cell == "yes");
      continue;
    }
    if (col == form::kContinuesColumn) {
      object[key] = cell.empty() ? Json(nullptr) : Json(cell);
      continue;
    }
    if (form::IsListColumn(col) || col == form::kRulesBrokenColumn) {
      object[key] = row.items[col] ? Json(*row.items[col]) : Json(nullptr);
      continue;
    }
    if (column.sort != form::SortKind::Number) {
      object[key] = cell;
      continue;
    }
    if (const std::optional<int64_t>& number = row.values[col])
      object[key] = *number;
    else if (cell.empty())
      object[key] = nullptr;
    else
      object[key] = cell;
  }
  return object;
}

bool ReadRulesOption(const TableOptions& options, std::optional<form::EventRules>& rules, std::ostream& err) {
  if (options.rules.empty()) return true;
  form::EventRulesRead read = form::ReadEventRules(PathFromUtf8(options.rules));
  if (!read.rules) {
    err << "tolvane-report: " << read.error << "\n";
    return false;
  }
  rules = std::move(read.rules);
  return true;
}

std::vector<SaveRow> ReadRows(const TableOptions& options, std::ostream& err) {
  std::vector<Item> items = ItemsOf(options, err);
  // The saves to read, and where each one's row goes.
  std::vector<fs::path> paths;
  std::vector<size_t> itemOf;
  for (size_t i = 0; i < items.size(); ++i)
    if (!items[i].ready) {
      paths.push_back(items[i].path);
      itemOf.push_back(i);
    }

  std::mutex mutex;
  std::condition_variable arrived;
  size_t delivered = 0;  // guarded by mutex
  const size_t total = paths.size();
  std::vector<SaveRow> rows(items.size());
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].ready) rows[i] = std::move(*items[i].ready);
  const size_t listedFailures = items.size() - paths.size();

  const form::Form defaults;  // the calculators as the window starts
  const form::SaveTableRun::Options reading = {
      .threads = options.jobs, .order = form::SaveTableRun::Order::Completion, .worldFrames = options.worldFrames};
  form::SaveTableRun run(std::move(paths), defaults.Calculators(), reading, [&](size_t index, SaveRow row) {
    const size_t item = itemOf[index];
    row.cells[form::kFileNameColumn] = items[item].name;
    const std::lock_guard<std::mutex> lock(mutex);
    rows[item] = std::move(row);
    ++delivered;
    arrived.notify_one();
  });
  ProgressLine progress(err, options.progress, items.size());
  for (bool all = false; !all;) {
    progress.Show(run.Done() + listedFailures);
    std::unique_lock<std::mutex> lock(mutex);
    all = arrived.wait_for(lock, std::chrono::milliseconds(200), [&] { return delivered == total; });
  }
  run.Wait();
  progress.Clear();
  return rows;
}

int PrintTable(const TableOptions& options, std::ostream& out, std::ostream& err) {
  std::optional<form::EventRules> rules;
  if (!ReadRulesOption(options, rules, err)) return 2;
  std::vector<SaveRow> rows = ReadRows(options, err);
  form::FillGameColumns(rows, form::GroupGames(rows));
  if (rules) form::FillRulesColumns(rows, *rules);
  WriteTable(options.format, rows, out);
  const bool allLoaded = std::all_of(rows.begin(), rows.end(), [](const SaveRow& row) { return row.loaded; });
  return allLoaded ? 0 : 1;
}

}  // namespace tolvane::report
