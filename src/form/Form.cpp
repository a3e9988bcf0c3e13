#include "form/Form.h"

#include <fmt/format.h>

#include <stdexcept>

#include "form/SaveComparison.h"
#include "form/exports/MapText.h"
#include "form/pages/SaveView.h"
#include "save/FileWrite.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::form {

Form::Form() {
  for (Control* c : fileBar.Controls()) all_.Add(c);
  for (Page* page : Pages()) {
    for (Control* c : page->Controls()) all_.Add(c);
    page->KeepStartState();
  }
  fileBar.saveFile.SetEnabled(false);
  // Leaving the Kavrel page's date recomputes the Base page's scores.
  kavrel.date.OnExit([this] { base.RecomputeScores(); });
  saves.SetLoadedPath(&shown_.path);
  // The World page's timelapse follows the games of the Saves page's rows.
  saves.OnGames([this] { ShowGame(); });
  BindButtons();
}

void Form::BindButtons() {
  fileBar.loadFile.OnClick([this] {
    const std::string path = dialogs_->AskOpenFile();
    if (!path.empty()) Load(path);
  });
  // A cancelled dialog still writes "map.txt".
  fileBar.saveFile.OnClick([this] {
    SaveFile(dialogs_->AskSaveFile({"Save File", "Saves (*.CivWarlordsSave)", ""}), "map.txt");
  });
  saves.openFolder.OnClick([this] {
    const std::string folder = dialogs_->AskFolder(saves.Folder().empty() ? "" : PathText(saves.Folder()));
    if (!folder.empty()) OpenSavesFolder(folder);
  });
  saves.saveTable.OnClick([this] {
    const std::string path =
        dialogs_->AskSaveFile({"Save Table", "CSV files (*.csv)",
                               PathText(saves.Folder().empty() ? "saves.csv" : saves.Folder() / "saves.csv")});
    if (path.empty()) return;
    const size_t before = messages_.All().size();
    const size_t rows = saves.ShownRows().size();
    saves.WriteTable(PathFromUtf8(path));
    if (messages_.All().size() == before) dialogs_->Notify(fmt::format("The table of {} saves went to {}", rows, path));
  });
  saves.OnOpen([this](const std::filesystem::path& save) { Load(PathText(save)); });
  saves.compare.OnClick([this] {
    if (const auto pair = saves.ComparedSaves()) Compare(PathText(pair->first), PathText(pair->second));
  });
  saves.compareLink.OnClick([this] {
    if (const auto pair = saves.LinkedSaves()) Compare(PathText(pair->first), PathText(pair->second));
  });
  // The rules dialog starts at the rules file in use, or in the folder listed.
  saves.openRules.OnClick([this] {
    const std::filesystem::path& start = saves.RulesPath().empty() ? saves.Folder() : saves.RulesPath();
    const std::string path = dialogs_->AskRulesFile(start.empty() ? "" : PathText(start));
    if (!path.empty()) saves.OpenRules(PathFromUtf8(path));
  });
}

void Form::ShowGame() {
  if (loaded_ && !shown_.path.empty()) world.SetGame(saves.FramesOfGame(PathFromUtf8(shown_.path)));
}

