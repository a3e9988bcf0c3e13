#include "gui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>
#include <filesystem>

#include "gui/PageKeys.h"
#include "gui/Pages.h"
#include "gui/SavesController.h"
#include "version/Version.h"

namespace tolvane::gui {

namespace {

// The one local file of a drag, or "" when it carries anything else.
QString DroppedFile(const QMimeData* data) {
  if (!data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
  return data->urls().front().toLocalFile();
}

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kLastFolderKey = QStringLiteral("lastFolder");
const QString kRulesFileKey = QStringLiteral("saves/rulesFile");

QString Title() { return QStringLiteral("Tolvane (version %1)").arg(QString::fromLatin1(kVersion)); }

}  // namespace

// The form's questions, answered by the window's dialogs (or the answers
// tests give), and its notes, shown in the status bar after the action.
struct MainWindow::Dialogs : form::Dialogs {
  explicit Dialogs(MainWindow& window) : window_(window) {}
  std::string AskOpenFile() override { return window_.openDialog_().toStdString(); }
  std::string AskFolder(const std::string& start) override {
    return window_.folderDialog_(QString::fromStdString(start)).toStdString();
  }
  std::string AskSaveFile(const form::SaveFileRequest& request) override {
    return window_.saveFileDialog_(request).toStdString();
  }
  std::string AskRulesFile(const std::string& start) override {
    return window_.rulesDialog_(QString::fromStdString(start)).toStdString();
  }
  void Notify(const std::string& text) override { window_.note_ = QString::fromStdString(text); }

 private:
  MainWindow& window_;
};

QString AboutText() {
  return QStringLiteral(
             "<h3>Tolvane %1</h3>"
             "<p>Shows everything a saved game holds: settings, leaders and teams, the replay, histories, "
             "research, cities, reloads and the score calculators. Saves are only read, never changed.</p>"
             "<p>Built with Qt %2, running on Qt %3.</p>"
             "<p>Released under the MIT licence (see LICENSE).</p>")
      .arg(QString::fromLatin1(kVersion), QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()));
}

MainWindow::MainWindow(const QString& settingsFile, QWidget* parent)
    : QMainWindow(parent),
      settings_(settingsFile.isEmpty() ? std::make_unique<QSettings>()
                                       : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat)),
      recent_(new RecentFiles(*settings_, this)),
      form_(std::make_unique<form::Form>()),
      binder_(new Binder([this](const Action& action) { Run(action); }, this)),
      dialogs_(std::make_unique<Dialogs>(*this)) {
  setWindowTitle(Title());
  setWindowIcon(QIcon(QStringLiteral(":/tolvane.svg")));
  messageBox_ = [this](const QString& text) { QMessageBox::warning(this, QApplication::applicationName(), text); };
  openDialog_ = [this] {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Load File"), LastFolder(),
                                        QStringLiteral("Saves (*.CivWarlordsSave);;All files (*)"));
  };
  folderDialog_ = [this](const QString& start) {
    return QFileDialog::getExistingDirectory(this, QStringLiteral("Open Folder"), start);
  };
  rulesDialog_ = [this](const QString& start) {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Open Rules"), start,
                                        QStringLiteral("Rules files (*.json);;All files (*)"));
  };
  saveFileDialog_ = [this](const form::SaveFileRequest& request) {
    return QFileDialog::getSaveFileName(this, QString::fromStdString(request.title),
                                        QString::fromStdString(request.proposed),
                                        QString::fromStdString(request.filters));
  };
  binder_->SetMessageBox([this](const QString& text) { messageBox_(text); });
  binder_->SetSaveDialog([this](const SaveRequest& request) {
    return AskSavePath(this, QString::fromStdString(form_->LoadedPath()), request);
  });
  form_->SetDialogs(dialogs_.get());

  pages_ = new QTabWidget;
  pages_->setObjectName(QStringLiteral("PageControls"));
  // One tab per page of the form, in its order.
  for (form::Page* page : form_->Pages())
    pages_->addTab(kit::Scrolling(BuildPage(*binder_, *page)), QString::fromStdString(page->Caption()));

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(TopRow());
  layout->addWidget(pages_, 1);
  setCentralWidget(central);
  AddPageKeys(this, pages_);
  statusBar();

  // Files are dropped on the window as a whole, not into an edit.
  for (QWidget* child : findChildren<QWidget*>()) child->setAcceptDrops(false);
  setAcceptDrops(true);

  saves_ =
      new SavesController(*this, *form_, *binder_, [this](const Action& action) { Run(action, /*byUser=*/false); });
  form_->SetJobs({.load = [this](const std::string& path) { StartLoad(QString::fromStdString(path)); },
                  .compare = [this](const std::string& first,
                                    const std::string& second) { saves_->StartComparison(first, second); }});
  // While a save loads: its name and Cancel (or Escape) in the status bar.
  loadingText_ = new QLabel;
  loadingText_->setObjectName(QStringLiteral("LoadingL"));
  loadCancel_ = new QPushButton(QStringLiteral("Cancel"));
  loadCancel_->setObjectName(QStringLiteral("LoadCancelButton"));
  loadCancel_->setToolTip(QStringLiteral("Stop loading (Esc)"));
  connect(loadCancel_, &QPushButton::clicked, this, &MainWindow::CancelLoad);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), loadCancel_), &QShortcut::activated, loadCancel_,
          &QPushButton::click);
  statusBar()->addPermanentWidget(loadingText_);
  statusBar()->addPermanentWidget(loadCancel_);
  ShowLoading({});
  CreateMenus();

  binder_->Refresh(/*all=*/true);
  Refresh();
  pages_->setCurrentIndex(0);
  // The Saves page judges by the rules file of the last run; one that is
  // gone or refused now is named in the status bar and forgotten.
  if (const QString rules = settings_->value(kRulesFileKey).toString(); !rules.isEmpty())
    Run([this, rules] { form_->saves.OpenRules(std::filesystem::path(rules.toStdU16String())); }, /*byUser=*/false);
  if (form_->saves.RulesPath().empty()) settings_->remove(kRulesFileKey);
  binder_->Watch(form_->saves.rulesFile, [this] {
    const std::filesystem::path& rules = form_->saves.RulesPath();
    if (rules.empty())
      settings_->remove(kRulesFileKey);
    else
      settings_->setValue(kRulesFileKey, QString::fromStdU16String(rules.u16string()));
  });
  // The size the window had when it was closed last, or else the design's
  // size, never more than the screen holds.
  if (!restoreGeometry(settings_->value(kGeometryKey).toByteArray())) {
    QSize size(900, 650);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
  }
}

