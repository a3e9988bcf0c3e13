// The window against the form it draws: after each load and each action of
// the user every widget shows its control's state, each event of a widget
// runs the form's handler for it (and nothing else), hidden tabs stay out of
// reach, a save that cannot be read leaves the pages alone, and every page
// renders.
#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QUrl>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "SaveWriter.h"
#include "WidgetState.h"
#include "form/SaveSummary.h"
#include "form/exports/SaveTableText.h"
#include "gui/HistoryChartView.h"
#include "gui/MainWindow.h"
#include "gui/PictureView.h"
#include "gui/SavesController.h"
#include "gui/Screenshots.h"

using tolvane::gui::MainWindow;
using tolvane::gui::RecentFiles;
using namespace tolvane::gui::testing;
namespace form = tolvane::form;

namespace {

// Loads a save as every load of the window runs (on a worker thread) and
// waits until it ends; true when its save is shown.
bool Load(MainWindow& window, const QString& path) {
  QSignalSpy finished(&window, &MainWindow::LoadFinished);
  window.StartLoad(path);
  return finished.wait(20000) && finished.front().front().toBool();
}

// Waits until the load that an event of the user started (if any) ends.
bool Settled(MainWindow& window) {
  if (!window.Loading()) return true;
  QSignalSpy finished(&window, &MainWindow::LoadFinished);
  return finished.wait(20000);
}

enum Action { kType, kTypeAndLeave, kPickNext, kClick, kTypeInList };

// A control of a form, so that one row names the same control in the
// window's form and in its twin.
using Pick = form::Control& (*)(form::Form&);

// A window that has loaded a save, ready for keyboard and mouse, with the
// message box replaced by a list of the messages it would have shown.
struct Session {
  explicit Session(const QString& save = {}) {
    window.SetMessageBox([this](const QString& text) { boxes << text; });
    window.SetOpenDialog([] { return QString(); });
    window.show();
    window.activateWindow();
    active = QTest::qWaitForWindowActive(&window);
    if (!save.isEmpty()) loaded = Load(window, save);
  }
  template <typename T>
  T* Widget(const form::Control& control) const {
    return window.findChild<T*>(QString::fromStdString(control.Name()));
  }
  // The form the window draws (the tests act on it as the user would).
  form::Form& form() { return window.Form(); }
  int TabOf(const form::Page& page) const {
    const auto& pages = window.Form().Pages();
    return int(std::find(pages.begin(), pages.end(), &page) - pages.begin());
  }
  // Makes the page of a widget the current page. A hidden page (whose tab
  // is disabled as well) is opened up for the user until Close() hides it
  // again: its controls keep their handlers all the same.
  void ShowPageOf(const QWidget* widget) {
    QTabWidget* pages = window.Pages();
    for (int p = 0; p < pages->count(); ++p)
      if (pages->widget(p)->isAncestorOf(widget)) {
        if (!pages->isTabEnabled(p)) opened = p;
        pages->setTabVisible(p, true);
        pages->setTabEnabled(p, true);
        pages->setCurrentIndex(p);
      }
  }
  void Close() {
    if (opened < 0) return;
    window.Pages()->setTabEnabled(opened, false);
    window.Pages()->setTabVisible(opened, false);
    opened = -1;
  }
  QTemporaryDir settings;
  MainWindow window{settings.filePath(QStringLiteral("settings.ini"))};
  QStringList boxes;
  bool active = false;
  bool loaded = false;
  int opened = -1;
};

QString Write(const QTemporaryDir& dir, const char* name, const std::vector<uint8_t>& bytes) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  tolvane::testing::WriteFile(path.toStdString(), bytes);
  return path;
}

// The wheel turned by `notches` over a point of a widget.
void TurnWheel(QWidget* widget, QPointF at, int notches) {
  QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(widget, &wheel);
}

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("(unreadable)");
}

// The texts a user types one key after another: each key is one change.
QStringList Keystrokes(const QString& text) {
  QStringList prefixes;
  for (qsizetype n = 1; n <= text.size(); ++n) prefixes << text.left(n);
  return prefixes;
}

// Whether a widget as drawn holds a pixel of the colour `is` accepts.
template <typename Is>
bool Painted(QWidget* widget, Is is) {
  const QImage image = widget->grab().toImage();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (is(image.pixelColor(x, y))) return true;
  return false;
}

}  // namespace

Q_DECLARE_METATYPE(Pick)

class WindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase();
  void startsEmpty();
  void showsEachLoadedSave();
  void handlersRunFromTheirWidgetEvents_data();
  void handlersRunFromTheirWidgetEvents();
  void programChangesRaiseNoEvents();
  void calculatorMessagesGoToTheStatusBar();
  void computedFieldsAreReadOnly();
  void hiddenTabsStayOutOfReach();
  void viewNoteSaysWhatIsHidden();
  void unreadableSaveKeepsThePages_data();
  void unreadableSaveKeepsThePages();
  void loadFileAsksForTheFile();
  void commandLineAndPathFieldLoad();
  void settingsOutliveTheWindow();
  void fileMenuOpensReloadsAndQuits();
  void droppedFileLoads();
  void chartZoomsAndComesBack();
  void chartHoverShowsTurnAndValues();
  void worldMapZoomsPansAndTellsThePlot();
  void worldPictureIsSaved();
  void worldTimelapseStepsAndPlays();
  void chartAndItsDataAreSaved();
  void gridsCopyTheirCells();
  void savesPageSortsFiltersAndOpens();
  void savesReadingStopsOnCancel();
  void twoSavesCompared();
  void savesGroupedByGameCompareALinkAndKeepRules();
  void actionsTakeTheLoadedSaveNotTheTypedPath();
  void inputDuringALoadIsNotDropped();
  void everyPageRenders();
  void savesPageLeavesNoStripBesideThePages();
  void sortingKeepsTheColumnsInView();
  void tabKeysWorkWhereverTheFocusIs();
  void eachTabHoldsItsOwnPage();
  void aLoadTakesTheCalculatorsMessagesAway();

 private:
  QTemporaryDir dir_;
  QString example_, other_, password_, restricted_, firstTurn_;
  QTemporaryDir aloneDir_;
  QString alone_;  // the example save, alone in its folder
};

void WindowTest::initTestCase() {
  QVERIFY(dir_.isValid());
  using tolvane::testing::ExampleSave;
  using tolvane::testing::WriteSaveFile;
  example_ = Write(dir_, "example.CivWarlordsSave", WriteSaveFile(ExampleSave()));
  alone_ = Write(aloneDir_, "example.CivWarlordsSave", WriteSaveFile(ExampleSave()));
  other_ = Write(dir_, "other.CivWarlordsSave", WriteSaveFile(ExampleSave(2)));
  auto d = ExampleSave();
  d.slots[0].password = "secret";  // the pages of the game's course are hidden
  password_ = Write(dir_, "password.CivWarlordsSave", WriteSaveFile(d));
  d = ExampleSave();
  d.adminPassword = "admin";  // a running game: only the teams met are shown
  restricted_ = Write(dir_, "restricted.CivWarlordsSave", WriteSaveFile(d));
  d = ExampleSave();
  d.elapsedTurns = 0;  // saved on its first turn: no history, a value axis of 0 .. 0
  firstTurn_ = Write(dir_, "first turn.CivWarlordsSave", WriteSaveFile(d));
}

void WindowTest::startsEmpty() {
  Session s;
  QVERIFY(s.active);
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  QCOMPARE(s.window.windowTitle(), QStringLiteral("Tolvane (version 1.06)"));
  QCOMPARE(s.window.Pages()->currentIndex(), 0);
  form::Form& form = s.form();
  QVERIFY(!s.window.Pages()->isTabVisible(s.TabOf(form.header)));
  QVERIFY(!s.window.Pages()->isTabVisible(s.TabOf(form.cities)));
  QVERIFY(!s.Widget<QPushButton>(form.fileBar.saveFile)->isEnabled());
  QVERIFY(!s.window.Saves().SaveTableAction()->isEnabled());  // no table to save yet
  QVERIFY(s.Widget<QComboBox>(form.playerLog.playerSelector)->isHidden());
  QVERIFY(s.Widget<QComboBox>(form.player.playerSelector)->isHidden());
}

// One load after another in the same window, the demo save among them:
// nothing of an earlier save stays where the form shows something else.
void WindowTest::showsEachLoadedSave() {
  Session s;
  const QString demo = QStringLiteral(TOLVANE_DEMO_SAVE);
  QVERIFY2(QFile::exists(demo), qPrintable(demo));
  for (const QString& save : {demo, example_, password_, other_, firstTurn_, restricted_, demo}) {
    QVERIFY2(Load(s.window, save), qPrintable(save));
    QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  }
  QVERIFY(s.boxes.isEmpty());
}

void WindowTest::handlersRunFromTheirWidgetEvents_data() {
  QTest::addColumn<Pick>("pick");
  QTest::addColumn<int>("action");
  QTest::addColumn<QString>("text");
  struct Row {
    Pick pick;
    Action action;
    const char* text;
  };
  // Every binding of the handlers: the Base page's recomputation (leaving
  // its edits), the sessions' recount, the graph,
  // the player log's filters and player, the Player page's player, the
  // Kavrel score, the anarchy length, the Cities page's player and city, the
  // Attitudes page's leaders; and a display edit, whose typing changes its
  // text only.
  static const Row kRows[] = {
      {[](form::Form& f) -> form::Control& { return f.base.land.initial; }, kTypeAndLeave, "7"},
      {[](form::Form& f) -> form::Control& { return f.base.population.current; }, kTypeAndLeave, "100"},
      {[](form::Form& f) -> form::Control& { return f.base.wonders.maximal; }, kTypeAndLeave, "900"},
      {[](form::Form& f) -> form::Control& { return f.base.science.factor; }, kTypeAndLeave, "3000"},
      {[](form::Form& f) -> form::Control& { return f.base.difficultyCoefficient; }, kTypeAndLeave, "2.5"},
      {[](form::Form& f) -> form::Control& { return f.base.vassalPopulationScored; }, kTypeAndLeave, "3"},
      {[](form::Form& f) -> form::Control& { return f.base.vassalLandScored; }, kTypeAndLeave, "4"},
      {[](form::Form& f) -> form::Control& { return f.reloads.preSessions; }, kType, "3"},
      {[](form::Form& f) -> form::Control& { return f.base.turn; }, kType, "77"},
      {[](form::Form& f) -> form::Control& { return f.graph.historySelector; }, kPickNext, ""},
      {[](form::Form& f) -> form::Control& { return f.graph.showAi; }, kClick, ""},
      {[](form::Form& f) -> form::Control& { return f.world.showOwners; }, kClick, ""},
      {[](form::Form& f) -> form::Control& { return f.world.showCities; }, kClick, ""},
      {[](form::Form& f) -> form::Control& { return f.world.showResources; }, kClick, ""},
      {[](form::Form& f) -> form::Control& { return f.playerLog.showCombats; }, kClick, ""},
      {[](form::Form& f) -> form::Control& { return f.playerLog.showCityEvents; }, kClick, ""},
      {[](form::Form& f) -> form::Control& { return f.playerLog.playerSelector; }, kPickNext, ""},
      {[](form::Form& f) -> form::Control& { return f.player.playerSelector; }, kPickNext, ""},
      {[](form::Form& f) -> form::Control& { return f.kavrel.population.current; }, kTypeAndLeave, "50"},
      {[](form::Form& f) -> form::Control& { return f.kavrel.culture.maximal; }, kTypeAndLeave, "999"},
      {[](form::Form& f) -> form::Control& { return f.kavrel.turn.factor; }, kTypeAndLeave, "100"},
      {[](form::Form& f) -> form::Control& { return f.kavrel.anarchy.civics; }, kTypeAndLeave, "3"},
      {[](form::Form& f) -> form::Control& { return f.kavrel.anarchy.cities; }, kTypeAndLeave, "40"},
      {[](form::Form& f) -> form::Control& { return f.kavrel.anarchy.worldSize; }, kPickNext, ""},
      {[](form::Form& f) -> form::Control& { return f.kavrel.anarchy.gameSpeed; }, kPickNext, ""},
      {[](form::Form& f) -> form::Control& { return f.kavrel.anarchy.startEra; }, kPickNext, ""},
      {[](form::Form& f) -> form::Control& { return f.kavrel.anarchy.gameSpeed; }, kTypeInList, "Quick"},
      {[](form::Form& f) -> form::Control& { return f.cities.playerSelector; }, kPickNext, ""},
      {[](form::Form& f) -> form::Control& { return f.cities.citySelector; }, kPickNext, ""},
      {[](form::Form& f) -> form::Control& { return f.attitudes.leaderSelector; }, kPickNext, ""},
      {[](form::Form& f) -> form::Control& { return f.attitudes.towardSelector; }, kPickNext, ""},
  };
  // Each row is named after its page and what its control shows.
  form::Form names;
  for (const Row& row : kRows) {
    const form::Control& c = row.pick(names);
    const QString what = QString::fromStdString(c.Description().empty() ? c.Caption() : c.Description()).simplified();
    QString page;
    for (const form::Page* p : names.Pages())
      if (std::find(p->Controls().begin(), p->Controls().end(), &c) != p->Controls().end())
        page = QString::fromStdString(p->Caption());
    QTest::addRow("%s: %s %s", qPrintable(page), qPrintable(what), row.text)
        << row.pick << int(row.action) << QString::fromLatin1(row.text);
  }
}

