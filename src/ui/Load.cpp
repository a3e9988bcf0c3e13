// "Load File" and the Reloads page's statistics.
#include <fmt/format.h>
#include <fmt/printf.h>

#include "analysis/SaveAnalyse.h"
#include "rules/Calendar.h"
#include "rules/Int32Math.h"
#include "save/SaveError.h"
#include "ui/Form.h"
#include "ui/NumberText.h"

namespace tolvane::ui {

bool Form::Button1Click(const std::string& path) {
  // The new save is read and analysed aside; a failure leaves the pages on
  // the previous save.
  Analysis analysis;
  SaveImage image;
  try {
    image = SpliceSave(ReadWholeFile(path));
    analysis = SaveAnalyse(image, scoreFactors_);
  } catch (const SaveError& e) {
    AddMessage(e.what());
    return false;
  }
  edit1.SetText(path);
  edit2.SetText(FileDateText(path));
  ShowAnalysis(std::move(analysis), std::move(image));
  return true;
}

void Form::ShowAnalysis(Analysis analysis, SaveImage image) {
  model_ = std::move(analysis);
  image_ = std::move(image);
  loaded_ = true;
  FillSessionList();
  edit11.SetText(fmt::format("{}", model_.preSessions));  // runs Edit11Change
  Guarded([this] { CheckValues(); });
  PrintData();
}

// One line per session message: its number and the year it began.
void Form::FillSessionList() {
  constexpr int32_t kNoSession = 9999;
  sessionListBox.Clear();
  int k = 0;
  for (int32_t turn : model_.sessionTurns)
    if (turn < kNoSession) sessionListBox.Add(fmt::sprintf("%3d%6d", ++k, Turn2Date(model_.gameSpeed, turn)));
}

void Form::Edit11Change() {
  Guarded([this] { CheckValues(); });
}

// Play sessions and the average time of one, from the sessions found and the
// user's count of sessions before play began.
void Form::CheckValues() {
  model_.preSessions = ParseInt(edit11.Text());
  playSessions_ = Wrap32(int64_t(model_.sessions) - model_.preSessions);
  edit10.SetText(fmt::sprintf("%6d", playSessions_));
  avgSessionTime_ = playSessions_ > 0 ? model_.playTime / playSessions_ : 0;
  const int32_t minutes = avgSessionTime_ / 60;
  edit12.SetText(fmt::sprintf("%4d:%02.2d:%02.2d", minutes / 60, minutes % 60, avgSessionTime_ % 60));
}

}  // namespace tolvane::ui
