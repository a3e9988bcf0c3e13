// tolvane: the window. "tolvane SAVE" opens the window on that save.
// "tolvane --screenshots DIR [SAVE [EARLIER]]" loads SAVE into the window
// without showing it to anyone, compares EARLIER with it on the Compare page
// when given, and writes a picture of every page into DIR.
#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QIcon>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "gui/MainWindow.h"
#include "gui/SavesController.h"
#include "gui/Screenshots.h"

namespace {

// Starts a job and runs the events until `finished` tells how it ended.
template <typename Sender, typename Signal>
bool Await(const Sender* sender, Signal finished, const std::function<void()>& start) {
  QEventLoop loop;
  bool succeeded = false;
  QObject::connect(sender, finished, &loop, [&loop, &succeeded](bool ok) {
    succeeded = ok;
    loop.quit();
  });
  start();
  loop.exec();
  return succeeded;
}

int WritePictures(const QString& dir, const QString& save, const QString& earlier, const QSize& size) {
  // The pictures do not depend on the user's settings, nor change them.
  const QTemporaryDir settings;
  tolvane::gui::MainWindow window(settings.filePath(QStringLiteral("settings.ini")));
  window.SetMessageBox([](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
  if (size.isValid()) window.resize(size);
  window.show();
  using tolvane::gui::MainWindow;
  using tolvane::gui::SavesController;
  if (!save.isEmpty() && !Await(&window, &MainWindow::LoadFinished, [&] { window.StartLoad(save); })) return 1;
  if (!earlier.isEmpty() && !Await(&window.Saves(), &SavesController::ComparisonFinished,
                                   [&] { window.Form().Compare(earlier.toStdString(), save.toStdString()); }))
    return 1;
  QString error;
  const QStringList written = tolvane::gui::SaveScreenshots(window, dir, &error);
  for (const QString& path : written) std::printf("%s\n", qPrintable(path));
  if (!error.isEmpty()) {
    std::fprintf(stderr, "tolvane: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tolvane"));
  QApplication::setOrganizationName(QStringLiteral("Tolvane"));
  // The launcher's name: the desktop shows the installed icon for the window.
  QGuiApplication::setDesktopFileName(QStringLiteral("tolvane"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/tolvane.svg")));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Shows what a saved game holds."));
  parser.addHelpOption();
  const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                       QStringLiteral("Write a picture of every page into DIR, then exit."),
                                       QStringLiteral("DIR"));
  parser.addOption(screenshots);
  const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("The window's size for the pictures."),
                                QStringLiteral("WIDTHxHEIGHT"));
  parser.addOption(size);
  parser.addPositionalArgument(QStringLiteral("save"), QStringLiteral("The save to open."), QStringLiteral("[SAVE]"));
  parser.process(app);
  if (parser.isSet(screenshots)) {
    const QStringList wh = parser.value(size).split(QLatin1Char('x'));
    const QSize pictureSize = wh.size() == 2 ? QSize(wh[0].toInt(), wh[1].toInt()) : QSize();
    return WritePictures(parser.value(screenshots), parser.positionalArguments().value(0),
                         parser.positionalArguments().value(1), pictureSize);
  }

  tolvane::gui::MainWindow window;
  window.show();
  window.OpenAtStart(parser.positionalArguments());
  return QApplication::exec();
}