// The window and a twin form that gets the same actions through the form's
// own entry points must end up alike: the same texts in every widget and
// the same revision of every control (no handler ran twice, none ran for a
// change the program made).
void WindowTest::handlersRunFromTheirWidgetEvents() {
  QFETCH(Pick, pick);
  QFETCH(int, action);
  QFETCH(QString, text);
  // The save alone in its folder: the World page, shown, has the folder
  // read, which the twin then reads too, in one batch as the window does.
  Session s(alone_);
  QVERIFY(s.active && s.loaded);
  form::Form twin;
  QVERIFY(twin.LoadFile(alone_.toStdString()));
  QCOMPARE(WidgetState(s.window), FormState(twin));
  QCOMPARE(Revisions(s.window.Form()), Revisions(twin));

  form::Control& control = pick(twin);
  QWidget* widget = s.Widget<QWidget>(control);
  QVERIFY(widget);
  s.ShowPageOf(widget);
  if (!s.form().saves.Folder().empty()) {
    QVERIFY(s.window.Saves().WaitUntilRead(20000));
    QVERIFY(twin.FollowLoadedSave());
    const std::vector<std::filesystem::path> paths = twin.saves.StartReading();
    std::vector<std::pair<std::filesystem::path, form::SaveRow>> rows;
    for (const auto& path : paths) rows.emplace_back(path, form::SummarizeSave(path, twin.Calculators()));
    twin.saves.SetRows(std::move(rows));
  }
  switch (Action(action)) {
    case kType:
    case kTypeAndLeave: {
      auto* edit = qobject_cast<QLineEdit*>(widget);
      QVERIFY(edit);
      edit->setFocus(Qt::MouseFocusReason);
      QTRY_VERIFY(edit->hasFocus());
      edit->selectAll();
      QTest::keyClicks(edit, text);
      auto& twinEdit = static_cast<form::Edit&>(control);
      for (const QString& typed : Keystrokes(text)) twinEdit.SetText(typed.toStdString());
      if (action == kType) break;
      // Typing alone runs no exit handler; leaving the edit runs it once.
      QCOMPARE(WidgetState(s.window), FormState(twin));
      QCOMPARE(Revisions(s.window.Form()), Revisions(twin));
      QTest::keyClick(edit, Qt::Key_Tab);
      QVERIFY(!edit->hasFocus());
      twinEdit.Exit();
      break;
    }
    case kPickNext: {
      auto* box = qobject_cast<QComboBox*>(widget);
      QVERIFY(box);
      auto& twinBox = static_cast<form::ComboBox&>(control);
      const int next = twinBox.Index() + 1;
      QVERIFY(next < box->count());
      QTest::keyClick(box, Qt::Key_Down);
      twinBox.Select(next);
      break;
    }
    case kClick:
      QVERIFY(qobject_cast<QCheckBox*>(widget));
      QTest::mouseClick(widget, Qt::LeftButton);
      static_cast<form::CheckBox&>(control).Click();
      break;
    case kTypeInList: {
      auto* box = qobject_cast<QComboBox*>(widget);
      QVERIFY(box && box->isEditable());
      box->lineEdit()->setFocus(Qt::MouseFocusReason);
      box->lineEdit()->selectAll();
      QTest::keyClicks(box->lineEdit(), text);
      for (const QString& typed : Keystrokes(text)) static_cast<form::ComboBox&>(control).Type(typed.toStdString());
      break;
    }
  }
  s.Close();
  QCOMPARE(WidgetState(s.window), FormState(twin));
  QCOMPARE(Revisions(s.window.Form()), Revisions(twin));
  QCOMPARE(s.boxes, QStringList());
}

// Texts and selections set by the program (as a refresh does) are no
// actions of the user: no handler runs, no control changes.
void WindowTest::programChangesRaiseNoEvents() {
  Session s(example_);
  QVERIFY(s.loaded);
  const auto before = Revisions(s.window.Form());
  for (QLineEdit* edit : s.window.findChildren<QLineEdit*>()) edit->setText(QStringLiteral("12"));
  for (QComboBox* box : s.window.findChildren<QComboBox*>())
    if (box->count() > 1) box->setCurrentIndex(box->count() - 1);
  for (QCheckBox* check : s.window.findChildren<QCheckBox*>()) check->setChecked(!check->isChecked());
  QCOMPARE(Revisions(s.window.Form()), before);
}

// A calculator's message while typing goes to the status bar: no message
// box takes the focus from the edit.
void WindowTest::calculatorMessagesGoToTheStatusBar() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  form::Edit& preSessions = s.form().reloads.preSessions;
  auto* edit = s.Widget<QLineEdit>(preSessions);
  s.ShowPageOf(edit);
  edit->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(edit->hasFocus());
  const QColor plain = edit->palette().color(QPalette::Base);
  // A text that is no number, then one out of range: the status bar names
  // the field, the field is marked, the typing goes on.
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QCOMPARE(s.window.statusBar()->currentMessage(), QStringLiteral("PreSessions: '' is not a valid integer value"));
  QVERIFY(edit->hasFocus());
  QVERIFY(edit->palette().color(QPalette::Base) != plain);
  QTest::keyClicks(edit, QStringLiteral("9"));
  QCOMPARE(s.window.statusBar()->currentMessage(), QStringLiteral("PreSessions must be a whole number from 0 to 5."));
  // Leaving the field keeps the message while the field is still refused.
  QTest::keyClick(edit, Qt::Key_Tab);
  QCOMPARE(s.window.statusBar()->currentMessage(), QStringLiteral("PreSessions must be a whole number from 0 to 5."));
  QCOMPARE(s.Widget<QLineEdit>(s.form().reloads.playSessions)->text(), QStringLiteral("     3"));
  edit->setFocus(Qt::MouseFocusReason);
  edit->selectAll();
  QTest::keyClicks(edit, QStringLiteral("4"));
  QCOMPARE(s.window.statusBar()->currentMessage(), QString());
  QCOMPARE(edit->palette().color(QPalette::Base), plain);
  QCOMPARE(s.Widget<QLineEdit>(s.form().reloads.playSessions)->text(), QStringLiteral("     1"));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  QCOMPARE(s.boxes, QStringList());

  // Closing the window while a calculator's edit still has the focus: the
  // focus leaves the edits as they go, and nothing may run on them then.
  auto* score = s.Widget<QLineEdit>(s.form().base.population.current);
  s.ShowPageOf(score);
  score->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(score->hasFocus());
  QTest::keyClicks(score, QStringLiteral("5"));
}

// The calculators' results take no typing and no focus: Tab steps over them.
void WindowTest::computedFieldsAreReadOnly() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  int computed = 0;
  for (const form::Control* c : s.form().Controls()) {
    const auto* e = form::As<form::Edit>(c);
    if (!e || e->Role() != form::EditRole::Computed) continue;
    ++computed;
    auto* edit = s.Widget<QLineEdit>(*e);
    QVERIFY2(edit->isReadOnly() && edit->focusPolicy() == Qt::NoFocus, e->Name().c_str());
  }
  QCOMPARE(computed, 29);  // Base 11, Kavrel 16, Reloads 2
  // From the last input of the Base page's first row, Tab leads to the next
  // row's first input, past the two results.
  auto* factor = s.Widget<QLineEdit>(s.form().base.population.factor);
  s.ShowPageOf(factor);
  factor->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(factor->hasFocus());
  QTest::keyClick(factor, Qt::Key_Tab);
  QTRY_VERIFY(s.Widget<QLineEdit>(s.form().base.land.initial)->hasFocus());
  const QString before = s.Widget<QLineEdit>(s.form().base.finalScoreSum)->text();
  QTest::keyClicks(s.Widget<QLineEdit>(s.form().base.finalScoreSum), QStringLiteral("123"));
  QCOMPARE(s.Widget<QLineEdit>(s.form().base.finalScoreSum)->text(), before);
}

// Neither the keyboard nor the tab bar leads to the Header or Cities page, nor
// to the Compare page before a comparison.
void WindowTest::hiddenTabsStayOutOfReach() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  QTabWidget* pages = s.window.Pages();
  QSet<int> visited;
  for (const Qt::KeyboardModifiers direction :
       {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
    pages->setCurrentIndex(0);
    for (int step = 0; step < 2 * pages->count(); ++step) {
      QTest::keyClick(pages, Qt::Key_Tab, direction);
      visited << pages->currentIndex();
    }
  }
  for (int p = 0; p < pages->count(); ++p) {
    const bool reachable =
        p != s.TabOf(s.form().header) && p != s.TabOf(s.form().cities) && p != s.TabOf(s.form().compare);
    QCOMPARE(visited.contains(p), reachable);
    QCOMPARE(pages->isTabEnabled(p), reachable);
    // The last tab stays in the bar, disabled, or the bar would scroll its
    // tabs out of place.
    QCOMPARE(pages->isTabVisible(p), reachable || p == pages->count() - 1);
  }
  // In a small window the tabs scroll, the first at the bar's start.
  s.window.resize(800, 600);
  QTabBar* bar = pages->tabBar();
  QVERIFY(bar->tabRect(s.TabOf(s.form().saves)).right() > bar->width());
  pages->setCurrentIndex(0);
  QTRY_COMPARE(bar->tabRect(0).left(), 0);
  const int map = s.TabOf(s.form().map);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(map).center());
  QCOMPARE(pages->currentIndex(), map);
  QCOMPARE(bar->tabRect(0).left(), 0);
}

