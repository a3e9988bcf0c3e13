#include "app/MainWindow.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

#include "app/Pages.h"
#include "app/SavesController.h"
#include "version/Version.h"

namespace tolvane::app {

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

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      form_(std::make_unique<ui::Form>()),
      binder_(new Binder([this](const Action& action) { Run(action); }, this)) {
  setWindowTitle(QStringLiteral("Tolvane (version %1)").arg(QString::fromLatin1(kVersion)));
  messageBox_ = [this](const QString& text) { QMessageBox::warning(this, QApplication::applicationName(), text); };
  openDialog_ = [this] {
    const QString last = QString::fromStdString(form_->fileBar.savePath.Text());
    return QFileDialog::getOpenFileName(this, QStringLiteral("Load File"),
                                        last.isEmpty() ? QString() : QFileInfo(last).absolutePath());
  };

  pages_ = new QTabWidget;
  pages_->setObjectName(QStringLiteral("PageControls"));
  const std::vector<QWidget*> pages = BuildPages(*binder_, *form_);
  for (size_t p = 0; p < pages.size(); ++p)
    pages_->addTab(pages[p], QString::fromStdString(form_->Pages()[p]->Caption()));

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
  resize(900, 650);
}

// The widgets read the form until they are gone: they go first, and the
// focus that leaves them on the way is no action of the user.
MainWindow::~MainWindow() {
  running_ = true;
  delete saves_;
  delete takeCentralWidget();
}

// The File menu.
void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(saves_->OpenFolderAction());
  file->addAction(saves_->SaveTableAction());
  file->addSeparator();
  file->addAction(saves_->NextSaveAction());
  file->addAction(saves_->PreviousSaveAction());
}

QWidget* MainWindow::TopRow() {
  auto* top = new QWidget;
  auto* grid = new QGridLayout(top);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(2);
  ui::FileBar& bar = form_->fileBar;
  grid->addWidget(binder_->Caption(bar.savePath), 0, 0, 1, 7, Qt::AlignHCenter);
  grid->addWidget(binder_->Edit(bar.savePath), 1, 0, 1, 7);
  QPushButton* load = loadButton_ = binder_->Button(bar.loadFile);
  QPushButton* save = binder_->Button(bar.saveFile);
  for (QPushButton* button : {load, save}) button->setMinimumSize(Binder::Scaled(93), Binder::Scaled(30));
  grid->addWidget(load, 2, 1, 2, 1, Qt::AlignBottom);
  grid->addWidget(binder_->Caption(bar.fileDate), 2, 3, Qt::AlignHCenter);
  grid->addWidget(binder_->Edit(bar.fileDate, 18), 3, 3);
  grid->addWidget(save, 2, 5, 2, 1, Qt::AlignBottom);
  for (int col : {0, 2, 4, 6}) grid->setColumnStretch(col, 1);
  grid->setRowMinimumHeight(1, 0);

  connect(load, &QPushButton::clicked, this, &MainWindow::ChooseAndLoad);
  connect(save, &QPushButton::clicked, this, &MainWindow::ChooseAndExport);
  auto* open = new QShortcut(QKeySequence::Open, this);
  connect(open, &QShortcut::activated, this, [this, load] {
    if (load->isEnabled()) ChooseAndLoad();
  });
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
// typing alone.
void MainWindow::ShowMessages(size_t from, bool inBox) {
  const auto& messages = form_->Messages();
  QStringList added;
  for (size_t i = from; i < messages.size(); ++i) added << QString::fromStdString(messages[i]);
  if (inBox && !added.isEmpty())
    messageBox_(added.join('\n'));
  else if (!added.isEmpty())
    statusBar()->showMessage(added.join(QStringLiteral("; ")));
  else
    statusBar()->clearMessage();
}

bool MainWindow::LoadPath(const QString& path) {
  if (running_) return false;
  running_ = true;
  const size_t before = form_->Messages().size();
  bool loaded = false;
  {
    const BusyCursor busy;
    try {
      loaded = form_->LoadFile(path.toStdString());
    } catch (const std::exception& e) {
      messageBox_(QString::fromStdString(e.what()));
    }
    Refresh();
  }
  running_ = false;
  ShowMessages(before, /*inBox=*/!loaded);
  if (loaded) saves_->SaveLoaded();
  return loaded;
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
  // The drop completes first; the load may then take its time.
  QTimer::singleShot(0, this, [this, path] { LoadPath(path); });
}

}  // namespace tolvane::app