QString MainWindow::LastFolder() const { return settings_->value(kLastFolderKey).toString(); }

void MainWindow::Remember() {
  const QString path = QString::fromStdString(form_->LoadedPath());
  const QFileInfo file(path);
  reload_->setEnabled(true);
  setWindowFilePath(file.absoluteFilePath());
  setWindowTitle(file.fileName() + QStringLiteral(" — ") + Title());
  settings_->setValue(kLastFolderKey, file.absolutePath());
  recent_->Add(path);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  settings_->setValue(kGeometryKey, saveGeometry());
  QMainWindow::closeEvent(event);
}

// The widgets read the form until they are gone: they go first, and the
// focus that leaves them on the way is no action of the user.
MainWindow::~MainWindow() {
  running_ = true;
  delete saves_;
  delete takeCentralWidget();
}

// The File menu (opening, the folder's saves, quitting) and the Help menu.
void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  QAction* open =
      file->addAction(QStringLiteral("&Open…"), this, [this] { Run([this] { form_->fileBar.loadFile.Click(); }); });
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  recentMenu_ = file->addMenu(QStringLiteral("Open &Recent"));
  connect(recent_, &RecentFiles::Changed, this, &MainWindow::FillRecentMenu);
  FillRecentMenu();
  reload_ = file->addAction(QStringLiteral("Re&load"), this, [this] {
    Run([this] {
      if (form_->Loaded()) form_->Load(form_->LoadedPath());
    });
  });
  reload_->setShortcut(QKeySequence(Qt::Key_F5));
  reload_->setEnabled(false);
  file->addSeparator();
  file->addAction(saves_->OpenFolderAction());
  file->addAction(saves_->SaveTableAction());
  file->addSeparator();
  file->addAction(saves_->NextSaveAction());
  file->addAction(saves_->PreviousSaveAction());
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("&Quit"), this, &QWidget::close);
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  // The keys work wherever the focus is in the window, menu bar shown or not.
  for (QAction* action : {open, reload_, quit}) addAction(action);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&About Tolvane"), this,
                  [this] { QMessageBox::about(this, QStringLiteral("About Tolvane"), AboutText()); });
}