// A save that hides pages says so in a line over them, loaded as the user
// loads it (a path typed into the Path field and Enter); a save shown in
// full takes the line away.
void WindowTest::viewNoteSaysWhatIsHidden() {
  Session s;
  QVERIFY(s.active);
  const form::Label& note = s.form().fileBar.viewNote;
  auto* line = s.Widget<QLabel>(note);
  QVERIFY(line);
  QVERIFY(!line->isVisible());
  auto load = [&s](const QString& path) {
    auto* field = s.Widget<QLineEdit>(s.form().fileBar.savePath);
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClicks(field, path);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(Settled(s.window));
    QCOMPARE(QString::fromStdString(s.form().LoadedPath()), path);
  };
  load(password_);
  QVERIFY(line->isVisible());
  QVERIFY(line->text().startsWith(QStringLiteral("The first player's password protects this save: the pages ")));
  for (const form::Page* page : s.form().Pages()) {
    // Every tab the save hides is named, and none that a fresh window hides.
    const QString caption = QString::fromStdString(page->Caption());
    bool named = false;
    for (const char* after : {",", " and", " are"})
      named = named || line->text().contains(QLatin1Char(' ') + caption + QLatin1String(after));
    const bool hiddenBySave = !s.window.Pages()->isTabVisible(s.TabOf(*page)) && page != &s.form().header &&
                              page != &s.form().cities && page != &s.form().compare;
    QVERIFY2(named == hiddenBySave, page->Caption().c_str());
  }
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  load(example_);
  QVERIFY(!line->isVisible());
  QCOMPARE(line->text(), QString());
  load(restricted_);
  QVERIFY(line->isVisible());
  QVERIFY(line->text().startsWith(QStringLiteral("An administrator's password restricts the view")));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

void WindowTest::unreadableSaveKeepsThePages_data() {
  QTest::addColumn<QString>("path");
  auto file = tolvane::testing::WriteSaveFile(tolvane::testing::ExampleSave());
  QTest::newRow("missing file") << dir_.filePath(QStringLiteral("no such.CivWarlordsSave"));
  QTest::newRow("no zlib stream") << Write(dir_, "text.CivWarlordsSave", {'s', 'a', 'v', 'e', '\n'});
  QTest::newRow("cut in the stream") << Write(dir_, "cut.CivWarlordsSave", {file.begin(), file.begin() + 2000});
  for (size_t i = file.size() / 2; i < file.size() / 2 + 64; ++i) file[i] ^= 0x5A;
  QTest::newRow("damaged stream") << Write(dir_, "damaged.CivWarlordsSave", file);
}

void WindowTest::unreadableSaveKeepsThePages() {
  QFETCH(QString, path);
  Session s(example_);
  QVERIFY(s.loaded);
  const QStringList before = WidgetState(s.window);
  QVERIFY(!Load(s.window, path));
  QCOMPARE(s.boxes.size(), 1);
  QCOMPARE(s.boxes.front(), QString::fromStdString(s.window.Form().Messages().back()));
  QVERIFY(!s.boxes.front().isEmpty());
  QCOMPARE(WidgetState(s.window), before);
  QCOMPARE(s.Widget<QLineEdit>(s.form().fileBar.savePath)->text(), example_);
}

// "Load File" by mouse, by its mnemonic and by Ctrl+O; a cancelled dialog
// loads nothing.
void WindowTest::loadFileAsksForTheFile() {
  Session s;
  QVERIFY(s.active);
  QString answer = example_;
  int asked = 0;
  s.window.SetOpenDialog([&] {
    ++asked;
    return answer;
  });
  const form::FileBar& bar = s.form().fileBar;
  auto* path = s.Widget<QLineEdit>(bar.savePath);
  QTest::mouseClick(s.Widget<QPushButton>(bar.loadFile), Qt::LeftButton);
  QVERIFY(Settled(s.window));
  QCOMPARE(path->text(), example_);
  answer = other_;
  QTest::keyClick(&s.window, Qt::Key_O, Qt::ControlModifier);
  QVERIFY(Settled(s.window));
  QCOMPARE(path->text(), other_);
  answer = example_;
  QTest::keyClick(&s.window, Qt::Key_L, Qt::AltModifier);  // the button shows its press, then clicks
  QTRY_COMPARE(path->text(), example_);
  answer.clear();
  QTest::mouseClick(s.Widget<QPushButton>(bar.loadFile), Qt::LeftButton);
  QCOMPARE(path->text(), example_);
  QCOMPARE(asked, 4);
  QTest::mouseClick(s.Widget<QPushButton>(bar.saveFile), Qt::LeftButton);  // disabled: no dialog
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// "Open with" and the command line: the save named loads once the window is
// up; Enter in the path field loads the path typed there.
void WindowTest::commandLineAndPathFieldLoad() {
  Session s;
  QVERIFY(s.active);
  auto* path = s.Widget<QLineEdit>(s.form().fileBar.savePath);
  QVERIFY(path->text().isEmpty() && !path->placeholderText().isEmpty());
  s.window.OpenAtStart({example_, other_});
  QTRY_COMPARE(path->text(), example_);
  QCOMPARE(s.form().base.nick.Text(), s.form().Model().slots[0].leaderName);
  const std::string firstMap = s.form().MapText();
  path->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(path->hasFocus());
  path->selectAll();
  QTest::keyClicks(path, other_);
  QTest::keyClick(path, Qt::Key_Return);
  QVERIFY(Settled(s.window));
  QCOMPARE(path->text(), other_);
  QVERIFY(s.form().MapText() != firstMap);  // the other save's map
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  QCOMPARE(s.boxes, QStringList());
}

// What the window remembers outlives it: the recent files (newest first,
// each once), the last folder and the window's size; the title names the
// file shown.
void WindowTest::settingsOutliveTheWindow() {
  const QTemporaryDir dir;
  const QString settings = dir.filePath(QStringLiteral("settings.ini"));
  {
    MainWindow window(settings);
    QStringList boxes;
    window.SetMessageBox([&boxes](const QString& text) { boxes << text; });
    window.show();
    window.resize(700, 560);
    QVERIFY(Load(window, example_));
    QVERIFY(Load(window, other_));
    QVERIFY(Load(window, example_));
    QVERIFY(!Load(window, dir_.filePath(QStringLiteral("missing.CivWarlordsSave"))));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(window.windowTitle(), QStringLiteral("example.CivWarlordsSave — Tolvane (version 1.06)"));
    QCOMPARE(window.windowFilePath(), example_);
    window.close();
  }
  MainWindow again(settings);
  QCOMPARE(again.Recent().Files(), (QStringList{example_, other_}));
  QCOMPARE(again.LastFolder(), QFileInfo(example_).absolutePath());
  QCOMPARE(again.size(), QSize(700, 560));
  for (int i = 0; i < 12; ++i) again.Recent().Add(dir_.filePath(QStringLiteral("s%1.CivWarlordsSave").arg(i)));
  QCOMPARE(again.Recent().Files().size(), RecentFiles::kMaximum);
  QCOMPARE(again.Recent().Files().front(), dir_.filePath(QStringLiteral("s11.CivWarlordsSave")));
  again.Recent().Clear();
  QVERIFY(MainWindow(settings).Recent().Files().isEmpty());
}

// The File menu by its keys: Ctrl+O opens what the dialog names and the
// save heads "Open Recent" (and the Saves page lists its folder); F5 reads the file again as it is now; a recent
// save that is gone leaves the list; "Clear" empties it; Ctrl+Q closes the
// window. Help's "About" names the version, Qt's and the licence.
void WindowTest::fileMenuOpensReloadsAndQuits() {
  QTemporaryDir folder;
  using tolvane::testing::ExampleSave;
  using tolvane::testing::WriteSaveFile;
  const QString save = Write(folder, "game.CivWarlordsSave", WriteSaveFile(ExampleSave(1)));
  Session s;
  QVERIFY(s.active);
  QVERIFY(!s.window.windowIcon().pixmap(32).isNull());
  auto action = [&s](const QString& text) {
    for (QAction* a : s.window.findChildren<QAction*>())
      if (a->text() == text) return a;
    return static_cast<QAction*>(nullptr);
  };
  QAction* reload = action(QStringLiteral("Re&load"));
  QVERIFY(reload && !reload->isEnabled());
  s.window.SetOpenDialog([&save] { return save; });
  QTest::keyClick(&s.window, Qt::Key_O, Qt::ControlModifier);
  QVERIFY(Settled(s.window));
  QCOMPARE(QString::fromStdString(s.form().fileBar.savePath.Text()), save);
  QVERIFY(reload->isEnabled());
  // The Saves page, once shown, lists the loaded save's folder, its row marked.
  s.window.Pages()->setCurrentIndex(s.TabOf(s.form().saves));
  QVERIFY(s.window.Saves().WaitUntilRead(20000));
  QCOMPARE(s.form().saves.table.Rows().size(), size_t(1));
  QCOMPARE(s.form().saves.table.MarkedRow(), 0);
  s.window.Pages()->setCurrentIndex(0);
  auto* recent = s.window.findChild<QMenu*>();
  for (QMenu* menu : s.window.findChildren<QMenu*>())
    if (menu->title() == QStringLiteral("Open &Recent")) recent = menu;
  auto entries = [recent] {
    QStringList texts;
    for (const QAction* a : recent->actions()) texts << a->text();
    return texts;
  };
  QCOMPARE(entries(), (QStringList{"&1 " + QDir::toNativeSeparators(save), "", "&Clear"}));

  const std::string turn = s.form().base.turn.Text();
  auto later = ExampleSave(1);
  later.elapsedTurns = 200;
  Write(folder, "game.CivWarlordsSave", WriteSaveFile(later));
  QTest::keyClick(&s.window, Qt::Key_F5);
  QVERIFY(Settled(s.window));
  QVERIFY(s.form().base.turn.Text() != turn);
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  const QString gone = folder.filePath(QStringLiteral("gone.CivWarlordsSave"));
  s.window.Recent().Add(gone);
  recent->actions().front()->trigger();
  QVERIFY(Settled(s.window));
  QCOMPARE(s.boxes.size(), 1);
  QCOMPARE(s.window.Recent().Files(), QStringList{save});
  QCOMPARE(entries().size(), 3);
  action(QStringLiteral("&Clear"))->trigger();
  QVERIFY(s.window.Recent().Files().isEmpty());
  QCOMPARE(entries(), (QStringList{"", "&Clear"}));
  QVERIFY(!action(QStringLiteral("&Clear"))->isEnabled());

  const QString about = tolvane::gui::AboutText();
  for (const QString& part : {QStringLiteral("Tolvane 1.06"), QString::fromLatin1(qVersion()), QStringLiteral("MIT")})
    QVERIFY2(about.contains(part), qPrintable(part));
  QVERIFY(action(QStringLiteral("&About Tolvane")));
  QTest::keyClick(&s.window, Qt::Key_Q, Qt::ControlModifier);
  QVERIFY(!s.window.isVisible());
}

void WindowTest::droppedFileLoads() {
  Session s;
  QVERIFY(s.window.acceptDrops());
  auto drop = [&s](const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPointF at(s.window.width() / 2.0, s.window.height() / 2.0);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&s.window, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&s.window, &dropped);
    return dropped.isAccepted();
  };
  QVERIFY(!drop({QUrl::fromLocalFile(example_), QUrl::fromLocalFile(other_)}));
  QVERIFY(!drop({QUrl(QStringLiteral("https://example.org/a.CivWarlordsSave"))}));
  QVERIFY(drop({QUrl::fromLocalFile(other_)}));
  QTRY_COMPARE(s.Widget<QLineEdit>(s.form().fileBar.savePath)->text(), other_);
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// Dragging a rectangle zooms in; a double click or a right click shows the
// whole chart again, with the value axis at the limits the page set.
void WindowTest::chartZoomsAndComesBack() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  const form::Chart& axis = s.form().graph.chart;
  auto* chart = s.Widget<tolvane::gui::HistoryChartView>(axis);
  QVERIFY(chart);
  s.ShowPageOf(chart);
  QWidget* area = chart->viewport();
  const QRectF plot = chart->chart()->plotArea();
  const QPoint from = plot.topLeft().toPoint() + QPoint(40, 40), to = plot.center().toPoint();
  auto zoomIn = [&] {
    QTest::mousePress(area, Qt::LeftButton, {}, from);
    QTest::mouseMove(area, to);
    QTest::mouseRelease(area, Qt::LeftButton, {}, to);
    return chart->chart()->isZoomed() && chart->AxisY()->max() < double(axis.AxisMax());
  };
  auto unzoomed = [&] {
    return !chart->chart()->isZoomed() && chart->AxisY()->min() == double(axis.AxisMin()) &&
           chart->AxisY()->max() == double(axis.AxisMax());
  };
  QVERIFY(unzoomed());
  QVERIFY(zoomIn());
  QTest::mouseDClick(area, Qt::LeftButton, {}, to);
  QVERIFY(unzoomed());
  QVERIFY(zoomIn());
  QTest::mouseClick(area, Qt::RightButton, {}, to);
  QVERIFY(unzoomed());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// Anywhere over the plot the pointer shows a guide at the turn under it and
// a label with that turn and each line's value there, as the page's chart
// holds them; off the plot both go.
void WindowTest::chartHoverShowsTurnAndValues() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  form::GraphPage& page = s.form().graph;
  auto* chart = s.Widget<tolvane::gui::HistoryChartView>(page.chart);
  s.ShowPageOf(chart);
  QTest::mouseClick(s.Widget<QCheckBox>(page.showAi), Qt::LeftButton);  // every player's line
  QCoreApplication::processEvents();
  auto* label = chart->viewport()->findChild<QLabel*>(QStringLiteral("HistoryChartHover"));
  QVERIFY(label);
  const QRectF plot = chart->chart()->plotArea();
  for (const double across : {0.5, 0.23}) {
    const QPoint pointer =
        chart->mapFromScene(QPointF(plot.left() + plot.width() * across, plot.top() + plot.height() * 0.8));
    QTest::mouseMove(chart->viewport(), pointer);
    const int turn = int(std::lround(chart->chart()->mapToValue(chart->mapToScene(pointer)).x()));
    QTRY_COMPARE(chart->GuideTurn(), std::optional<int>(turn));
    QVERIFY(label->isVisible());
    QStringList expected{QStringLiteral("Turn %1").arg(turn)};
    for (const form::ChartSeries& series : page.chart.Series())
      for (const auto& [x, y] : series.points)
        if (x == turn) expected << QStringLiteral("%1: %2").arg(QString::fromStdString(series.title)).arg(y);
    QVERIFY(expected.size() > 2);
    QCOMPARE(label->text(), expected.join(QLatin1Char('\n')));
  }
  QTest::mouseMove(chart->viewport(), chart->mapFromScene(plot.topLeft() - QPointF(2, 2)));
  QTRY_VERIFY(!chart->GuideTurn());
  QVERIFY(!label->isVisible());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// The map: the wheel zooms about the pointer and dragging pans, both from
// the cached image (the form draws nothing anew); the plot under the
// pointer is told; a double click shows the whole map; a check box draws
// the picture anew.
void WindowTest::worldMapZoomsPansAndTellsThePlot() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  form::WorldPage& page = s.form().world;
  auto* map = s.Widget<tolvane::gui::PictureView>(page.picture);
  QVERIFY(map);
  s.ShowPageOf(map);
  // Shown, the page has the save's folder read: its game's timelapse then
  // takes its place over the map.
  QVERIFY(s.window.Saves().WaitUntilRead(20000));
  QVERIFY(QTest::qWaitForWindowExposed(&s.window));
  QCoreApplication::processEvents();
  QVERIFY(!map->Image().isNull());
  const qint64 image = map->Image().cacheKey();
  const uint64_t revision = page.picture.Revision();
  const double fit = map->Zoom();

  const QPointF at(map->width() / 3.0, map->height() / 2.0);
  const QPointF under = (at - map->Origin()) / map->Zoom();
  TurnWheel(map, at, 2);
  QCOMPARE(map->Zoom(), fit * 1.25 * 1.25);
  const QPointF still = (at - map->Origin()) / map->Zoom();
  QVERIFY(std::abs(still.x() - under.x()) < 1e-6 && std::abs(still.y() - under.y()) < 1e-6);
  const QPointF origin = map->Origin();
  QTest::mousePress(map, Qt::LeftButton, {}, at.toPoint());
  QTest::mouseMove(map, at.toPoint() + QPoint(30, 20));
  QTest::mouseRelease(map, Qt::LeftButton, {}, at.toPoint() + QPoint(30, 20));
  QCOMPARE(map->Origin(), origin + QPointF(30, 20));
  map->repaint();
  QCOMPARE(map->Image().cacheKey(), image);
  QCOMPARE(page.picture.Revision(), revision);

  // Over Ilsa's first city, then off the map.
  const tolvane::City& rome = s.form().Model().cities[0].front();
  const int32_t scale = page.Scale();
  const QPointF pixel(rome.x * scale + scale / 2.0, (page.MapHeight() - 1 - rome.y) * scale + scale / 2.0);
  QTest::mouseMove(map, (map->Origin() + pixel * map->Zoom()).toPoint());
  auto* plot = s.Widget<QLabel>(page.plotText);
  QCOMPARE(plot->text(), QString::fromStdString(page.PlotText(rome.x, rome.y)));
  QVERIFY(plot->text().contains(QStringLiteral("city ")));
  QTest::mouseMove(map, (map->Origin() - QPointF(5, 5)).toPoint());
  QCOMPARE(plot->text(), QString());

  QTest::mouseDClick(map, Qt::LeftButton, {}, at.toPoint());
  QCOMPARE(map->Zoom(), fit);
  QTest::mouseClick(s.Widget<QCheckBox>(page.showResources), Qt::LeftButton);
  QVERIFY(page.picture.Revision() != revision);
  map->repaint();
  QVERIFY(map->Image().cacheKey() != image);
  QCOMPARE(map->Zoom(), fit);  // the same map drawn anew keeps the view
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// "Save Picture…": the page's picture as PNG, under the name the dialog
// gives; a file that cannot be written is shown in a message box.
void WindowTest::worldPictureIsSaved() {
  Session s(example_);
  QVERIFY(s.loaded);
  QString answer = dir_.filePath(QStringLiteral("world.png"));
  tolvane::gui::SaveRequest asked;
  s.window.SetSaveDialog([&](const tolvane::gui::SaveRequest& request) {
    asked = request;
    return answer;
  });
  auto* save = s.Widget<QPushButton>(s.form().world.savePicture);
  s.ShowPageOf(save);
  QTest::mouseClick(save, Qt::LeftButton);
  QCOMPARE(asked.filters, QStringLiteral("PNG image (*.png)"));
  const QImage written(answer);
  const tolvane::form::Raster& picture = s.form().world.picture.Image();
  QCOMPARE(written.size(), QSize(picture.width, picture.height));
  QCOMPARE(written.convertToFormat(QImage::Format_RGBA8888).pixel(5, 5),
           QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
                  QImage::Format_RGBA8888)
               .pixel(5, 5));
  QVERIFY(s.boxes.isEmpty());
  answer = dir_.filePath(QStringLiteral("no such folder/world.png"));
  QTest::mouseClick(save, Qt::LeftButton);
  QCOMPARE(s.boxes.size(), 1);
  QVERIFY(s.boxes.front().contains(QStringLiteral("no such folder")));
  answer.clear();  // cancelled: nothing happens
  QTest::mouseClick(save, Qt::LeftButton);
  QCOMPARE(s.boxes.size(), 1);
  // Never over the loaded save: refused with a message naming it.
  QFile loaded(example_);
  QVERIFY(loaded.open(QIODevice::ReadOnly));
  const QByteArray before = loaded.readAll();
  loaded.close();
  answer = example_;
  QTest::mouseClick(save, Qt::LeftButton);
  QCOMPARE(s.boxes.size(), 2);
  QCOMPARE(s.boxes.back(),
           QStringLiteral("Cannot write \"%1\". It holds a saved game, and Tolvane never writes over a save.")
               .arg(example_));
  QVERIFY(loaded.open(QIODevice::ReadOnly));
  QCOMPARE(loaded.readAll(), before);
}

// The Graph page's exports from its buttons and from the chart's menu: the
// chart as PNG and SVG files that open, its data as CSV on the clipboard and
// in a file.
// The World page's timelapse through the keyboard and the mouse: shown, the
// page has the loaded save's folder read in the background, and its slider
// then steps through the game's three saves; Play advances to the last;
// "Save Timelapse…" hands its failure to a message box.
void WindowTest::worldTimelapseStepsAndPlays() {
  QTemporaryDir game;
  QVERIFY(game.isValid());
  QString middle;
  // The players' land grows with the turns; the names go against them.
  for (const auto& [name, turn] :
       {std::pair{"a.CivWarlordsSave", 300}, {"b.CivWarlordsSave", 100}, std::pair{"c.CivWarlordsSave", 200}}) {
    auto d = tolvane::testing::ExampleSave();
    d.elapsedTurns = turn;
    d.playTimeQuarterSeconds = 4 * 60 * turn;
    d.replay.clear();
    for (size_t i = size_t(turn); i < d.plots.size(); ++i) d.plots[i].owner = 255;
    const QString path = Write(game, name, tolvane::testing::WriteSaveFile(d));
    if (turn == 200) middle = path;
  }
  Session s(middle);
  QVERIFY(s.loaded);
  form::WorldPage& world = s.form().world;
  auto* slider = s.Widget<QSlider>(world.frames);
  auto* caption = s.Widget<QLabel>(world.frameText);
  auto* map = s.Widget<tolvane::gui::PictureView>(world.picture);
  QVERIFY(slider && caption && map);
  QVERIFY(s.form().saves.Folder().empty());  // the Saves page was never shown
  s.window.Pages()->setCurrentIndex(s.TabOf(world));
  QVERIFY(s.window.Saves().WaitUntilRead(20000));
  QVERIFY(slider->isVisible());
  QCOMPARE(slider->maximum(), 2);
  QCOMPARE(slider->value(), 1);
  QVERIFY(caption->text().contains(QStringLiteral("turn 200")));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  const QImage own = map->Image().copy();
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_Right);
  QCOMPARE(world.frames.Position(), 2);
  QVERIFY2(caption->text().contains(QStringLiteral("turn 300, ")), qPrintable(caption->text()));
  QVERIFY(caption->text().endsWith(QStringLiteral("(save 3 of 3)")));
  QVERIFY(map->Image() != own);
  QTest::keyClick(slider, Qt::Key_Home);
  QCOMPARE(slider->value(), 0);
  QVERIFY(caption->text().contains(QStringLiteral("turn 100")));
  QTest::keyClick(slider, Qt::Key_End);
  QCOMPARE(slider->value(), 2);
  QTest::mouseClick(s.Widget<QPushButton>(world.previous), Qt::LeftButton);
  QCOMPARE(slider->value(), 1);
  QCOMPARE(map->Image(), own);  // the loaded save's frame is the page's own picture
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  // Space on the slider plays, at the fastest speed, to the last frame.
  s.form().SelectItem("WorldSpeedCombo", 3);
  slider->setFocus();
  QTest::keyClick(slider, Qt::Key_Space);
  QVERIFY(world.Playing());
  QVERIFY(s.Widget<QPushButton>(world.pause)->isVisible());
  QVERIFY(!s.Widget<QPushButton>(world.play)->isVisible());
  QTRY_COMPARE_WITH_TIMEOUT(slider->value(), 2, 5000);
  QTRY_VERIFY(!world.Playing());
  QVERIFY(s.Widget<QPushButton>(world.play)->isVisible());
  QVERIFY(caption->text().contains(QStringLiteral("turn 300")));

  // Written where the build writes GIFs; a target that cannot be written
  // goes to a message box.
  if (world.saveTimelapse.Enabled()) {
    const QString gif = game.filePath(QStringLiteral("t.gif"));
    s.window.SetSaveDialog([&](const tolvane::gui::SaveRequest&) { return gif; });
    auto* button = s.Widget<QPushButton>(world.saveTimelapse);
    QTest::mouseClick(button, Qt::LeftButton);
    // Written on a thread of its own; the button is back when it is done.
    QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled() && QFile::exists(gif), 10000);
    QVERIFY(s.boxes.isEmpty());
    QFile written(gif);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.read(6), QByteArray("GIF89a"));
  }
  s.window.SetSaveDialog(
      [&](const tolvane::gui::SaveRequest&) { return game.filePath(QStringLiteral("no such folder/t.gif")); });
  QTest::mouseClick(s.Widget<QPushButton>(world.saveTimelapse), Qt::LeftButton);
  QTRY_COMPARE_WITH_TIMEOUT(s.boxes.size(), world.saveTimelapse.Enabled() ? 1 : 0, 10000);
  QVERIFY(!QFile::exists(game.filePath(QStringLiteral("no such folder/t.gif"))));
}

