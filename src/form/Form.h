// The main window's logic without a toolkit: the file bar and the pages
// (each a class of its own under form/pages), the loaded save, and the
// messages shown to the user.
//
// A view (the Qt window, tolvane-report) reads the pages' controls and
// passes the user's actions on to them; it never fills a control itself.
// Handlers run to completion; a failure for the user (a text that is no
// number, a score without a value, a save that cannot be read) ends up in
// Messages().
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Model.h"
#include "form/Dialogs.h"
#include "form/LoadedSave.h"
#include "form/MessageLog.h"
#include "form/pages/AttitudesPage.h"
#include "form/pages/BasePage.h"
#include "form/pages/CitiesPage.h"
#include "form/pages/ComparePage.h"
#include "form/pages/FileBar.h"
#include "form/pages/GraphPage.h"
#include "form/pages/HeaderPage.h"
#include "form/pages/KavrelPage.h"
#include "form/pages/LeadersPage.h"
#include "form/pages/MapPage.h"
#include "form/pages/PlayerLogPage.h"
#include "form/pages/PlayerPage.h"
#include "form/pages/ReloadsPage.h"
#include "form/pages/ReplayPage.h"
#include "form/pages/SavesPage.h"
#include "form/pages/TeamsPage.h"
#include "form/pages/WorldPage.h"
#include "save/SaveFile.h"

namespace tolvane::form {

// What the calculators keep from one load to the next: the game score's
// factors (Base page), the Kavrel score's factors and its maximum of modern
// technologies. A form that adopts another's settings scores its next load
// as the other would.
struct CalculatorSettings {
  ScoreFactors scoreFactors;
  std::array<int32_t, 7> kavrelFactors{};
  int32_t modernTechnologiesMax = 0;
  bool operator==(const CalculatorSettings&) const = default;
};

struct ComparedForms;

class Form {
  // Declared before the pages, which show them.
  MessageLog messages_;
  // The save the pages show, set as a whole by a successful load only: an
  // empty game without a path until the first load.
  LoadedSave shown_;
  Analysis& analysis_ = shown_.analysis;
  bool loaded_ = false;
  // Filled by the pages declared below.
  PageList pages_{analysis_, messages_};

 public:
  Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  FileBar fileBar;
  // The pages, each declared once, in tab order: the window's tabs, the
  // fill on every load and the report follow this list.
  BasePage base{pages_};
  HeaderPage header{pages_};
  MapPage map{pages_};
  WorldPage world{pages_};
  LeadersPage leaders{pages_};
  TeamsPage teams{pages_};
  ReplayPage replay{pages_};
  GraphPage graph{pages_};
  PlayerLogPage playerLog{pages_};
  ReloadsPage reloads{pages_};
  PlayerPage player{pages_};
  KavrelPage kavrel{pages_};
  CitiesPage cities{pages_};
  AttitudesPage attitudes{pages_};
  SavesPage saves{pages_};
  ComparePage compare{pages_};

  // The pages in tab order.
  const std::vector<Page*>& Pages() const { return pages_.All(); }
  // Every control: the file bar's, then the pages' in tab order.
  const std::vector<Control*>& Controls() const { return all_.All(); }
  // The control of that window name, or nullptr.
  const Control* Find(std::string_view name) const { return all_.Find(name); }
  // Every message shown to the user, oldest first.
  const std::vector<std::string>& Messages() const { return messages_.All(); }
  // The input whose text message i refuses, or nullptr.
  const Edit* FieldOfMessage(size_t i) const { return messages_.FieldOf(i); }

  // --- The user's actions on a control named by its window name, as
  // tolvane-report gives them. Each runs the handler the window binds to that
  // action. A name that is not a control of the right kind throws
  // std::invalid_argument; an item the combo box does not hold throws
  // std::out_of_range. Nothing changes then.
  // The user changes the text of an edit (its change handler runs).
  void SetEditText(std::string_view name, std::string text);
  // The focus leaves an edit (its exit handler runs).
  void ExitEdit(std::string_view name);
  // The user picks item `index` of a combo box (its change handler runs).
  void SelectItem(std::string_view name, int index);
  // The user types a text into a combo box: no item is selected any more
  // (index -1) and its change handler runs.
  void TypeComboText(std::string_view name, std::string text);
  // The user clicks a check box: it toggles and its click handler runs.
  void ClickCheckBox(std::string_view name);
  // The user clicks a button: its click handler runs unless it is disabled.
  void ClickButton(std::string_view name);
  // The user moves a slider to `position` (its change handler runs); a
  // position outside its range throws std::out_of_range.
  void MoveSlider(std::string_view name, int position);

