#include "gui/Screenshots.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QPixmap>
#include <QPushButton>
#include <QSaveFile>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>

#include "gui/MainWindow.h"
#include "gui/QtText.h"
#include "gui/SavesController.h"

namespace tolvane::gui {

namespace {

// Written whole: the picture that was there stays until the new one is complete.
bool Save(const QPixmap& picture, const QString& path, QStringList& written, QString* error) {
  QSaveFile file(path);
  if (picture.isNull() || !file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
    if (error) *error = QStringLiteral("cannot write %1").arg(path);
    return false;
  }
  written << path;
  return true;
}

// The Saves page grouped by game and judged by the folder's
// "event-rules.json" (when it has one), as the user's clicks get there; the
// page is left as it was.
QPixmap GroupedSaves(MainWindow& window, QWidget* page) {
  auto* group = page->findChild<QCheckBox*>(QStringLiteral("GroupByGameCheckBox"));
  auto* openRules = page->findChild<QPushButton*>(QStringLiteral("OpenRulesButton"));
  auto* dropRules = page->findChild<QPushButton*>(QStringLiteral("DropRulesButton"));
  if (!group || !openRules || !dropRules) return {};
  const QString rules = QDir(QPath(window.Form().saves.Folder())).filePath(QStringLiteral("event-rules.json"));
  if (QFileInfo::exists(rules)) {
    window.SetRulesDialog([rules](const QString&) { return rules; });
    openRules->click();
  }
  group->click();
  QCoreApplication::processEvents();
  const QPixmap picture = page->grab();
  group->click();
  if (dropRules->isEnabled()) dropRules->click();
  QCoreApplication::processEvents();
  return picture;
}

}  // namespace

QStringList SaveScreenshots(MainWindow& window, const QString& dir, QString* error) {
  QStringList written;
  if (!QDir().mkpath(dir)) {
    if (error) *error = QStringLiteral("cannot create %1").arg(dir);
    return written;
  }
  QTabWidget* pages = window.Pages();
  const int current = pages->currentIndex();
  pages->setCurrentIndex(0);
  QCoreApplication::processEvents();
  if (!Save(window.grab(), QDir(dir).filePath(QStringLiteral("00-window.png")), written, error)) return written;
  for (int p = 0; p < pages->count(); ++p) {
    // A hidden page is shown just long enough to be laid out and drawn.
    const bool visible = pages->isTabVisible(p), enabled = pages->isTabEnabled(p);
    pages->setTabVisible(p, true);
    pages->setTabEnabled(p, true);
    pages->setCurrentIndex(p);
    QCoreApplication::processEvents();
    // The Saves page lists the loaded save's folder: every row read, in a
    // window wide enough for every column.
    const QSize size = window.size();
    const bool saves = window.Form().Pages()[size_t(p)] == &window.Form().saves;
    // The World page steps through the loaded save's game once its folder
    // is read.
    if (window.Form().Pages()[size_t(p)] == &window.Form().world) {
      window.Saves().WaitUntilRead(60000);
      QCoreApplication::processEvents();
    }
    if (saves) {
      window.Saves().WaitUntilRead(60000);
      QCoreApplication::processEvents();
      if (const auto* table = pages->widget(p)->findChild<QTableView*>()) {
        const int hidden = table->horizontalHeader()->length() - table->viewport()->width();
        if (hidden > 0) window.resize(std::min(window.width() + hidden + 4, 3200), window.height());
        QCoreApplication::processEvents();
      }
    }
    const QPixmap picture = pages->widget(p)->grab();
    const QPixmap grouped = saves ? GroupedSaves(window, pages->widget(p)) : QPixmap();
    window.resize(size);
    pages->setTabEnabled(p, enabled);
    pages->setTabVisible(p, visible);
    const QString name = QStringLiteral("%1-%2")
                             .arg(p + 1, 2, 10, QLatin1Char('0'))
                             .arg(pages->tabText(p).toLower().replace(QLatin1Char(' '), QLatin1Char('-')));
    if (!Save(picture, QDir(dir).filePath(name + QStringLiteral(".png")), written, error)) break;
    if (saves && !Save(grouped, QDir(dir).filePath(name + QStringLiteral("-grouped.png")), written, error)) break;
  }
  pages->setCurrentIndex(current);
  return written;
}

}  // namespace tolvane::gui