void WindowTest::chartAndItsDataAreSaved() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  form::GraphPage& page = s.form().graph;
  QString answer;
  s.window.SetSaveDialog([&](const tolvane::gui::SaveRequest&) { return answer; });
  auto* chart = s.Widget<tolvane::gui::HistoryChartView>(page.chart);
  s.ShowPageOf(chart);
  QTest::mouseClick(s.Widget<QCheckBox>(page.showAi), Qt::LeftButton);
  QVERIFY(page.showAi.Checked());
  QCoreApplication::processEvents();

  answer = dir_.filePath(QStringLiteral("chart.png"));
  QTest::mouseClick(s.Widget<QPushButton>(page.saveChart), Qt::LeftButton);
  const QImage png(answer);
  QVERIFY(!png.isNull());
  // The chart as shown under a title line.
  QCOMPARE(png.width(), chart->viewport()->width() * 2);
  QVERIFY(png.height() > chart->viewport()->height() * 2);
  QSet<QRgb> colors;
  for (int y = 0; y < png.height(); y += 4)
    for (int x = 0; x < png.width(); x += 4) colors << png.pixel(x, y);
  QVERIFY(colors.size() > 8);
  answer = dir_.filePath(QStringLiteral("chart.svg"));
  QTest::mouseClick(s.Widget<QPushButton>(page.saveChart), Qt::LeftButton);
  QSvgRenderer svg(answer);
  QVERIFY(svg.isValid());
  QVERIFY(ReadText(answer).contains(QStringLiteral("<svg")));
  // The title names the save, the history and the turn.
  QVERIFY(ReadText(answer).contains(QStringLiteral("example.CivWarlordsSave — Score, turn 120")));

  const QString csv = QString::fromStdString(page.DataCsv());
  QVERIFY(csv.startsWith(QStringLiteral("turn,Ilsa,Bertil,")));
  QApplication::clipboard()->clear();
  QTest::mouseClick(s.Widget<QPushButton>(page.copyData), Qt::LeftButton);
  QCOMPARE(QApplication::clipboard()->text(), csv);
  answer = dir_.filePath(QStringLiteral("score.csv"));
  QTest::mouseClick(s.Widget<QPushButton>(page.saveData), Qt::LeftButton);
  QCOMPARE(ReadText(answer), csv);

  // A right click on the whole chart opens its menu with the same three.
  QApplication::clipboard()->clear();
  QStringList entries;
  QTimer::singleShot(0, [&entries] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    for (QAction* action : menu->actions()) entries << action->text();
    for (QAction* action : menu->actions())
      if (action->text() == QStringLiteral("Copy Data")) action->trigger();
    menu->close();
  });
  QTest::mouseClick(chart->viewport(), Qt::RightButton, {}, chart->viewport()->rect().center());
  QCOMPARE(entries,
           (QStringList{QStringLiteral("Save Chart…"), QStringLiteral("Copy Data"), QStringLiteral("Save Data…")}));
  QCOMPARE(QApplication::clipboard()->text(), csv);
  QVERIFY(s.boxes.isEmpty());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// Ctrl+C on a grid: whole rows with the header row, or the cells selected,
