#include "gui/RecentFiles.h"

#include <QFileInfo>

namespace tolvane::gui {

namespace {

const QString kKey = QStringLiteral("recentFiles");

}  // namespace

RecentFiles::RecentFiles(QSettings& settings, QObject* parent)
    : QObject(parent), settings_(settings), files_(settings.value(kKey).toStringList()) {
  files_.removeAll(QString());
  files_.removeDuplicates();
  while (files_.size() > kMaximum) files_.removeLast();
}

void RecentFiles::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  files_.removeAll(absolute);
  files_.prepend(absolute);
  while (files_.size() > kMaximum) files_.removeLast();
  Store();
}

void RecentFiles::Remove(const QString& path) {
  if (files_.removeAll(path) > 0) Store();
}

void RecentFiles::Clear() {
  files_.clear();
  Store();
}

void RecentFiles::Store() {
  settings_.setValue(kKey, files_);
  Q_EMIT Changed();
}

}  // namespace tolvane::gui
