// The window's side of the Saves page: "Open Folder…", "Save Table…", the
// next and previous save, the progress and the Cancel button in the status
// bar, the folder's watch, and the reading of the saves on worker threads
// (form::SaveTableRun) with their rows brought back to the page on the window's
// thread a batch at a time, so that the window stays responsive.
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
class QTableView;
class QTimer;

namespace tolvane::form {
class SaveTableRun;
}

namespace tolvane::gui {

class MainWindow;

class SavesController : public QObject {
  Q_OBJECT
 public:
  // `run` runs an action on the form as the user's actions run (the widgets
  // follow it); it returns false when another action is under way.
  SavesController(MainWindow& window, form::Form& form, Binder& binder, std::function<bool(const Action&)> run);
  ~SavesController() override;

  // The File menu's actions, in menu order.
  QAction* OpenFolderAction() const { return openFolder_; }
  QAction* SaveTableAction() const { return saveTable_; }
  QAction* NextSaveAction() const { return nextSave_; }
  QAction* PreviousSaveAction() const { return previousSave_; }

  // Where "Open Folder…" asks for the folder and "Save Table…" for the file
  // (the dialogs unless replaced); an empty answer does nothing.
  void SetFolderDialog(std::function<QString()> ask) { folderDialog_ = std::move(ask); }
  void SetTableDialog(std::function<QString()> ask) { tableDialog_ = std::move(ask); }

  // A save was loaded: on show, the page lists its folder.
  void SaveLoaded();
  // Runs inside each of the user's actions: when the calculators' settings
  // changed, the rows are read again with them (after a pause for more).
  void AfterAction();

  // Saves being read (or waiting for a run to begin).
  bool Reading() const;
  // Runs the event loop until no save is being read; false after `timeoutMs`.
  bool WaitUntilRead(int timeoutMs);

  void OpenFolder();
  void SaveTable();
  void NextSave() { Step(1); }
  void PreviousSave() { Step(-1); }
  void Cancel();
  // Compares two saves (UTF-8 paths, in the order given): reads each into a
  // form of its own on a worker thread (the window draws itself meanwhile
  // but takes no input), then shows the Compare page. The pages of the
  // loaded save stay as they are. True when both saves loaded.
  bool Compare(const std::string& first, const std::string& second);
  // "Compare" of the Saves page: the two rows selected.
  void CompareSelected();

 Q_SIGNALS:
  // The last save waiting was read (or the reading was cancelled).
  void ReadingEnded();

 private:
  struct Arrived;
  struct Reader;

  int TabOf(const form::Page& page) const;
  bool SavesPageShown() const;
  // Lists the loaded save's folder on the page, unless that save was listed
  // (or a folder opened) since it was loaded.
  void FollowLoadedSave();
  void ShowFolder(const std::filesystem::path& folder);
  void Step(int step);
  void Activate(int row);
  // Starts reading the saves waiting on the page, when no reading runs.
  void ReadWaiting();
  // Stops the reading under way; its loads end in the background.
  void StopReading();
  void TakeRows(const std::shared_ptr<Arrived>& arrived);
  void ReaderEnded(const std::shared_ptr<Arrived>& arrived);
  void Rescan();
  void Watch();
  void ShowStatus();
  void KeepCurrentSave();

  MainWindow& window_;
  form::Form& form_;
  form::SavesPage& page_;
  std::function<bool(const Action&)> run_;
  std::function<QString()> folderDialog_, tableDialog_;
  QAction* openFolder_;
  QAction* saveTable_;
  QAction* nextSave_;
  QAction* previousSave_;
  QTableView* table_ = nullptr;
  QLabel* progressText_;
  QProgressBar* progressBar_;
  QPushButton* cancelButton_;
  QFileSystemWatcher* watcher_;
  QTimer* rescanTimer_;       // a folder's changes come in bursts
  QTimer* recalculateTimer_;  // so do the calculators' edits
  std::unique_ptr<Reader> reader_;
  std::vector<std::unique_ptr<Reader>> stopped_;  // cancelled readers whose loads still end
  form::CalculatorSettings settings_;             // the settings the rows are read with
  std::string followed_;                          // the loaded save the page last followed
  std::filesystem::path current_;                 // the save of the table's current row
};

}  // namespace tolvane::gui
