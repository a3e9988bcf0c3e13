// "Load File" in the real window beside plain zlib inflation, on the large
// save of an 18-player game: the window's load reads, inflates, analyses,
// fills every page and brings every widget up to date, then lets the event
// loop lay out and draw the current page. Compare the rows of one run; the
// window's load should stay within three inflations. And the frame of a
// zoom step on the World page's map of that save.
//
//
// SavesPageFill opens a folder of 200 saves on the Saves page and measures
// how long the event loop was kept from running while the rows came in (it
// should stay below 50 ms): the longest single event the window handled (its
// wall time, and the window thread's processor time in it, which other
// programs on a busy machine do not lengthen), and the largest gap between
// the ticks of a 1 ms timer (which they do).
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <filesystem>

#include "LargeSaveFile.h"
#include "form/Form.h"
#include "gui/MainWindow.h"
#include "gui/PictureView.h"
#include "gui/SavesController.h"

namespace {

using namespace tolvane;

// The window thread's processor time.
int64_t ThreadCpuNanoseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// An application that times each event it hands out (the outermost one:
// events sent while handling another count with it).
class TimedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    if (depth_++ > 0) {
      const bool handled = QApplication::notify(receiver, event);
      --depth_;
      return handled;
    }
    const int64_t cpu = ThreadCpuNanoseconds();
    QElapsedTimer wall;
    wall.start();
    const bool handled = QApplication::notify(receiver, event);
    --depth_;
    longestWall = std::max<int64_t>(longestWall, wall.nsecsElapsed());
    longestCpu = std::max(longestCpu, ThreadCpuNanoseconds() - cpu);
    return handled;
  }
  int64_t longestWall = 0, longestCpu = 0;

 private:
  int depth_ = 0;
};

using bench::Large;
using bench::ZlibInflate;

// Loads a save as the window does and waits for it to be shown.
bool Load(gui::MainWindow& window, const QString& path) {
  QEventLoop loop;
  bool loaded = false;
  QObject::connect(&window, &gui::MainWindow::LoadFinished, &loop, [&loop, &loaded](bool ok) {
    loaded = ok;
    loop.quit();
  });
  window.StartLoad(path);
  loop.exec();
  return loaded;
}

// The argument is the page on show while the save loads: Base, the Replay
// with its thousands of lines, the Graph with every player's line ("Show
// AI" checked), the World page with its map.
void WindowLoadFile(benchmark::State& state) {
  const auto& f = Large();
  const QTemporaryDir settings;
  gui::MainWindow window(settings.filePath(QStringLiteral("settings.ini")));
  window.SetMessageBox([&state](const QString& text) { state.SkipWithError(qPrintable(text)); });
  window.show();
  form::Form& form = window.Form();
  const form::Page* shown[] = {&form.base, &form.replay, &form.graph, &form.world};
  const form::Page* page = shown[state.range(0)];
  const auto& pages = form.Pages();
  window.Pages()->setCurrentIndex(int(std::find(pages.begin(), pages.end(), page) - pages.begin()));
  if (page == &form.graph) window.findChild<QCheckBox*>(QString::fromStdString(form.graph.showAi.Name()))->click();
  const QString path = QString::fromStdString(f.path);
  for (auto _ : state) {
    Load(window, path);
    QCoreApplication::processEvents();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * f.image.bodyLength);
}

