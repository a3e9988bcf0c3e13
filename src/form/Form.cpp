#include "form/Form.h"

#include <fmt/format.h>

#include <stdexcept>

#include "form/exports/MapText.h"
#include "save/FileWrite.h"
#include "save/SaveError.h"
#include "save/Utf8Path.h"

namespace tolvane::form {

Form::Form()
    : pages_{&base,      &header,  &map,    &world,  &leaders, &teams,     &replay, &graph,
             &playerLog, &reloads, &player, &kavrel, &cities,  &attitudes, &saves,  &compare} {
  for (Control* c : fileBar.Controls()) all_.Add(c);
  for (Page* page : pages_)
    for (Control* c : page->Controls()) all_.Add(c);
  fileBar.saveFile.SetEnabled(false);
  // Leaving the Kavrel page's date recomputes the Base page's scores.
  kavrel.date.OnExit([this] { base.RecomputeScores(); });
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
  Show(std::move(save.analysis), std::move(save.image));
  saves.MarkLoaded(save.path);
}

void Form::Show(Analysis analysis, SaveImage image) {
  analysis_ = std::move(analysis);
  image_ = std::move(image);
  loaded_ = true;
  base.Fill();
  header.Fill();
  map.Fill();
  world.Fill();
  leaders.Fill();
  teams.Fill();
  replay.Fill();
  graph.Fill();
  playerLog.Fill();
  reloads.Fill();
  player.Fill();
  kavrel.Fill();
  cities.Fill();
  attitudes.Fill();
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
    if (!imagePath.empty()) WriteSaveImage(PathFromUtf8(imagePath), image_);
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
