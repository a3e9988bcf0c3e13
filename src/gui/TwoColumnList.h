// A list box of the design: its lines flow down two columns of half the
// box's width each, then on to the right; a column is never narrower than
// the widest line, so that no line is cut.
#pragma once

#include <QListView>

namespace tolvane::gui {

class TwoColumnList : public QListView {
 public:
  void reset() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void UpdateGrid();
};

}  // namespace tolvane::gui
