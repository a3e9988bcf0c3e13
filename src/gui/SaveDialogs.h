// What the pages' "Save …" actions ask the user, and the window's dialog
// that answers it.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tolvane::gui {

// What a "Save …" action asks the user: the dialog's title, its file types
// ("PNG image (*.png);;SVG image (*.svg)") and the name it proposes.
struct SaveRequest {
  QString title;
  QString filters;
  QString fileName;
};
// Answers a SaveRequest with the path the user chose, or "" when cancelled.
using SaveDialog = std::function<QString(const SaveRequest&)>;
// The window's save dialog: it proposes the file name after the name of the
// loaded save (`savePath`, may be empty) in its folder, and a name typed
// without an extension takes that of the file type chosen.
QString AskSavePath(QWidget* parent, const QString& savePath, const SaveRequest& request);

}  // namespace tolvane::gui
