// The table of many saves (tolvane-report --table, the Saves page) on 100
// copies of the large save of an 18-player game: the rows read on one and on
// two worker threads, beside 100 libdeflate inflations of the body alone.
// Compare the rows of one run: two threads should be at least 1.8 times as
// fast as one, and take at most 0.6 times the 100 inflations. The CPU column
// of the table is the whole process's CPU time: on a machine busy with other
// work, where the wall times say little, its ratio to the inflations' shows
// what the rows cost beyond inflation.
//
// TableMemory runs tolvane-report --table as a child process and takes its
// peak resident memory: with no save (the program itself), with one save,
// and with the 100 copies on 1 and 2 threads. The table's peak above the
// program's should stay below (threads + 1) times one save's.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "LargeSaveFile.h"
#include "form/SaveTableRun.h"

namespace {

using namespace tolvane;
namespace fs = std::filesystem;

using bench::Large;

constexpr int kCopies = 100;

// A folder of kCopies links to the large save (copies where links cannot be
// made), and an empty one.
struct CopiesFolder {
  fs::path folder, empty;
  std::vector<fs::path> saves;
  CopiesFolder() {
    const fs::path base = fs::temp_directory_path() / ("tolvane-table-bench-" + std::to_string(getpid()));
    folder = base / "copies";
    empty = base / "empty";
    fs::create_directories(folder);
    fs::create_directories(empty);
    for (int i = 0; i < kCopies; ++i) {
      const fs::path save = folder / ("copy-" + std::to_string(1000 + i) + ".CivWarlordsSave");
      std::error_code error;
      fs::create_hard_link(Large().path, save, error);
      if (error) fs::copy_file(Large().path, save, fs::copy_options::overwrite_existing);
      saves.push_back(save);
    }
  }
  ~CopiesFolder() { fs::remove_all(folder.parent_path()); }
};

const CopiesFolder& Copies() {
  static const CopiesFolder kCopiesFolder;
  return kCopiesFolder;
}

void HundredInflations(benchmark::State& state) {
  const bench::LibdeflateInflation inflation;
  for (auto _ : state)
    for (int i = 0; i < kCopies; ++i)
      if (!inflation.Run()) state.SkipWithError("libdeflate failed");
}

// One save's row on this thread: read, inflate, walk and scan, fill the pages
// the row reads in a form of its own, read the row.
void RowOfOneSave(benchmark::State& state) {
  const form::Form defaults;
  for (auto _ : state) {
    const form::SaveRow row = form::SummarizeSave(Large().path, defaults.Calculators());
    if (!row.loaded) state.SkipWithError("the save did not load");
  }
}

// The argument is the number of worker threads.
void TableOfHundredCopies(benchmark::State& state) {
  const CopiesFolder& copies = Copies();
  const form::Form defaults;
  for (auto _ : state) {
    size_t rows = 0, loaded = 0;
    form::SaveTableRun run(copies.saves, defaults.Calculators(), {.threads = unsigned(state.range(0))},
                           [&](size_t, form::SaveRow row) {
                             ++rows;
                             loaded += row.loaded;
                           });
    run.Wait();
    if (loaded != size_t(kCopies)) state.SkipWithError("a copy did not load");
  }
  state.SetItemsProcessed(int64_t(state.iterations()) * kCopies);
}

// Runs tolvane-report with the arguments (through peak_memory) and returns
// its peak resident memory in MiB, or -1 when it failed.
double PeakMemoryOfReport(const std::vector<std::string>& args) {
  std::string command = std::string("'") + TOLVANE_PEAK_MEMORY + "' '" + TOLVANE_REPORT + "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return -1;
  long kib = -1;
  if (std::fscanf(pipe, "%ld", &kib) != 1) kib = -1;
  return pclose(pipe) == 0 && kib > 0 ? double(kib) / 1024.0 : -1;
}

void TableMemory(benchmark::State& state) {
  const CopiesFolder& copies = Copies();
  const std::string one = copies.saves.front().string(), folder = copies.folder.string();
  double program = 0, oneSave = 0, oneThread = 0, twoThreads = 0;
  for (auto _ : state) {
    program = PeakMemoryOfReport({"--table", copies.empty.string(), "--format", "csv"});
    oneSave = PeakMemoryOfReport({"--table", one, "-j", "1", "--format", "csv"});
    oneThread = PeakMemoryOfReport({"--table", folder, "-j", "1", "--format", "csv"});
    twoThreads = PeakMemoryOfReport({"--table", folder, "-j", "2", "--format", "csv"});
    if (program < 0 || oneSave < 0 || oneThread < 0 || twoThreads < 0) state.SkipWithError("tolvane-report failed");
  }
  const double load = oneSave - program;
  state.counters["program_MiB"] = program;
  state.counters["one_save_MiB"] = load;
  state.counters["table_j1_MiB"] = oneThread - program;
  state.counters["table_j2_MiB"] = twoThreads - program;
  state.counters["j1_in_loads"] = (oneThread - program) / load;
  state.counters["j2_in_loads"] = (twoThreads - program) / load;
}

BENCHMARK(HundredInflations)->Unit(benchmark::kMillisecond);
BENCHMARK(RowOfOneSave)->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
BENCHMARK(TableOfHundredCopies)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("threads")
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TableMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
