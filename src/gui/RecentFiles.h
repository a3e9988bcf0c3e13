// The saves opened last, newest first, as the File menu's "Open Recent"
// lists them; kept in the program's settings.
#pragma once

#include <QObject>
#include <QSettings>
#include <QStringList>

namespace tolvane::gui {

class RecentFiles : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaximum = 10;

  // The list as the settings hold it.
  explicit RecentFiles(QSettings& settings, QObject* parent = nullptr);

  const QStringList& Files() const { return files_; }
  // The path becomes the newest entry (once, however often it was opened);
  // the oldest beyond the maximum drop out.
  void Add(const QString& path);
  void Remove(const QString& path);
  void Clear();

 Q_SIGNALS:
  void Changed();

 private:
  void Store();

  QSettings& settings_;
  QStringList files_;
};

}  // namespace tolvane::gui