// tab-separated and without their padding. The Leaders grid's last column
// has neither a header nor a value: the window neither shows nor copies it
// (the form, and so the report, keeps it).
void WindowTest::gridsCopyTheirCells() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  const form::Grid& grid = s.form().leaders.leaders;
  auto* table = s.Widget<QTableView>(grid);
  s.ShowPageOf(table);
  table->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(table->hasFocus());
  QCOMPARE(grid.ColCount(), 10);
  QStringList shown;
  for (int section = 0; section < table->horizontalHeader()->count(); ++section)
    if (!table->isColumnHidden(section)) shown << table->model()->headerData(section, Qt::Horizontal).toString();
  QCOMPARE(shown, (QStringList{"Leader name", "Score", "Territory", "Population", "Civ description", "Civ adjective",
                               "Team", "Land"}));
  auto row = [&grid](int r) {
    QStringList cells;
    for (int col = 0; col < grid.ColCount() - 1; ++col) cells << QString::fromStdString(grid.Cell(col, r)).trimmed();
    return cells.join(QLatin1Char('\t'));
  };
  table->selectAll();
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  QStringList all;
  for (int r = 0; r < grid.RowCount(); ++r) all << row(r);
  QCOMPARE(QApplication::clipboard()->text(), all.join(QLatin1Char('\n')) + '\n');
  // Dragging over the row headers of the first two players selects their rows.
  QHeaderView* rows = table->verticalHeader();
  const QPoint first(5, rows->sectionViewportPosition(0) + 3), second(5, rows->sectionViewportPosition(1) + 3);
  QTest::mousePress(rows->viewport(), Qt::LeftButton, {}, first);
  QTest::mouseMove(rows->viewport(), second);
  QTest::mouseRelease(rows->viewport(), Qt::LeftButton, {}, second);
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), row(0) + '\n' + row(1) + '\n' + row(2) + '\n');
  QVERIFY(row(1).startsWith(QStringLiteral("1\tIlsa\t")));
  // Two cells of one row: those cells alone.
  table->selectionModel()->select(QItemSelection(table->model()->index(1, 0), table->model()->index(1, 1)),
                                  QItemSelectionModel::ClearAndSelect);
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(),
           QStringLiteral("Bertil\t") + QString::fromStdString(grid.Cell(2, 2)).trimmed() + '\n');
}

// The Saves page through the keyboard and the mouse: "Open Folder…" from the
// File menu's shortcut, a click on a header sorts, typing filters, a double
// click or Enter opens a row, the next and previous save from another page
// (the tab bar's keys stay the tab bar's), a new save appears by itself, and
// "Save Table…" writes what the table shows.
void WindowTest::savesPageSortsFiltersAndOpens() {
  QTemporaryDir folder;
  using tolvane::testing::ExampleSave;
  using tolvane::testing::WriteSaveFile;
  auto late = ExampleSave(2), early = ExampleSave(3);
  late.elapsedTurns = 200;
  early.elapsedTurns = 9;
  const QString a = Write(folder, "a.CivWarlordsSave", WriteSaveFile(ExampleSave(1)));
  const QString b = Write(folder, "b.CivWarlordsSave", WriteSaveFile(late));
  const QString c = Write(folder, "c.CivWarlordsSave", WriteSaveFile(early));
  Write(folder, "d.CivWarlordsSave", {'n', 'o'});
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  tolvane::gui::SavesController& saves = s.window.Saves();
  const form::SavesPage& page = s.form().saves;
  s.window.SetFolderDialog([&folder](const QString&) { return folder.path(); });
  QString tableFile = folder.filePath(QStringLiteral("table.csv"));
  s.window.SetSaveFileDialog([&tableFile](const form::SaveFileRequest&) { return tableFile; });
  auto* path = s.Widget<QLineEdit>(s.form().fileBar.savePath);
  auto* table = s.Widget<QTableView>(page.table);
  QVERIFY(table);
  auto loadedRow = [&] { return page.table.MarkedRow(); };
  auto fileOfRow = [&](int row) { return QString::fromStdString(page.table.Rows().at(size_t(row))[0]); };

  // The menu holds the actions with their keys, none of the tab bar's.
  const QList<QAction*> menus = s.window.menuBar()->actions();
  QCOMPARE(menus.size(), 2);
  QStringList keys;
  for (const QAction* action : menus.front()->menu()->actions()) keys << action->shortcut().toString();
  QCOMPARE(keys, (QStringList{"Ctrl+O", "", "F5", "", "Ctrl+Shift+O", "", "", "Alt+PgDown", "Alt+PgUp", "", "Ctrl+Q"}));

  QTest::keyClick(&s.window, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(s.window.Pages()->currentIndex(), s.TabOf(page));
  QVERIFY(saves.WaitUntilRead(20000));
  QCOMPARE(page.table.Rows().size(), size_t(4));
  QCOMPARE(QString::fromStdString(page.count.Text()), QStringLiteral("4 saves, 1 could not be loaded"));
  QCOMPARE(loadedRow(), -1);  // the loaded save is elsewhere
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  QHeaderView* header = table->horizontalHeader();
  auto clickHeader = [&](int column) {
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  };
  table->scrollTo(table->model()->index(0, form::kTurnColumn));
  clickHeader(form::kTurnColumn);
  QCOMPARE(QStringList({fileOfRow(0), fileOfRow(1), fileOfRow(2), fileOfRow(3)}),
           QStringList({"c.CivWarlordsSave", "a.CivWarlordsSave", "b.CivWarlordsSave", "d.CivWarlordsSave"}));
  clickHeader(form::kTurnColumn);
  QCOMPARE(fileOfRow(0), QStringLiteral("b.CivWarlordsSave"));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  auto* filter = s.Widget<QLineEdit>(page.filter);
  filter->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(filter->hasFocus());
  QVERIFY(saves.SaveTableAction()->isEnabled());
  QTest::keyClicks(filter, QStringLiteral("no such save"));
  QVERIFY(page.table.Rows().empty());
  // The menu's Save Table… goes with the page's button.
  QVERIFY(!s.Widget<QPushButton>(page.saveTable)->isEnabled());
  QVERIFY(!saves.SaveTableAction()->isEnabled());
  filter->selectAll();
  QTest::keyClicks(filter, QStringLiteral("120/"));
  QCOMPARE(page.table.Rows().size(), size_t(1));
  QVERIFY(saves.SaveTableAction()->isEnabled());
  QCOMPARE(fileOfRow(0), QStringLiteral("a.CivWarlordsSave"));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  filter->selectAll();
  QTest::keyClick(filter, Qt::Key_Backspace);
  QCOMPARE(page.table.Rows().size(), size_t(4));

  // Rows by turn, downwards: b, a, c, d. A double click opens b.
  const QRect first = table->visualRect(table->model()->index(0, form::kTurnColumn));
  // A double click: a press and release, then the second press that doubles.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, first.center());
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, first.center());
  QVERIFY(Settled(s.window));
  QCOMPARE(path->text(), b);
  QCOMPARE(loadedRow(), 0);
  table->setFocus();
  table->setCurrentIndex(table->model()->index(2, 0));
  QTest::keyClick(table, Qt::Key_Return);
  QVERIFY(Settled(s.window));
  QCOMPARE(path->text(), c);
  QCOMPARE(loadedRow(), 2);
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  // From the Base page: the save before c in the table's order is a, the
  // next after c is none (d cannot be loaded).
  s.window.Pages()->setCurrentIndex(0);
  QTest::keyClick(&s.window, Qt::Key_PageUp, Qt::AltModifier);
  QVERIFY(Settled(s.window));
  QCOMPARE(path->text(), a);
  QCOMPARE(s.window.Pages()->currentIndex(), 0);
  QTest::keyClick(&s.window, Qt::Key_PageDown, Qt::AltModifier);
  QVERIFY(Settled(s.window));
  QCOMPARE(path->text(), c);
  QTest::keyClick(&s.window, Qt::Key_PageDown, Qt::AltModifier);
  QVERIFY(!s.window.Loading());
  QCOMPARE(s.window.statusBar()->currentMessage(), QStringLiteral("No next save in the folder."));
  QCOMPARE(path->text(), c);
  QCOMPARE(s.boxes, QStringList());
  // The tab bar's keys still go from tab to tab and load nothing.
  QTest::keyClick(s.window.Pages(), Qt::Key_Tab, Qt::ControlModifier);
  QCOMPARE(s.window.Pages()->currentIndex(), s.TabOf(s.form().map));  // past the hidden Header page
  for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp}) QTest::keyClick(&s.window, key, Qt::ControlModifier);
  QCOMPARE(path->text(), c);

  // A save that appears in the folder gets its row by itself.
  const QString e = Write(folder, "e.CivWarlordsSave", WriteSaveFile(ExampleSave(4)));
  QTRY_COMPARE_WITH_TIMEOUT(page.table.Rows().size(), size_t(5), 20000);
  QTRY_VERIFY_WITH_TIMEOUT(!saves.Reading(), 20000);
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  // "Save Table…" by its mnemonic (Save File, the other button on S, stays disabled).
  s.window.Pages()->setCurrentIndex(s.TabOf(page));
  QTest::keyClick(&s.window, Qt::Key_S, Qt::AltModifier);
  QTRY_VERIFY(QFile::exists(tableFile));
  QFile written(tableFile);
  QVERIFY(written.open(QIODevice::ReadOnly));
  QCOMPARE(written.readAll().toStdString(), form::SaveTableCsv(page.ShownRows()));

  // New factors in the score calculator: the rows are read again with them,
  // and the loaded save's row shows the final score its Base page shows.
  const int marked = page.table.MarkedRow();
  QVERIFY(marked >= 0);
  auto finalScoreOfRow = [&] {
    return QString::fromStdString(page.table.Rows()[size_t(marked)][form::kFinalScoreColumn]);
  };
  auto finalScoreOfPage = [&] { return QString::fromStdString(s.form().base.finalScore.Text()).trimmed(); };
  QCOMPARE(finalScoreOfRow(), finalScoreOfPage());
  const QString scoreBefore = finalScoreOfRow();
  auto* factor = s.Widget<QLineEdit>(s.form().base.population.factor);
  s.ShowPageOf(factor);
  factor->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(factor->hasFocus());
  factor->selectAll();
  QTest::keyClicks(factor, QStringLiteral("9000"));
  QTest::keyClick(factor, Qt::Key_Tab);
  QVERIFY(finalScoreOfPage() != scoreBefore);
  QTRY_COMPARE_WITH_TIMEOUT(finalScoreOfRow(), finalScoreOfPage(), 20000);
  QTRY_VERIFY_WITH_TIMEOUT(!saves.Reading(), 20000);
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  s.window.Pages()->setCurrentIndex(s.TabOf(page));

  // A folder that cannot be listed leaves the table and the pages as they are.
  const QStringList before = WidgetState(s.window);
  s.window.SetFolderDialog([&folder](const QString&) { return folder.filePath(QStringLiteral("missing")); });
  QTest::keyClick(&s.window, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(s.window.statusBar()->currentMessage().contains(QStringLiteral("Cannot list the folder")));
  QCOMPARE(WidgetState(s.window), before);
}

