// Pictures of the window's pages, for the documentation and for the tests
// that every page renders.
#pragma once

#include <QString>
#include <QStringList>

namespace tolvane::gui {

class MainWindow;

// Writes a PNG of every page, the hidden ones included ("01-base.png" ..
// "13-attitudes.png"), and one of the whole window ("00-window.png") into
// `dir`, which is created when missing. Returns the files written; on a
// failure the files written so far and the reason in `error`.
QStringList SaveScreenshots(MainWindow& window, const QString& dir, QString* error);

}  // namespace tolvane::gui
