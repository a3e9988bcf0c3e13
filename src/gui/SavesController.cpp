#include "gui/SavesController.h"

#include <QAction>
#include <QEventLoop>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <mutex>
#include <utility>

#include "form/SaveComparison.h"
#include "form/SaveTableRun.h"
#include "gui/MainWindow.h"
#include "gui/QtText.h"

namespace tolvane::gui {

namespace fs = std::filesystem;

namespace {

// The most files the folder's watch follows one by one (beyond them, a file
// that changes in place shows only when the folder changes too).
constexpr qsizetype kMostWatchedFiles = 1000;

}  // namespace

// The rows that one reader's workers have delivered and the window has not
// taken yet. The workers add; the window's thread takes them, a batch at a
// time, on one queued call per batch.
struct SavesController::Arrived {
  std::mutex mutex;
  std::vector<std::pair<fs::path, form::SaveRow>> rows;
  bool posted = false;   // a call to take them is on its way
  bool stopped = false;  // the reading was cancelled: rows still coming are dropped
};

struct SavesController::Reader {
  std::shared_ptr<Arrived> arrived = std::make_shared<Arrived>();
  std::unique_ptr<form::SaveTableRun> run;
};

SavesController::SavesController(MainWindow& window, form::Form& form, Binder& binder,
                                 std::function<void(const Action&)> run)
    : QObject(&window),
      window_(window),
      form_(form),
      page_(form.saves),
      run_(std::move(run)),
      openFolder_(new QAction(QStringLiteral("Open &Folder…"), this)),
      saveTable_(new QAction(QStringLiteral("Save &Table…"), this)),
      nextSave_(new QAction(QStringLiteral("&Next Save"), this)),
      previousSave_(new QAction(QStringLiteral("&Previous Save"), this)),
      progressText_(binder.Label(form.saves.progress)),
      progressBar_(new QProgressBar),
      cancelButton_(binder.Button(form.saves.cancel, /*mnemonic=*/false)),
      watcher_(new QFileSystemWatcher(this)),
      rescanTimer_(new QTimer(this)),
      recalculateTimer_(new QTimer(this)),
      settings_(form.Calculators()),
      listing_(form.saves.folder.Revision()) {
  // The keys of the tab bar (Ctrl+Tab, Ctrl+PgUp and Ctrl+PgDown, with Shift
  // too) stay the tab bar's.
  openFolder_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
  nextSave_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageDown));
  previousSave_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageUp));
  // The menu's entries are the page's buttons; a folder opened from the
  // menu is shown on its page.
  connect(openFolder_, &QAction::triggered, this, [this, &binder] {
    binder.Run([this] {
      const uint64_t listed = page_.folder.Revision();
      page_.openFolder.Click();
      if (page_.folder.Revision() != listed) window_.Pages()->setCurrentIndex(TabOf(page_));
    });
  });
  connect(saveTable_, &QAction::triggered, this, [this, &binder] { binder.Run([this] { page_.saveTable.Click(); }); });
  // The menu's "Save Table…" is enabled as the page's button is.
  binder.Watch(page_.saveTable, [this] { saveTable_->setEnabled(page_.saveTable.Enabled()); });
  connect(nextSave_, &QAction::triggered, this, [this, &binder] { binder.Run([this] { form_.StepSave(1); }); });
  connect(previousSave_, &QAction::triggered, this, [this, &binder] { binder.Run([this] { form_.StepSave(-1); }); });

  // The reading stops on the status bar's Cancel, or Escape (Alt+C is the
  // Saves page's "Compare").
  page_.cancel.OnClick([this] {
    StopReading();
    page_.CancelReading();
  });
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), cancelButton_);
  connect(escape_, &QShortcut::activated, cancelButton_, &QPushButton::click);
  cancelButton_->setToolTip(cancelButton_->toolTip() + QStringLiteral(" (Esc)"));

  progressBar_->setObjectName(QStringLiteral("SavesProgressBar"));
  progressBar_->setMaximumWidth(Binder::Scaled(160));
  progressBar_->setTextVisible(false);
  QStatusBar* status = window.statusBar();
  status->addPermanentWidget(progressText_);
  status->addPermanentWidget(progressBar_);
  status->addPermanentWidget(cancelButton_);

  rescanTimer_->setSingleShot(true);
  rescanTimer_->setInterval(300);
  connect(rescanTimer_, &QTimer::timeout, this, [this] {
    run_([this] {
      if (page_.Rescan()) ReadWaiting();
      Watch();
    });
  });
  connect(watcher_, &QFileSystemWatcher::directoryChanged, rescanTimer_, qOverload<>(&QTimer::start));
  connect(watcher_, &QFileSystemWatcher::fileChanged, rescanTimer_, qOverload<>(&QTimer::start));

  recalculateTimer_->setSingleShot(true);
  recalculateTimer_->setInterval(500);
  connect(recalculateTimer_, &QTimer::timeout, this, [this] {
    run_([this] {
      if (form_.Calculators() == settings_) return;
      StopReading();
      page_.CancelReading();
      page_.ReadAllAgain();
      settings_ = form_.Calculators();
    });
  });

  // The World page's timelapse needs the rows of the loaded save's folder
  // too: shown, it has the folder listed and read in the background.
  connect(window.Pages(), &QTabWidget::currentChanged, this, [this] {
    if (FollowsLoadedSave()) run_([this] { form_.FollowLoadedSave(); });
  });
  ShowStatus();
}

