#include "gui/SaveDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <exception>
#include <string>

#include "gui/Binder.h"

namespace tolvane::gui {

QString AskSavePath(QWidget* parent, const QString& savePath, const SaveRequest& request) {
  const QFileInfo save(savePath);
  const QString proposed = savePath.isEmpty()
                               ? request.fileName
                               : save.dir().filePath(save.completeBaseName() + QLatin1Char('-') + request.fileName);
  QString filter;
  QString path = QFileDialog::getSaveFileName(parent, request.title, proposed, request.filters, &filter);
  if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
  static const QRegularExpression kExtension(QStringLiteral("\\*(\\.\\w+)"));
  const QRegularExpressionMatch match = kExtension.match(filter.isEmpty() ? request.filters : filter);
  return match.hasMatch() ? path + match.captured(1) : path;
}

void Binder::SaveAs(const SaveRequest& request, const std::function<void(const std::string& path)>& write) {
  const QString path = saveDialog_ ? saveDialog_(request) : QString();
  if (path.isEmpty()) return;
  QString failure;
  run_([&] {
    try {
      write(path.toStdString());
    } catch (const std::exception& e) {
      failure = QString::fromStdString(e.what());
    }
  });
  if (!failure.isEmpty() && messageBox_) messageBox_(failure);
}

}  // namespace tolvane::gui
