#include "gui/SavesController.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QItemSelectionModel>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <mutex>
#include <utility>

#include "form/SaveComparison.h"
#include "form/SaveTableRun.h"
#include "gui/MainWindow.h"
#include "save/Utf8Path.h"

namespace tolvane::gui {

namespace fs = std::filesystem;

namespace {

QString Q(const fs::path& path) { return QString::fromStdU16String(path.u16string()); }
fs::path PathOf(const QString& text) { return fs::path(text.toStdU16String()); }

// A folder as the page compares folders: absolute, without "." and "..".
fs::path FolderKey(const fs::path& folder) {
  std::error_code error;
  const fs::path absolute = fs::absolute(folder.empty() ? fs::path(".") : folder, error);
  return error ? folder : absolute.lexically_normal();
}

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
                                 std::function<bool(const Action&)> run)
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
      settings_(form.Calculators()) {
  folderDialog_ = [this] {
    const QString start = page_.Folder().empty() ? QString() : Q(page_.Folder());
    return QFileDialog::getExistingDirectory(&window_, QStringLiteral("Open Folder"), start);
  };
  tableDialog_ = [this] {
    const fs::path folder = page_.Folder().empty() ? fs::path() : page_.Folder();
    return QFileDialog::getSaveFileName(&window_, QStringLiteral("Save Table"), Q(folder / "saves.csv"),
                                        QStringLiteral("CSV files (*.csv)"));
  };

  // The keys of the tab bar (Ctrl+Tab, Ctrl+PgUp and Ctrl+PgDown, with Shift
  // too) stay the tab bar's.
  openFolder_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
  nextSave_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageDown));
  previousSave_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageUp));
  connect(openFolder_, &QAction::triggered, this, &SavesController::OpenFolder);
  connect(saveTable_, &QAction::triggered, this, &SavesController::SaveTable);
  connect(nextSave_, &QAction::triggered, this, &SavesController::NextSave);
  connect(previousSave_, &QAction::triggered, this, &SavesController::PreviousSave);

  auto named = [](const form::Control& control) { return QString::fromStdString(control.Name()); };
  connect(window.findChild<QPushButton*>(named(page_.openFolder)), &QPushButton::clicked, this,
          &SavesController::OpenFolder);
  connect(window.findChild<QPushButton*>(named(page_.saveTable)), &QPushButton::clicked, this,
          &SavesController::SaveTable);
  connect(cancelButton_, &QPushButton::clicked, this, &SavesController::Cancel);
  // Alt+C is the Saves page's "Compare": the reading stops on Escape.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), cancelButton_), &QShortcut::activated, cancelButton_,
          &QPushButton::click);
  cancelButton_->setToolTip(cancelButton_->toolTip() + QStringLiteral(" (Esc)"));
  connect(window.findChild<QPushButton*>(named(page_.compare)), &QPushButton::clicked, this,
          &SavesController::CompareSelected);

  // Double-click or Enter loads the row's save; the current row stays with
  // its save while the rows come and move.
  table_ = window.findChild<QTableView*>(named(page_.table));
  connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) { Activate(index.row()); });
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& index) {
    if (index.isValid()) current_ = page_.PathOfRow(index.row()).value_or(fs::path());
  });
  connect(table_->model(), &QAbstractItemModel::dataChanged, this, &SavesController::KeepCurrentSave);
  connect(table_->model(), &QAbstractItemModel::modelReset, this, &SavesController::KeepCurrentSave);

  progressBar_->setObjectName(QStringLiteral("SavesProgressBar"));
  progressBar_->setMaximumWidth(Binder::Scaled(160));
  progressBar_->setTextVisible(false);
  QStatusBar* status = window.statusBar();
  status->addPermanentWidget(progressText_);
  status->addPermanentWidget(progressBar_);
  status->addPermanentWidget(cancelButton_);

  rescanTimer_->setSingleShot(true);
  rescanTimer_->setInterval(300);
  connect(rescanTimer_, &QTimer::timeout, this, &SavesController::Rescan);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, rescanTimer_, qOverload<>(&QTimer::start));
  connect(watcher_, &QFileSystemWatcher::fileChanged, rescanTimer_, qOverload<>(&QTimer::start));

  recalculateTimer_->setSingleShot(true);
  recalculateTimer_->setInterval(500);
  connect(recalculateTimer_, &QTimer::timeout, this, [this] {
    const bool ran = run_([this] {
      if (form_.Calculators() == settings_) return;
      StopReading();
      page_.CancelReading();
      page_.ReadAllAgain();
      settings_ = form_.Calculators();
      ReadWaiting();
    });
    if (!ran) recalculateTimer_->start();
    ShowStatus();
  });

  connect(window.Pages(), &QTabWidget::currentChanged, this, [this] {
    if (!SavesPageShown()) return;
    run_([this] { FollowLoadedSave(); });
    ShowStatus();
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

void SavesController::SaveLoaded() {
  if (!SavesPageShown()) return;
  run_([this] { FollowLoadedSave(); });
  ShowStatus();
}

void SavesController::AfterAction() {
  if (!page_.Folder().empty() && form_.Calculators() != settings_) recalculateTimer_->start();
}

void SavesController::FollowLoadedSave() {
  if (!form_.Loaded()) return;
  const std::string& loaded = form_.fileBar.savePath.Text();
  if (loaded == followed_) return;
  followed_ = loaded;
  const fs::path folder = PathFromUtf8(loaded).parent_path();
  if (!page_.Folder().empty() && FolderKey(folder) == FolderKey(page_.Folder())) return;
  ShowFolder(folder.empty() ? fs::path(".") : folder);
}

void SavesController::ShowFolder(const fs::path& folder) {
  StopReading();
  if (!page_.OpenFolder(folder)) return;
  current_.clear();
  settings_ = form_.Calculators();
  ReadWaiting();
  Watch();
}

void SavesController::OpenFolder() {
  const QString folder = folderDialog_();
  if (folder.isEmpty()) return;
  // The folder chosen stays until another save is loaded.
  if (form_.Loaded()) followed_ = form_.fileBar.savePath.Text();
  window_.Pages()->setCurrentIndex(TabOf(page_));
  run_([this, &folder] { ShowFolder(PathOf(folder)); });
  ShowStatus();
}

void SavesController::SaveTable() {
  const QString file = tableDialog_();
  if (file.isEmpty()) return;
  const size_t messages = form_.Messages().size();
  const size_t rows = page_.ShownRows().size();
  run_([this, &file] { page_.WriteTable(PathOf(file)); });
  if (form_.Messages().size() == messages)
    window_.statusBar()->showMessage(QStringLiteral("The table of %1 saves went to %2").arg(rows).arg(file), 5000);
}

void SavesController::Step(int step) {
  run_([this] { FollowLoadedSave(); });
  ShowStatus();
  const std::optional<fs::path> save = page_.NeighbourSave(step);
  if (!save) {
    window_.statusBar()->showMessage(
        step > 0 ? QStringLiteral("No next save in the folder.") : QStringLiteral("No previous save in the folder."),
        5000);
    return;
  }
  window_.LoadPath(Q(*save));
}

void SavesController::Activate(int row) {
  if (const std::optional<fs::path> save = page_.PathOfRow(row)) window_.LoadPath(Q(*save));
}

void SavesController::Cancel() {
  run_([this] {
    StopReading();
    page_.CancelReading();
  });
  ShowStatus();
  Q_EMIT ReadingEnded();
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
      form::SaveTableRun::Options{.order = form::SaveTableRun::Order::Completion, .background = true},
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
  std::vector<std::pair<fs::path, form::SaveRow>> rows;
  {
    const std::lock_guard<std::mutex> lock(arrived->mutex);
    if (arrived->stopped) return;
    rows.swap(arrived->rows);
    arrived->posted = false;
  }
  if (rows.empty()) return;
  if (!run_([this, &rows] { page_.SetRows(std::move(rows)); })) {
    // Another action is under way (a message box, say): the rows wait.
    const std::lock_guard<std::mutex> lock(arrived->mutex);
    rows.insert(rows.end(), std::make_move_iterator(arrived->rows.begin()),
                std::make_move_iterator(arrived->rows.end()));
    arrived->rows = std::move(rows);
    arrived->posted = true;
    QTimer::singleShot(50, this, [this, arrived] { TakeRows(arrived); });
    return;
  }
  ShowStatus();
}

void SavesController::ReaderEnded(const std::shared_ptr<Arrived>& arrived) {
  const bool ran = run_([this, &arrived] {
    bool stopped = false;
    std::vector<std::pair<fs::path, form::SaveRow>> rows;
    {
      const std::lock_guard<std::mutex> lock(arrived->mutex);
      stopped = arrived->stopped;
      rows.swap(arrived->rows);
    }
    if (!stopped && !rows.empty()) page_.SetRows(std::move(rows));
    // The reader's threads have ended (or are ending): they join at once.
    if (reader_ && reader_->arrived == arrived) {
      reader_.reset();
      ReadWaiting();
    }
    std::erase_if(stopped_, [&arrived](const std::unique_ptr<Reader>& r) { return r->arrived == arrived; });
  });
  if (!ran) {
    QTimer::singleShot(50, this, [this, arrived] { ReaderEnded(arrived); });
    return;
  }
  ShowStatus();
  if (!Reading()) Q_EMIT ReadingEnded();
}

void SavesController::Rescan() {
  const bool ran = run_([this] {
    if (page_.Rescan()) ReadWaiting();
  });
  if (!ran) {
    rescanTimer_->start();
    return;
  }
  Watch();
  ShowStatus();
}

void SavesController::Watch() {
  QSet<QString> wanted;
  if (!page_.Folder().empty()) {
    wanted << Q(page_.Folder());
    for (const fs::path& save : page_.Listed()) {
      if (wanted.size() > kMostWatchedFiles) break;
      wanted << Q(save);
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

void SavesController::CompareSelected() {
  const auto saves = page_.ComparedSaves();
  if (saves) Compare(form::PathText(saves->first), form::PathText(saves->second));
}

bool SavesController::Compare(const std::string& first, const std::string& second) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QFutureWatcher<form::ComparedForms> watcher;
  QEventLoop wait;
  connect(&watcher, &QFutureWatcherBase::finished, &wait, &QEventLoop::quit);
  watcher.setFuture(QtConcurrent::run(
      [first, second, settings = form_.Calculators()] { return form::LoadForComparison(first, second, settings); }));
  if (!watcher.isFinished()) wait.exec(QEventLoop::ExcludeUserInputEvents);
  QApplication::restoreOverrideCursor();
  const form::ComparedForms forms = watcher.future().takeResult();
  const bool loaded = forms.error.empty();
  run_([this, &forms, loaded] {
    if (!loaded) {
      form_.compare.Fail(forms.error);
      return;
    }
    form_.compare.Show(form::CompareSaves(*forms.first, *forms.second));
  });
  if (loaded) window_.Pages()->setCurrentIndex(TabOf(form_.compare));
  return loaded;
}

void SavesController::KeepCurrentSave() {
  if (current_.empty()) return;
  const QModelIndex now = table_->currentIndex();
  for (int row = 0; row < table_->model()->rowCount(); ++row)
    if (page_.PathOfRow(row) == current_) {
      // Only the current row moves: the selection is the page's.
      if (now.row() != row)
        table_->selectionModel()->setCurrentIndex(table_->model()->index(row, std::max(0, now.column())),
                                                  QItemSelectionModel::NoUpdate);
      return;
    }
}

}  // namespace tolvane::gui