// The loads under way end first: their rows have nowhere to go.
SavesController::~SavesController() {
  StopReading();
  stopped_.clear();
}

// The tabs stand in the order of the form's pages (each page inside a
// scroll area, so the tab's widget is not the page's).
int SavesController::TabOf(const form::Page& page) const {
  const auto& all = form_.Pages();
  return int(std::find(all.begin(), all.end(), &page) - all.begin());
}

bool SavesController::SavesPageShown() const { return window_.Pages()->currentIndex() == TabOf(page_); }

bool SavesController::FollowsLoadedSave() const {
  return SavesPageShown() || window_.Pages()->currentIndex() == TabOf(form_.world);
}

bool SavesController::Reading() const { return reader_ != nullptr || page_.Reading(); }

bool SavesController::WaitUntilRead(int timeoutMs) {
  if (!Reading()) return true;
  QEventLoop loop;
  QTimer timeout;
  timeout.setSingleShot(true);
  connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
  connect(this, &SavesController::ReadingEnded, &loop, &QEventLoop::quit);
  timeout.start(timeoutMs);
  loop.exec();
  return !Reading();
}

void SavesController::SetEscapeCancels(bool cancels) { escape_->setEnabled(cancels); }

void SavesController::SaveLoaded() {
  if (FollowsLoadedSave()) run_([this] { form_.FollowLoadedSave(); });
}

void SavesController::AfterAction() {
  // A folder listed anew: the reading of the one before stops, the watch
  // moves on, the rows are read with the settings of now.
  if (page_.folder.Revision() != listing_) {
    listing_ = page_.folder.Revision();
    StopReading();
    settings_ = form_.Calculators();
    Watch();
  } else if (!page_.Folder().empty() && form_.Calculators() != settings_) {
    recalculateTimer_->start();
  }
  ReadWaiting();
  ShowStatus();
  const bool reading = Reading();
  if (wasReading_ && !reading) Q_EMIT ReadingEnded();
  wasReading_ = reading;
}

