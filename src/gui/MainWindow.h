// The main window: the File menu, the file controls on top, the pages below,
// each widget bound to its control of the form (form::Form). The window only
// draws the form and passes the user's actions on to it.
#pragma once

#include <QMainWindow>
#include <QSettings>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "form/Form.h"
#include "gui/Binder.h"
#include "gui/RecentFiles.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace tolvane::gui {

class SavesController;

// The Help menu's "About Tolvane": version, Qt's version and the licence.
QString AboutText();

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // The window remembers its geometry, the last folder, the recent files and
  // the Saves page's rules file in the user's settings, or in `settingsFile`
  // (an INI file) when given.
  explicit MainWindow(const QString& settingsFile = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Every load (chosen, typed, dropped, recent, Reload, Next/Previous):
  // reads the save on a worker thread while the window takes input, with
  // "Loading NAME…" and Cancel in the status bar, then shows it; a save that
  // cannot be read shows its message in a message box and leaves the pages
  // as they were. A load started while another runs replaces it: the older
  // one's result is dropped. LoadFinished tells how the load ended.
  void StartLoad(const QString& path);
  // Stops the load under way (Cancel, Escape): its result is dropped.
  void CancelLoad();
  bool Loading() const { return loading_; }
  // The saves named on the command line ("Open with" of a file manager):
  // the first is loaded as soon as the window is up.
  void OpenAtStart(const QStringList& paths);

  const form::Form& Form() const { return *form_; }
  form::Form& Form() { return *form_; }
  QTabWidget* Pages() const { return pages_; }
  RecentFiles& Recent() { return *recent_; }
  // The folder the open dialog starts in: the last one a save was opened from.
  QString LastFolder() const;
  // The Saves page's folder, its reading and its actions.
  SavesController& Saves() const { return *saves_; }

  // How the window tells the user a load failed (a message box unless
  // replaced, e.g. by tests or the picture run).
  void SetMessageBox(std::function<void(const QString&)> show) { messageBox_ = std::move(show); }
  // Where "Load File" asks for the file (the open dialog unless replaced);
  // an empty answer loads nothing.
  void SetOpenDialog(std::function<QString()> ask) { openDialog_ = std::move(ask); }
  // Where "Open Folder…" asks for the folder (it gets the folder listed now).
  void SetFolderDialog(std::function<QString(const QString& start)> ask) { folderDialog_ = std::move(ask); }
  // Where "Open Rules…" asks for the rules file (it gets the rules file in
  // use, or the folder listed).
  void SetRulesDialog(std::function<QString(const QString& start)> ask) { rulesDialog_ = std::move(ask); }
  // Where "Save Table…" and "Save File" ask for the file to write.
  void SetSaveFileDialog(std::function<QString(const form::SaveFileRequest&)> ask) { saveFileDialog_ = std::move(ask); }
  // Holds every load back on its worker for `ms` first (to see the window
  // take input while a save loads).
  void SetLoadDelay(int ms) { loadDelay_ = ms; }
  // Where the pages' "Save …" actions ask for the file (the save dialog
  // unless replaced); an empty answer writes nothing.
  void SetSaveDialog(SaveDialog ask) { binder_->SetSaveDialog(std::move(ask)); }

 Q_SIGNALS:
  // A load ended: true when its save is shown. A load replaced by a newer
  // one ends without a signal of its own; a cancelled one with false.
  void LoadFinished(bool loaded);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QWidget* TopRow();
  void CreateMenus();
  void FillRecentMenu();
  struct Dialogs;

  // Runs one action of the user, then brings the widgets and the tabs up to
  // the form's state and shows the messages the action added (an action of
  // the user's clears the status bar of older ones). While another action
  // is under way (a dialog open in it, say) the user's action is not run
  // (it is the refresh's own echo, or the dialog holds the input) and the
  // program's own work waits until that action ends. True when it ran.
  bool Run(const Action& action, bool byUser = true);
  // Runs the work that waited for an action to end.
  void RunWaiting();
  void FinishLoad(uint64_t load, const QString& path, form::LoadOutcome outcome);
  void ShowLoading(const QString& name);
  void Refresh();
  void ShowMessages(size_t from, bool inBox);

  // After a load: the title names the loaded file, and it heads the recent ones.
  void Remember();

  std::unique_ptr<QSettings> settings_;
  RecentFiles* recent_;
  std::unique_ptr<form::Form> form_;
  Binder* binder_;
  SavesController* saves_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QPushButton* loadButton_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QAction* reload_ = nullptr;
  QLabel* loadingText_ = nullptr;
  QPushButton* loadCancel_ = nullptr;
  std::unique_ptr<Dialogs> dialogs_;
  std::function<void(const QString&)> messageBox_;
  std::function<QString()> openDialog_;
  std::function<QString(const QString&)> folderDialog_;
  std::function<QString(const QString&)> rulesDialog_;
  std::function<QString(const form::SaveFileRequest&)> saveFileDialog_;
  QString note_;  // a note of the action under way for the status bar
  bool running_ = false;
  std::vector<std::function<void()>> waiting_;  // the program's work waiting for an action to end
  uint64_t load_ = 0;                           // the latest load started
  bool loading_ = false;
  int loadDelay_ = 0;
  bool shown_ = false;
};

}  // namespace tolvane::gui