// Cancel in the status bar (Escape) stops the reading: the rows not read stay so, no
// row comes late, and the window is as the form says.
void WindowTest::savesReadingStopsOnCancel() {
  QTemporaryDir folder;
  const auto save = tolvane::testing::WriteSaveFile(tolvane::testing::ExampleSave());
  for (int i = 0; i < 60; ++i) Write(folder, qPrintable(QStringLiteral("copy %1.CivWarlordsSave").arg(i)), save);
  Session s;
  QVERIFY(s.active);
  s.window.SetFolderDialog([&folder](const QString&) { return folder.path(); });
  s.window.Saves().OpenFolderAction()->trigger();
  const form::SavesPage& page = s.form().saves;
  QVERIFY(s.window.Saves().Reading());
  auto* cancel = s.Widget<QPushButton>(page.cancel);
  QVERIFY(cancel->isVisible() && cancel->isEnabled());
  QTest::keyClick(&s.window, Qt::Key_Escape);  // Alt+C is the Saves page's "Compare"
  QVERIFY(!s.window.Saves().Reading());
  QVERIFY(cancel->isHidden());
  const std::string count = page.count.Text();
  QVERIFY2(count.find("not read") != std::string::npos, count.c_str());
  QTest::qWait(500);
  QCOMPARE(page.count.Text(), count);
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// Two rows of the Saves page selected with the mouse (Ctrl+click) or the
// keyboard (Shift+Up) enable "Compare", which shows the Compare page and
// leaves the loaded save's pages alone; a save dropped with Shift held is
// compared with the loaded one.
void WindowTest::twoSavesCompared() {
  QTemporaryDir folder;
  using tolvane::testing::ExampleSave;
  using tolvane::testing::WriteSaveFile;
  auto later = ExampleSave();
  later.elapsedTurns = 150;
  // A reload from turn 100: a session there that the example does not have.
  auto reloaded = later;
  auto session = *std::find_if(reloaded.replay.begin(), reloaded.replay.end(),
                               [](const auto& m) { return m.text == "Session started"; });
  session.turn = 100;
  reloaded.replay.insert(
      std::find_if(reloaded.replay.begin(), reloaded.replay.end(), [](const auto& m) { return m.turn >= 100; }),
      session);
  const QString a = Write(folder, "a.CivWarlordsSave", WriteSaveFile(ExampleSave()));
  const QString b = Write(folder, "b.CivWarlordsSave", WriteSaveFile(later));
  Write(folder, "c.CivWarlordsSave", {'n', 'o'});
  const QString d = Write(folder, "d.CivWarlordsSave", WriteSaveFile(reloaded));
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  const form::SavesPage& page = s.form().saves;
  const form::ComparePage& compare = s.form().compare;
  // Shown, the Saves page lists the loaded save's folder.
  s.window.Pages()->setCurrentIndex(s.TabOf(page));
  QCOMPARE(QString::fromStdString(form::PathText(page.Folder())), QFileInfo(example_).path());
  QVERIFY(s.window.Saves().WaitUntilRead(20000));
  s.window.SetFolderDialog([&folder](const QString&) { return folder.path(); });
  s.window.Saves().OpenFolderAction()->trigger();
  QVERIFY(s.window.Saves().WaitUntilRead(20000));
  QVERIFY(!s.window.Pages()->isTabEnabled(s.TabOf(compare)));
  const std::string turnShown = s.form().base.turn.Text();
  const size_t replayShown = s.form().replay.replay.Lines().size();

  auto* table = s.Widget<QTableView>(page.table);
  auto* button = s.Widget<QPushButton>(page.compare);
  auto click = [table](int row, Qt::KeyboardModifiers keys = {}) {
    QTest::mouseClick(table->viewport(), Qt::LeftButton, keys,
                      table->visualRect(table->model()->index(row, 0)).center());
  };
  click(0);
  QCOMPARE(page.table.SelectedRows(), std::vector<int>{0});
  QVERIFY(!button->isEnabled());
  click(2, Qt::ControlModifier);  // a and the save that cannot be loaded
  QVERIFY(!button->isEnabled());
  click(1, Qt::ControlModifier);  // three rows
  QCOMPARE(page.table.SelectedRows(), (std::vector<int>{0, 1, 2}));
  QVERIFY(!button->isEnabled());
  click(2, Qt::ControlModifier);
  QCOMPARE(page.table.SelectedRows(), (std::vector<int>{0, 1}));
  QVERIFY(button->isEnabled());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  // The selection follows its saves when the rows are sorted anew.
  QHeaderView* header = table->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
  QCOMPARE(QString::fromStdString(page.table.Rows().back()[0]), QStringLiteral("a.CivWarlordsSave"));
  QCOMPARE(page.table.SelectedRows(), (std::vector<int>{2, 3}));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  QSignalSpy compared(&s.window.Saves(), &tolvane::gui::SavesController::ComparisonFinished);
  QTest::mouseClick(button, Qt::LeftButton);
  QVERIFY(compared.wait(20000));
  QCOMPARE(compared.front().front().toBool(), true);
  QCOMPARE(s.window.statusBar()->currentMessage(), QString());
  QCOMPARE(QString::fromStdString(compare.earlier.Text()), a);
  QVERIFY(s.window.Pages()->isTabEnabled(s.TabOf(compare)));
  QCOMPARE(s.window.Pages()->currentIndex(), s.TabOf(compare));
  QVERIFY(s.window.Pages()->isTabEnabled(s.TabOf(compare)));
  QCOMPARE(QString::fromStdString(compare.earlier.Text()), a);
  QCOMPARE(QString::fromStdString(compare.later.Text()), b);
  QCOMPARE(compare.continues.Text(), "Yes");
  QCOMPARE(s.Widget<QLineEdit>(compare.sameGame)->text(), QStringLiteral("Yes"));
  auto* verdict = s.Widget<QLabel>(compare.verdict);
  QVERIFY(verdict->isVisible());
  QCOMPARE(verdict->text(), QStringLiteral("Continues"));
  QVERIFY(Painted(verdict, [](const QColor& c) { return c.green() > 90 && c.red() < 60 && c.blue() < 60; }));
  // Both paths in full in their tooltips.
  QCOMPARE(s.Widget<QLabel>(compare.earlier)->toolTip(), a);
  QCOMPARE(s.Widget<QLabel>(compare.later)->toolTip(), b);
  // "Save Comparison…" writes the JSON when the name chosen ends in .json.
  QString answer = folder.filePath(QStringLiteral("compared.json"));
  s.window.SetSaveDialog([&answer](const tolvane::gui::SaveRequest&) { return answer; });
  QTest::mouseClick(s.Widget<QPushButton>(compare.saveComparison), Qt::LeftButton);
  QVERIFY(ReadText(answer).startsWith(QLatin1Char('{')));
  QVERIFY(ReadText(answer).contains(QStringLiteral("\"verdict\": \"Continues\"")));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  // The loaded save's pages are as they were.
  QCOMPARE(s.Widget<QLineEdit>(s.form().fileBar.savePath)->text(), example_);
  QCOMPARE(s.form().base.turn.Text(), turnShown);
  QCOMPARE(s.form().replay.replay.Lines().size(), replayShown);

  // Shift+Up from a (now the last row) selects a and b again, by the keyboard.
  s.window.Pages()->setCurrentIndex(s.TabOf(page));
  click(3);
  QTest::keyClick(table, Qt::Key_Up, Qt::ShiftModifier);
  QCOMPARE(page.table.SelectedRows(), (std::vector<int>{2, 3}));
  QVERIFY(button->isEnabled());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  // Shift held while dropping: the loaded save against the dropped one.
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(d)});
  const QPointF at(s.window.width() / 2.0, s.window.height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(&s.window, &enter);
  QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(&s.window, &dropped);
  QTRY_COMPARE(QString::fromStdString(compare.later.Text()), d);
  QCOMPARE(QString::fromStdString(compare.earlier.Text()), example_);
  QCOMPARE(compare.continues.Text(), "No");
  QCOMPARE(compare.evidence.Text(),
           "The later save has a session at turn 100, before the earlier save's turn 120, which the earlier save does "
           "not have.");
  QVERIFY(verdict->text().startsWith(QStringLiteral("Does not continue: the later save has a session at turn 100")));
  QVERIFY(Painted(verdict, [](const QColor& c) { return c.red() > 150 && c.green() < 60 && c.blue() < 60; }));
  QCOMPARE(s.Widget<QLabel>(compare.replayHeading)->text(),
           QStringLiteral("Replay lines that differ from the earlier save"));
  QCOMPARE(s.Widget<QLineEdit>(s.form().fileBar.savePath)->text(), example_);
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// The Saves page's games through the keyboard and the mouse at 800×600:
// Alt+G groups the saves, a click on a game's line shows its saves, Alt+K
// compares its broken link on the Compare page, Enter on another game's line
// goes to its saves; Alt+R opens a rules file through the dialog and the
// rows that break it are painted apart; the rules file is used again at the
// next start, and one that is gone by then is named and forgotten.
void WindowTest::savesGroupedByGameCompareALinkAndKeepRules() {
  QTemporaryDir folder, elsewhere;
  using tolvane::testing::WriteSaveFile;
  // Sessions at turns 1, 40 and 80 up to 100; a reload from turn 90 began a
  // session at 95 and played to turn 120; the main line went on to 150.
  auto played = [](int32_t turn, const std::vector<int32_t>& sessions, bool reloaded = false) {
    return tolvane::testing::PlayedExample(turn, sessions, reloaded ? "reloaded" : "main", 90);
  };
  const QString a100 = Write(folder, "a100.CivWarlordsSave", WriteSaveFile(played(100, {1, 40, 80})));
  const QString a120 = Write(folder, "a120.CivWarlordsSave", WriteSaveFile(played(120, {1, 40, 80, 95}, true)));
  Write(folder, "a150.CivWarlordsSave", WriteSaveFile(played(150, {1, 40, 80, 110, 130})));
  auto other = played(30, {1});
  other.gameName = "Another";
  Write(folder, "b030.CivWarlordsSave", WriteSaveFile(other));
  Write(folder, "c.CivWarlordsSave", {'n', 'o'});
  const std::string json = R"({"turn": {"max": 120}})";
  const QString rules = Write(elsewhere, "event.json", std::vector<uint8_t>(json.begin(), json.end()));

  Session s;
  QVERIFY(s.active);
  s.window.resize(800, 600);
  const form::SavesPage& page = s.form().saves;
  const form::ComparePage& compare = s.form().compare;
  s.window.SetFolderDialog([&folder](const QString&) { return folder.path(); });
  QStringList rulesAsked;
  s.window.SetRulesDialog([&](const QString& start) {
    rulesAsked << start;
    return rules;
  });
  QTest::keyClick(&s.window, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
  QVERIFY(s.window.Saves().WaitUntilRead(20000));
  QCOMPARE(page.table.Rows().size(), size_t(5));
  auto* table = s.Widget<QTableView>(page.table);
  auto* games = s.Widget<QTableView>(page.games);
  auto* link = s.Widget<QPushButton>(page.compareLink);
  QVERIFY(table && games && link);
  QVERIFY(!games->isVisible());

  // At 800×600 the new controls are on screen, within the page, and the
  // table still shows rows under the games.
  QTest::keyClick(&s.window, Qt::Key_G, Qt::AltModifier);  // the box shows its press, then clicks
  QTRY_VERIFY(page.groupByGame.Checked());
  QTRY_VERIFY(games->isVisible());
  QCOMPARE(s.window.size(), QSize(800, 600));
  QCOMPARE(page.games.Rows().size(), size_t(2));
  const QRect inside = s.window.Pages()->currentWidget()->rect();
  for (const form::Control* control : std::initializer_list<const form::Control*>{
           &page.groupByGame, &page.compareLink, &page.openRules, &page.rulesFile, &page.dropRules, &page.games,
           &page.table, &page.count}) {
    auto* widget = s.Widget<QWidget>(*control);
    QVERIFY2(widget && widget->isVisible(), control->Name().c_str());
    const QRect at(widget->mapTo(s.window.Pages()->currentWidget(), QPoint(0, 0)), widget->size());
    QVERIFY2(inside.contains(at), control->Name().c_str());
  }
  QVERIFY(table->viewport()->height() >= 3 * table->verticalHeader()->defaultSectionSize());
  QVERIFY(games->viewport()->height() >= 2 * games->verticalHeader()->defaultSectionSize());

  // Tab goes from the rules' buttons ("Drop Rules" is disabled) to the
  // games, then to the saves.
  s.Widget<QPushButton>(page.openRules)->setFocus();
  QTRY_VERIFY(s.Widget<QPushButton>(page.openRules)->hasFocus());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), games);
  QTest::keyClick(games, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), table);

  // A click on the first game's line: its saves, and its broken link by Alt+K.
  QVERIFY(!link->isEnabled());
  QTest::mouseClick(games->viewport(), Qt::LeftButton, {}, games->visualRect(games->model()->index(0, 1)).center());
  QCOMPARE(page.games.SelectedRows(), std::vector<int>{0});
  QCOMPARE(page.table.Rows().size(), size_t(3));
  QVERIFY(link->isEnabled());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  QSignalSpy compared(&s.window.Saves(), &tolvane::gui::SavesController::ComparisonFinished);
  QTest::keyClick(&s.window, Qt::Key_K, Qt::AltModifier);
  QVERIFY(compared.wait(20000));
  QCOMPARE(s.window.Pages()->currentIndex(), s.TabOf(compare));
  QCOMPARE(QString::fromStdString(compare.earlier.Text()), a100);
  QCOMPARE(QString::fromStdString(compare.later.Text()), a120);
  QCOMPARE(compare.continues.Text(), "No");
  QCOMPARE(compare.evidence.Text(), page.table.Rows()[1][form::kEvidenceColumn]);

  // Enter on the other game's line: its save, the focus on the saves.
  s.window.Pages()->setCurrentIndex(s.TabOf(page));
  games->setFocus();
  games->setCurrentIndex(games->model()->index(1, 0));
  QTest::keyClick(games, Qt::Key_Return);
  QCOMPARE(page.games.SelectedRows(), std::vector<int>{1});
  QCOMPARE(page.table.Rows().size(), size_t(1));
  QVERIFY(table->hasFocus());
  QVERIFY(!link->isEnabled());  // that game is continuous

  // Alt+R: the rules file from the dialog; a150 (past turn 120) breaks it.
  QTest::mouseClick(games->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    games->visualRect(games->model()->index(1, 0)).center());
  QVERIFY(page.games.SelectedRows().empty());
  QTest::keyClick(&s.window, Qt::Key_R, Qt::AltModifier);
  QTRY_COMPARE(rulesAsked, QStringList{folder.path()});
  QCOMPARE(QString::fromStdString(form::PathText(page.RulesPath())), rules);
  QCOMPARE(s.Widget<QLabel>(page.rulesFile)->text(), QStringLiteral("event.json"));
  QCOMPARE(s.Widget<QLabel>(page.rulesFile)->toolTip(), rules);
  QCOMPARE(page.table.FlaggedRows(), std::vector<int>{2});
  QCOMPARE(page.games.FlaggedRows(), std::vector<int>{0});
  QVERIFY(table->model()->index(2, 0).data(Qt::BackgroundRole).isValid());
  QVERIFY(!table->model()->index(1, 0).data(Qt::BackgroundRole).isValid());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  // The next window judges by the same rules; once the file is gone, the
  // window after says so and forgets it.
  const QString settings = s.settings.filePath(QStringLiteral("settings.ini"));
  {
    MainWindow again(settings);
    QCOMPARE(QString::fromStdString(form::PathText(again.Form().saves.RulesPath())), rules);
    QCOMPARE(again.Form().saves.rulesFile.Text(), "event.json");
  }
  QVERIFY(QFile::remove(rules));
  {
    MainWindow again(settings);
    QVERIFY(again.Form().saves.RulesPath().empty());
    QVERIFY(again.statusBar()->currentMessage().startsWith(rules + QStringLiteral(": ")));
  }
  QVERIFY(MainWindow(settings).statusBar()->currentMessage().isEmpty());

  // Alt+D: no rules any more.
  QTest::keyClick(&s.window, Qt::Key_D, Qt::AltModifier);
  QTRY_VERIFY(page.RulesPath().empty());
  QVERIFY(page.table.FlaggedRows().empty());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// A path typed into the Path field without Enter is only typed: the Saves
