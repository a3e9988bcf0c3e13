#include "form/SaveTableRun.h"

#include <algorithm>
#include <system_error>

#include "save/Platform.h"

namespace tolvane::form {

unsigned SaveTableRun::AllCores() { return std::max(1u, std::thread::hardware_concurrency()); }

SaveTableRun::SaveTableRun(std::vector<std::filesystem::path> paths, const CalculatorSettings& settings,
                           const Options& options, Deliver deliver, Finished finished)
    : paths_(std::move(paths)),
      settings_(settings),
      options_(options),
      deliver_(std::move(deliver)),
      finished_(std::move(finished)) {
  const size_t workers = std::min<size_t>(options_.threads == 0 ? AllCores() : options_.threads, paths_.size());
  if (workers == 0) {
    over_ = true;
    if (finished_) finished_();
    return;
  }
  running_ = workers;
  workers_.reserve(workers);
  for (size_t i = 0; i < workers; ++i) {
    try {
      workers_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      // No more threads to be had: the workers started do the work.
      const std::lock_guard<std::mutex> lock(endMutex_);
      running_ -= workers - i;
      if (i == 0) throw;
      break;
    }
  }
}

SaveTableRun::~SaveTableRun() {
  Cancel();
  for (std::thread& worker : workers_) worker.join();
}

void SaveTableRun::Cancel() {
  cancelled_ = true;
  // A delivery under way ends before Cancel returns; none begins after.
  const std::lock_guard<std::mutex> lock(deliverMutex_);
}

void SaveTableRun::Wait() {
  std::unique_lock<std::mutex> lock(endMutex_);
  ended_.wait(lock, [this] { return over_; });
}

void SaveTableRun::Work() {
  if (options_.background) platform::LowerThisThreadsPriority();
  // The file's and the image's buffers pass from one save to the next.
  SaveBuffers buffers;
  while (!cancelled_) {
    const size_t index = next_++;
    if (index >= paths_.size()) break;
    SaveRow row = SummarizeSave(paths_[index], settings_, buffers, options_.worldFrames);
    ++done_;
    const std::lock_guard<std::mutex> lock(deliverMutex_);
    if (cancelled_) break;
    if (options_.order == Order::Completion) {
      deliver_(index, std::move(row));
      continue;
    }
    held_.emplace(index, std::move(row));
    while (!held_.empty() && held_.begin()->first == nextToDeliver_) {
      deliver_(nextToDeliver_++, std::move(held_.begin()->second));
      held_.erase(held_.begin());
    }
  }
  {
    const std::lock_guard<std::mutex> lock(endMutex_);
    if (--running_ > 0) return;
  }
  if (finished_) finished_();
  const std::lock_guard<std::mutex> lock(endMutex_);
  over_ = true;
  ended_.notify_all();
}

}  // namespace tolvane::form
