#include "gui/SaveDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <exception>
#include <memory>
#include <new>
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

void Binder::SaveInBackground(const SaveRequest& request, QWidget* button,
                              const std::function<Writing(const std::string& path)>& prepare) {
  const QString path = saveDialog_ ? saveDialog_(request) : QString();
  if (path.isEmpty()) return;
  Writing writing;
  QString failure;
  run_([&] {
    try {
      writing = prepare(path.toStdString());
    } catch (const std::exception& e) {
      failure = QString::fromStdString(e.what());
    }
  });
  if (!failure.isEmpty() && messageBox_) messageBox_(failure);
  if (!writing) return;
  auto failed = std::make_shared<QString>();
  QThread* thread = QThread::create([writing = std::move(writing), failed] {
    try {
      writing();
    } catch (const std::bad_alloc&) {
      *failed = QStringLiteral("There is not enough memory to write this file.");
    } catch (const std::exception& e) {
      *failed = QString::fromStdString(e.what());
    }
  });
  button->setEnabled(false);
  QPointer<QWidget> waiting(button);
  connect(thread, &QThread::finished, this, [this, thread, waiting, failed] {
    if (waiting) waiting->setEnabled(true);
    thread->deleteLater();
    if (!failed->isEmpty() && messageBox_) messageBox_(*failed);
  });
  std::erase_if(writings_, [](const QPointer<QThread>& t) { return t.isNull(); });
  writings_.push_back(thread);
  thread->start(QThread::LowPriority);
}

}  // namespace tolvane::gui
