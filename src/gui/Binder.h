// Creates the widget of each control of the form and keeps it in step with
// the control: every widget carries its control's window name as objectName,
// its user events become the control's actions (run through the window), and
// Refresh() copies what changed in the form (by revision) back into the
// widgets with their signals blocked, so that the program's own updates never
// come back as the user's.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "form/Controls.h"
#include "gui/SaveDialogs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSlider;
class QTableView;
class QWidget;

namespace tolvane::gui {

class HistoryChartView;
class PictureView;

// One action of the user on the form, run by the window (which refreshes
// the widgets and shows new messages afterwards).
using Action = std::function<void()>;

// Text colours: blue marks the values the user may change to re-run a
// calculator, maroon the score sums.
enum class Tint { Plain, Input, Sum };

class Binder : public QObject {
  Q_OBJECT
 public:
  explicit Binder(std::function<void(const Action&)> run, QObject* parent = nullptr);

  // The widget of a control. `chars` is the width of an edit in digits, 0 to
  // let it stretch.
  QLineEdit* Edit(form::Edit& control, int chars = 0, Tint tint = Tint::Plain);
  // An edit of a number (or a date, a ratio): right-aligned.
  QLineEdit* Number(form::Edit& control, int chars, Tint tint = Tint::Plain);
  QLabel* Label(const form::Label& control);
  // Without a mnemonic where the first letter is taken (the status bar's
  // Cancel beside the Saves page's Compare).
  QPushButton* Button(form::Button& control, bool mnemonic = true);
  QCheckBox* Check(form::CheckBox& control);
  // The anarchy lists are editable; the others are plain drop-down lists.
  QComboBox* Combo(form::ComboBox& control, bool editable = false);
  QListView* List(const form::ListBox& control);   // a list box, in two columns
  QListView* Rich(const form::RichText& control);  // a rich-text box
  QTableView* Grid(const form::Grid& control);
  // A sortable table: a click on a header is the user's click on it; the
  // columns flagged in `rightAligned` hold numbers.
  QTableView* Table(form::Table& control, std::vector<bool> rightAligned);
  HistoryChartView* Chart(const form::Chart& control);
  PictureView* Picture(const form::Picture& control);
  // A horizontal slider with a tick per position.
  QSlider* Slider(form::Slider& control);

  // The caption that stands beside a control (objectName "<name>Caption").
  QLabel* Caption(const form::Control& control, Tint tint = Tint::Plain);
  // A static word of the layout.
  static QLabel* Text(const QString& text, Tint tint = Tint::Plain);

  // Runs `apply` at every refresh after which `control` changed, as the
  // control's own widget is brought up to date.
  void Watch(const form::Control& control, std::function<void()> apply) { Bind(control, std::move(apply)); }
  // Runs an action of the user through the window.
  void Run(const Action& action) const { run_(action); }
  // A "Save …" of a page: asks for a file and, unless the user cancels,
  // writes it as the user's action. A failure (an exception) is shown in a
  // message box.
  void SaveAs(const SaveRequest& request, const std::function<void(const std::string& path)>& write);
  // A "Save …" whose writing takes a while: asks for a file; `prepare` takes
  // on the window's thread, as the user's action, what the page writes and
  // returns the writing (nothing to write: an empty function); the writing
  // runs on a thread of its own, the window usable meanwhile, with `button`
  // disabled until it ends. A failure of either is shown in a message box.
  using Writing = std::function<void()>;
  void SaveInBackground(const SaveRequest& request, QWidget* button,
                        const std::function<Writing(const std::string& path)>& prepare);
  // Waits for the writings under way (the window is closing).
  ~Binder() override;
  void SetSaveDialog(SaveDialog ask) { saveDialog_ = std::move(ask); }
  void SetMessageBox(std::function<void(const QString&)> show) { messageBox_ = std::move(show); }

  // Copies into its widget every control whose state changed since the last
  // refresh (every control when `all` is set).
  void Refresh(bool all = false);

  // A length of the window's design (pixels at the design font) in pixels of
  // the font in use.
  static int Scaled(int designPixels);
  // The fixed-pitch font of the lists, logs and the replay.
  static QFont FixedFont();

 private:
  struct Binding {
    const form::Control* control;
    std::function<void()> apply;
    uint64_t seen = 0;
  };
  void Bind(const form::Control& control, std::function<void()> apply);

  std::function<void(const Action&)> run_;
  SaveDialog saveDialog_;
  std::function<void(const QString&)> messageBox_;
  std::vector<Binding> bindings_;
  std::vector<QPointer<QThread>> writings_;
};

}  // namespace tolvane::gui
