// The "Replay" page: the game's replay log.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

#include "gui/Pages.h"

namespace tolvane::gui {

QWidget* BuildReplayPage(Binder& b, form::ReplayPage& page) {
  QListView* replay = b.Rich(page.replay);
  auto* layout = new QVBoxLayout;
  layout->setSpacing(2);
  layout->addWidget(kit::LogHeader(replay));
  layout->addWidget(replay, 1);
  return kit::Page(page, layout);
}

}  // namespace tolvane::gui
