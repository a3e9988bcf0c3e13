#include "gui/PageKeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>
#include <QWidget>

namespace tolvane::gui {

namespace {

void StepPage(QTabWidget* pages, int step) {
  const int count = pages->count();
  for (int n = 1; n < count; ++n) {
    const int page = ((pages->currentIndex() + n * step) % count + count) % count;
    if (pages->isTabVisible(page) && pages->isTabEnabled(page)) {
      pages->setCurrentIndex(page);
      return;
    }
  }
}

}  // namespace

void AddPageKeys(QWidget* window, QTabWidget* pages) {
  const struct {
    QKeySequence keys;
    int step;
  } kKeys[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
      {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
      {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
  };
  for (const auto& key : kKeys) {
    auto* shortcut = new QShortcut(key.keys, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, pages, [pages, step = key.step] { StepPage(pages, step); });
  }
}

}  // namespace tolvane::gui
