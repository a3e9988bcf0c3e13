// The form's creation, its event bindings and the user's actions by name.
#include "ui/Form.h"

#include <fmt/format.h>
#include <fmt/printf.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "rules/Scores.h"
#include "rules/Tables.h"
#include "ui/NumberText.h"

namespace tolvane::ui {

Form::Form() {
  BindEvents();
  FormCreate();
}

// Which handler each action of the user runs.
void Form::BindEvents() {
  for (Edit* e : {&initPopE,        &initLandE,        &initTechE,        &initWonderE,       &popCoeffE,
                  &landCoeffE,      &techCoeffE,       &wonderCoeffE,     &currPopScoreE,     &currLandScoreE,
                  &currTechScoreE,  &currWonderScoreE, &maxPopScoreE,     &maxLandScoreE,     &maxTechScoreE,
                  &maxWonderScoreE, &diffCoeffE,       &vassalPopScoredE, &vassalLandScoredE, &kavrelDateE})
    e->OnExit([this] { DiffCoeffEChange(); });
  edit11.OnChange([this] { Edit11Change(); });

  graphSelect.OnChange([this] { GraphSelectChange(); });
  showAiCheckBox.OnClick([this] { GraphSelectChange(); });

  showCityEventsCheckBox.OnClick([this] { ShowCombatsCheckBoxClick(); });
  showCombatsCheckBox.OnClick([this] { ShowCombatsCheckBoxClick(); });
  playerLogSelect.OnChange([this] { ShowCombatsCheckBoxClick(); });

  playerInfoSelect.OnChange([this] { PlayerInfoSelectChange(); });

  for (Edit* e :
       {&kavrelPopCurrE,    &kavrelLandCurrE,   &kavrelTechCurrE,     &kavrelWonderCurrE,    &kavrelCultureCurrE,
        &kavrelMTechCurrE,  &kavrelTurnCurrE,   &kavrelPopMaxE,       &kavrelLandMaxE,       &kavrelTechMaxE,
        &kavrelWonderMaxE,  &kavrelCultureMaxE, &kavrelMTechMaxE,     &kavrelTurnMaxE,       &kavrelPopFactorE,
        &kavrelLandFactorE, &kavrelTechFactorE, &kavrelWonderFactorE, &kavrelCultureFactorE, &kavrelMTechFactorE,
        &kavrelTurnFactorE})
    e->OnExit([this] { KavrelPopCurrEExit(); });

  newCivicsE.OnExit([this] { NewCivicsEChange(); });
  anarchyCitiesE.OnExit([this] { NewCivicsEChange(); });
  for (ComboBox* box : {&anarchyWorldSizeBox, &anarchyGameSpeedBox, &anarchyStartEraBox})
    box->OnChange([this] { NewCivicsEChange(); });

  playerCitySelect.OnChange([this] { PlayerCitySelectChange(); });
  cityBox.OnChange([this] { CityBoxChange(); });
  attLeaderSel1.OnChange([this] { AttLeaderSel1Change(); });
  attLeaderSel2.OnChange([this] { AttLeaderSel1Change(); });
}

void Form::FormCreate() {
  // Number texts always use "." as decimal point: fmt formats without locale.
  tabs[kHeaderPage].visible = false;
  tabs[kCitiesPage].visible = false;
  playerLogSelect.SetVisible(false);
  playerInfoSelect.SetVisible(false);
  button2.SetEnabled(false);

  struct Column {
    const char* header;
    int width;
  };
  auto setColumns = [](Grid& grid, std::initializer_list<Column> columns) {
    int col = 0;
    for (const Column& c : columns) {
      grid.SetCell(col, 0, c.header);
      grid.SetColWidth(col++, c.width);
    }
  };
  setColumns(leadersGrid, {{"№", 20},
                           {"Leader name", 115},
                           {"Score", 50},
                           {"Territory", 85},
                           {"Population", 85},
                           {"Civ description", 115},
                           {"Civ adjective", 100},
                           {"Team", 50},
                           {"Land", 50},
                           {"", 200}});
  setColumns(teamsGrid, {{"№", 20},
                         {"Leader name", 115},
                         {"Score", 70},
                         {"Territory", 105},
                         {"Population", 105},
                         {"Vassal", 37},
                         {"Level", 60},
                         {"Slot", 60}});
  setColumns(techGrid, {{"№", 20}, {"Tech", 200}, {"Era", 70}, {"Cost", 50}, {"Known", 50}});
  for (int row = 1; row <= kTechs; ++row) techGrid.SetCell(0, row, fmt::sprintf("%2d", row));
  setColumns(productionGrid, {{"№", 20}, {"Production", 200}, {"Hammers", 70}});

  scoreFactors_ = ScoreFactors{};
  kavrelFactors_ = KavrelFactors{};
  kavrelMTechMax_ = 150;

  std::iota(techOrder_.begin(), techOrder_.end(), 0);
  std::stable_sort(techOrder_.begin(), techOrder_.end(), [](int a, int b) {
    const TechInfo &x = kTechInfo[size_t(a)], &y = kTechInfo[size_t(b)];
    return x.era != y.era ? x.era < y.era : x.cost < y.cost;
  });

  for (ComboBox* box : {&playerLogSelect, &playerInfoSelect, &attLeaderSel1, &attLeaderSel2}) box->SetIndex(-1);
  historyChart.SetAxis(0, 0);
}

void Form::Guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const InputError& e) {
    AddMessage(e.what());
  } catch (const CalcError& e) {
    AddMessage(e.what());
  }
}

template <typename T>
T& Form::Lookup(std::string_view name) {
  T* c = As<T>(list_.Find(name));
  if (!c) throw std::invalid_argument(fmt::format("no {} named '{}'", KindName(T::kKind), name));
  return *c;
}

void Form::SetEditText(std::string_view name, std::string text) { Lookup<Edit>(name).SetText(std::move(text)); }

void Form::ExitEdit(std::string_view name) { Lookup<Edit>(name).Exit(); }

void Form::SelectItem(std::string_view name, int index) {
  ComboBox& box = Lookup<ComboBox>(name);
  if (index < 0 || index >= int(box.Items().size()))
    throw std::out_of_range(fmt::format("'{}' has no item {}", name, index));
  box.Select(index);
}

void Form::TypeComboText(std::string_view name, std::string text) { Lookup<ComboBox>(name).Type(std::move(text)); }

void Form::ClickCheckBox(std::string_view name) { Lookup<CheckBox>(name).Click(); }

int Form::SlotOf(const ComboBox& selector, int noSelection) const {
  int position = selector.Index() < 0 ? noSelection : selector.Index();
  for (int s = 0; s < kSlots; ++s)
    if (!model_.slots[size_t(s)].leaderName.empty() && position-- == 0) return s;
  return kBarbarianSlot;
}

// The handlers that only re-run their page.
void Form::GraphSelectChange() { DrawGraph(); }
void Form::ShowCombatsCheckBoxClick() { DrawPlayerLog(); }
void Form::PlayerInfoSelectChange() { PrintPlayerInfo(); }
void Form::PlayerCitySelectChange() { PlayerCityChoose(); }
void Form::CityBoxChange() { ChooseCity(); }
void Form::AttLeaderSel1Change() { PrintLeaderAttitude(); }

}  // namespace tolvane::ui
