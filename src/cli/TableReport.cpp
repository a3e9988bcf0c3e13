#include "cli/TableReport.h"

#include <fmt/format.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <ostream>
#include <system_error>

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

// Writes the rows in their order as they come.
class RowWriter {
 public:
  RowWriter(TableFormat format, std::ostream& out) : format_(format), out_(out) {
    if (format_ == TableFormat::Csv) out_ << form::SaveTableCsvHeader();
  }
  void Write(SaveRow row) {
    switch (format_) {
      case TableFormat::Text:
        kept_.push_back(std::move(row));
        return;
      case TableFormat::Csv:
        out_ << form::SaveTableCsvLine(row);
        break;
      case TableFormat::Json: {
        // As the whole array's dump(2) would indent it.
        std::string object = RowJson(row).dump(2, ' ', false, Json::error_handler_t::replace);
        for (size_t at = 0; (at = object.find('\n', at)) != std::string::npos; at += 3) object.replace(at, 1, "\n  ");
        out_ << (rows_ ? ",\n  " : "[\n  ") << object;
        break;
      }
    }
    ++rows_;
    out_.flush();
  }
  void End() {
    if (format_ == TableFormat::Text) out_ << form::SaveTableText(kept_);
    if (format_ == TableFormat::Json) out_ << (rows_ ? "\n]\n" : "[]\n");
    out_.flush();
  }

 private:
  const TableFormat format_;
  std::ostream& out_;
  size_t rows_ = 0;
  std::vector<SaveRow> kept_;  // the text table needs every row for its widths
};

}  // namespace

Json RowJson(const SaveRow& row) {
  Json object = Json::object();
  for (size_t col = 0; col < form::kSaveColumns.size(); ++col) {
    const form::SaveColumn& column = form::kSaveColumns[col];
    const std::string& cell = row.cells[col];
    const std::string key(column.key);
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

int PrintTable(const TableOptions& options, std::ostream& out, std::ostream& err) {
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
  std::vector<std::optional<SaveRow>> rows(items.size());
  for (size_t i = 0; i < items.size(); ++i) rows[i] = std::move(items[i].ready);
  const size_t listedFailures = items.size() - paths.size();

  const form::Form defaults;  // the calculators as the window starts
  form::SaveTableRun run(std::move(paths), defaults.Calculators(), {.threads = options.jobs},
                         [&](size_t index, SaveRow row) {
                           const size_t item = itemOf[index];
                           row.cells[form::kFileNameColumn] = items[item].name;
                           const std::lock_guard<std::mutex> lock(mutex);
                           rows[item] = std::move(row);
                           arrived.notify_one();
                         });

  ProgressLine progress(err, options.progress, items.size());
  RowWriter writer(options.format, out);
  bool allLoaded = true;
  std::unique_lock<std::mutex> lock(mutex);
  for (size_t next = 0; next < items.size();) {
    if (!arrived.wait_for(lock, std::chrono::milliseconds(200), [&] { return rows[next].has_value(); })) {
      lock.unlock();
      progress.Show(run.Done() + listedFailures);
      lock.lock();
      continue;
    }
    std::vector<SaveRow> ready;
    while (next < items.size() && rows[next]) {
      ready.push_back(std::move(*rows[next]));
      rows[next++].reset();
    }
    lock.unlock();
    progress.Clear();
    for (SaveRow& row : ready) {
      allLoaded = allLoaded && row.loaded;
      writer.Write(std::move(row));
    }
    progress.Show(run.Done() + listedFailures);
    lock.lock();
  }
  lock.unlock();
  run.Wait();
  progress.Clear();
  writer.End();
  return allLoaded ? 0 : 1;
}

}  // namespace tolvane::report
