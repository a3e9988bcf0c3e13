#include "gui/EditFocus.h"

#include <QEvent>
#include <QFocusEvent>
#include <QObject>
#include <QWidget>
#include <utility>

namespace tolvane::gui {

namespace {

// Watches the focus of one edit; it lives as long as the edit.
class FocusExitFilter : public QObject {
 public:
  FocusExitFilter(QWidget* edit, std::function<void()> exit) : QObject(edit), exit_(std::move(exit)) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) exit_();
    }
    return false;
  }

 private:
  std::function<void()> exit_;
};

}  // namespace

void OnFocusExit(QWidget* edit, std::function<void()> exit) {
  edit->installEventFilter(new FocusExitFilter(edit, std::move(exit)));
}

}  // namespace tolvane::gui
