// "Load File" in the real window beside plain zlib inflation, on the large
// save of an 18-player game: the window's load reads, inflates, analyses,
// fills every page and brings every widget up to date, then lets the event
// loop lay out and draw the current page. Compare the rows of one run; the
// window's load should stay within three inflations.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>

#include "LargeSaveFile.h"
#include "app/MainWindow.h"
#include "ui/Form.h"

namespace {

using namespace tolvane;

using bench::Large;
using bench::ZlibInflate;

// The argument is the page on show while the save loads: Base, the Replay
// with its thousands of lines, the Graph with every player's line ("Show
// AI" checked).
void WindowLoadFile(benchmark::State& state) {
  const auto& f = Large();
  const QTemporaryDir settings;
  app::MainWindow window(settings.filePath(QStringLiteral("settings.ini")));
  window.SetMessageBox([&state](const QString& text) { state.SkipWithError(qPrintable(text)); });
  window.show();
  ui::Form& form = window.Form();
  const ui::Page* shown[] = {&form.base, &form.replay, &form.graph};
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

BENCHMARK(ZlibInflate)->Unit(benchmark::kMillisecond);
BENCHMARK(WindowLoadFile)
    ->Arg(0)  // Base
    ->Arg(1)  // Replay
    ->Arg(2)  // Graph
    ->ArgName("page")
    ->Unit(benchmark::kMillisecond);

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
