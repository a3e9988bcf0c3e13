// "Load File" in the real window beside plain zlib inflation, on the large
// save of an 18-player game: the window's load reads, inflates, analyses,
// fills every page and brings every widget up to date, then lets the event
// loop lay out and draw the current page. Compare the rows of one run; the
// window's load should stay within three inflations. And the frame of a
// zoom step on the World page's map of that save.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <algorithm>

#include "LargeSaveFile.h"
#include "app/MainWindow.h"
#include "app/PictureView.h"
#include "ui/Form.h"

namespace {

using namespace tolvane;

using bench::Large;
using bench::ZlibInflate;

// The argument is the page on show while the save loads: Base, the Replay
// with its thousands of lines, the Graph with every player's line ("Show
// AI" checked), the World page with its map.
void WindowLoadFile(benchmark::State& state) {
  const auto& f = Large();
  const QTemporaryDir settings;
  app::MainWindow window(settings.filePath(QStringLiteral("settings.ini")));
  window.SetMessageBox([&state](const QString& text) { state.SkipWithError(qPrintable(text)); });
  window.show();
  ui::Form& form = window.Form();
  const ui::Page* shown[] = {&form.base, &form.replay, &form.graph, &form.world};
  const ui::Page* page = shown[state.range(0)];
  const auto& pages = form.Pages();
  window.Pages()->setCurrentIndex(int(std::find(pages.begin(), pages.end(), page) - pages.begin()));
  if (page == &form.graph) window.findChild<QCheckBox*>(QString::fromStdString(form.graph.showAi.Name()))->click();
  const QString path = QString::fromStdString(f.path);
  for (auto _ : state) {
    window.LoadPath(path);
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
  app::MainWindow window(settings.filePath(QStringLiteral("settings.ini")));
  window.show();
  if (!window.LoadPath(QString::fromStdString(Large().path))) state.SkipWithError("the large save did not load");
  ui::Form& form = window.Form();
  const auto& pages = form.Pages();
  window.Pages()->setCurrentIndex(int(std::find(pages.begin(), pages.end(), &form.world) - pages.begin()));
  QCoreApplication::processEvents();
  auto* map = window.findChild<app::PictureView*>(QString::fromStdString(form.world.picture.Name()));
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

BENCHMARK(ZlibInflate)->Unit(benchmark::kMillisecond);
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
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