// The recent saves, newest first, numbered for the keyboard; "Clear" empties
// the list. A save that is gone when chosen leaves the list.
void MainWindow::FillRecentMenu() {
  recentMenu_->clear();
  const QStringList& files = recent_->Files();
  for (int i = 0; i < files.size(); ++i) {
    const QString path = files[i];
    const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
    recentMenu_->addAction(number + QLatin1Char(' ') + QDir::toNativeSeparators(path), this,
                           [this, path] { Run([this, path] { form_->Load(path.toStdString()); }); });
  }
  recentMenu_->addSeparator();
  QAction* clear = recentMenu_->addAction(QStringLiteral("&Clear"), recent_, &RecentFiles::Clear);
  clear->setEnabled(!files.isEmpty());
}

QWidget* MainWindow::TopRow() {
  auto* top = new QWidget;
  auto* grid = new QGridLayout(top);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(4);
  // Two lines: the path, then the buttons with the file's date between them.
  form::FileBar& bar = form_->fileBar;
  grid->addWidget(binder_->Caption(bar.savePath), 0, 0);
  QLineEdit* path = binder_->Edit(bar.savePath);
  // Enter in the path loads the path typed; the empty window says how to
  // open a save.
  path->setPlaceholderText(QStringLiteral("Drop a save onto the window, or open one with Ctrl+O"));
  connect(path, &QLineEdit::returnPressed, this, [this, path] {
    const QString typed = path->text().trimmed();
    if (!typed.isEmpty()) Run([this, typed] { form_->Load(typed.toStdString()); });
  });
  grid->addWidget(path, 0, 1, 1, 5);
  QPushButton* load = loadButton_ = binder_->Button(bar.loadFile);
  QPushButton* save = binder_->Button(bar.saveFile);
  for (QPushButton* button : {load, save}) button->setMinimumWidth(Binder::Scaled(93));
  grid->addWidget(load, 1, 1);
  grid->addWidget(binder_->Caption(bar.fileDate), 1, 2, Qt::AlignRight);
  grid->addWidget(binder_->Edit(bar.fileDate, 18), 1, 3);
  grid->addWidget(save, 1, 5);
  grid->setColumnStretch(4, 1);
  // A save that hides pages says so over them; the line is gone otherwise.
  QLabel* note = binder_->Label(bar.viewNote);
  note->setTextFormat(Qt::PlainText);
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("QLabel { background: #FFF4C8; border: 1px solid #C8A000; padding: 3px; }"));
  binder_->Watch(bar.viewNote, [note, &bar] { note->setVisible(!bar.viewNote.Text().empty()); });
  grid->addWidget(note, 2, 0, 1, 6);
  return top;
}

bool MainWindow::Run(const Action& action, bool byUser) {
  // A handler runs to completion before the next; a focus change that the
  // refresh itself causes is no action of the user.
  if (running_) {
    if (!byUser) waiting_.push_back([this, action] { Run(action, /*byUser=*/false); });
    return false;
  }
  running_ = true;
  note_.clear();
  const size_t before = form_->Messages().size();
  try {
    action();
    saves_->AfterAction();
  } catch (const std::exception& e) {
    statusBar()->showMessage(QString::fromStdString(e.what()));
  }
  Refresh();
  running_ = false;
  // The program's own actions (rows that arrive) leave the status bar alone
  // unless they have something to say.
  if (byUser || form_->Messages().size() > before) ShowMessages(before, /*inBox=*/false);
  if (!note_.isEmpty()) statusBar()->showMessage(note_, 5000);
  note_.clear();
  RunWaiting();
  return true;
}

void MainWindow::RunWaiting() {
  while (!running_ && !waiting_.empty()) {
    const std::function<void()> work = std::move(waiting_.front());
    waiting_.erase(waiting_.begin());
    work();
  }
}

void MainWindow::Refresh() {
  binder_->Refresh();
  for (int p = 0; p < pages_->count(); ++p) {
    // A hidden tab is disabled too, or the keyboard would still step onto it.
    // The last tab is only disabled: Qt's tab bar (6.4) scrolls its tabs out
    // of place while its last tab is hidden.
    const bool visible = form_->Pages()[size_t(p)]->Visible();
    const bool shown = visible || p == pages_->count() - 1;
    if (pages_->isTabVisible(p) != shown) pages_->setTabVisible(p, shown);
    if (pages_->isTabEnabled(p) != visible) pages_->setTabEnabled(p, visible);
  }
}

