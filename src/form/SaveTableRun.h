// The rows of many saves, read on worker threads: each worker takes the next
// save not yet begun, loads it into a form of its own (SummarizeSave) and
// hands its row on. At most one save per worker is in memory at a time.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "form/SaveSummary.h"

namespace tolvane::form {

class SaveTableRun {
 public:
  // Receives the row of paths[index]. Runs on a worker thread, one call at
  // a time; it must not cancel or wait for its own run.
  using Deliver = std::function<void(size_t index, SaveRow row)>;
  // Runs once, after the last row (or once a cancelled run has stopped), on
  // the last worker thread to end; at once, in the constructor, when there
  // is no save to read.
  using Finished = std::function<void()>;

  enum class Order {
    Input,      // rows in the order of the paths (a row waits for those before it)
    Completion  // each row as soon as it is ready
  };
  struct Options {
    unsigned threads = 0;  // workers; 0: one per core (never more than there are saves)
    Order order = Order::Input;
    bool background = false;   // the workers give way to the other threads of the program
    bool worldFrames = false;  // each row keeps its save's world frame (SaveRow::world)
  };

  // Starts reading `paths`, every save scored with `settings`.
  SaveTableRun(std::vector<std::filesystem::path> paths, const CalculatorSettings& settings, const Options& options,
               Deliver deliver, Finished finished = {});
  // Cancels the run and waits for its workers.
  ~SaveTableRun();
  SaveTableRun(const SaveTableRun&) = delete;
  SaveTableRun& operator=(const SaveTableRun&) = delete;

  // No save begins any more and no row is delivered once Cancel returns;
  // the loads under way end in the background (Finished then runs).
  void Cancel();
  // Waits until every row is delivered (or the run is cancelled) and the
  // workers have ended.
  void Wait();

  size_t Total() const { return paths_.size(); }
  // Saves read so far, whether their rows were delivered yet or not.
  size_t Done() const { return done_; }

  // The workers a run starts for threads = 0.
  static unsigned AllCores();

 private:
  void Work();

  const std::vector<std::filesystem::path> paths_;
  const CalculatorSettings settings_;
  const Options options_;
  const Deliver deliver_;
  const Finished finished_;
  std::atomic<size_t> next_{0};  // the next save to begin
  std::atomic<size_t> done_{0};
  std::atomic<bool> cancelled_{false};
  std::mutex deliverMutex_;         // held while a row is delivered
  std::map<size_t, SaveRow> held_;  // rows ready before those that come before them
  size_t nextToDeliver_ = 0;
  std::mutex endMutex_;
  std::condition_variable ended_;
  size_t running_ = 0;  // workers that have not ended yet (guarded by endMutex_)
  bool over_ = false;   // the last worker has ended and Finished has run (guarded by endMutex_)
  std::vector<std::thread> workers_;
};

}  // namespace tolvane::form