// page, Reload and a Shift-drop act on the save the pages show.
void WindowTest::actionsTakeTheLoadedSaveNotTheTypedPath() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  auto* path = s.Widget<QLineEdit>(s.form().fileBar.savePath);
  path->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(path->hasFocus());
  path->selectAll();
  QTest::keyClicks(path, QStringLiteral("nowhere/x.CivWarlordsSave"));
  QTabBar* tabs = s.window.Pages()->tabBar();
  const form::SavesPage& page = s.form().saves;
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(s.TabOf(page)).center());
  QCOMPARE(s.window.Pages()->currentIndex(), s.TabOf(page));
  QCOMPARE(QString::fromStdString(form::PathText(page.Folder())), QFileInfo(example_).path());
  QVERIFY(s.window.Saves().WaitUntilRead(20000));
  QVERIFY(page.table.MarkedRow() >= 0);
  QCOMPARE(QString::fromStdString(page.table.Rows()[size_t(page.table.MarkedRow())][0]),
           QStringLiteral("example.CivWarlordsSave"));
  QCOMPARE(s.window.statusBar()->currentMessage(), QString());

  path->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(path->hasFocus());
  path->selectAll();
  QTest::keyClicks(path, other_);
  QTest::keyClick(&s.window, Qt::Key_F5);
  QVERIFY(Settled(s.window));
  QCOMPARE(path->text(), example_);
  QCOMPARE(QString::fromStdString(s.form().LoadedPath()), example_);
  QCOMPARE(s.window.windowTitle(), QStringLiteral("example.CivWarlordsSave — Tolvane (version 1.06)"));

  path->selectAll();
  QTest::keyClicks(path, QStringLiteral("nowhere/x.CivWarlordsSave"));
  QSignalSpy compared(&s.window.Saves(), &tolvane::gui::SavesController::ComparisonFinished);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(other_)});
  const QPointF at(s.window.width() / 2.0, s.window.height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(&s.window, &enter);
  QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(&s.window, &dropped);
  QVERIFY(compared.wait(20000));
  QCOMPARE(compared.front().front().toBool(), true);
  const form::ComparePage& compare = s.form().compare;
  QCOMPARE(
      (QSet<QString>{QString::fromStdString(compare.earlier.Text()), QString::fromStdString(compare.later.Text())}),
      (QSet<QString>{example_, other_}));
  QCOMPARE(s.boxes, QStringList());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// While a save loads the window names it with Cancel in the status bar and
// takes every click (a tab, a check box); a second load replaces the first,
// whose result is dropped; Escape cancels a load and leaves the pages alone.
void WindowTest::inputDuringALoadIsNotDropped() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  auto* loading = s.window.findChild<QLabel*>(QStringLiteral("LoadingL"));
  auto* cancel = s.window.findChild<QPushButton*>(QStringLiteral("LoadCancelButton"));
  QVERIFY(loading && cancel && loading->isHidden() && cancel->isHidden());
  QSignalSpy finished(&s.window, &MainWindow::LoadFinished);
  s.window.SetLoadDelay(3000);
  s.window.StartLoad(password_);
  QVERIFY(s.window.Loading());
  QCOMPARE(loading->text(), QStringLiteral("Loading password.CivWarlordsSave…"));
  QVERIFY(loading->isVisible() && cancel->isVisible());

  QTabBar* tabs = s.window.Pages()->tabBar();
  const form::GraphPage& graph = s.form().graph;
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(s.TabOf(graph)).center());
  QCOMPARE(s.window.Pages()->currentIndex(), s.TabOf(graph));
  const bool showAi = graph.showAi.Checked();
  QTest::mouseClick(s.Widget<QCheckBox>(graph.showAi), Qt::LeftButton);
  QCOMPARE(graph.showAi.Checked(), !showAi);
  QVERIFY(s.window.Loading());
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));

  // The newer load (without the delay) is shown; the older one's result,
  // when it comes, is dropped.
  s.window.SetLoadDelay(0);
  s.window.StartLoad(other_);
  QVERIFY(finished.wait(20000));
  QCOMPARE(finished.size(), 1);
  QCOMPARE(finished.front().front().toBool(), true);
  QCOMPARE(QString::fromStdString(s.form().LoadedPath()), other_);
  QVERIFY(QThreadPool::globalInstance()->waitForDone(20000));  // the older load's worker
  QTest::qWait(50);
  QCOMPARE(finished.size(), 1);
  QCOMPARE(QString::fromStdString(s.form().LoadedPath()), other_);
  QVERIFY(loading->isHidden() && cancel->isHidden());
  QCOMPARE(graph.showAi.Checked(), !showAi);

  const QStringList before = WidgetState(s.window);
  s.window.SetLoadDelay(3000);
  s.window.StartLoad(example_);
  QTest::keyClick(&s.window, Qt::Key_Escape);
  QCOMPARE(finished.size(), 2);
  QCOMPARE(finished.back().front().toBool(), false);
  QVERIFY(!s.window.Loading() && loading->isHidden());
  QVERIFY(QThreadPool::globalInstance()->waitForDone(20000));
  QTest::qWait(50);
  QCOMPARE(finished.size(), 2);
  QCOMPARE(WidgetState(s.window), before);
  QCOMPARE(s.boxes, QStringList());
}

