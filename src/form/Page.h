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

class Page;

// The pages of a window in tab order, and what they show: the loaded save
// and the messages. Declared before the pages, the list is ready for the
// pages that its owner declares as members; each page adds itself.
class PageList {
 public:
  PageList(const Analysis& save, MessageLog& messages) : save_(save), messages_(messages) {}
  PageList(const PageList&) = delete;
  PageList& operator=(const PageList&) = delete;

  const std::vector<Page*>& All() const { return pages_; }

 private:
  friend class Page;
  const Analysis& save_;
  MessageLog& messages_;
  std::vector<Page*> pages_;
};

class Page : public ControlGroup {
 public:
  const std::string& Caption() const { return caption_; }
  const std::string& Name() const { return name_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  // Whether the tab was shown when the form started (its start state).
  bool VisibleAtStart() const { return startVisible_; }

  // Shows the loaded save. A page that shows something else (a folder's
  // saves, a comparison) fills on the user's demand and does nothing here.
  virtual void Fill() = 0;

  // The page as it is now (its controls and its tab's visibility) becomes
  // the state that Reset returns to.
  void KeepStartState();
  // Returns the page to its start state before the next save is shown, so
  // that nothing of the previous save stays: every control as it started,
  // except what the user set on purpose (the ticks of check boxes, the
  // player picked in a selector). A page that keeps values of the save
  // beside its controls forgets them too. A page whose contents are not the
  // loaded save's overrides this to keep them.
  virtual void Reset();

 protected:
  Page(const PageIdentity& identity, PageList& list)
      : save_(list.save_), messages_(list.messages_), caption_(identity.caption), name_(identity.name) {
    list.pages_.push_back(this);
  }

  const Analysis& save_;  // the loaded save (an empty game before the first load)
  MessageLog& messages_;

 private:
  std::string caption_, name_;
  bool visible_ = true;
  bool startVisible_ = true;
};

inline void Page::KeepStartState() {
  for (Control* c : Controls()) c->KeepStartState();
  startVisible_ = visible_;
}

inline void Page::Reset() {
  for (Control* c : Controls()) c->RestoreStartState();
  visible_ = startVisible_;
}

}  // namespace tolvane::form
