// The window against the form it draws: after each load and each action of
// the user every widget shows its control's state, each event of a widget
// runs the form's handler for it (and nothing else), hidden tabs stay out of
// reach, a save that cannot be read leaves the pages alone, and every page
// renders.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "SaveWriter.h"
#include "WidgetState.h"
#include "app/HistoryChartView.h"
#include "app/Screenshots.h"
#include "app/TForm1.h"

using tolvane::app::TForm1;
using namespace tolvane::app::testing;
namespace ui = tolvane::ui;

namespace {

enum Action { kType, kTypeAndLeave, kPickNext, kClick, kTypeInList };

// A window that has loaded a save, ready for keyboard and mouse, with the
// message box replaced by a list of the messages it would have shown.
struct Session {
  explicit Session(const QString& save = {}) {
    window.SetMessageBox([this](const QString& text) { boxes << text; });
    window.SetOpenDialog([] { return QString(); });
    window.show();
    window.activateWindow();
    active = QTest::qWaitForWindowActive(&window);
    if (!save.isEmpty()) loaded = window.LoadPath(save);
  }
  template <typename T>
  T* Widget(const QString& name) const {
    return window.findChild<T*>(name);
  }
  // Makes the page of a widget the current page. A hidden page (whose tab
  // is disabled as well) is opened up for the user until Close() hides it
  // again: its controls keep their handlers all the same.
  void ShowPageOf(const QWidget* widget) {
    QTabWidget* pages = window.Pages();
    for (int p = 0; p < pages->count(); ++p)
      if (pages->widget(p)->isAncestorOf(widget)) {
        if (!pages->isTabVisible(p)) opened = p;
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
  TForm1 window;
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

// The texts a user types one key after another: each key is one change.
QStringList Keystrokes(const QString& text) {
  QStringList prefixes;
  for (qsizetype n = 1; n <= text.size(); ++n) prefixes << text.left(n);
  return prefixes;
}

}  // namespace

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
  void hiddenTabsStayOutOfReach();
  void unreadableSaveKeepsThePages_data();
  void unreadableSaveKeepsThePages();
  void loadFileAsksForTheFile();
  void droppedFileLoads();
  void chartZoomsAndComesBack();
  void everyPageRenders();

 private:
  QTemporaryDir dir_;
  QString example_, other_, password_, restricted_, firstTurn_;
};

void WindowTest::initTestCase() {
  QVERIFY(dir_.isValid());
  using tolvane::testing::ExampleSave;
  using tolvane::testing::WriteSaveFile;
  example_ = Write(dir_, "example.CivWarlordsSave", WriteSaveFile(ExampleSave()));
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
  QVERIFY(!s.window.Pages()->isTabVisible(ui::kHeaderPage));
  QVERIFY(!s.window.Pages()->isTabVisible(ui::kCitiesPage));
  QVERIFY(!s.Widget<QPushButton>("Button2")->isEnabled());
  QVERIFY(s.Widget<QComboBox>("PlayerLogSelect")->isHidden());
  QVERIFY(s.Widget<QComboBox>("PlayerInfoSelect")->isHidden());
}

// One load after another in the same window, the demo save among them:
// nothing of an earlier save stays where the form shows something else.
void WindowTest::showsEachLoadedSave() {
  Session s;
  const QString demo = QStringLiteral(TOLVANE_DEMO_SAVE);
  QVERIFY2(QFile::exists(demo), qPrintable(demo));
  for (const QString& save : {demo, example_, password_, other_, firstTurn_, restricted_, demo}) {
    QVERIFY2(s.window.LoadPath(save), qPrintable(save));
    QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  }
  QVERIFY(s.boxes.isEmpty());
}

void WindowTest::handlersRunFromTheirWidgetEvents_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("action");
  QTest::addColumn<QString>("text");
  struct Row {
    const char* control;
    Action action;
    const char* text;
  };
  // Every binding of the handler table: DiffCoeffEChange (leaving its edits
  // and KavrelDateE), Edit11Change, GraphSelectChange, ShowCombatsCheckBoxClick,
  // PlayerInfoSelectChange, KavrelPopCurrEExit, NewCivicsEChange,
  // PlayerCitySelectChange, CityBoxChange, AttLeaderSel1Change; and a display
  // edit, whose typing changes its text only.
  static constexpr Row kRows[] = {
      {"InitLandE", kTypeAndLeave, "7"},
      {"CurrPopScoreE", kTypeAndLeave, "100"},
      {"MaxWonderScoreE", kTypeAndLeave, "900"},
      {"TechCoeffE", kTypeAndLeave, "3000"},
      {"DiffCoeffE", kTypeAndLeave, "2.5"},
      {"VassalPopScoredE", kTypeAndLeave, "3"},
      {"VassalLandScoredE", kTypeAndLeave, "4"},
      {"KavrelDateE", kTypeAndLeave, "9"},
      {"Edit11", kType, "3"},
      {"Edit3", kType, "77"},
      {"GraphSelect", kPickNext, ""},
      {"ShowAICheckBox", kClick, ""},
      {"ShowCombatsCheckBox", kClick, ""},
      {"ShowCityEventsCheckBox", kClick, ""},
      {"PlayerLogSelect", kPickNext, ""},
      {"PlayerInfoSelect", kPickNext, ""},
      {"KavrelPopCurrE", kTypeAndLeave, "50"},
      {"KavrelCultureMaxE", kTypeAndLeave, "999"},
      {"KavrelTurnFactorE", kTypeAndLeave, "100"},
      {"NewCivicsE", kTypeAndLeave, "3"},
      {"AnarchyCitiesE", kTypeAndLeave, "40"},
      {"AnarchyWorldSizeBox", kPickNext, ""},
      {"AnarchyGameSpeedBox", kPickNext, ""},
      {"AnarchyStartEraBox", kPickNext, ""},
      {"AnarchyGameSpeedBox", kTypeInList, "Quick"},
      {"PlayerCitySelect", kPickNext, ""},
      {"CityBox", kPickNext, ""},
      {"AttLeaderSel1", kPickNext, ""},
      {"AttLeaderSel2", kPickNext, ""},
  };
  for (const Row& row : kRows)
    QTest::addRow("%s %d %s", row.control, int(row.action), row.text)
        << QString::fromLatin1(row.control) << int(row.action) << QString::fromLatin1(row.text);
}

// The window and a twin form that gets the same actions through the form's
// own entry points must end up alike: the same texts in every widget and
// the same revision of every control (no handler ran twice, none ran for a
// change the program made).
void WindowTest::handlersRunFromTheirWidgetEvents() {
  QFETCH(QString, control);
  QFETCH(int, action);
  QFETCH(QString, text);
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  ui::Form twin;
  QVERIFY(twin.Button1Click(example_.toStdString()));
  QCOMPARE(WidgetState(s.window), FormState(twin));
  QCOMPARE(Revisions(s.window.Form()), Revisions(twin));

  const std::string name = control.toStdString();
  QWidget* widget = s.window.findChild<QWidget*>(control);
  QVERIFY(widget);
  s.ShowPageOf(widget);
  switch (Action(action)) {
    case kType:
    case kTypeAndLeave: {
      auto* edit = qobject_cast<QLineEdit*>(widget);
      QVERIFY(edit);
      edit->setFocus(Qt::MouseFocusReason);
      QTRY_VERIFY(edit->hasFocus());
      edit->selectAll();
      QTest::keyClicks(edit, text);
      for (const QString& typed : Keystrokes(text)) twin.SetEditText(name, typed.toStdString());
      if (action == kType) break;
      // Typing alone runs no exit handler; leaving the edit runs it once.
      QCOMPARE(WidgetState(s.window), FormState(twin));
      QCOMPARE(Revisions(s.window.Form()), Revisions(twin));
      QTest::keyClick(edit, Qt::Key_Tab);
      QVERIFY(!edit->hasFocus());
      twin.ExitEdit(name);
      break;
    }
    case kPickNext: {
      auto* box = qobject_cast<QComboBox*>(widget);
      QVERIFY(box);
      const int next = static_cast<const ui::ComboBox*>(twin.Find(name))->Index() + 1;
      QVERIFY(next < box->count());
      QTest::keyClick(box, Qt::Key_Down);
      twin.SelectItem(name, next);
      break;
    }
    case kClick:
      QVERIFY(qobject_cast<QCheckBox*>(widget));
      QTest::mouseClick(widget, Qt::LeftButton);
      twin.ClickCheckBox(name);
      break;
    case kTypeInList: {
      auto* box = qobject_cast<QComboBox*>(widget);
      QVERIFY(box && box->isEditable());
      box->lineEdit()->setFocus(Qt::MouseFocusReason);
      box->lineEdit()->selectAll();
      QTest::keyClicks(box->lineEdit(), text);
      for (const QString& typed : Keystrokes(text)) twin.TypeComboText(name, typed.toStdString());
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
  auto* edit = s.Widget<QLineEdit>("Edit11");
  s.ShowPageOf(edit);
  edit->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(edit->hasFocus());
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Backspace);
  const auto& messages = s.window.Form().Messages();
  QVERIFY(!messages.empty());
  QCOMPARE(s.window.statusBar()->currentMessage(), QString::fromStdString(messages.back()));
  QVERIFY(edit->hasFocus());
  QTest::keyClicks(edit, QStringLiteral("4"));
  QCOMPARE(s.window.statusBar()->currentMessage(), QString());
  QCOMPARE(s.Widget<QLineEdit>("Edit11")->text(), QStringLiteral("4"));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
  QCOMPARE(s.boxes, QStringList());

  // Closing the window while a calculator's edit still has the focus: the
  // focus leaves the edits as they go, and nothing may run on them then.
  auto* score = s.Widget<QLineEdit>("CurrPopScoreE");
  s.ShowPageOf(score);
  score->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(score->hasFocus());
  QTest::keyClicks(score, QStringLiteral("5"));
}

// Neither the keyboard nor the tab bar leads to the Header or Cities page.
void WindowTest::hiddenTabsStayOutOfReach() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  QTabWidget* pages = s.window.Pages();
  QSet<int> visited;
  for (const Qt::KeyboardModifiers direction :
       {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
    pages->setCurrentIndex(0);
    for (int step = 0; step < 2 * ui::kPageCount; ++step) {
      QTest::keyClick(pages, Qt::Key_Tab, direction);
      visited << pages->currentIndex();
    }
  }
  for (int p = 0; p < ui::kPageCount; ++p) {
    const bool reachable = p != ui::kHeaderPage && p != ui::kCitiesPage;
    QCOMPARE(visited.contains(p), reachable);
    QCOMPARE(pages->isTabVisible(p), reachable);
  }
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
  QVERIFY(!s.window.LoadPath(path));
  QCOMPARE(s.boxes.size(), 1);
  QCOMPARE(s.boxes.front(), QString::fromStdString(s.window.Form().Messages().back()));
  QVERIFY(!s.boxes.front().isEmpty());
  QCOMPARE(WidgetState(s.window), before);
  QCOMPARE(s.Widget<QLineEdit>("Edit1")->text(), example_);
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
  auto* path = s.Widget<QLineEdit>("Edit1");
  QTest::mouseClick(s.Widget<QPushButton>("Button1"), Qt::LeftButton);
  QCOMPARE(path->text(), example_);
  answer = other_;
  QTest::keyClick(&s.window, Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(path->text(), other_);
  answer = example_;
  QTest::keyClick(&s.window, Qt::Key_L, Qt::AltModifier);  // the button shows its press, then clicks
  QTRY_COMPARE(path->text(), example_);
  answer.clear();
  QTest::mouseClick(s.Widget<QPushButton>("Button1"), Qt::LeftButton);
  QCOMPARE(path->text(), example_);
  QCOMPARE(asked, 4);
  QTest::mouseClick(s.Widget<QPushButton>("Button2"), Qt::LeftButton);  // disabled: no dialog
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
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
  QTRY_COMPARE(s.Widget<QLineEdit>("Edit1")->text(), other_);
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

// Dragging a rectangle zooms in; a double click or a right click shows the
// whole chart again, with the value axis at the limits the page set.
void WindowTest::chartZoomsAndComesBack() {
  Session s(example_);
  QVERIFY(s.active && s.loaded);
  auto* chart = s.Widget<tolvane::app::HistoryChartView>("HistoryChart");
  QVERIFY(chart);
  s.ShowPageOf(chart);
  QWidget* area = chart->viewport();
  const QRectF plot = chart->chart()->plotArea();
  const QPoint from = plot.topLeft().toPoint() + QPoint(40, 40), to = plot.center().toPoint();
  const auto* axis = static_cast<const ui::Chart*>(s.window.Form().Find("HistoryChart"));
  auto zoomIn = [&] {
    QTest::mousePress(area, Qt::LeftButton, {}, from);
    QTest::mouseMove(area, to);
    QTest::mouseRelease(area, Qt::LeftButton, {}, to);
    return chart->chart()->isZoomed() && chart->AxisY()->max() < double(axis->AxisMax());
  };
  auto unzoomed = [&] {
    return !chart->chart()->isZoomed() && chart->AxisY()->min() == double(axis->AxisMin()) &&
           chart->AxisY()->max() == double(axis->AxisMax());
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

// The pictures of the pages, hidden ones included, as `make screenshots`
// takes them: each must be written and hold a drawing, not a blank.
void WindowTest::everyPageRenders() {
  Session s(QStringLiteral(TOLVANE_DEMO_SAVE));
  QVERIFY(s.loaded);
  QString error;
  const QStringList written = tolvane::app::SaveScreenshots(s.window, QStringLiteral(TOLVANE_PAGE_PICTURES), &error);
  QVERIFY2(error.isEmpty(), qPrintable(error));
  QCOMPARE(written.size(), 1 + ui::kPageCount);
  for (const QString& file : written) {
    const QImage picture(file);
    QVERIFY2(!picture.isNull(), qPrintable(file));
    QVERIFY2(picture.width() > 400 && picture.height() > 300, qPrintable(file));
    QSet<QRgb> colors;
    for (int y = 0; y < picture.height(); y += 3)
      for (int x = 0; x < picture.width(); x += 3) colors << picture.pixel(x, y);
    QVERIFY2(colors.size() > 8, qPrintable(file));
  }
  QVERIFY(!s.window.Pages()->isTabVisible(ui::kHeaderPage));
  QVERIFY(!s.window.Pages()->isTabVisible(ui::kCitiesPage));
  QCOMPARE(WidgetState(s.window), FormState(s.window.Form()));
}

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