// The pictures of the pages, hidden ones included, and of the Saves page
// grouped by game, as `make screenshots` takes them: each must be written
// and hold a drawing, not a blank; the page is left as it was.
void WindowTest::everyPageRenders() {
  Session s(QStringLiteral(TOLVANE_DEMO_SAVE));
  QVERIFY(s.loaded);
  QString error;
  const QStringList written = tolvane::gui::SaveScreenshots(s.window, QStringLiteral(TOLVANE_PAGE_PICTURES), &error);
  QVERIFY2(error.isEmpty(), qPrintable(error));
  QCOMPARE(written.size(), 2 + s.window.Pages()->count());
  QVERIFY(
      written.contains(QDir(QStringLiteral(TOLVANE_PAGE_PICTURES)).filePath(QStringLiteral("15-saves-grouped.png"))));
  QVERIFY(!s.form().saves.groupByGame.Checked());
  QVERIFY(s.form().saves.RulesPath().empty());
  for (const QString& file : written) {
    const QImage picture(file);
    QVERIFY2(!picture.isNull(), qPrintable(file));
    QVERIFY2(picture.width() > 400 && picture.height() > 300, qPrintable(file));
    QSet<QRgb> colors;
    for (int y = 0; y < picture.height(); y += 3)
      for (int x = 0; x < picture.width(); x += 3) colors << picture.pixel(x, y);
    QVERIFY2(colors.size() > 8, qPrintable(file));
  }
  QVERIFY(!s.window.Pages()->isTabVisible(s.TabOf(s.form().header)));
  QVERIFY(!s.window.Pages()->isTabVisible(s.TabOf(s.form().cities)));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// The Saves page shown for the first time, its rows arriving while it is on
// screen: the table's cells keep their place (the row header grew with the
// first rows and moved them right, and the moved cells stayed on screen as a
// strip right of the pages on every page), and the window on screen is the
// window drawn afresh.
void WindowTest::savesPageLeavesNoStripBesideThePages() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  auto* table = s.Widget<QTableView>(s.form().saves.table);
  const int cellsAt = table->viewport()->x();
  QTabBar* bar = s.window.Pages()->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(s.TabOf(s.form().saves)).center());
  QCOMPARE(s.window.Pages()->currentIndex(), s.TabOf(s.form().saves));
  QVERIFY(s.window.Saves().WaitUntilRead(20000));
  QTRY_VERIFY(!s.form().saves.table.Rows().empty());
  QCOMPARE(table->viewport()->x(), cellsAt);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
  QTest::qWait(50);
  const QImage onScreen =
      s.window.screen()->grabWindow(s.window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
  const QImage drawn = s.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRect pages(s.window.Pages()->mapTo(&s.window, QPoint()), s.window.Pages()->size());
  const QRect beside(pages.right() + 1, pages.top(), s.window.width() - pages.right() - 1, pages.height());
  QCOMPARE(onScreen.copy(beside), drawn.copy(beside));
}

// A click on a header scrolled into view sorts by it and leaves the view
// where it was, while the current row follows its save.
void WindowTest::sortingKeepsTheColumnsInView() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  const form::SavesPage& page = s.form().saves;
  auto* table = s.Widget<QTableView>(page.table);
  s.window.Pages()->setCurrentIndex(s.TabOf(page));
  QVERIFY(s.window.Saves().WaitUntilRead(20000));
  const int column = form::kFinalScoreColumn;
  QHeaderView* header = table->horizontalHeader();
  QScrollBar* across = table->horizontalScrollBar();
  auto clickHeader = [&] {
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
  };
  // The lowest score first; its row, clicked in the first column, is the current one.
  table->scrollTo(table->model()->index(0, column), QAbstractItemView::PositionAtCenter);
  clickHeader();
  across->setValue(0);
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 0)).center());
  const QString current = QString::fromStdString(page.table.Rows()[0][form::kFileNameColumn]);
  QSet<int> rows;
  for (int click = 0; click < 2; ++click) {  // downwards, then upwards again: the current row moves
    table->scrollTo(table->model()->index(0, column), QAbstractItemView::PositionAtCenter);
    const int scrolled = across->value();
    QVERIFY(scrolled > 0);
    clickHeader();
    QCOMPARE(page.table.SortColumn(), column);
    QCOMPARE(page.table.SortAscending(), click == 1);
    QCOMPARE(across->value(), scrolled);
    const int row = table->currentIndex().row();
    QCOMPARE(QString::fromStdString(page.table.Rows()[size_t(row)][form::kFileNameColumn]), current);
    rows << row;
  }
  QCOMPARE(rows.size(), 2);
  QVERIFY(rows.contains(0));
}

// Ctrl+Tab and Ctrl+PageDown go to the next page, with Shift or PageUp to
// the one before, wherever the focus is: in a grid, a list or an edit as on
// the tab bar.
void WindowTest::tabKeysWorkWhereverTheFocusIs() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  QTabWidget* pages = s.window.Pages();
  const form::Form& f = s.form();
  auto next = [&](int from, int step) {
    for (int p = from + step;; p += step) {
      p = (p + pages->count()) % pages->count();
      if (pages->isTabEnabled(p)) return p;
    }
  };
  const struct {
    const form::Control& control;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int step;
  } kCases[] = {
      {f.leaders.leaders, Qt::Key_Tab, Qt::ControlModifier, 1},
      {f.leaders.leaders, Qt::Key_PageDown, Qt::ControlModifier, 1},
      {f.teams.teams, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, -1},
      {f.replay.replay, Qt::Key_PageUp, Qt::ControlModifier, -1},
      {f.replay.replay, Qt::Key_Tab, Qt::ControlModifier, 1},
      {f.base.population.factor, Qt::Key_PageDown, Qt::ControlModifier, 1},
  };
  for (const auto& c : kCases) {
    auto* widget = s.Widget<QWidget>(c.control);
    QVERIFY2(widget, c.control.Name().c_str());
    s.ShowPageOf(widget);
    widget->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(widget->hasFocus());
    const int from = pages->currentIndex();
    QTest::keyClick(widget, c.key, c.modifiers);
    QVERIFY2(pages->currentIndex() == next(from, c.step), c.control.Name().c_str());
  }
}

// Each tab shows the widgets of its own page of the form, under its caption:
// the window name of every widget under a tab is that of a control of the
// tab's page. Controls that the window puts elsewhere (the status bar) are
// under no tab.
void WindowTest::eachTabHoldsItsOwnPage() {
  Session s;
  QTabWidget* tabs = s.window.Pages();
  const auto& pages = s.form().Pages();
  QCOMPARE(tabs->count(), int(pages.size()));
  QSet<QString> underTabs;
  for (int p = 0; p < tabs->count(); ++p) {
    const form::Page& page = *pages[size_t(p)];
    QCOMPARE(tabs->tabText(p), QString::fromStdString(page.Caption()));
    QVERIFY(tabs->widget(p)->findChild<QWidget*>(QString::fromStdString(page.Name())));
    QSet<QString> own, shown;
    for (const form::Control* c : page.Controls()) own << QString::fromStdString(c->Name());
    for (const QWidget* w : tabs->widget(p)->findChildren<QWidget*>())
      if (s.form().Find(w->objectName().toStdString())) shown << w->objectName();
    QVERIFY2(shown.subtract(own).isEmpty(), qPrintable(QString::fromStdString(page.Caption()) + QStringLiteral(": ") +
                                                       QStringList(shown.values()).join(' ')));
    for (const form::Control* c : page.Controls()) {
      const QString name = QString::fromStdString(c->Name());
      QVERIFY2(tabs->widget(p)->findChild<QWidget*>(name) || !tabs->findChild<QWidget*>(name), qPrintable(name));
      underTabs << name;
    }
  }
  QVERIFY(underTabs.size() > 100);
}

// A load shows its save alone: a calculator's input refused before it and
// its message in the status bar are gone, as in a fresh window.
void WindowTest::aLoadTakesTheCalculatorsMessagesAway() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  auto* edit = s.Widget<QLineEdit>(s.form().kavrel.anarchy.cities);
  s.ShowPageOf(edit);
  edit->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(edit->hasFocus());
  const QColor plain = edit->palette().color(QPalette::Base);
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Tab);
  QCOMPARE(s.window.statusBar()->currentMessage(), QStringLiteral("Cities: '' is not a valid integer value"));
  QVERIFY(edit->palette().color(QPalette::Base) != plain);
  s.Close();
  QVERIFY(Load(s.window, other_));
  QCOMPARE(s.window.statusBar()->currentMessage(), QString());
  QCOMPARE(edit->palette().color(QPalette::Base), plain);
  QCOMPARE(edit->text(), QString::fromStdString(form::Form().kavrel.anarchy.cities.Text()));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