// Messages of a failed load stop the user in a message box; those of the
// calculators, which arise while typing, go to the status bar and leave the
// typing alone. A calculator's message names the field it refuses and stays
// as long as that field is still marked.
void MainWindow::ShowMessages(size_t from, bool inBox) {
  const auto& messages = form_->Messages();
  auto text = [this, &messages](size_t i) {
    const QString message = QString::fromStdString(messages[i]);
    const form::Edit* field = form_->FieldOfMessage(i);
    if (!field) return message;
    const QString title = QString::fromStdString(field->Title());
    return message.startsWith(title) ? message : title + QStringLiteral(": ") + message;
  };
  QStringList added;
  for (size_t i = from; i < messages.size(); ++i) added << text(i);
  if (inBox && !added.isEmpty()) {
    messageBox_(added.join('\n'));
  } else if (!added.isEmpty()) {
    statusBar()->showMessage(added.join(QStringLiteral("; ")));
  } else {
    for (size_t i = messages.size(); i-- > 0;)
      if (const form::Edit* field = form_->FieldOfMessage(i); field && field->Marked()) {
        statusBar()->showMessage(text(i));
        return;
      }
    statusBar()->clearMessage();
  }
}

void MainWindow::StartLoad(const QString& path) {
  const uint64_t load = ++load_;
  ShowLoading(QFileInfo(path).fileName());
  auto* watcher = new QFutureWatcher<form::LoadOutcome>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, load, path] {
    watcher->deleteLater();
    if (load != load_) return;  // replaced by a newer load, or cancelled
    auto outcome = std::make_shared<form::LoadOutcome>(watcher->future().takeResult());
    auto finish = [this, load, path, outcome] { FinishLoad(load, path, std::move(*outcome)); };
    // A dialog open in an action holds the form: the load is shown after it.
    if (running_)
      waiting_.push_back(finish);
    else
      finish();
  });
  watcher->setFuture(
      QtConcurrent::run([file = path.toStdString(), factors = form_->base.Factors(), delay = loadDelay_] {
        if (delay > 0) QThread::msleep(static_cast<unsigned long>(delay));
        return form::TryLoadSave(file, factors);
      }));
}

void MainWindow::CancelLoad() {
  if (!loading_) return;
  ++load_;
  ShowLoading({});
  Q_EMIT LoadFinished(false);
}

void MainWindow::ShowLoading(const QString& name) {
  loading_ = !name.isEmpty();
  loadingText_->setText(loading_ ? QStringLiteral("Loading %1…").arg(name) : QString());
  loadingText_->setVisible(loading_);
  loadCancel_->setVisible(loading_);
  // Escape is the load's while it runs.
  saves_->SetEscapeCancels(!loading_);
}

void MainWindow::FinishLoad(uint64_t load, const QString& path, form::LoadOutcome outcome) {
  if (load != load_) return;
  ShowLoading({});
  running_ = true;
  const size_t before = form_->Messages().size();
  bool loaded = false;
  try {
    loaded = form_->FinishLoad(std::move(outcome));
  } catch (const std::exception& e) {
    messageBox_(QString::fromStdString(e.what()));
  }
  Refresh();
  running_ = false;
  if (loaded)
    Remember();
  else if (!QFileInfo::exists(path))
    recent_->Remove(path);  // a save that is gone leaves the recent ones
  ShowMessages(before, /*inBox=*/!loaded);
  if (loaded) saves_->SaveLoaded();
  Q_EMIT LoadFinished(loaded);
  RunWaiting();
}

void MainWindow::OpenAtStart(const QStringList& paths) {
  if (paths.isEmpty()) return;
  QTimer::singleShot(0, this, [this, path = paths.front()] { StartLoad(path); });
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // At first the focus rests on "Load File": Enter or Space opens a save.
  if (!event->spontaneous() && !shown_) {
    shown_ = true;
    loadButton_->setFocus();
  }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // With Shift held, the loaded save is compared with the dropped one.
  if (event->modifiers().testFlag(Qt::ShiftModifier) && form_->Loaded()) {
    Run([this, path] { form_->CompareWithLoaded(path.toStdString()); });
    return;
  }
  Run([this, path] { form_->Load(path.toStdString()); });
}

}  // namespace tolvane::gui