// One notch of the wheel over the World page's map, drawn at once: the
// frame of a zoom step, from the cached image (the picture is not drawn
// anew). The argument is the zoom it starts from: the whole map in view, or
// eight notches closer. The steps go in and out by turns.
void WorldZoomStep(benchmark::State& state) {
  const QTemporaryDir settings;
  gui::MainWindow window(settings.filePath(QStringLiteral("settings.ini")));
  window.show();
  if (!Load(window, QString::fromStdString(Large().path))) state.SkipWithError("the large save did not load");
  form::Form& form = window.Form();
  const auto& pages = form.Pages();
  window.Pages()->setCurrentIndex(int(std::find(pages.begin(), pages.end(), &form.world) - pages.begin()));
  QCoreApplication::processEvents();
  auto* map = window.findChild<gui::PictureView*>(QString::fromStdString(form.world.picture.Name()));
  const QPointF at(map->width() / 3.0, map->height() / 2.0);
  auto turn = [map, at](int notches) {
    QWheelEvent wheel(at, map->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(map, &wheel);
    map->repaint();
  };
  turn(int(state.range(0)));
  const uint64_t revision = form.world.picture.Revision();
  int step = 0;
  for (auto _ : state) turn(step++ % 2 == 0 ? 1 : -1);
  if (form.world.picture.Revision() != revision) state.SkipWithError("the picture was drawn anew");
  state.counters["zoom"] = map->Zoom();
}

// A folder of 200 saves, links to one save file: the small example game
// (argument 0) or the large save (1).
struct SavesFolder {
  std::filesystem::path folder;
  explicit SavesFolder(int large) {
    namespace fs = std::filesystem;
    folder =
        fs::temp_directory_path() / ("tolvane-saves-bench-" + std::to_string(getpid()) + "-" + std::to_string(large));
    fs::create_directories(folder);
    std::string source = Large().path;
    if (!large) {
      source = (folder / "example.bin").string();
      testing::WriteFile(source, testing::WriteSaveFile(testing::ExampleSave()));
    }
    for (int i = 0; i < 200; ++i) {
      const fs::path save = folder / ("save-" + std::to_string(1000 + i) + ".CivWarlordsSave");
      std::error_code error;
      fs::create_hard_link(source, save, error);
      if (error) fs::copy_file(source, save, fs::copy_options::overwrite_existing);
    }
  }
  ~SavesFolder() { std::filesystem::remove_all(folder); }
};

void SavesPageFill(benchmark::State& state) {
  const SavesFolder saves(int(state.range(0)));
  gui::MainWindow window;
  window.SetMessageBox([&state](const QString& text) { state.SkipWithError(qPrintable(text)); });
  window.show();
  const QString folder = QString::fromStdString(saves.folder.string());
  window.SetFolderDialog([&folder](const QString&) { return folder; });
  auto* app = static_cast<TimedApplication*>(QCoreApplication::instance());
  qint64 longest = 0;
  int64_t longestEventWall = 0, longestEventCpu = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    qint64 last = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
      const qint64 now = clock.nsecsElapsed();
      longest = std::max(longest, now - last);
      last = now;
    });
    clock.start();
    tick.start();
    app->longestWall = app->longestCpu = 0;
    // Open Folder… as a click runs it: listing the folder is an event of its own.
    QTimer::singleShot(0, &window, [&window] { window.Saves().OpenFolderAction()->trigger(); });
    QCoreApplication::processEvents();
    if (!window.Saves().WaitUntilRead(120000)) state.SkipWithError("the saves were not read in time");
    tick.stop();
    longestEventWall = std::max(longestEventWall, app->longestWall);
    longestEventCpu = std::max(longestEventCpu, app->longestCpu);
    if (window.Form().saves.SaveCount() != 200) state.SkipWithError("not every save was listed");
  }
  state.counters["longest_event_ms"] = double(longestEventWall) / 1e6;
  state.counters["longest_event_cpu_ms"] = double(longestEventCpu) / 1e6;
  state.counters["longest_tick_gap_ms"] = double(longest) / 1e6;
}

BENCHMARK(ZlibInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(SavesPageFill)->Arg(0)->Arg(1)->ArgName("large")->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowLoadFile)
    ->Arg(0)  // Base
    ->Arg(1)  // Replay
    ->Arg(2)  // Graph
    ->Arg(3)  // World
    ->ArgName("page")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WorldZoomStep)->Arg(0)->Arg(8)->ArgName("notches")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TimedApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