  // --- Where the actions ask the user (files, folders) and how a load and
  // a comparison run. By default every question is answered "cancelled" and
  // a load or a comparison runs at once; the window asks with its dialogs
  // and runs them as jobs that end in FinishLoad / FinishComparison.
  struct Jobs {
    std::function<void(const std::string& path)> load;
    std::function<void(const std::string& first, const std::string& second)> compare;
  };
  void SetDialogs(Dialogs* dialogs) { dialogs_ = dialogs ? dialogs : &noDialogs_; }
  void SetJobs(Jobs jobs) { jobs_ = std::move(jobs); }

  // "Load File" with a path (typed, chosen, dropped, recent, Reload): runs
  // the load as the jobs run it.
  void Load(const std::string& path);
  // Compares two saves (UTF-8 paths, in the order given) on the Compare
  // page, the pages of the loaded save untouched; as the jobs run it.
  void Compare(const std::string& first, const std::string& second);
  // A save dropped with Shift held: the loaded save compared with it.
  void CompareWithLoaded(const std::string& dropped);
  // The second half of a comparison: shows it, or the message of the save
  // that failed. True when both saves loaded.
  bool FinishComparison(const ComparedForms& forms);

  // --- The Saves page's folder and the next and previous save.
  // The Saves page lists the loaded save's folder, unless it lists that
  // folder already or the user opened a folder since that save was loaded.
  // True when the page lists a folder anew.
  bool FollowLoadedSave();
  // "Open Folder…" with the folder chosen: it stays on the page until the
  // next load.
  bool OpenSavesFolder(const std::string& folder);
  // The save `step` places after (1) or before (-1) the loaded one in its
  // own folder, as the Saves page orders and filters it; the page lists
  // that folder first when it lists another. None at either end.
  std::optional<std::string> NeighbourSave(int step);
  // "Next Save" / "Previous Save": loads that save, or notes that there is none.
  void StepSave(int step);

  // --- The file bar's actions.
  // "Load File" with the path the user chose (UTF-8 text, as are all paths
  // here). Reads, inflates and analyses the save; only when all of it
  // succeeds does the form show the new save. On failure the message is
  // added and nothing else changes. True on success.
  bool LoadFile(const std::string& path);
  // The second half of a load read aside (TryLoadSave with the factors of
  // the Base page): shows the save, or adds the message of its failure and
  // changes nothing else. True when the save is shown.
  bool FinishLoad(LoadOutcome outcome);
  // "Save File" (the button stays disabled): writes the decompressed image to
  // `imagePath` unless it is empty (the dialog was cancelled), then the map
  // text to `mapPath`. A file that cannot be written adds a message.
  void SaveFile(const std::string& imagePath, const std::string& mapPath);

  // The second half of a load: shows a save read by LoadSave (with the
  // factors of Base()), its path and date in the file bar.
  void Show(LoadedSave save);
  // Takes an analysis (and the image it was made from) as the form's save:
  // every page returns to its start state (Page::Reset) and fills anew, so
  // that nothing of the previous save stays. The file bar stays as it is.
  void Show(Analysis analysis, SaveImage image);
  // Takes an analysis as the form's save and fills only the pages that the
  // Saves table's row reads (Base, Map, Leaders, Reloads, Kavrel), in the
  // order Show fills them; the other pages and the image stay empty. For a
  // form that exists to read one row.
  void ShowRowPages(Analysis analysis);

  // The calculators' settings now, and the settings of another form for the
  // next load (the values shown stay until then).
  CalculatorSettings Calculators() const;
  void AdoptCalculators(const CalculatorSettings& settings);

  // --- What the form holds.
  bool Loaded() const { return loaded_; }
  // The save the pages show (set only by a successful load), or nullptr.
  const LoadedSave* Shown() const { return loaded_ ? &shown_ : nullptr; }
  // Its path as it was loaded (UTF-8); "" before the first load. The Path
  // field is the user's input and may hold anything else.
  const std::string& LoadedPath() const { return shown_.path; }
  const Analysis& Model() const { return analysis_; }
  const SaveImage& Image() const { return shown_.image; }
  // The text of "map.txt" for the loaded save ("y/x;" before any load).
  std::string MapText() const;

 private:
  template <typename T>
  T& Lookup(std::string_view name);

  void BindButtons();
  // Hands the World page the frames of the loaded save's game.
  void ShowGame();

  ControlList all_;
  Dialogs noDialogs_;
  Dialogs* dialogs_ = &noDialogs_;
  Jobs jobs_;
  // Loads so far, and the load whose save's folder the Saves page last
  // followed (or since which the user opened a folder).
  uint64_t loads_ = 0, followedLoad_ = 0;
};

}  // namespace tolvane::form
