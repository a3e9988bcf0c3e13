// What every page of the window shares: its tab (caption, window name,
// visibility), the controls it declares, the analysis of the loaded save
// that it shows, and the messages its handlers may add.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/Model.h"
#include "form/Controls.h"
#include "form/MessageLog.h"

namespace tolvane::form {

// A group of controls with their list in creation order. Declared first, the
// list is ready for the controls that derived classes declare as members.
class ControlGroup {
 public:
  ControlGroup() = default;
  ControlGroup(const ControlGroup&) = delete;
  ControlGroup& operator=(const ControlGroup&) = delete;
  virtual ~ControlGroup() = default;

  const std::vector<Control*>& Controls() const { return controls_.All(); }

 protected:
  ControlList controls_;
};

// A page's tab: the text on the tab and the page widget's window name.
struct PageIdentity {
  std::string_view caption;
  std::string_view name;
};

class Page : public ControlGroup {
 public:
  const std::string& Caption() const { return caption_; }
  const std::string& Name() const { return name_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }

 protected:
  Page(const PageIdentity& identity, const Analysis& save, MessageLog& messages)
      : save_(save), messages_(messages), caption_(identity.caption), name_(identity.name) {}

  const Analysis& save_;  // the loaded save (an empty game before the first load)
  MessageLog& messages_;

 private:
  std::string caption_, name_;
  bool visible_ = true;
};

}  // namespace tolvane::form
