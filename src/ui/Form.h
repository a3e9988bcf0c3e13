// The main window's logic without a toolkit: every control of the thirteen
// pages (FormLayout), the analysis of the loaded save, the calculators'
// factors, and the event handlers that fill the pages and react to the user.
//
// A view (the Qt window, tolvane-report) reads the controls through
// Controls()/Find() or the named members, and passes the user's actions to
// the entry points below; it never fills a control itself. Handlers run to
// completion; a failure for the user (a text that is no number, a score
// without a value, a save that cannot be read) ends up in Messages().
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Model.h"
#include "analysis/SaveAnalyse.h"
#include "rules/Limits.h"
#include "save/SaveFile.h"
#include "ui/FormLayout.h"

namespace tolvane::ui {

// The Kavrel score's factors, in the order of its components.
struct KavrelFactors {
  int32_t pop = 2500;
  int32_t land = 2500;
  int32_t tech = 2500;
  int32_t wonder = 5000;
  int32_t culture = 2500;
  int32_t mTech = 5000;
  int32_t turn = 2500;
};

// Results of the Base page's calculation for slot 0, parts in the order
// population, land, technology, wonders.
struct ScoreResults {
  std::array<int32_t, 4> game{};
  int32_t gameScoreSum = 0;
  std::array<int32_t, 4> final{};
  int32_t finalScoreSum = 0;
};

// Results of the Kavrel calculation: population, land, technology, wonders,
// culture, M.Tech, turn.
struct KavrelResults {
  std::array<int32_t, 7> final{};
  int32_t sumFinal = 0;
  int32_t date = 0;
};

class Form : public FormLayout {
 public:
  // Creates the window's controls with their initial contents and runs
  // FormCreate.
  Form();

  // --- Generic access, for views and reports.
  // Every control in layout order (top row, then the pages in tab order).
  const std::vector<Control*>& Controls() const { return list_.All(); }
  // The control of that name, or nullptr.
  const Control* Find(std::string_view name) const { return list_.Find(name); }
  const std::array<Tab, kPageCount>& Tabs() const { return tabs; }
  // Every message shown to the user, oldest first.
  const std::vector<std::string>& Messages() const { return messages_; }

  // --- The user's actions on a control named by its name. Each runs the
  // handler the window binds to that action. A name that is not a control
  // of the right kind throws std::invalid_argument; an item the combo box
  // does not hold throws std::out_of_range. Nothing changes then.
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

  // --- Event handlers, named after the control and event they serve.
  void FormCreate();
  // "Load File" with the path the user chose. Reads, inflates and analyses
  // the save; only when all of it succeeds does the form show the new save.
  // On failure the message is added and nothing else changes. True on success.
  bool Button1Click(const std::string& path);
  // "Save File" (the button stays disabled): writes the decompressed image to
  // `imagePath` unless it is empty (the dialog was cancelled), then the map
  // text to "map.txt" in the current directory. A file that cannot be
  // written adds a message.
  void Button2Click(const std::string& imagePath);
  void DiffCoeffEChange();
  void Edit11Change();
  void GraphSelectChange();
  void ShowCombatsCheckBoxClick();
  void PlayerInfoSelectChange();
  void KavrelPopCurrEExit();
  void NewCivicsEChange();
  void PlayerCitySelectChange();
  void CityBoxChange();
  void AttLeaderSel1Change();

  // The second half of a load: takes an analysis (and the image it was made
  // from) as the form's save and fills the pages, as "Load File" does after
  // its analysis pass.
  void ShowAnalysis(Analysis analysis, SaveImage image);

  // --- What the form holds.
  bool Loaded() const { return loaded_; }
  const Analysis& Model() const { return model_; }
  const SaveImage& Image() const { return image_; }
  // The text of "map.txt" for the loaded save ("y/x;" before any load).
  std::string MapText() const;
  const ScoreFactors& Factors() const { return scoreFactors_; }
  const KavrelFactors& Kavrel() const { return kavrelFactors_; }
  int32_t KavrelMTechMax() const { return kavrelMTechMax_; }
  const ScoreResults& Scores() const { return scores_; }
  const KavrelResults& KavrelScores() const { return kavrel_; }
  int32_t PlaySessions() const { return playSessions_; }
  int32_t AvgSessionTime() const { return avgSessionTime_; }
  // Technologies in the order of the Player page's grid: by era, then cost.
  const std::array<int, kTechs>& TechOrder() const { return techOrder_; }

 private:
  void BindEvents();
  // Runs a handler's body; a failure for the user becomes a message.
  void Guarded(const std::function<void()>& body);
  void AddMessage(std::string text) { messages_.push_back(std::move(text)); }
  template <typename T>
  T& Lookup(std::string_view name);

  bool NotAvailable() const { return !model_.slots[0].password.empty(); }
  // The slot that the item at `position` of a player selector stands for:
  // the position-th named slot; 18 when there is none. A negative index
  // counts as `noSelection`.
  int SlotOf(const ComboBox& selector, int noSelection) const;

  // Reloads page.
  void FillSessionList();
  void CheckValues();

  // Summary pages.
  void PrintData();
  void PrintBase();
  void PrintHeaderAndMap();
  void ClearLeadersGrid();
  void PrintLeadersGrid();
  void PrintTeamsGrid();
  void PrintReplay();
  void FillPlayerSelectors();

  // Calculators.
  void ScoreCalc();
  void KavrelScoreCalc();

  // Page fillers.
  void PrintPlayerInfo();
  void PlayerCityChoose();
  void ChooseCity();
  void DrawGraph();
  void DrawPlayerLog();
  void PrintLeaderAttitude();

  Analysis model_;
  SaveImage image_;
  bool loaded_ = false;
  std::vector<std::string> messages_;

  ScoreFactors scoreFactors_;
  KavrelFactors kavrelFactors_;
  int32_t kavrelMTechMax_ = 150;
  ScoreResults scores_;
  KavrelResults kavrel_;
  int32_t playSessions_ = 0;
  int32_t avgSessionTime_ = 0;
  std::array<int, kTechs> techOrder_{};
};

}  // namespace tolvane::ui
