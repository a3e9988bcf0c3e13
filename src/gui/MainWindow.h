// The main window: the File menu, the file controls on top, the pages below,
// each widget bound to its control of the form (form::Form). The window only
// draws the form and passes the user's actions on to it.
#pragma once

#include <QMainWindow>
#include <QSettings>
#include <QString>
#include <functional>
#include <memory>

#include "form/Form.h"
#include "gui/Binder.h"
#include "gui/RecentFiles.h"

class QAction;
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
  // The window remembers its geometry, the last folder and the recent files
  // in the user's settings, or in `settingsFile` (an INI file) when given.
  explicit MainWindow(const QString& settingsFile = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  // "Load File" for a chosen or dropped file: loads it under a busy cursor
  // and shows it; a save that cannot be read shows its message in a message
  // box and leaves the pages as they were. True when the save was loaded.
  bool LoadPath(const QString& path);
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
  // Where the pages' "Save …" actions ask for the file (the save dialog
  // unless replaced); an empty answer writes nothing.
  void SetSaveDialog(SaveDialog ask) { binder_->SetSaveDialog(std::move(ask)); }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QWidget* TopRow();
  void CreateMenus();
  void FillRecentMenu();
  // Runs one action of the user, then brings the widgets and the tabs up to
  // the form's state and shows the messages the action added (an action of
  // the user's clears the status bar of older ones). False (and nothing
  // runs) while another action is under way.
  bool Run(const Action& action, bool byUser = true);
  void Refresh();
  void ShowMessages(size_t from, bool inBox);
  void ChooseAndLoad();
  void ChooseAndExport();

  // After a load: the title names the file, and the file heads the recent ones.
  void Remember(const QString& path);

  std::unique_ptr<QSettings> settings_;
  RecentFiles* recent_;
  std::unique_ptr<form::Form> form_;
  Binder* binder_;
  SavesController* saves_ = nullptr;
  QTabWidget* pages_ = nullptr;
  QPushButton* loadButton_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QAction* reload_ = nullptr;
  // The save the pages show, for Reload.
  QString loadedPath_;
  std::function<void(const QString&)> messageBox_;
  std::function<QString()> openDialog_;
  bool running_ = false;
  bool shown_ = false;
};

}  // namespace tolvane::gui