void SavesController::ReadWaiting() {
  if (reader_) return;
  std::vector<fs::path> paths = page_.StartReading();
  if (paths.empty()) return;
  settings_ = form_.Calculators();
  auto reader = std::make_unique<Reader>();
  const std::shared_ptr<Arrived> arrived = reader->arrived;
  auto named = std::make_shared<const std::vector<fs::path>>(paths);
  reader->run = std::make_unique<form::SaveTableRun>(
      std::move(paths), settings_,
      // Each row keeps its save's world frame for the World page's timelapse.
      form::SaveTableRun::Options{
          .order = form::SaveTableRun::Order::Completion, .background = true, .worldFrames = true},
      [this, arrived, named](size_t index, form::SaveRow row) {
        const std::lock_guard<std::mutex> lock(arrived->mutex);
        if (arrived->stopped) return;
        arrived->rows.emplace_back((*named)[index], std::move(row));
        if (arrived->posted) return;
        arrived->posted = true;
        QMetaObject::invokeMethod(
            this, [this, arrived] { TakeRows(arrived); }, Qt::QueuedConnection);
      },
      [this, arrived] {
        QMetaObject::invokeMethod(
            this, [this, arrived] { ReaderEnded(arrived); }, Qt::QueuedConnection);
      });
  reader_ = std::move(reader);
}

void SavesController::StopReading() {
  if (!reader_) return;
  {
    const std::lock_guard<std::mutex> lock(reader_->arrived->mutex);
    reader_->arrived->stopped = true;
  }
  reader_->run->Cancel();
  stopped_.push_back(std::move(reader_));
}

void SavesController::TakeRows(const std::shared_ptr<Arrived>& arrived) {
  run_([this, arrived] {
    std::vector<std::pair<fs::path, form::SaveRow>> rows;
    {
      const std::lock_guard<std::mutex> lock(arrived->mutex);
      if (arrived->stopped) return;
      rows.swap(arrived->rows);
      arrived->posted = false;
    }
    if (!rows.empty()) page_.SetRows(std::move(rows));
  });
}

void SavesController::ReaderEnded(const std::shared_ptr<Arrived>& arrived) {
  run_([this, arrived] {
    bool stopped = false;
    std::vector<std::pair<fs::path, form::SaveRow>> rows;
    {
      const std::lock_guard<std::mutex> lock(arrived->mutex);
      stopped = arrived->stopped;
      rows.swap(arrived->rows);
    }
    if (!stopped && !rows.empty()) page_.SetRows(std::move(rows));
    // The reader's threads have ended (or are ending): they join at once.
    if (reader_ && reader_->arrived == arrived) reader_.reset();
    std::erase_if(stopped_, [&arrived](const std::unique_ptr<Reader>& r) { return r->arrived == arrived; });
  });
}

void SavesController::Watch() {
  QSet<QString> wanted;
  if (!page_.Folder().empty()) {
    wanted << QPath(page_.Folder());
    for (const fs::path& save : page_.Listed()) {
      if (wanted.size() > kMostWatchedFiles) break;
      wanted << QPath(save);
    }
  }
  const QStringList dirs = watcher_->directories(), files = watcher_->files();
  QSet<QString> watched(dirs.begin(), dirs.end());
  watched.unite(QSet<QString>(files.begin(), files.end()));
  const QSet<QString> gone = watched - wanted, added = wanted - watched;
  if (!gone.isEmpty()) watcher_->removePaths(gone.values());
  if (!added.isEmpty()) watcher_->addPaths(added.values());
}

void SavesController::ShowStatus() {
  const bool reading = Reading();
  progressText_->setVisible(reading);
  progressBar_->setVisible(reading);
  cancelButton_->setVisible(reading);
  progressBar_->setRange(0, int(std::max<size_t>(1, page_.ReadingTotal())));
  progressBar_->setValue(int(page_.ReadingDone()));
}

void SavesController::StartComparison(const std::string& first, const std::string& second) {
  const uint64_t comparison = ++comparison_;
  auto* watcher = new QFutureWatcher<form::ComparedForms>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, comparison] {
    watcher->deleteLater();
    if (comparison != comparison_) return;  // a newer comparison replaced it
    auto forms = std::make_shared<form::ComparedForms>(watcher->future().takeResult());
    run_([this, forms] {
      const bool compared = form_.FinishComparison(*forms);
      if (compared) window_.Pages()->setCurrentIndex(TabOf(form_.compare));
      Q_EMIT ComparisonFinished(compared);
    });
  });
  watcher->setFuture(QtConcurrent::run(
      [first, second, settings = form_.Calculators()] { return form::LoadForComparison(first, second, settings); }));
}

}  // namespace tolvane::gui
