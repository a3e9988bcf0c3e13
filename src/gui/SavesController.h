// The window's side of the Saves page: the File menu's entries for it, the
// progress and the Cancel button in the status bar, the folder's watch, the
// reading of the saves on worker threads (form::SaveTableRun) with their
// rows brought back to the page on the window's thread a batch at a time,
// and the comparison of two saves as a job. Which folder is listed, which
// save is next and what is compared are the form's.
#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "form/Form.h"
#include "gui/Binder.h"

class QAction;
class QFileSystemWatcher;
class QLabel;
class QProgressBar;
class QPushButton;
class QShortcut;
class QTimer;

namespace tolvane::form {
class SaveTableRun;
}

namespace tolvane::gui {

class MainWindow;

class SavesController : public QObject {
  Q_OBJECT
 public:
  // `run` runs the program's own work on the form as the user's actions run
  // (the widgets follow it); while an action is under way the work waits
  // for it to end.
  SavesController(MainWindow& window, form::Form& form, Binder& binder, std::function<void(const Action&)> run);
  ~SavesController() override;

  // The File menu's actions, in menu order.
  QAction* OpenFolderAction() const { return openFolder_; }
  QAction* SaveTableAction() const { return saveTable_; }
  QAction* NextSaveAction() const { return nextSave_; }
  QAction* PreviousSaveAction() const { return previousSave_; }

  // A save was loaded: with the Saves or the World page shown, the Saves
  // page lists its folder.
  void SaveLoaded();
  // Runs inside each action: reads the saves waiting on the page, follows a
  // folder listed anew with the watch, and reads the rows again (after a
  // pause for more) when the calculators' settings changed.
  void AfterAction();

  // Saves being read (or waiting for a run to begin).
  bool Reading() const;
  // Runs the event loop until no save is being read; false after `timeoutMs`.
  // For runs without a user (pictures, benchmarks, tests).
  bool WaitUntilRead(int timeoutMs);
  // Escape stops the reading while the Cancel button shows, unless a load
  // has the key.
  void SetEscapeCancels(bool cancels);

  // The form's comparison job: reads both saves (UTF-8 paths, in the order
  // given), each into a form of its own, on a worker thread, then shows the
  // Compare page; ComparisonFinished tells how it ended. A newer comparison
  // replaces one still under way. The pages of the loaded save stay.
  void StartComparison(const std::string& first, const std::string& second);

 Q_SIGNALS:
  // The last save waiting was read (or the reading was cancelled).
  void ReadingEnded();
  // A comparison ended: true when both saves loaded.
  void ComparisonFinished(bool compared);

 private:
  struct Arrived;
  struct Reader;

  int TabOf(const form::Page& page) const;
  bool SavesPageShown() const;
  // The page shown lists the loaded save's folder: the Saves page, or the
  // World page for its timelapse.
  bool FollowsLoadedSave() const;
  // Starts reading the saves waiting on the page, when no reading runs.
  void ReadWaiting();
  // Stops the reading under way; its loads end in the background.
  void StopReading();
  void TakeRows(const std::shared_ptr<Arrived>& arrived);
  void ReaderEnded(const std::shared_ptr<Arrived>& arrived);
  void Watch();
  void ShowStatus();

  MainWindow& window_;
  form::Form& form_;
  form::SavesPage& page_;
  std::function<void(const Action&)> run_;
  QAction* openFolder_;
  QAction* saveTable_;
  QAction* nextSave_;
  QAction* previousSave_;
  QLabel* progressText_;
  QProgressBar* progressBar_;
  QPushButton* cancelButton_;
  QShortcut* escape_;
  QFileSystemWatcher* watcher_;
  QTimer* rescanTimer_;       // a folder's changes come in bursts
  QTimer* recalculateTimer_;  // so do the calculators' edits
  std::unique_ptr<Reader> reader_;
  std::vector<std::unique_ptr<Reader>> stopped_;  // cancelled readers whose loads still end
  form::CalculatorSettings settings_;             // the settings the rows are read with
  uint64_t listing_ = 0;                          // the revision of the page's folder the reading follows
  bool wasReading_ = false;
  uint64_t comparison_ = 0;  // the comparison whose result is awaited
};

}  // namespace tolvane::gui
