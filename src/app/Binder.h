// Creates the widget of each control of the form and keeps it in step with
// the control: every widget carries its control's name as objectName, its
// user events become the form's actions, and Refresh() copies what changed
// in the form (by revision) back into the widgets with their signals blocked,
// so that the program's own updates never come back as the user's.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "ui/Form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QTableView;
class QWidget;

namespace tolvane::app {

class HistoryChartView;

// One action of the user on the form, run by the window (which refreshes
// the widgets and shows new messages afterwards).
using Action = std::function<void()>;

// Text colours: blue marks the values the user may change to re-run a
// calculator, maroon the score sums.
enum class Tint { Plain, Input, Sum };

class Binder : public QObject {
  Q_OBJECT
 public:
  Binder(ui::Form& form, std::function<void(const Action&)> run, QObject* parent = nullptr);

  // Widgets of the form's controls, by control name. `chars` is the width of
  // an edit in digits, 0 to let it stretch.
  QLineEdit* Edit(const char* name, int chars = 0, Tint tint = Tint::Plain);
  // An edit of a number (or a date, a ratio): right-aligned.
  QLineEdit* Number(const char* name, int chars, Tint tint = Tint::Plain);
  QLabel* Label(const char* name);
  QPushButton* Button(const char* name);
  QCheckBox* Check(const char* name);
  // The anarchy lists are editable; the others are plain drop-down lists.
  QComboBox* Combo(const char* name, bool editable = false);
  QListView* List(const char* name);  // a list box, in two columns
  QListView* Rich(const char* name);  // a rich-text box
  QTableView* Grid(const char* name);
  HistoryChartView* Chart(const char* name);

  // The caption that stands beside a control (objectName "<control>Caption").
  QLabel* Caption(const char* controlName, Tint tint = Tint::Plain);
  // A static word of the layout.
  static QLabel* Text(const QString& text, Tint tint = Tint::Plain);

  // Copies into its widget every control whose state changed since the last
  // refresh (every control when `all` is set).
  void Refresh(bool all = false);

  // A length of the window's design (pixels at the design font) in pixels of
  // the font in use.
  static int Scaled(int designPixels);
  // The fixed-pitch font of the lists, logs and the replay.
  static QFont FixedFont();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Binding {
    const ui::Control* control;
    std::function<void()> apply;
    uint64_t seen = 0;
  };
  const ui::Control& Find(const char* name, ui::ControlKind kind) const;
  void Bind(const ui::Control& control, std::function<void()> apply);

  ui::Form& form_;
  std::function<void(const Action&)> run_;
  std::vector<Binding> bindings_;
};

}  // namespace tolvane::app