template <typename T>
T& Form::Lookup(std::string_view name) {
  T* c = As<T>(all_.Find(name));
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

void Form::ClickButton(std::string_view name) { Lookup<Button>(name).Click(); }

void Form::MoveSlider(std::string_view name, int position) {
  Slider& slider = Lookup<Slider>(name);
  if (position < 0 || position >= slider.Count())
    throw std::out_of_range(fmt::format("'{}' has no position {}", name, position));
  slider.Move(position);
}

void Form::Load(const std::string& path) {
  if (jobs_.load)
    jobs_.load(path);
  else
    LoadFile(path);
}

void Form::Compare(const std::string& first, const std::string& second) {
  if (jobs_.compare)
    jobs_.compare(first, second);
  else
    FinishComparison(LoadForComparison(first, second, Calculators()));
}

void Form::CompareWithLoaded(const std::string& dropped) {
  if (loaded_) Compare(shown_.path, dropped);
}

bool Form::FinishComparison(const ComparedForms& forms) {
  if (!forms.error.empty()) {
    compare.Fail(forms.error);
    return false;
  }
  compare.Show(CompareSaves(*forms.first, *forms.second));
  return true;
}

namespace {

// The folder of a save: "." for a bare file name.
std::filesystem::path FolderOf(const std::string& save) {
  std::filesystem::path folder = PathFromUtf8(save).parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

}  // namespace

bool Form::FollowLoadedSave() {
  if (!loaded_ || followedLoad_ == loads_) return false;
  followedLoad_ = loads_;
  const std::filesystem::path folder = FolderOf(shown_.path);
  return !saves.Lists(folder) && saves.OpenFolder(folder);
}

bool Form::OpenSavesFolder(const std::string& folder) {
  followedLoad_ = loads_;
  return saves.OpenFolder(PathFromUtf8(folder));
}

std::optional<std::string> Form::NeighbourSave(int step) {
  if (loaded_) {
    const std::filesystem::path folder = FolderOf(shown_.path);
    if (!saves.Lists(folder)) {
      followedLoad_ = loads_;
      if (!saves.OpenFolder(folder)) return std::nullopt;
    }
  }
  const std::optional<std::filesystem::path> save = saves.NeighbourSave(step);
  if (!save) return std::nullopt;
  return PathText(*save);
}

void Form::StepSave(int step) {
  if (const std::optional<std::string> save = NeighbourSave(step))
    Load(*save);
  else
    dialogs_->Notify(step > 0 ? "No next save in the folder." : "No previous save in the folder.");
}

bool Form::LoadFile(const std::string& path) { return FinishLoad(TryLoadSave(path, base.Factors())); }

bool Form::FinishLoad(LoadOutcome outcome) {
  // The new save was read and analysed aside; a failure leaves the pages on
  // the previous save.
  if (!outcome.save) {
    messages_.Add(std::move(outcome.error));
    return false;
  }
  Show(std::move(*outcome.save));
  return true;
}

void Form::Show(LoadedSave save) {
  fileBar.savePath.SetText(save.path);
  fileBar.fileDate.SetText(save.fileDate);
  shown_.path = std::move(save.path);
  shown_.fileDate = std::move(save.fileDate);
  ++loads_;
  Show(std::move(save.analysis), std::move(save.image));
  saves.MarkLoaded();
  ShowGame();
}

void Form::Show(Analysis analysis, SaveImage image) {
  shown_.analysis = std::move(analysis);
  shown_.image = std::move(image);
  loaded_ = true;
  for (Page* page : Pages()) page->Reset();
  for (Page* page : Pages()) page->Fill();
  // The tabs shown at start-up that this save hides.
  std::vector<std::string> hidden;
  for (const Page* page : Pages())
    if (page->VisibleAtStart() && !page->Visible()) hidden.push_back(page->Caption());
  fileBar.viewNote.SetText(ViewNote(analysis_, hidden));
}

void Form::ShowRowPages(Analysis analysis) {
  shown_.analysis = std::move(analysis);
  loaded_ = true;
  base.Fill();
  map.Fill();
  leaders.Fill();
  reloads.Fill();
  kavrel.Fill();
}

CalculatorSettings Form::Calculators() const {
  return {base.Factors(), kavrel.Factors(), kavrel.ModernTechnologiesMax()};
}

void Form::AdoptCalculators(const CalculatorSettings& settings) {
  base.SetFactors(settings.scoreFactors);
  kavrel.SetFactors(settings.kavrelFactors, settings.modernTechnologiesMax);
}

std::string Form::MapText() const { return form::MapText(analysis_); }

void Form::SaveFile(const std::string& imagePath, const std::string& mapPath) {
  try {
    if (!imagePath.empty()) WriteSaveImage(PathFromUtf8(imagePath), shown_.image);
  } catch (const SaveError& e) {
    messages_.Add(e.what());
  }
  try {
    WriteBytes(PathFromUtf8(mapPath), MapText());
  } catch (const SaveError& e) {
    messages_.Add(e.what());
  }
}

}  // namespace tolvane::form
