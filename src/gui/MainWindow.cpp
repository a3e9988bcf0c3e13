#include "gui/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
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
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <exception>

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

// The busy cursor for as long as a load runs.
struct BusyCursor {
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kLastFolderKey = QStringLiteral("lastFolder");

QString Title() { return QStringLiteral("Tolvane (version %1)").arg(QString::fromLatin1(kVersion)); }

}  // namespace

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
      binder_(new Binder([this](const Action& action) { Run(action); }, this)) {
  setWindowTitle(Title());
  setWindowIcon(QIcon(QStringLiteral(":/tolvane.svg")));
  messageBox_ = [this](const QString& text) { QMessageBox::warning(this, QApplication::applicationName(), text); };
  openDialog_ = [this] {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Load File"), LastFolder(),
                                        QStringLiteral("Saves (*.CivWarlordsSave);;All files (*)"));
  };
  binder_->SetMessageBox([this](const QString& text) { messageBox_(text); });
  binder_->SetSaveDialog([this](const SaveRequest& request) {
    return AskSavePath(this, QString::fromStdString(form_->fileBar.savePath.Text()), request);
  });

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
  statusBar();

  // Files are dropped on the window as a whole, not into an edit.
  for (QWidget* child : findChildren<QWidget*>()) child->setAcceptDrops(false);
  setAcceptDrops(true);

  saves_ = new SavesController(*this, *form_, *binder_,
                               [this](const Action& action) { return Run(action, /*byUser=*/false); });
  CreateMenus();

  binder_->Refresh(/*all=*/true);
  Refresh();
  pages_->setCurrentIndex(0);
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

void MainWindow::Remember(const QString& path) {
  const QFileInfo file(path);
  loadedPath_ = file.absoluteFilePath();
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
  QAction* open = file->addAction(QStringLiteral("&Open…"), this, [this] {
    if (loadButton_->isEnabled()) ChooseAndLoad();
  });
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  recentMenu_ = file->addMenu(QStringLiteral("Open &Recent"));
  connect(recent_, &RecentFiles::Changed, this, &MainWindow::FillRecentMenu);
  FillRecentMenu();
  reload_ = file->addAction(QStringLiteral("Re&load"), this, [this] {
    if (!loadedPath_.isEmpty()) LoadPath(loadedPath_);
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
    recentMenu_->addAction(number + QLatin1Char(' ') + QDir::toNativeSeparators(path), this, [this, path] {
      if (!loadButton_->isEnabled()) return;
      if (!LoadPath(path) && !QFileInfo::exists(path)) recent_->Remove(path);
    });
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
    if (!path->text().trimmed().isEmpty()) LoadPath(path->text().trimmed());
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

  connect(load, &QPushButton::clicked, this, &MainWindow::ChooseAndLoad);
  connect(save, &QPushButton::clicked, this, &MainWindow::ChooseAndExport);
  return top;
}

bool MainWindow::Run(const Action& action, bool byUser) {
  // A handler runs to completion before the next; a focus change that the
  // refresh itself causes is no action of the user.
  if (running_) return false;
  running_ = true;
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
  return true;
}

void MainWindow::Refresh() {
  binder_->Refresh();
  for (int p = 0; p < pages_->count(); ++p) {
    // A hidden tab is disabled too, or the keyboard would still step onto it.
    const bool visible = form_->Pages()[size_t(p)]->Visible();
    if (pages_->isTabVisible(p) != visible) pages_->setTabVisible(p, visible);
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

bool MainWindow::LoadPath(const QString& path) {
  if (running_) return false;
  running_ = true;
  const size_t before = form_->Messages().size();
  bool loaded = false;
  {
    // The file is read and analysed on a worker thread; the window goes on
    // drawing itself meanwhile (a save on a slow network share takes its
    // time) but takes no input until the save is shown.
    const BusyCursor busy;
    QFutureWatcher<form::LoadOutcome> watcher;
    QEventLoop wait;
    connect(&watcher, &QFutureWatcherBase::finished, &wait, &QEventLoop::quit);
    watcher.setFuture(QtConcurrent::run(
        [file = path.toStdString(), factors = form_->base.Factors()] { return form::TryLoadSave(file, factors); }));
    if (!watcher.isFinished()) wait.exec(QEventLoop::ExcludeUserInputEvents);
    try {
      loaded = form_->FinishLoad(watcher.future().takeResult());
    } catch (const std::exception& e) {
      messageBox_(QString::fromStdString(e.what()));
    }
    Refresh();
  }
  running_ = false;
  if (loaded) Remember(path);
  ShowMessages(before, /*inBox=*/!loaded);
  if (loaded) saves_->SaveLoaded();
  return loaded;
}

void MainWindow::OpenAtStart(const QStringList& paths) {
  if (paths.isEmpty()) return;
  QTimer::singleShot(0, this, [this, path = paths.front()] { LoadPath(path); });
}

void MainWindow::ChooseAndLoad() {
  const QString path = openDialog_();
  if (!path.isEmpty()) LoadPath(path);
}

// "Save File": the decompressed save under a name of the user's choice,
// then "map.txt".
void MainWindow::ChooseAndExport() {
  QFileDialog dialog(this, QStringLiteral("Save File"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("CivWarlordsSave"));
  const std::string path = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0).toStdString() : "";
  const size_t before = form_->Messages().size();
  form_->SaveFile(path, "map.txt");
  ShowMessages(before, /*inBox=*/true);
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
    QTimer::singleShot(0, this, [this, path, loaded = form_->fileBar.savePath.Text()] {
      saves_->Compare(loaded, path.toStdString());
    });
    return;
  }
  // The drop completes first; the load may then take its time.
  QTimer::singleShot(0, this, [this, path] { LoadPath(path); });
}

}  // namespace tolvane::gui
